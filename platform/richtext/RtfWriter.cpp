// Writes rich text back as RTF that ParseRtf reads to the same paragraphs and
// runs: a font table (names in GBK), a colour table, and per paragraph its
// alignment and its runs, each run a group with its full format. Text outside
// ASCII is written as \u escapes, so no code page is needed to read it.
#include "platform/richtext/RtfDocument.h"

#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace richtext {
namespace {

std::size_t IndexOf(std::vector<std::string>& names, const std::string& name)
{
    auto found = std::ranges::find(names, name);
    if (found != names.end())
        return static_cast<std::size_t>(found - names.begin());
    names.push_back(name);
    return names.size() - 1;
}

std::size_t IndexOf(std::vector<std::int32_t>& colors, std::int32_t color)
{
    auto found = std::ranges::find(colors, color);
    if (found != colors.end())
        return static_cast<std::size_t>(found - colors.begin());
    colors.push_back(color);
    return colors.size() - 1;
}

void AppendUnicode(std::string& out, char32_t ch)
{
    // \u takes a signed 16-bit value; characters past the first plane go as
    // their surrogate pair.
    auto unit = [&out](unsigned value) { out += "\\u" + std::to_string(static_cast<std::int16_t>(value)) + "?"; };
    if (ch > 0xFFFF) {
        char32_t rest = ch - 0x10000;
        unit(0xD800 + (rest >> 10));
        unit(0xDC00 + (rest & 0x3FF));
    } else {
        unit(ch);
    }
}

void AppendText(std::string& out, std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        text::Utf8Char ch = text::DecodeUtf8(text, at);
        at += ch.Length;
        switch (ch.CodePoint) {
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += static_cast<char>(ch.CodePoint);
            break;
        case '\r':
            break;
        case '\n':
            out += "\\line ";
            break;
        case '\t':
            out += "\\tab ";
            break;
        default:
            if (ch.CodePoint < 0x80)
                out += static_cast<char>(ch.CodePoint);
            else
                AppendUnicode(out, ch.CodePoint);
        }
    }
}

const char* AlignmentWord(Alignment align)
{
    switch (align) {
    case Alignment::Right:
        return "\\qr";
    case Alignment::Center:
        return "\\qc";
    case Alignment::Justify:
        return "\\qj";
    default:
        return "\\ql";
    }
}

std::string FontName(std::string_view name)
{
    std::string out;
    char hex[8];
    for (unsigned char byte : text::Utf8ToGbk(name)) {
        if (byte < 0x80 && byte != '\\' && byte != '{' && byte != '}' && byte != ';') {
            out += static_cast<char>(byte);
        } else {
            std::snprintf(hex, sizeof hex, "\\'%02x", byte);
            out += hex;
        }
    }
    return out;
}

} // namespace

std::string WriteRtf(const RtfDocument& document)
{
    std::vector<std::string> fonts;
    std::vector<std::int32_t> colors;
    std::string body;
    for (std::size_t index = 0; index < document.Paragraphs.size(); ++index) {
        const Paragraph& paragraph = document.Paragraphs[index];
        if (index > 0)
            body += "\\par\n";
        body += "\\pard";
        body += AlignmentWord(paragraph.Align);
        body += ' ';
        for (const TextRun& run : paragraph.Runs) {
            body += '{';
            if (!run.FontName.empty())
                body += "\\f" + std::to_string(IndexOf(fonts, run.FontName));
            body += "\\fs" + std::to_string(run.HalfPoints);
            if (run.Bold)
                body += "\\b";
            if (run.Italic)
                body += "\\i";
            if (run.Underline)
                body += "\\ul";
            body += "\\cf" + std::to_string(IndexOf(colors, run.Color) + 1) + ' ';
            AppendText(body, run.Text);
            body += '}';
        }
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg936\\uc1\\deff0{\\fonttbl";
    for (std::size_t index = 0; index < fonts.size(); ++index)
        out += "{\\f" + std::to_string(index) + "\\fnil\\fcharset134 " + FontName(fonts[index]) + ";}";
    out += "}{\\colortbl;";
    char color[48];
    for (std::int32_t value : colors) {
        std::snprintf(color, sizeof color, "\\red%d\\green%d\\blue%d;", value & 0xFF, (value >> 8) & 0xFF,
            (value >> 16) & 0xFF);
        out += color;
    }
    out += "}\n" + body + "}";
    return out;
}

} // namespace richtext
