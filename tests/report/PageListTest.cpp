#include "report/print/PageList.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using Pages = std::vector<int>;

TEST(PageList, NumbersAndRangesSelectPagesInOrderOnce)
{
    EXPECT_EQ(ParsePageList("1,3,5-7", 10), (Pages { 1, 3, 5, 6, 7 }));
    EXPECT_EQ(ParsePageList(" 7 , 2 - 3 ,2", 10), (Pages { 2, 3, 7 }));
    EXPECT_EQ(ParsePageList("4-2", 10), Pages {});
    EXPECT_EQ(ParsePageList("5-5,", 10), (Pages { 5 }));
    EXPECT_EQ(ParsePageList("1,,2", 10), (Pages { 1, 2 }));
}

TEST(PageList, AnEmptyListIsEveryPage)
{
    EXPECT_EQ(ParsePageList("", 4), (Pages { 1, 2, 3, 4 }));
    EXPECT_EQ(ParsePageList("   ", 3), (Pages { 1, 2, 3 }));
    EXPECT_EQ(ParsePageList("", 0), Pages {});
}

TEST(PageList, PagesThatDoNotExistAreLeftOutAndHugeRangesAreCutFirst)
{
    EXPECT_EQ(ParsePageList("0", 5), Pages {});
    EXPECT_EQ(ParsePageList("0-2", 5), (Pages { 1, 2 }));
    EXPECT_EQ(ParsePageList("4-2000000000", 5), (Pages { 4, 5 }));
    EXPECT_EQ(ParsePageList("1-2147483647", 3), (Pages { 1, 2, 3 }));
    EXPECT_EQ(ParsePageList("9,12-20", 5), Pages {});
    EXPECT_EQ(ParsePageList("-3", 5), Pages {});
    EXPECT_EQ(ParsePageList("2", -1), Pages {});
}

TEST(PageList, AnythingElseIsRefusedNamingTheItem)
{
    for (const char* bad : { "a", "1;2", "1-2-3", "1-", "x-2", "3000000000", "1.5", "二" }) {
        try {
            ParsePageList(bad, 10);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const PageListError& error) {
            EXPECT_NE(std::string(error.what()).find('\''), std::string::npos) << bad;
        }
    }
}

TEST(PageList, OddAndEvenCountPageNumbersFromOne)
{
    const Pages chosen { 2, 3, 4, 7 };
    EXPECT_EQ(FilterPages(chosen, TfrPrintPages::ppAll), chosen);
    EXPECT_EQ(FilterPages(chosen, TfrPrintPages::ppOdd), (Pages { 3, 7 }));
    EXPECT_EQ(FilterPages(chosen, TfrPrintPages::ppEven), (Pages { 2, 4 }));
}

} // namespace
} // namespace report
