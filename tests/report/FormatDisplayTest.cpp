#include "platform/time/Calendar.h"
#include "report/expr/DisplayFormat.h"
#include "report/expr/MaskFormat.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

TfrDisplayFormat Code(TfrFormatCategory category, int kind, int decimals = 2, char separator = ',',
    std::string text = {})
{
    return { TfrDisplayFormat::MakeCode(category, kind, decimals, separator), std::move(text) };
}

std::string Show(const Variant& value, const TfrDisplayFormat& format) { return FormatValue(value, format); }

TEST(FormatDisplayTest, CodeFieldsPackIntoOneInteger)
{
    TfrDisplayFormat format = Code(TfrFormatCategory::Date, 3, 5, '.');
    EXPECT_EQ(format.FormatCode, 0x0203052E);
    EXPECT_EQ(format.Category(), TfrFormatCategory::Date);
    EXPECT_EQ(format.Kind(), 3);
    EXPECT_EQ(format.Decimals(), 5);
    EXPECT_EQ(format.Separator(), '.');
    EXPECT_EQ(TfrDisplayFormat::Default().FormatCode, 0x0000022E);
}

TEST(FormatDisplayTest, NumberKinds)
{
    Variant value(1234.5);
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 0, 1)), "1234,5");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 1, 2)), "1234,50");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 2, 1)), "1 234,5");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 3, 2)), "1 234,50");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 2, 1, '.')), "1,234.5");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Number, 4, 0, '.', "0.000")), "1234.500");
    EXPECT_EQ(Show(Variant(-3), Code(TfrFormatCategory::Number, 1, 0)), "-3");
    EXPECT_EQ(Show(Variant("12.25"), Code(TfrFormatCategory::Number, 1, 1, '.')), "12.3");
}

TEST(FormatDisplayTest, DateAndTimeKinds)
{
    Variant value(*dt::EncodeDateTime({ 1998, 11, 15 }, { 2, 43, 35, 0 }));
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Date, 0)), "11.15.98");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Date, 1)), "11.15.1998");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Date, 2)), "15 Nov 1998");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Date, 3)), "15 November 1998");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Date, 4, 0, '.', "yyyy-mm-dd")), "1998-11-15");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Time, 0)), "02:43:35");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Time, 1)), "2:43:35");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Time, 2)), "02:43");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Time, 3)), "2:43");
    EXPECT_EQ(Show(value, Code(TfrFormatCategory::Time, 4, 0, '.', "h'h'nn")), "2h43");
    EXPECT_EQ(Show(Variant("1998-11-15"), Code(TfrFormatCategory::Date, 2)), "15 Nov 1998");
    // A day count beyond the calendar is shown as its plain text.
    EXPECT_EQ(Show(Variant(TDateTime { 1e300 }), Code(TfrFormatCategory::Date, 2)), "1E300");
    EXPECT_EQ(Show(Variant(4e6), Code(TfrFormatCategory::Time, 0)), "4000000");
}

TEST(FormatDisplayTest, BooleanKinds)
{
    EXPECT_EQ(Show(Variant(true), Code(TfrFormatCategory::Boolean, 0)), "1");
    EXPECT_EQ(Show(Variant(false), Code(TfrFormatCategory::Boolean, 1)), "No");
    EXPECT_EQ(Show(Variant(1), Code(TfrFormatCategory::Boolean, 2)), "x");
    EXPECT_EQ(Show(Variant(0), Code(TfrFormatCategory::Boolean, 3)), "False");
    EXPECT_EQ(Show(Variant(5), Code(TfrFormatCategory::Boolean, 4, 0, '.', "否;是")), "是");
    EXPECT_EQ(Show(Variant(0), Code(TfrFormatCategory::Boolean, 4, 0, '.', "only")), "only");
}

TEST(FormatDisplayTest, EmptyValuesAndUnsuitableValues)
{
    EXPECT_EQ(Show(Variant(), Code(TfrFormatCategory::Number, 1)), "");
    EXPECT_EQ(Show(Variant("   "), Code(TfrFormatCategory::Text, 0)), "");
    EXPECT_EQ(Show(Variant("abc"), Code(TfrFormatCategory::Number, 1)), "abc");
    EXPECT_EQ(Show(Variant("abc"), Code(TfrFormatCategory::Date, 0)), "abc");
    EXPECT_EQ(Show(Variant(1e300), Code(TfrFormatCategory::Date, 0)), "1E300");
    EXPECT_EQ(Show(Variant(7), Code(TfrFormatCategory::Text, 0)), "7");
}

TEST(FormatDisplayTest, SuffixTexts)
{
    TfrDisplayFormat format;
    ASSERT_TRUE(ParseFormatSuffix("N0,2", format));
    EXPECT_EQ(format.FormatCode, TfrDisplayFormat::MakeCode(TfrFormatCategory::Number, 1, 2, ','));
    ASSERT_TRUE(ParseFormatSuffix("N#,##0.00", format));
    EXPECT_EQ(format.Kind(), 4);
    EXPECT_EQ(format.Separator(), '.');
    EXPECT_EQ(format.FormatText, "#,##0.00");
    ASSERT_TRUE(ParseFormatSuffix("5", format));
    EXPECT_EQ(format.Decimals(), 5);
    ASSERT_TRUE(ParseFormatSuffix("BNo;Yes", format));
    EXPECT_EQ(format.Category(), TfrFormatCategory::Boolean);
    EXPECT_EQ(format.FormatText, "No;Yes");
    ASSERT_TRUE(ParseFormatSuffix("tHH:nn", format));
    EXPECT_EQ(format.Category(), TfrFormatCategory::Time);
    EXPECT_FALSE(ParseFormatSuffix("Xyz", format));
    EXPECT_FALSE(ParseFormatSuffix("", format));
}

TEST(FormatDisplayTest, EditMasks)
{
    EXPECT_EQ(FormatMaskText("(000) 000-0000;0; ", "5551234567"), "(555) 123-4567");
    EXPECT_EQ(FormatMaskText("00/00;0;_", "1"), "1_-__");
    EXPECT_EQ(FormatMaskText(">L<ll;0; ", "aBC"), "Abc");
    EXPECT_EQ(FormatMaskText("\\A00;0; ", "12"), "A12");
    EXPECT_EQ(FormatMaskText("00-00;1;_", "12-34"), "12-34");
    EXPECT_EQ(FormatMaskText("ccc;0; ", "标题文"), "标题文");
}

} // namespace
