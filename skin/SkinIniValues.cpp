#include "skin/SkinIniValues.h"

#include <array>

namespace skin {

namespace {

constexpr std::array<std::string_view, 7> kMorphWords { "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush" };
constexpr std::array<std::string_view, 6> kEffectWords { "iebrightness", "iedarkness", "iegrayscale", "ienoise",
    "iesplitblur", "ieinvert" };
constexpr std::array<std::string_view, 7> kCommandWords { "cmclose", "cmmaximize", "cmminimize", "cmsysmenu",
    "cmdefault", "cmrollup", "cmminimizetotray" };

struct StyleWord {
    std::string_view word;
    gfx::TFontStyle style;
};
constexpr std::array<StyleWord, 4> kStyleWords { { { "fsbold", gfx::TFontStyle::fsBold },
    { "fsitalic", gfx::TFontStyle::fsItalic }, { "fsunderline", gfx::TFontStyle::fsUnderline },
    { "fsstrikeout", gfx::TFontStyle::fsStrikeOut } } };

template <std::size_t N>
int WordIndex(const std::array<std::string_view, N>& words, std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == text)
            return static_cast<int>(i);
    return -1;
}

// Splits at every "," and keeps only the digits of each field; each of the
// first `count` fields must keep at least one digit.
std::vector<int> ReadDigitFields(const std::string& text, std::size_t count)
{
    std::vector<int> fields;
    std::size_t start = 0;
    while (fields.size() < count) {
        std::size_t end = text.find(',', start);
        std::string digits;
        if (start <= text.size())
            for (char c : std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start))
                if (c >= '0' && c <= '9')
                    digits += c;
        int value = 0;
        if (!ParseSkinInteger(digits, value))
            throw SkinValueError(digits);
        fields.push_back(value);
        start = end == std::string::npos ? text.size() + 1 : end + 1;
    }
    return fields;
}

} // namespace

SkinValueError::SkinValueError(const std::string& field)
    : io::FormatError("'" + field + "' is not a valid integer value")
{
}

gfx::TRect ReadSkinRect(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    std::vector<int> f = ReadDigitFields(ini.ReadString(section, key, "0,0,0,0"), 4);
    return { f[0], f[1], f[2], f[3] };
}

gfx::TPoint ReadSkinPoint(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    std::vector<int> f = ReadDigitFields(ini.ReadString(section, key, "0,0"), 2);
    return { f[0], f[1] };
}

bool ReadSkinFlag(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    return ini.ReadInteger(section, key, 0) == 1;
}

gfx::TFontStyles ReadSkinFontStyle(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    std::string text = ini.ReadString(section, key, "");
    gfx::TFontStyles styles;
    for (const StyleWord& entry : kStyleWords)
        if (text.find(entry.word) != std::string::npos)
            styles.Include(entry.style);
    return styles;
}

TAlignment ReadSkinAlignment(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    std::string text = ini.ReadString(section, key, "tacenter");
    if (text == "tacenter")
        return TAlignment::taCenter;
    if (text == "taleftjustify")
        return TAlignment::taLeftJustify;
    return TAlignment::taRightJustify;
}

TbsMorphKind ReadMorphKind(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    int index = WordIndex(kMorphWords, ini.ReadString(section, key, "mkdefault"));
    return index < 0 ? TbsMorphKind::mkDefault : static_cast<TbsMorphKind>(index);
}

TbsInactiveEffect ReadInactiveEffect(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    int index = WordIndex(kEffectWords, ini.ReadString(section, key, "iebrightness"));
    return index < 0 ? TbsInactiveEffect::ieGrayScale : static_cast<TbsInactiveEffect>(index);
}

TbsStdCommand ReadSkinCommand(const SkinIniFile& ini, std::string_view section, std::string_view key)
{
    int index = WordIndex(kCommandWords, ini.ReadString(section, key, "cmdefault"));
    return index < 0 || index > 5 ? TbsStdCommand::cmMinimizeToTray : static_cast<TbsStdCommand>(index);
}

std::vector<std::string> ReadSkinList(const SkinIniFile& ini, std::string_view section, std::string_view name)
{
    int count = ini.ReadInteger(section, std::string(name) + "count", 0);
    if (count > kMaxSkinListCount)
        throw io::FormatError("the list \"" + std::string(name) + "\" claims " + std::to_string(count) + " entries");
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
        items.push_back(ini.ReadString(section, std::to_string(i), ""));
    return items;
}

std::string_view ToWord(TbsMorphKind kind) { return kMorphWords[static_cast<std::size_t>(kind)]; }
std::string_view ToWord(TbsInactiveEffect effect) { return kEffectWords[static_cast<std::size_t>(effect)]; }
std::string_view ToWord(TbsStdCommand command) { return kCommandWords[static_cast<std::size_t>(command)]; }

std::string_view ToWord(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return "taleftjustify";
    case TAlignment::taRightJustify:
        return "tarightjustify";
    case TAlignment::taCenter:
        break;
    }
    return "tacenter";
}

std::string FontStyleToText(gfx::TFontStyles style)
{
    std::string text;
    for (const StyleWord& entry : kStyleWords) {
        if (!style.Contains(entry.style))
            continue;
        if (!text.empty())
            text += ',';
        text += entry.word;
    }
    return text;
}

} // namespace skin
