#include "report/template/TemplateStream.h"

#include "report/objects/PropertyValue.h"

#include "platform/text/Gbk.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace report {
namespace {

constexpr int kCountedStringVersion = 23;
constexpr std::uint8_t kLineSeparator = 13;
// What a counted string and a line list can hold. Texts read beyond it could
// never be written again, so every build of such a template would fail: the
// reader refuses them at load instead.
constexpr std::size_t kMaxTextBytes = 0xFFFF;
constexpr std::size_t kMaxLines = 0xFFFF;

void CheckLineCount(std::size_t count)
{
    if (count > kMaxLines)
        throw io::FormatError("a text of the template has more than 65535 lines");
}

void CheckTextLength(std::size_t bytes)
{
    if (bytes > kMaxTextBytes)
        throw io::FormatError("a text of the template is longer than 65535 bytes");
}

} // namespace

std::string TemplateReader::String()
{
    return m_version < kCountedStringVersion ? ZeroTerminatedString() : CountedString();
}

std::vector<std::string> TemplateReader::Lines()
{
    return m_version < kCountedStringVersion ? ZeroTerminatedLines() : LineList();
}

std::string TemplateReader::CountedString()
{
    std::uint16_t length = m_bytes.U16();
    std::string gbk = m_bytes.String(length);
    m_bytes.U8(); // terminating byte, value not used
    return text::GbkToUtf8(gbk);
}

std::vector<std::string> TemplateReader::LineList()
{
    std::vector<std::string> lines;
    if (m_bytes.U16() == 0) {
        m_bytes.U8();
        return lines;
    }
    // The count is not trusted: lines run until the separator 0.
    for (;;) {
        std::uint16_t length = m_bytes.U16();
        lines.push_back(text::GbkToUtf8(m_bytes.String(length)));
        CheckLineCount(lines.size());
        if (m_bytes.U8() == 0)
            return lines;
    }
}

std::string TemplateReader::ZeroTerminatedString()
{
    std::string gbk;
    for (std::uint8_t byte = m_bytes.U8(); byte != 0; byte = m_bytes.U8()) {
        gbk.push_back(static_cast<char>(byte));
        CheckTextLength(gbk.size());
    }
    return text::GbkToUtf8(gbk);
}

std::vector<std::string> TemplateReader::ZeroTerminatedLines()
{
    std::vector<std::string> lines;
    std::string line;
    for (std::uint8_t byte = m_bytes.U8(); byte != 0; byte = m_bytes.U8()) {
        if (byte == kLineSeparator) {
            lines.push_back(text::GbkToUtf8(line));
            CheckLineCount(lines.size());
            line.clear();
        } else {
            line.push_back(static_cast<char>(byte));
            CheckTextLength(line.size());
        }
    }
    if (!line.empty())
        lines.push_back(text::GbkToUtf8(line));
    CheckLineCount(lines.size());
    return lines;
}

float TemplateReader::FrameWidth()
{
    double stored = m_bytes.I32();
    double thousandths = stored <= 10 ? stored * 1000 : stored;
    return static_cast<float>(thousandths / 1000);
}

std::size_t TemplateReader::EndOffset()
{
    std::size_t at = m_bytes.Position();
    std::int32_t offset = m_bytes.I32();
    if (offset < 0 || static_cast<std::size_t>(offset) < m_bytes.Position() || static_cast<std::size_t>(offset) > m_bytes.Size())
        throw io::FormatError("end offset " + std::to_string(offset) + " at offset " + std::to_string(at)
                              + " lies outside the record");
    return static_cast<std::size_t>(offset);
}

void UniqueNames::Use(const std::string& name)
{
    m_used.insert(UpperCase(name));
}

std::string UniqueNames::Free(const std::string& prefix)
{
    // Names are only added while reading, so the lowest free number of a
    // prefix never goes down and the search resumes where it stopped.
    int& number = m_nextNumber.try_emplace(UpperCase(prefix), 1).first->second;
    while (m_used.contains(UpperCase(prefix + std::to_string(number))))
        ++number;
    return prefix + std::to_string(number);
}

void TemplateWriter::String(const std::string& utf8)
{
    CountedBytes(text::Utf8ToGbk(utf8));
}

void TemplateWriter::CountedBytes(const std::string& gbk)
{
    if (gbk.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("a text of " + std::to_string(gbk.size())
                                + " bytes is longer than a template string can hold");
    m_out.U16(static_cast<std::uint16_t>(gbk.size()));
    m_out.String(gbk);
    m_out.U8(0);
}

void TemplateWriter::Lines(const std::vector<std::string>& lines)
{
    if (lines.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("a text of " + std::to_string(lines.size())
                                + " lines is longer than a template line list can hold");
    m_out.U16(static_cast<std::uint16_t>(lines.size()));
    if (lines.empty()) {
        m_out.U8(0);
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string gbk = text::Utf8ToGbk(lines[i]);
        if (gbk.size() > std::numeric_limits<std::uint16_t>::max())
            throw std::length_error("a line of " + std::to_string(gbk.size())
                                    + " bytes is longer than a template line can hold");
        m_out.U16(static_cast<std::uint16_t>(gbk.size()));
        m_out.String(gbk);
        m_out.U8(i + 1 < lines.size() ? kLineSeparator : 0);
    }
}

void TemplateWriter::FrameWidth(float width)
{
    // Whole widths up to 10 are stored bare; everything else in thousandths, so
    // that a whole width above 10 reads back as itself.
    double value = width;
    double stored = (value == std::floor(value) && value <= 10) ? value : std::round(value * 1000);
    if (!(stored >= std::numeric_limits<std::int32_t>::min()))
        stored = std::numeric_limits<std::int32_t>::min();
    if (stored > std::numeric_limits<std::int32_t>::max())
        stored = std::numeric_limits<std::int32_t>::max();
    m_out.I32(static_cast<std::int32_t>(stored));
}

std::size_t TemplateWriter::BeginEndOffset()
{
    std::size_t placeholder = m_out.Size();
    m_out.I32(0);
    return placeholder;
}

void TemplateWriter::PatchEndOffset(std::size_t placeholder)
{
    if (Position() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("the template grows beyond what its offsets can address");
    m_out.PatchU32(placeholder, static_cast<std::uint32_t>(Position()));
}

} // namespace report
