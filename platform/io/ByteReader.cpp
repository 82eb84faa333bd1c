#include "platform/io/ByteReader.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace io {

void ByteReader::require(std::size_t count) const
{
    if (count > remaining())
        throw FormatError("unexpected end of stream at offset " + std::to_string(m_position)
                          + " (needs " + std::to_string(count) + " bytes, "
                          + std::to_string(remaining()) + " left)");
}

void ByteReader::seek(std::size_t position)
{
    if (position > m_bytes.size())
        throw FormatError("offset " + std::to_string(position) + " lies beyond the stream of "
                          + std::to_string(m_bytes.size()) + " bytes");
    m_position = position;
}

void ByteReader::skip(std::size_t count)
{
    require(count);
    m_position += count;
}

std::uint8_t ByteReader::u8()
{
    require(1);
    return m_bytes[m_position++];
}

std::uint16_t ByteReader::u16()
{
    require(2);
    std::uint16_t value = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
    m_position += 2;
    return value;
}

std::uint32_t ByteReader::u32()
{
    require(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | m_bytes[m_position + i];
    m_position += 4;
    return value;
}

std::int64_t ByteReader::i64()
{
    std::uint64_t low = u32();
    std::uint64_t high = u32();
    return static_cast<std::int64_t>((high << 32) | low);
}

double ByteReader::f64()
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(i64()));
}

double ByteReader::f80()
{
    std::uint64_t mantissa = static_cast<std::uint64_t>(i64());
    std::uint16_t sign_exponent = u16();
    bool negative = (sign_exponent & 0x8000) != 0;
    int exponent = sign_exponent & 0x7FFF;
    double value;
    if (exponent == 0 && mantissa == 0)
        value = 0.0;
    else if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count)
{
    require(count);
    auto part = m_bytes.subspan(m_position, count);
    m_position += count;
    return part;
}

std::string ByteReader::string(std::size_t count)
{
    auto part = bytes(count);
    return std::string(part.begin(), part.end());
}

std::size_t ByteReader::count(std::int64_t value, std::size_t min_element_size) const
{
    if (value < 0)
        throw FormatError("negative count " + std::to_string(value) + " at offset " + std::to_string(m_position));
    std::size_t n = static_cast<std::size_t>(value);
    if (min_element_size > 0 && n > remaining() / min_element_size)
        throw FormatError("count " + std::to_string(value) + " at offset " + std::to_string(m_position)
                          + " exceeds what the stream holds");
    return n;
}

void ByteWriter::u16(std::uint16_t value)
{
    m_data.push_back(static_cast<std::uint8_t>(value));
    m_data.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ByteWriter::i64(std::int64_t value)
{
    auto bits = static_cast<std::uint64_t>(value);
    u32(static_cast<std::uint32_t>(bits));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::f64(double value)
{
    i64(static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(value)));
}

void ByteWriter::f80(double value)
{
    std::uint16_t sign = std::signbit(value) ? 0x8000 : 0;
    double magnitude = std::fabs(value);
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (magnitude != 0.0) {
        int binary_exponent = 0;
        double fraction = std::frexp(magnitude, &binary_exponent); // [0.5, 1)
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<std::uint16_t>(binary_exponent - 1 + 16383);
    }
    i64(static_cast<std::int64_t>(mantissa));
    u16(static_cast<std::uint16_t>(sign | exponent));
}

void ByteWriter::bytes(std::span<const std::uint8_t> data)
{
    m_data.insert(m_data.end(), data.begin(), data.end());
}

void ByteWriter::string(const std::string& text)
{
    m_data.insert(m_data.end(), text.begin(), text.end());
}

void ByteWriter::patch_u32(std::size_t position, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_data.at(position + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace io
