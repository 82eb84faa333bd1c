#include "report/expr/NumberFormat.h"
#include "report/expr/ValueConvert.h"

#include <gtest/gtest.h>

#include <limits>

using namespace report;

namespace {

TEST(FormatNumberTest, DigitPlaceholders)
{
    EXPECT_EQ(FormatFloat("0.00", 3.14159), "3.14");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
    EXPECT_EQ(FormatFloat("0.##", 2.5), "2.5");
    EXPECT_EQ(FormatFloat("0.##", 2.0), "2");
    EXPECT_EQ(FormatFloat("000", 7), "007");
    EXPECT_EQ(FormatFloat("#", 0), "");
    EXPECT_EQ(FormatFloat("0", 2.5), "3") << "halves round away from zero";
    EXPECT_EQ(FormatFloat("0", 3.5), "4");
    EXPECT_EQ(FormatFloat("##0.", 1234.5), "1235");
    EXPECT_EQ(FormatFloat("##0.#", 1234.5, ','), "1234,5");
}

TEST(FormatNumberTest, ThousandsSignsAndSections)
{
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
    EXPECT_EQ(FormatFloat("#,##0.00", -1234.5), "-1,234.50");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, ',', ' '), "1 234,50");
    EXPECT_EQ(FormatFloat("0.00;(0.00)", -2.5), "(2.50)");
    EXPECT_EQ(FormatFloat("0.00;(0.00);'zero'", 0), "zero");
    EXPECT_EQ(FormatFloat("0.0", -0.01), "0.0") << "no sign on a value that rounds to zero";
    EXPECT_EQ(FormatFloat("'$'#,##0.00' net'", 99.999), "$100.00 net");
}

TEST(FormatNumberTest, Scientific)
{
    EXPECT_EQ(FormatFloat("0.00E+00", 12345), "1.23E+04");
    EXPECT_EQ(FormatFloat("0.00E-00", 0.00012345), "1.23E-04");
    EXPECT_EQ(FormatFloat("0.0E+0", 9.99), "1.0E+1");
}

TEST(FormatNumberTest, EmptyFormatAndNonFiniteValues)
{
    EXPECT_EQ(FormatFloat("", 1.5), "1.5");
    EXPECT_EQ(FormatFloat("", 1.5, ','), "1,5");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "INF");
}

TEST(FormatNumberTest, FixedAndGrouped)
{
    EXPECT_EQ(FormatFixed(1234.5, 2, ','), "1234,50");
    EXPECT_EQ(FormatFixed(-0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68") << "rounded from the 15-digit form, not the binary value";
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(9.995, 2), "10.00");
    EXPECT_EQ(FormatFixed(0.00049, 3), "0.000");
    EXPECT_EQ(FormatGrouped(1234567.5, 2), "1,234,567.50");
    EXPECT_EQ(FormatGrouped(-999.5, 0), "-1,000");
    EXPECT_EQ(FormatGrouped(12, 1, ',', ' '), "12,0");
    EXPECT_EQ(FormatFixed(1e300, 2).size(), 304u);
}

TEST(FormatNumberTest, GeneralTextForm)
{
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToText(1e20), "1E20");
    EXPECT_EQ(FloatToText(1.5e-7), "1.5E-7");
    EXPECT_EQ(FloatToText(-2.5), "-2.5");
    EXPECT_EQ(FloatToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(*TextToNumber(" 1,5 "), 1.5);
    EXPECT_EQ(*TextToNumber("-2e3"), -2000.0);
    EXPECT_FALSE(TextToNumber("inf").has_value());
    EXPECT_FALSE(TextToNumber("12abc").has_value());
    EXPECT_EQ(*TextToNumber("   "), 0.0);
}

} // namespace
