#include "platform/time/Calendar.h"
#include "report/expr/ExprError.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrStdFunctionLibrary.h"
#include "report/expr/ValueConvert.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

class ExprFunctionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 1998-11-15 02:43:35
        engine.Globals().Set("d", Variant(*dt::EncodeDateTime({ 1998, 11, 15 }, { 2, 43, 35, 0 })));
        engine.Globals().Set("title", Variant("标题abc"));
    }
    Variant Eval(const std::string& expression) { return engine.Evaluate(expression); }

    TfrExpressionEngine engine;
};

TEST_F(ExprFunctionTest, IfEvaluatesOnlyTheChosenBranch)
{
    EXPECT_EQ(Eval("IF(1, 'a', 'b')"), Variant("a"));
    EXPECT_EQ(Eval("IF(0.9, 'a', 'b')"), Variant("b")) << "the whole-number part decides";
    EXPECT_EQ(Eval("IF(2 > 1, 5, undefinedname)"), Variant(5));
    EXPECT_EQ(Eval("IF(0, undefinedname, 6)"), Variant(6));
    EXPECT_EQ(Eval("IF(1, 7, 1 MOD 0 + 'x' * 2)"), Variant(7));
    EXPECT_THROW(Eval("IF(0, 7, undefinedname)"), ExprError);
}

TEST_F(ExprFunctionTest, CopyCutsWholeCharacters)
{
    EXPECT_EQ(Eval("COPY('abcdef', 2, 3)"), Variant("bcd"));
    EXPECT_EQ(Eval("COPY(title, 2, 2)"), Variant("题a"));
    EXPECT_EQ(Eval("COPY('abc', 0, 2)"), Variant("ab"));
    EXPECT_EQ(Eval("COPY('abc', 3, 10)"), Variant("c"));
    EXPECT_EQ(Eval("COPY('abc', 5, 1)"), Variant(""));
    EXPECT_EQ(Eval("COPY(12345, 2, 2)"), Variant("23"));
}

TEST_F(ExprFunctionTest, StrToDateAndTimeUseTheSystemFormat)
{
    EXPECT_EQ(Eval("STRTODATE('1998-11-15')"), Variant(*dt::EncodeDate(1998, 11, 15)));
    EXPECT_EQ(Eval("STRTODATE('98-11-15')"), Variant(*dt::EncodeDate(1998, 11, 15)));
    EXPECT_EQ(Eval("STRTOTIME('2:43:35')"), Variant(*dt::EncodeTime(2, 43, 35, 0)));
    EXPECT_EQ(Eval("STRTOTIME('2:43 PM')"), Variant(*dt::EncodeTime(14, 43, 0, 0)));
    EXPECT_THROW(Eval("STRTODATE('2023-02-29')"), ExprError);
    EXPECT_THROW(Eval("STRTOTIME('25:00')"), ExprError);
}

TEST_F(ExprFunctionTest, DatePartsAndFormatting)
{
    EXPECT_EQ(Eval("DAYOF(d)"), Variant(15));
    EXPECT_EQ(Eval("MONTHOF(d)"), Variant(11));
    EXPECT_EQ(Eval("YEAROF(d)"), Variant(1998));
    EXPECT_EQ(Eval("YEAROF('2024-02-29')"), Variant(2024));
    EXPECT_EQ(Eval("FORMATDATETIME('dd.mm.yyyy hh:nn', d)"), Variant("15.11.1998 02:43"));
    EXPECT_EQ(Eval("FORMATFLOAT('#,##0.00', 1234.5)"), Variant("1,234.50"));
    EXPECT_EQ(Eval("FORMATFLOAT('0.0', -0.04)"), Variant("0.0"));
    EXPECT_EQ(Eval("FORMATTEXT('000-0000', '1234567')"), Variant("123-4567"));
    EXPECT_EQ(Eval("FORMATTEXT('!>LL', 'ab')"), Variant("AB"));
}

