#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace io {

// Raised when a stream ends early or holds a value that cannot be right.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bounded little-endian cursor over bytes. Every read checks the remaining
// length first, so a damaged stream ends in a FormatError, never a stray read.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t position() const { return m_position; }
    std::size_t size() const { return m_bytes.size(); }
    std::size_t remaining() const { return m_bytes.size() - m_position; }
    bool at_end() const { return m_position == m_bytes.size(); }

    void seek(std::size_t position);
    void skip(std::size_t count);

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::int64_t i64();
    double f64();
    // The 80-bit extended float of the x87, converted to double.
    double f80();

    std::span<const std::uint8_t> bytes(std::size_t count);
    std::string string(std::size_t count);

    // A count read from the stream, refused when it could not fit in what is left
    // given that each element takes at least `min_element_size` bytes.
    std::size_t count(std::int64_t value, std::size_t min_element_size = 1) const;

private:
    void require(std::size_t count) const;

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position { 0 };
};

// The matching writer: appends little-endian values to a growing buffer.
class ByteWriter {
public:
    const std::vector<std::uint8_t>& data() const { return m_data; }
    std::vector<std::uint8_t> take() { return std::move(m_data); }
    std::size_t size() const { return m_data.size(); }

    void u8(std::uint8_t value) { m_data.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void i64(std::int64_t value);
    void f64(double value);
    void f80(double value);
    void bytes(std::span<const std::uint8_t> data);
    void string(const std::string& text);
    // Overwrites four bytes already written, for lengths known only afterwards.
    void patch_u32(std::size_t position, std::uint32_t value);

private:
    std::vector<std::uint8_t> m_data;
};

} // namespace io
