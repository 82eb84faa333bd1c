#include "app/TData.h"
#include "platform/data/EDatabaseError.h"
#include "platform/data/TConnectionString.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionString, ReadsTheStoredStringInItsOrder)
{
    const db::TConnectionString settings(app::TData::StoredConnectionString);
    ASSERT_EQ(settings.Pairs().size(), 18u);
    EXPECT_EQ(settings.Pairs().front().first, "Provider");
    EXPECT_EQ(settings.Value("Provider"), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(settings.Value("data source"), "Veltrin.mdb");
    EXPECT_EQ(settings.Value("Mode"), "Share Deny None");
    EXPECT_TRUE(settings.Has("Extended Properties"));
    EXPECT_EQ(settings.Value("Extended Properties"), "");
    EXPECT_EQ(settings.Value("Jet OLEDB:Engine Type"), "5");
    EXPECT_EQ(settings.Value("Jet OLEDB:Don't Copy Locale on Compact"), "False");
    EXPECT_EQ(settings.Pairs().back().first, "Jet OLEDB:SFP");
}

TEST(ConnectionString, QuotedValuesMayHoldSemicolonsAndQuotes)
{
    const db::TConnectionString settings(R"(Data Source="a;b ""c"".mdb" ; Mode='Read';;User ID = Admin )");
    EXPECT_EQ(settings.Value("Data Source"), R"(a;b "c".mdb)");
    EXPECT_EQ(settings.Value("Mode"), "Read");
    EXPECT_EQ(settings.Value("User ID"), "Admin");
    EXPECT_FALSE(settings.Has("Password"));
}

TEST(ConnectionString, RefusesBrokenText)
{
    EXPECT_THROW(db::TConnectionString("Data Source=\"open"), db::EDatabaseError);
    EXPECT_THROW(db::TConnectionString("Provider=x;lonely"), db::EDatabaseError);
}

TEST(ConnectionString, ForAnotherFileOnlyTheDataSourceChanges)
{
    const db::TConnectionString moved(app::TData::ConnectionStringFor("/tmp/my \"notes\";1.mdb"));
    const db::TConnectionString stored(app::TData::StoredConnectionString);
    EXPECT_EQ(moved.Value("Data Source"), "/tmp/my \"notes\";1.mdb");
    ASSERT_EQ(moved.Pairs().size(), stored.Pairs().size());
    for (std::size_t i = 0; i < moved.Pairs().size(); ++i) {
        EXPECT_EQ(moved.Pairs()[i].first, stored.Pairs()[i].first);
        if (moved.Pairs()[i].first != "Data Source") {
            EXPECT_EQ(moved.Pairs()[i].second, stored.Pairs()[i].second);
        }
    }
}

} // namespace
