#include "TempStore.h"

#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using datatest::TempStore;

// Pieces notes and keywords are made of: Chinese, Latin in both cases, digits,
// the LIKE wildcards as plain text, line breaks, a letter beyond A-Z.
const std::vector<std::string> Pieces = { "会议", "记录", "笔", "记", "数据库", "中文", "Meeting", "meeting", "MEET",
    "ing", "Plan", "plan", "abc", "ABC", "a", "b", "x", "42", "100", "%", "_", " ", "\r\n", "Ä", "ä", "的", "了" };

std::string RandomText(std::mt19937& random, int pieces)
{
    std::uniform_int_distribution<std::size_t> pick(0, Pieces.size() - 1);
    std::string text;
    for (int i = 0; i < pieces; ++i)
        text += Pieces[pick(random)];
    return text;
}

// Changes the case of some Latin letters, as a user typing a keyword might.
std::string MixCase(std::string text, std::mt19937& random)
{
    for (char& c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) && random() % 2)
            c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
    }
    return text;
}

std::vector<std::vector<std::string>> Rows(db::TCustomADODataSet& dataSet)
{
    std::vector<std::vector<std::string>> rows;
    dataSet.First();
    for (int i = 0; i < dataSet.RecordCount(); ++i) {
        std::vector<std::string> row;
        for (int field = 0; field < dataSet.FieldCount(); ++field)
            row.push_back(dataSet.Fields(field).IsNull() ? "<null>" : dataSet.Fields(field).AsString());
        rows.push_back(std::move(row));
        dataSet.Next();
    }
    return rows;
}

TEST(SearchIndex, ServesOnlyKeywordsWithThreeCharactersInARowThatAreNoWildcards)
{
    EXPECT_TRUE(app::TData::SearchIndexServes("数据库"));
    EXPECT_TRUE(app::TData::SearchIndexServes("a%bcd"));
    EXPECT_FALSE(app::TData::SearchIndexServes("数据"));
    EXPECT_FALSE(app::TData::SearchIndexServes("ab_cd"));
    EXPECT_FALSE(app::TData::SearchIndexServes(""));
    EXPECT_FALSE(app::TData::SearchIndexServes("%%%"));
}

TEST(SearchIndex, TheIndexQueryHoldsEveryLongRunOfTheKeywordAsAPhraseWithItsQuotesDoubled)
{
    EXPECT_EQ(app::TData::SearchIndexQuery("数据库"), "\"数据库\"");
    EXPECT_EQ(app::TData::SearchIndexQuery("ab%数据库_cd%xyzw"), "\"数据库\" AND \"xyzw\"");
    EXPECT_EQ(app::TData::SearchIndexQuery("说\"好\"了"), "\"说\"\"好\"\"了\"");
    EXPECT_EQ(app::TData::SearchIndexQuery("AND"), "\"AND\"") << "a word of the query language is only text";
    EXPECT_EQ(app::TData::SearchIndexQuery("ab_cd"), "");
}

// The indexed search must give exactly what the plain statement gives, row for
// row in the same order, for any keyword.
TEST(SearchIndex, GivesTheSameRowsAsThePlainStatementForRandomKeywords)
{
    TempStore store;
    app::TData data(store.ConnectionString());
    ASSERT_TRUE(data.HasSearchIndex());
    std::mt19937 random(20240229);

    std::vector<std::string> texts;
    db::Transaction transaction(data.ADOConnection1);
    // Quotes and words of the index's query language are plain text to the search.
    data.BZ.Insert();
    data.BZ.FieldByName("标题").SetAsString("他说\"会议记录\" AND NOT plan*");
    data.BZ.Post();
    for (int i = 0; i < 300; ++i) {
        const std::string title = RandomText(random, 1 + static_cast<int>(random() % 4));
        const std::string body = RandomText(random, static_cast<int>(random() % 40));
        data.BZ.Insert();
        data.BZ.FieldByName("类别").SetAsString("c" + std::to_string(i % 7));
        if (random() % 10)
            data.BZ.FieldByName("标题").SetAsString(title);
        if (random() % 10)
            data.BZ.FieldByName("内容").SetAsString(body);
        data.BZ.Post();
        texts.push_back(title + body);
    }
    transaction.Commit();

    // Some changes and deletes, so the index has followed more than inserts.
    data.OpenCategoryNotes("c3");
    data.ADOConnection1.ExecuteScript("update 笔记 set 内容 = 标题 || 'Meeting' where 类别 = 'c3'");
    data.ADOConnection1.ExecuteScript("delete from 笔记 where 类别 = 'c5'");

    std::vector<std::string> keywords = { "", "%", "_", "%%", "会议记", "MEETING", "eet", "ing", "a_c", "ABC",
        "ä", "Ä", "Äbc", "数据库中文的了", "\r\n", "100%", "42_", "meet%plan", "没有的词", "说\"会议", "\"会议记录\"",
        "AND NOT", "plan*", "NEAR(", "\"" };
    for (int i = 0; i < 200; ++i) {
        const std::u32string characters = text::Utf8ToUtf32(texts[random() % texts.size()]);
        const std::size_t start = characters.empty() ? 0 : random() % characters.size();
        const std::size_t length = 1 + random() % 6;
        std::string keyword = MixCase(text::Utf32ToUtf8(characters.substr(start, length)), random);
        if (random() % 5 == 0)
            keyword.insert(random() % (keyword.size() + 1), random() % 2 ? "%" : "_");
        keywords.push_back(keyword);
    }

    db::TADOQuery plain("plain");
    plain.SetConnection(&data.ADOConnection1);
    plain.SQL.Add(app::TData::SearchStatement);
    int indexed = 0;
    int found = 0;
    for (const auto& keyword : keywords) {
        data.SearchNotes(keyword);
        plain.Close();
        plain.Parameters.ParamByName("pattern").SetAsString("%" + keyword + "%");
        plain.Open();
        const auto expected = Rows(plain);
        EXPECT_EQ(Rows(data.ADOQuery3), expected) << "keyword: " << keyword;
        indexed += app::TData::SearchIndexServes(keyword);
        found += !expected.empty();
    }
    EXPECT_GT(indexed, 80) << "the index must be exercised";
    EXPECT_GT(found, 140) << "most keywords must find something";
}

TEST(SearchIndex, AStoreWithoutTheIndexGetsItWhenOpened)
{
    TempStore store;
    {
        app::TData data(store.ConnectionString());
        data.BZ.Insert();
        data.BZ.FieldByName("内容").SetAsString("早已存在的笔记");
        data.BZ.Post();
        data.ADOConnection1.ExecuteScript("drop table 笔记_全文; drop trigger 笔记_全文_insert;");
    }
    app::TData data(store.ConnectionString());
    EXPECT_TRUE(data.HasSearchIndex());
    data.ADOQuery3.Close();
    data.ADOQuery3.SQL.Clear();
    data.ADOQuery3.SQL.Add("select rowid from 笔记_全文 where 笔记_全文 match '已存在'");
    data.ADOQuery3.Open();
    EXPECT_EQ(data.ADOQuery3.RecordCount(), 1) << "the rebuilt index holds the older note";
}

} // namespace
