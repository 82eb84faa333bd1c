#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TFont.h"
#include "platform/io/ByteReader.h"
#include "skin/SkinIniFile.h"
#include "skin/TbsEffectBmp.h"

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// What a standard caption button does.
enum class TbsStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A rectangle or point value with a field that holds no digit. The message is
// the one a text-to-integer conversion gives for the (empty) field.
class SkinValueError : public io::FormatError {
public:
    explicit SkinValueError(const std::string& field);
};

// Readers of the skin value syntax; each takes the INI reader, the section and
// the key, and gives the default named below when the key is missing.

// Four fields "left,top,right,bottom"; every character that is not a digit is
// dropped from a field (so no field is negative) and fields after the fourth
// are ignored. A field left empty raises SkinValueError. Default 0,0,0,0.
gfx::TRect ReadSkinRect(const SkinIniFile& ini, std::string_view section, std::string_view key);
// Two fields "x,y" read the same way. Default 0,0.
gfx::TPoint ReadSkinPoint(const SkinIniFile& ini, std::string_view section, std::string_view key);
// True only when the integer value is exactly 1.
bool ReadSkinFlag(const SkinIniFile& ini, std::string_view section, std::string_view key);
// The styles whose words ("fsbold", "fsitalic", "fsunderline", "fsstrikeout")
// occur in the text, case-sensitively.
gfx::TFontStyles ReadSkinFontStyle(const SkinIniFile& ini, std::string_view section, std::string_view key);
// "tacenter" centre, "taleftjustify" left, any other text right; default centre.
TAlignment ReadSkinAlignment(const SkinIniFile& ini, std::string_view section, std::string_view key);
// One of the seven words, anything else mkDefault; default mkDefault.
TbsMorphKind ReadMorphKind(const SkinIniFile& ini, std::string_view section, std::string_view key);
// One of the six words, anything else ieGrayScale; default ieBrightness.
TbsInactiveEffect ReadInactiveEffect(const SkinIniFile& ini, std::string_view section, std::string_view key);
// One of the first six command words, anything else cmMinimizeToTray; default cmDefault.
TbsStdCommand ReadSkinCommand(const SkinIniFile& ini, std::string_view section, std::string_view key);
// A text list: key <name>"count", then the keys "0", "1", … (a missing entry is
// empty). A count above kMaxSkinListCount is refused with io::FormatError.
std::vector<std::string> ReadSkinList(const SkinIniFile& ini, std::string_view section, std::string_view name);

// Counts in a skin description beyond this are damage, not skins.
inline constexpr int kMaxSkinListCount = 100000;

// The words the values are written as.
std::string_view ToWord(TbsMorphKind kind);
std::string_view ToWord(TbsInactiveEffect effect);
std::string_view ToWord(TbsStdCommand command);
std::string_view ToWord(TAlignment alignment);
// Style words in the order bold, italic, underline, strikeout, joined by ",".
std::string FontStyleToText(gfx::TFontStyles style);

} // namespace skin
