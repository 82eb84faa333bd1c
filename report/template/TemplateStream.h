#pragma once

#include "platform/io/ByteReader.h"

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace report {

// Format versions of template streams: the one we write, the oldest layout
// (21, which has no version byte), and the thresholds where fields appear.
inline constexpr int kTemplateVersion = 25;
inline constexpr int kOldestTemplateVersion = 21;

// Default names while reading: prefix + the lowest number that no name read
// so far uses (names compare without case).
class UniqueNames {
public:
    void Use(const std::string& name);
    std::string Free(const std::string& prefix);

private:
    std::set<std::string> m_used;
    std::map<std::string, int> m_nextNumber;
};

// The cursor template readers work on: bounded reads of the stream's values
// in the layout of the format version in force. Text is converted from GBK.
class TemplateReader {
public:
    explicit TemplateReader(std::span<const std::uint8_t> stream) : m_bytes(stream) {}

    io::ByteReader& Bytes() { return m_bytes; }
    int Version() const { return m_version; }
    void SetVersion(int version) { m_version = version; }

    bool WordBool() { return m_bytes.U16() != 0; }
    // A counted string, or a zero-terminated one below version 23.
    std::string String();
    // A line list, or a zero-terminated line list below version 23.
    std::vector<std::string> Lines();
    std::string CountedString();
    std::vector<std::string> LineList();
    std::string ZeroTerminatedString();
    std::vector<std::string> ZeroTerminatedLines();
    // A frame width as stored: values of 10 or less are whole widths, larger
    // ones thousandths.
    float FrameWidth();
    // An absolute stream position that ends a record or a block: refused unless
    // it lies between the current position and the end of the stream.
    std::size_t EndOffset();

    UniqueNames& ObjectNames() { return m_objectNames; }
    UniqueNames& PageNames() { return m_pageNames; }

private:
    io::ByteReader m_bytes;
    int m_version { kTemplateVersion };
    UniqueNames m_objectNames;
    UniqueNames m_pageNames;
};

// The matching writer, always in the current format version. Positions are
// counted from where the template starts in the underlying buffer.
class TemplateWriter {
public:
    explicit TemplateWriter(io::ByteWriter& out) : m_out(out), m_base(out.Size()) {}
    // Positions (end offsets) count from `base` in `out`: a prepared page's
    // records are read back with offsets from the start of the page.
    TemplateWriter(io::ByteWriter& out, std::size_t base) : m_out(out), m_base(base) {}

    io::ByteWriter& Bytes() { return m_out; }
    std::size_t Position() const { return m_out.Size() - m_base; }

    void WordBool(bool value) { m_out.U16(value ? 0xFFFF : 0); }
    // Text longer than a counted string holds is refused (std::length_error).
    void String(const std::string& utf8);
    void Lines(const std::vector<std::string>& lines);
    void FrameWidth(float width);
    // Writes a placeholder for an end offset and later fills in the position
    // reached.
    std::size_t BeginEndOffset();
    void PatchEndOffset(std::size_t placeholder);

private:
    void CountedBytes(const std::string& gbk);

    io::ByteWriter& m_out;
    std::size_t m_base;
};

} // namespace report