TEST_F(ExprFunctionTest, DaysBeyondTheCalendarRaiseInDateFunctionsAndPrintAsNumbers)
{
    engine.Globals().Set("far", Variant(TDateTime { 1e300 }));
    EXPECT_THROW(Eval("DAYOF(far)"), ExprError);
    EXPECT_THROW(Eval("YEAROF(4000000)"), ExprError);
    EXPECT_THROW(Eval("FORMATDATETIME('yyyy', far)"), ExprError);
    EXPECT_THROW(Eval("FORMATDATETIME('yyyy', -700000)"), ExprError);
    EXPECT_EQ(ValueToText(Variant(TDateTime { 1e300 })), "1E300");
    EXPECT_EQ(ValueToText(Eval("d")), "1998-11-15 02:43:35");
    EXPECT_EQ(ValueToText(Variant(*dt::EncodeDate(1998, 11, 15))), "1998-11-15");
    EXPECT_EQ(Eval("YEAROF(-1.5)"), Variant(1899));
    EXPECT_EQ(Eval("DAYOF(-1.5)"), Variant(29));
}

TEST_F(ExprFunctionTest, TextFunctionsCountCharacters)
{
    EXPECT_EQ(Eval("LENGTH(title)"), Variant(5));
    EXPECT_EQ(Eval("LENGTH('')"), Variant(0));
    EXPECT_EQ(Eval("LOWERCASE('AbC标题')"), Variant("abc标题"));
    EXPECT_EQ(Eval("UPPERCASE('AbC')"), Variant("ABC"));
    EXPECT_EQ(Eval("TRIM('  a b  ')"), Variant("a b"));
    EXPECT_EQ(Eval("POS('c', 'abcabc')"), Variant(3));
    EXPECT_EQ(Eval("POS('a', title)"), Variant(3));
    EXPECT_EQ(Eval("POS('x', 'abc')"), Variant(0));
    EXPECT_EQ(Eval("NAMECASE('jOHN sMITH')"), Variant("John smith"));
}

TEST_F(ExprFunctionTest, MaxNumAndMinNum)
{
    EXPECT_EQ(Eval("MAXNUM(3, 8)"), Variant(8));
    EXPECT_EQ(Eval("MINNUM(3, 8)"), Variant(3));
    EXPECT_EQ(Eval("MAXNUM(-3, -8)"), Variant(-3));
    EXPECT_EQ(Eval("MINNUM(2.5, 2)"), Variant(2));
}

TEST_F(ExprFunctionTest, UnknownFunctionsAndUserPromptsNeedAReport)
{
    EXPECT_THROW(Eval("NOSUCH(1)"), ExprError);
    EXPECT_THROW(Eval("INPUT('name', 'x')"), ExprError);
    EXPECT_THROW(Eval("SUM(x)"), ExprError);
    EXPECT_THROW(Eval("STOPREPORT()"), ExprError);
}

TEST_F(ExprFunctionTest, LibrariesRegisterOnce)
{
    int before = engine.FunctionLibraryCount();
    engine.RegisterFunctionLibrary<TfrStdFunctionLibrary>();
    EXPECT_EQ(engine.FunctionLibraryCount(), before);
    EXPECT_EQ(before, 2);
}

TEST_F(ExprFunctionTest, ConstantsHaveTheirValues)
{
    EXPECT_EQ(Eval("clRed"), Variant(0xFF));
    EXPECT_EQ(Eval("CLNAVY"), Variant(0x800000));
    EXPECT_EQ(Eval("clTransparent"), Variant(0x1FFFFFFF));
    EXPECT_EQ(Eval("clScrollBar"), Variant(static_cast<int>(0x80000000u)));
    EXPECT_EQ(Eval("clInfoBk"), Variant(static_cast<int>(0x80000018u)));
    EXPECT_EQ(Eval("mrYes + mrNo"), Variant(13));
    EXPECT_EQ(Eval("fsBold + fsItalic"), Variant(3));
    EXPECT_EQ(Eval("frtaDown"), Variant(16));
    EXPECT_EQ(Eval("baRest"), Variant(7));
    EXPECT_EQ(Eval("psDouble"), Variant(5));
    EXPECT_EQ(Eval("mb_YesNoCancel + mb_IconWarning"), Variant(51));
    EXPECT_EQ(Eval("btWMF"), Variant(3));
    EXPECT_EQ(Eval("'a' + CRLF + 'b'"), Variant("a\r\nb"));
    EXPECT_EQ(Eval("Null"), Variant());
}

} // namespace
