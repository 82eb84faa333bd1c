#include "platform/data/DataSetRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using db::DataSetRows;

// A file of rows keyed 1..count whose one value is "v<key>", read through
// the page reader, which also counts how often it is asked.
struct FakeFile {
    std::vector<std::int64_t> gone;
    int reads { 0 };

    DataSetRows::PageReader Reader()
    {
        return [this](std::span<const std::int64_t> keys, std::span<DataSetRows::Value> values) {
            ++reads;
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (std::ranges::find(gone, keys[i]) == gone.end())
                    values[i] = "v" + std::to_string(keys[i]);
            }
        };
    }
};

// Reads `count` rows as a statement would give them, each value big enough
// that a page holds `perPage` of them.
void Fill(DataSetRows& rows, int count, std::size_t perPage)
{
    const std::size_t size = DataSetRows::PageBytes / perPage;
    for (int key = 1; key <= count; ++key) {
        if (rows.AppendRow(key))
            rows.FillRow([&](std::span<DataSetRows::Value> values) {
                values[0] = ("v" + std::to_string(key)).append(size, ' ').substr(0, size);
                return values[0]->size();
            });
    }
}

std::string Text(DataSetRows& rows, std::size_t row)
{
    const auto& value = rows.Values(row)[0];
    if (!value)
        return "null";
    return value->substr(0, value->find(' '));
}

TEST(DataSetRows, AKeyedSetHoldsOnePageAndReadsOthersByKeyWalkingEitherWay)
{
    FakeFile file;
    DataSetRows rows(1, file.Reader());
    Fill(rows, 100, 10);
    ASSERT_EQ(rows.Size(), 100u);
    EXPECT_EQ(rows.RowsRead(), 10u) << "only the first page's values are read with the keys";
    for (std::size_t row = 0; row < 100; ++row)
        EXPECT_EQ(Text(rows, row), "v" + std::to_string(row + 1));
    EXPECT_EQ(file.reads, 9) << "walking forward reads each further page once";
    const int forward = file.reads;
    for (std::size_t row = 100; row-- > 0;)
        EXPECT_EQ(Text(rows, row), "v" + std::to_string(row + 1));
    EXPECT_EQ(file.reads - forward, 9) << "walking back reads the page that ends at the row, once per page";
    EXPECT_EQ(rows.Find(57), 56u);
    EXPECT_FALSE(rows.Find(101));
}

TEST(DataSetRows, ASnapshotOrASmallKeyedSetHoldsEveryRowAndNeverReadsAgain)
{
    FakeFile file;
    DataSetRows snapshot(1, {});
    Fill(snapshot, 50, 10);
    DataSetRows small(1, file.Reader());
    Fill(small, 9, 10);
    EXPECT_EQ(snapshot.RowsRead(), 50u);
    EXPECT_EQ(Text(snapshot, 49), "v50");
    EXPECT_EQ(Text(small, 8), "v9");
    EXPECT_EQ(file.reads, 0);
}

TEST(DataSetRows, ARowGoneFromTheFileKeepsItsPlaceAndReadsAsNull)
{
    FakeFile file;
    DataSetRows rows(1, file.Reader());
    Fill(rows, 30, 10);
    file.gone = { 3, 15 };
    EXPECT_EQ(Text(rows, 2), "v3") << "the page held keeps the values it was read with";
    EXPECT_EQ(Text(rows, 14), "null");
    EXPECT_EQ(Text(rows, 15), "v16");
    EXPECT_EQ(rows.Size(), 30u);
}

TEST(DataSetRows, WrittenAndErasedRowsKeepThePageInStep)
{
    FakeFile file;
    DataSetRows rows(1, file.Reader());
    Fill(rows, 30, 10);
    rows.Erase(4); // inside the page
    EXPECT_EQ(Text(rows, 4), "v6");
    EXPECT_EQ(Text(rows, 25), "v27");
    rows.Erase(0); // before the page now held
    EXPECT_EQ(Text(rows, 24), "v27");
    EXPECT_EQ(rows.Size(), 28u);
    const int reads = file.reads;
    rows.AppendWritten(31, { "v31" });
    EXPECT_EQ(Text(rows, 28), "v31") << "the page reaching the end takes the new row";
    EXPECT_EQ(file.reads, reads);
    Text(rows, 0);
    rows.AppendWritten(32, { "written" });
    EXPECT_EQ(Text(rows, 29), "v32") << "a row beyond the page is read by its key";
    rows.MutableValues(29)[0] = "changed";
    EXPECT_EQ(Text(rows, 29), "changed");
}

TEST(DataSetRows, ARestartedSetReadsLikeANewOneInTheRoomOfTheOld)
{
    FakeFile file;
    DataSetRows rows(1, file.Reader());
    Fill(rows, 30, 10);
    EXPECT_EQ(Text(rows, 25), "v26");

    // Held whole now, two values a row: nothing of the paged set shows.
    rows.Restart(2, false);
    EXPECT_TRUE(rows.Empty());
    EXPECT_EQ(rows.RowsRead(), 0u);
    for (int key = 1; key <= 40; ++key) {
        ASSERT_TRUE(rows.AppendRow(key));
        rows.FillRow([&](std::span<DataSetRows::Value> values) {
            values[0] = "a" + std::to_string(key);
            values[1].reset();
            return values[0]->size();
        });
    }
    const int reads = file.reads;
    EXPECT_EQ(rows.Values(39)[0], "a40");
    EXPECT_FALSE(rows.Values(39)[1]) << "a null put into the room of a value stays null";
    EXPECT_EQ(rows.Values(0)[0], "a1");
    EXPECT_EQ(file.reads, reads) << "a set held whole never reads by key";

    // Paged again, one value a row: the page starts afresh at the first row.
    rows.Restart(1, true);
    Fill(rows, 30, 10);
    EXPECT_EQ(rows.RowsRead(), 10u);
    EXPECT_EQ(Text(rows, 0), "v1");
    EXPECT_EQ(Text(rows, 29), "v30");
    EXPECT_EQ(rows.Find(30), 29u);
}

TEST(DataSetRows, AFailingPageReadLeavesNoPageOfNullsBehind)
{
    bool fail = false;
    DataSetRows rows(1, [&fail](std::span<const std::int64_t> keys, std::span<DataSetRows::Value> values) {
        if (fail)
            throw std::runtime_error("locked");
        for (std::size_t i = 0; i < keys.size(); ++i)
            values[i] = "v" + std::to_string(keys[i]);
    });
    Fill(rows, 30, 10);
    fail = true;
    EXPECT_THROW(rows.Values(20), std::runtime_error);
    fail = false;
    EXPECT_EQ(Text(rows, 20), "v21");
    EXPECT_EQ(Text(rows, 0), "v1");
}

} // namespace
