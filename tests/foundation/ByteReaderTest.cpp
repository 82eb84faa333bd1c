#include "platform/io/ByteReader.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteReader, ReadsLittleEndianValuesAndRefusesToReadPastTheEnd)
{
    const std::uint8_t data[] = { 0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF };
    io::ByteReader reader(data);
    EXPECT_EQ(reader.U32(), 0x04030201u);
    EXPECT_EQ(reader.I16(), -1);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_THROW(reader.U8(), io::FormatError);
}

TEST(ByteReader, RefusesCountsThatCannotFitInTheRestOfTheStream)
{
    const std::uint8_t data[8] = {};
    io::ByteReader reader(data);
    EXPECT_EQ(reader.Count(2, 4), 2u);
    EXPECT_THROW(reader.Count(3, 4), io::FormatError);
    EXPECT_THROW(reader.Count(-1), io::FormatError);
    EXPECT_THROW(reader.Seek(9), io::FormatError);
}

TEST(ByteReader, ExtendedFloatsRoundTripThroughTheWriter)
{
    for (double value : { 0.0, 1.0, -2.5, 3.14159, 1e300, -1e-300 }) {
        io::ByteWriter writer;
        writer.F80(value);
        ASSERT_EQ(writer.Size(), 10u);
        io::ByteReader reader(writer.Data());
        EXPECT_DOUBLE_EQ(reader.F80(), value);
    }
}

TEST(ByteReader, ExtendedFloatOneHasTheKnownEncoding)
{
    io::ByteWriter writer;
    writer.F80(1.0);
    const std::vector<std::uint8_t> expected { 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F };
    EXPECT_EQ(writer.Data(), expected);
}

} // namespace
