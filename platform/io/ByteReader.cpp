#include "platform/io/ByteReader.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace io {

void ByteReader::Require(std::size_t count) const
{
    if (count > Remaining())
        throw FormatError("unexpected end of stream at offset " + std::to_string(m_position)
                          + " (needs " + std::to_string(count) + " bytes, "
                          + std::to_string(Remaining()) + " left)");
}

void ByteReader::Seek(std::size_t position)
{
    if (position > m_bytes.size())
        throw FormatError("offset " + std::to_string(position) + " lies beyond the stream of "
                          + std::to_string(m_bytes.size()) + " bytes");
    m_position = position;
}

void ByteReader::Skip(std::size_t count)
{
    Require(count);
    m_position += count;
}

std::uint8_t ByteReader::U8()
{
    Require(1);
    return m_bytes[m_position++];
}

std::uint16_t ByteReader::U16()
{
    Require(2);
    std::uint16_t value = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
    m_position += 2;
    return value;
}

std::uint32_t ByteReader::U32()
{
    Require(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | m_bytes[m_position + i];
    m_position += 4;
    return value;
}

std::int64_t ByteReader::I64()
{
    std::uint64_t low = U32();
    std::uint64_t high = U32();
    return static_cast<std::int64_t>((high << 32) | low);
}

double ByteReader::F64()
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(I64()));
}

double ByteReader::F80()
{
    std::uint64_t mantissa = static_cast<std::uint64_t>(I64());
    std::uint16_t signExponent = U16();
    bool negative = (signExponent & 0x8000) != 0;
    int exponent = signExponent & 0x7FFF;
    double value;
    if (exponent == 0 && mantissa == 0)
        value = 0.0;
    else if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count)
{
    Require(count);
    auto part = m_bytes.subspan(m_position, count);
    m_position += count;
    return part;
}

std::string ByteReader::String(std::size_t count)
{
    auto part = Bytes(count);
    return std::string(part.begin(), part.end());
}

std::size_t ByteReader::Count(std::int64_t value, std::size_t minElementSize) const
{
    if (value < 0)
        throw FormatError("negative count " + std::to_string(value) + " at offset " + std::to_string(m_position));
    std::size_t n = static_cast<std::size_t>(value);
    if (minElementSize > 0 && n > Remaining() / minElementSize)
        throw FormatError("count " + std::to_string(value) + " at offset " + std::to_string(m_position)
                          + " exceeds what the stream holds");
    return n;
}

void ByteWriter::U16(std::uint16_t value)
{
    m_data.push_back(static_cast<std::uint8_t>(value));
    m_data.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::U32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ByteWriter::I64(std::int64_t value)
{
    auto bits = static_cast<std::uint64_t>(value);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::F64(double value)
{
    I64(static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(value)));
}

void ByteWriter::F80(double value)
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
        int binaryExponent = 0;
        double fraction = std::frexp(magnitude, &binaryExponent); // [0.5, 1)
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<std::uint16_t>(binaryExponent - 1 + 16383);
    }
    I64(static_cast<std::int64_t>(mantissa));
    U16(static_cast<std::uint16_t>(sign | exponent));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> data)
{
    m_data.insert(m_data.end(), data.begin(), data.end());
}

void ByteWriter::String(const std::string& text)
{
    m_data.insert(m_data.end(), text.begin(), text.end());
}

void ByteWriter::PatchU32(std::size_t position, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_data.at(position + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace io
