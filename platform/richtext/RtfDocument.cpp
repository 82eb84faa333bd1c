#include "platform/richtext/RtfDocument.h"

#include "platform/text/Gbk.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace richtext {
namespace {

// Groups nested deeper than this are read as if they were flat, so a
// document of nothing but braces cannot exhaust memory.
constexpr std::size_t kMaxDepth = 1000;
constexpr int kGbkCharset = 134;

// What a group carries and restores when it closes.
struct State {
    TextRun Format;
    int FontCharset { 0 };
    Alignment Align { Alignment::Left };
    int SkipAfterUnicode { 1 };
    bool Skip { false };       // a destination whose text is not shown
    bool FontTable { false };
    bool ColorTable { false };
};

struct FontEntry {
    std::string Name;
    int Charset { 0 };
};

// Windows-1252 characters 0x80 to 0x9F; the rest of the high half is Latin-1.
constexpr char32_t kCp1252High[32] = { 0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178 };

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::u32string chars;
    for (unsigned char b : bytes)
        chars.push_back(b < 0x80 ? b : b < 0xA0 ? kCp1252High[b - 0x80] : b);
    return text::Utf32ToUtf8(chars);
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : m_in(rtf) {}

    RtfDocument Read()
    {
        m_document.Paragraphs.emplace_back();
        while (m_pos < m_in.size()) {
            char c = m_in[m_pos++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ControlWord();
            else if (c != '\r' && c != '\n')
                AddByte(c);
        }
        FlushBytes();
        return std::move(m_document);
    }

private:
    State& Current() { return m_stack.back(); }

    void OpenGroup()
    {
        FlushBytes();
        if (m_stack.size() >= kMaxDepth) {
            ++m_flatGroups;
            return;
        }
        State inherited = m_stack.back();
        m_stack.push_back(std::move(inherited));
    }

    void CloseGroup()
    {
        FlushBytes();
        if (Current().FontTable && !m_fontName.empty())
            EndFontEntry();
        if (m_flatGroups > 0)
            --m_flatGroups;
        else if (m_stack.size() > 1)
            m_stack.pop_back();
    }

    void ControlWord()
    {
        if (m_pos >= m_in.size())
            return;
        char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            ControlSymbol(c);
            return;
        }
        std::size_t start = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos]))
            ++m_pos;
        std::string_view word = m_in.substr(start, m_pos - start);
        bool has_value = false;
        int value = 0;
        std::size_t number = m_pos;
        if (m_pos < m_in.size() && (m_in[m_pos] == '-' || (m_in[m_pos] >= '0' && m_in[m_pos] <= '9'))) {
            ++m_pos;
            while (m_pos < m_in.size() && m_in[m_pos] >= '0' && m_in[m_pos] <= '9')
                ++m_pos;
            long long parsed = 0;
            auto [end, error] = std::from_chars(m_in.data() + number, m_in.data() + m_pos, parsed);
            has_value = error == std::errc() && end != m_in.data() + number;
            if (has_value)
                value = static_cast<int>(std::clamp<long long>(parsed, -1'000'000'000, 1'000'000'000));
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        Apply(word, has_value, value);
    }

    void ControlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            const char* start = m_in.data() + m_pos;
            unsigned byte = 0;
            auto [end, error] = std::from_chars(start, m_in.data() + std::min(m_pos + 2, m_in.size()), byte, 16);
            // A broken escape is dropped with the hex digit it has.
            m_pos += static_cast<std::size_t>(end - start);
            if (error != std::errc() || end - start != 2)
                return;
            if (m_unicodeSkip > 0) {
                --m_unicodeSkip;
                return;
            }
            m_bytes.push_back(static_cast<char>(byte));
            return;
        }
        case '*':
            Current().Skip = true;
            return;
        case '~':
            AddText("\xC2\xA0");
            return;
        case '_':
            AddText("-");
            return;
        case '\\':
        case '{':
        case '}':
            AddByte(c);
            return;
        case '\r':
        case '\n':
            Apply("par", false, 0);
            return;
        default:
            return;
        }
    }

    void Apply(std::string_view word, bool has_value, int value)
    {
        FlushBytes();
        State& s = Current();
        bool on = !has_value || value != 0;
        if (word == "fonttbl") {
            s.FontTable = true;
            s.Skip = true;
        } else if (word == "colortbl") {
            s.ColorTable = true;
            s.Skip = true;
            m_colors.clear();
            m_color = 0;
        } else if (word == "stylesheet" || word == "info" || word == "pict" || word == "header" || word == "footer"
                   || word == "headerl" || word == "headerr" || word == "footerl" || word == "footerr"
                   || word == "object" || word == "fldinst" || word == "listtable" || word == "listoverridetable"
                   || word == "themedata" || word == "colorschememapping" || word == "latentstyles"
                   || word == "datastore" || word == "xmlnstbl" || word == "rsidtbl" || word == "generator") {
            s.Skip = true;
        } else if (s.FontTable && word == "f" && has_value) {
            m_fontIndex = value;
        } else if (s.FontTable && word == "fcharset" && has_value) {
            m_fontCharset = value;
        } else if (s.ColorTable && (word == "red" || word == "green" || word == "blue") && has_value) {
            int shift = word == "red" ? 0 : word == "green" ? 8 : 16;
            m_color |= (std::clamp(value, 0, 255) << shift);
        } else if (word == "ansicpg" && has_value) {
            m_ansiGbk = value == 936;
        } else if (word == "par" || word == "sect" || word == "page") {
            if (!s.Skip)
                NewParagraph();
        } else if (word == "line") {
            AddText("\n");
        } else if (word == "tab") {
            AddText("\t");
        } else if (word == "pard") {
            s.Align = Alignment::Left;
            m_document.Paragraphs.back().Align = Alignment::Left;
        } else if (word == "ql" || word == "qr" || word == "qc" || word == "qj") {
            s.Align = word == "qr" ? Alignment::Right : word == "qc" ? Alignment::Center
                    : word == "qj"  ? Alignment::Justify
                                    : Alignment::Left;
            m_document.Paragraphs.back().Align = s.Align;
        } else if (word == "plain") {
            s.Format = TextRun {};
            SelectFont(m_defaultFont);
        } else if (word == "b") {
            s.Format.Bold = on;
        } else if (word == "i") {
            s.Format.Italic = on;
        } else if (word == "ul") {
            s.Format.Underline = on;
        } else if (word == "ulnone") {
            s.Format.Underline = false;
        } else if (word == "fs" && has_value) {
            s.Format.HalfPoints = std::clamp(value, 1, 3276);
        } else if (word == "cf" && has_value) {
            s.Format.Color = value >= 0 && static_cast<std::size_t>(value) < m_colors.size() ? m_colors[value] : 0;
        } else if (word == "f" && has_value) {
            SelectFont(value);
        } else if (word == "deff" && has_value) {
            m_defaultFont = value;
        } else if (word == "uc" && has_value) {
            s.SkipAfterUnicode = std::clamp(value, 0, 10);
        } else if (word == "u" && has_value) {
            // Values above 32767 are written negative.
            auto ch = static_cast<char32_t>(value < 0 ? value + 65536 : value);
            m_unicodeSkip = s.SkipAfterUnicode;
            // Characters past the first plane come as a pair of surrogates.
            if (ch >= 0xD800 && ch <= 0xDBFF) {
                m_highSurrogate = ch;
                return;
            }
            if (ch >= 0xDC00 && ch <= 0xDFFF && m_highSurrogate)
                ch = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (ch - 0xDC00);
            else if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
                ch = 0xFFFD;
            m_highSurrogate = 0;
            AddText(text::Utf32ToUtf8(std::u32string(1, ch)));
        }
    }

    void SelectFont(int index)
    {
        State& s = Current();
        auto it = m_fonts.find(index);
        if (it == m_fonts.end())
            return;
        s.Format.FontName = it->second.Name;
        s.FontCharset = it->second.Charset;
    }

    void EndFontEntry()
    {
        std::string name = m_fontName;
        while (!name.empty() && (name.back() == ';' || name.back() == ' '))
            name.pop_back();
        bool gbk = m_fontCharset == kGbkCharset || m_ansiGbk;
        m_fonts[m_fontIndex] = { gbk ? text::GbkToUtf8(name) : Cp1252ToUtf8(name), m_fontCharset };
        m_fontName.clear();
        m_fontCharset = 0;
    }

    void AddByte(char c)
    {
        if (m_unicodeSkip > 0) {
            --m_unicodeSkip;
            return;
        }
        m_bytes.push_back(c);
    }

    // Bytes of text in the current font's character set become UTF-8.
    void FlushBytes()
    {
        if (m_bytes.empty())
            return;
        std::string bytes = std::move(m_bytes);
        m_bytes.clear();
        State& s = Current();
        if (s.FontTable) {
            m_fontName += bytes;
            if (!bytes.empty() && bytes.back() == ';')
                EndFontEntry();
            return;
        }
        if (s.ColorTable) {
            for (char c : bytes)
                if (c == ';') {
                    m_colors.push_back(m_color);
                    m_color = 0;
                }
            return;
        }
        if (s.Skip)
            return;
        AddText(s.FontCharset == kGbkCharset || m_ansiGbk ? text::GbkToUtf8(bytes) : Cp1252ToUtf8(bytes));
    }

    void AddText(const std::string& utf8)
    {
        State& s = Current();
        if (s.Skip || s.FontTable || s.ColorTable)
            return;
        auto& runs = m_document.Paragraphs.back().Runs;
        if (runs.empty() || !runs.back().SameFormat(s.Format)) {
            runs.push_back(s.Format);
            runs.back().Text.clear();
        }
        runs.back().Text += utf8;
    }

    void NewParagraph()
    {
        m_document.Paragraphs.emplace_back();
        m_document.Paragraphs.back().Align = Current().Align;
    }

    std::string_view m_in;
    std::size_t m_pos { 0 };
    RtfDocument m_document;
    std::vector<State> m_stack { State {} };
    std::size_t m_flatGroups { 0 };
    std::string m_bytes;
    int m_unicodeSkip { 0 };
    // The first half of a surrogate pair written as two \u escapes.
    char32_t m_highSurrogate { 0 };
    bool m_ansiGbk { false };
    int m_defaultFont { 0 };
    std::map<int, FontEntry> m_fonts;
    int m_fontIndex { 0 };
    int m_fontCharset { 0 };
    std::string m_fontName;
    std::vector<std::int32_t> m_colors;
    std::int32_t m_color { 0 };
};

} // namespace

std::string Paragraph::PlainText() const
{
    std::string text;
    for (const auto& run : Runs)
        text += run.Text;
    return text;
}

std::string RtfDocument::PlainText() const
{
    std::string text;
    for (std::size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += Paragraphs[i].PlainText();
    }
    return text;
}

RtfDocument ParseRtf(std::string_view rtf)
{
    if (rtf.substr(0, 5) != "{\\rtf") {
        RtfDocument plain;
        std::size_t start = 0;
        while (true) {
            std::size_t end = rtf.find('\n', start);
            std::string_view line = rtf.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            Paragraph& paragraph = plain.Paragraphs.emplace_back();
            if (!line.empty()) {
                TextRun& run = paragraph.Runs.emplace_back();
                run.Text = line;
            }
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        return plain;
    }
    return RtfReader(rtf).Read();
}

} // namespace richtext
