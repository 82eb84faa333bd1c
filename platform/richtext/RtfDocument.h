#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace richtext {

enum class Alignment { Left, Right, Center, Justify };

// A stretch of text in one format. Colours are 0x00BBGGRR.
struct TextRun {
    std::string Text; // UTF-8
    std::string FontName;
    int HalfPoints { 24 };
    bool Bold { false };
    bool Italic { false };
    bool Underline { false };
    std::int32_t Color { 0 };

    bool SameFormat(const TextRun& other) const
    {
        return FontName == other.FontName && HalfPoints == other.HalfPoints && Bold == other.Bold
               && Italic == other.Italic && Underline == other.Underline && Color == other.Color;
    }
};

struct Paragraph {
    Alignment Align { Alignment::Left };
    std::vector<TextRun> Runs;

    std::string PlainText() const;
};

// Rich text as the report's rich-text objects hold it: paragraphs of
// formatted runs.
struct RtfDocument {
    std::vector<Paragraph> Paragraphs;

    std::string PlainText() const; // paragraphs joined by line feeds
};

// Reads the common subset of RTF: paragraphs (\par, \pard) and their
// alignment (\ql \qr \qc \qj), line breaks and tabs, the font and colour
// tables, font (\f), size (\fs), bold, italic, underline (\b \i \ul \ulnone,
// with 0 turning off) and colour (\cf), \plain, 8-bit characters (\'hh) in
// the font's character set (GBK for charset 134 or code page 936, else
// Windows-1252) and Unicode characters (\u with its \uc fallback skipped).
// Other destinations (pictures, style sheets, document info, "\*" groups) are
// skipped. Text that is not RTF is taken as plain text. Never throws on
// damaged input: what is read so far is kept.
RtfDocument ParseRtf(std::string_view rtf);

// Writes the document as RTF that ParseRtf reads back to the same paragraphs,
// alignments, runs and formats.
std::string WriteRtf(const RtfDocument& document);

} // namespace richtext
