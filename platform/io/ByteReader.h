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

    std::size_t Position() const { return m_position; }
    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Remaining() const { return m_bytes.size() - m_position; }
    bool AtEnd() const { return m_position == m_bytes.size(); }

    void Seek(std::size_t position);
    void Skip(std::size_t count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::int64_t I64();
    double F64();
    // The 80-bit extended float of the x87, converted to double.
    double F80();

    std::span<const std::uint8_t> Bytes(std::size_t count);
    std::string String(std::size_t count);

    // A count read from the stream, refused when it could not fit in what is left
    // given that each element takes at least `minElementSize` bytes.
    std::size_t Count(std::int64_t value, std::size_t minElementSize = 1) const;

private:
    void Require(std::size_t count) const;

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position { 0 };
};

// The matching writer: appends little-endian values to a growing buffer.
class ByteWriter {
public:
    ByteWriter() = default;
    // Goes on appending to bytes written before.
    explicit ByteWriter(std::vector<std::uint8_t> data) : m_data(std::move(data)) {}

    const std::vector<std::uint8_t>& Data() const { return m_data; }
    std::vector<std::uint8_t> Take() { return std::move(m_data); }
    std::size_t Size() const { return m_data.size(); }

    void U8(std::uint8_t value) { m_data.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void I64(std::int64_t value);
    void F64(double value);
    void F80(double value);
    void Bytes(std::span<const std::uint8_t> data);
    void String(const std::string& text);
    // Overwrites four bytes already written, for lengths known only afterwards.
    void PatchU32(std::size_t position, std::uint32_t value);

private:
    std::vector<std::uint8_t> m_data;
};

} // namespace io
