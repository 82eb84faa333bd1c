#include "report/expr/Constants.h"

#include <cstdint>
#include <string_view>

namespace report {
namespace {

struct Constant {
    std::string_view name;
    std::uint32_t value;
};

constexpr Constant kNumbers[] = {
    { "clWhite", 0xFFFFFF }, { "clBlack", 0 }, { "clMaroon", 0x80 }, { "clGreen", 0x8000 },
    { "clOlive", 0x8080 }, { "clNavy", 0x800000 }, { "clPurple", 0x800080 }, { "clTeal", 0x808000 },
    { "clGray", 0x808080 }, { "clSilver", 0xC0C0C0 }, { "clRed", 0xFF }, { "clLime", 0xFF00 },
    { "clYellow", 0xFFFF }, { "clBlue", 0xFF0000 }, { "clFuchsia", 0xFF00FF }, { "clAqua", 0xFFFF00 },
    { "clTransparent", 0x1FFFFFFF },
    { "mrNone", 0 }, { "mrOk", 1 }, { "mrCancel", 2 }, { "mrYes", 6 }, { "mrNo", 7 },
    { "fsBold", 2 }, { "fsItalic", 1 }, { "fsUnderline", 4 }, { "fsStrikeOut", 8 },
    { "frftNone", 0 }, { "frftRight", 1 }, { "frftBottom", 2 }, { "frftLeft", 4 }, { "frftTop", 8 },
    { "frtaLeft", 0 }, { "frtaRight", 1 }, { "frtaCenter", 2 }, { "frtaVertical", 4 }, { "frtaMiddle", 8 },
    { "frtaDown", 16 },
    { "baNone", 0 }, { "baLeft", 1 }, { "baRight", 2 }, { "baCenter", 3 }, { "baWidth", 4 }, { "baBottom", 5 },
    { "baTop", 6 }, { "baRest", 7 },
    { "psSolid", 0 }, { "psDash", 1 }, { "psDot", 2 }, { "psDashDot", 3 }, { "psDashDotDot", 4 },
    { "psDouble", 5 },
    { "mb_Ok", 0 }, { "mb_OkCancel", 1 }, { "mb_YesNo", 4 }, { "mb_YesNoCancel", 3 },
    { "mb_IconError", 16 }, { "mb_IconQuestion", 32 }, { "mb_IconInformation", 64 }, { "mb_IconWarning", 48 },
    { "btBMP", 0 }, { "btJPG", 1 }, { "btICO", 2 }, { "btWMF", 3 },
};

// In the platform's order; each is 0x80000000 plus its index.
constexpr std::string_view kSystemColours[] = {
    "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
    "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
    "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText",
    "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk",
};

Variant Int32Bits(std::uint32_t value) { return Variant(static_cast<int>(static_cast<std::int32_t>(value))); }

} // namespace

void AddStandardConstants(TfrVariables& constants)
{
    for (const Constant& constant : kNumbers)
        constants.Set(constant.name, Int32Bits(constant.value));
    std::uint32_t code = 0x80000000u;
    for (std::string_view name : kSystemColours)
        constants.Set(name, Int32Bits(code++));
    constants.Set("CRLF", Variant("\r\n"));
    constants.Set("Null", Variant());
}

} // namespace report
