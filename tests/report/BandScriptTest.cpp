// Scripts that run while bands are shown see the record the band is shown
// for: CALCHEIGHT measures the memo with that record's text, and the bands of
// a sub-report run their scripts once per showing, in record order.
#include "BandEngineSupport.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using testing::Printed;
using testing::ReportInCode;

std::vector<std::map<std::string, std::string>> Bodies(std::initializer_list<int> lengths)
{
    std::vector<std::map<std::string, std::string>> records;
    int number = 0;
    for (int length : lengths) {
        std::string body;
        for (int word = 0; word < length; ++word)
            body += "word" + std::to_string(word) + " ";
        records.push_back({ { "id", "n" + std::to_string(++number) }, { "body", body } });
    }
    return records;
}

// A master band whose script asks CALCHEIGHT of the body memo and says what
// it found in a second memo, and stretches so that the body prints whole.
struct MeasuredBodies {
    ReportInCode code;
    TfrBandView& band = code.Band(BandType::MasterData, 100, 30, "Notes");
    TfrMemoView& body = code.Memo("[Notes.\"body\"]", 100, 20, 0, 300);
    TfrMemoView& mark = code.Memo("[Notes.\"id\"] [measured]", 100, 20, 320, 200);

    explicit MeasuredBodies(std::initializer_list<int> lengths)
    {
        code.Records("Notes", Bodies(lengths));
        body.Name = "Body";
        mark.Name = "Mark";
        band.Flags |= band_flags::Stretched;
        band.Script = { "measured := Body.CalcHeight()" };
    }

    // The measured height each record's script saw, by record.
    std::map<std::string, int> Measured()
    {
        std::map<std::string, int> heights;
        for (const std::string& text : code.TextsOf("Mark")) {
            auto blank = text.find(' ');
            heights[text.substr(0, blank)] = std::stoi(text.substr(blank + 1));
        }
        return heights;
    }
};

TEST(BandScripts, CalcHeightMeasuresTheMemoWithTheRecordTheBandIsShownFor)
{
    MeasuredBodies report({ 1, 60, 1, 120, 1 });
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    report.code.SaveSnapshotPdf("band-script-calcheight");
    auto measured = report.Measured();
    ASSERT_EQ(measured.size(), 5u);
    // Each record's measure is what the body memo needs for that record's
    // text alone.
    auto records = Bodies({ 1, 60, 1, 120, 1 });
    for (const auto& record : records) {
        TfrMemoView alone;
        alone.Width = report.body.Width;
        alone.Height = report.body.Height;
        alone.PrintMemo = { record.at("body") };
        EXPECT_EQ(measured[record.at("id")], alone.ContentHeight()) << record.at("id");
    }
    EXPECT_LT(measured["n1"], measured["n2"]);
    EXPECT_LT(measured["n2"], measured["n4"]);
    // The stretched band grew with the same measure: the band after the
    // longest body starts that much lower.
    auto page = report.code.Page(0);
    std::vector<int> tops;
    for (const Printed& object : page)
        if (object.name == "Mark")
            tops.push_back(object.top);
    ASSERT_EQ(tops.size(), 5u);
    EXPECT_EQ(tops[4] - tops[3], measured["n4"]);
}

TEST(BandScripts, CalcHeightLeavesTheTextTheMemoPrintsUntouched)
{
    MeasuredBodies report({ 3, 40 });
    report.band.Flags &= static_cast<std::uint16_t>(~band_flags::Stretched);
    ASSERT_TRUE(report.code.Build()) << report.code.report.BuildError;
    auto bodies = report.code.TextsOf("Body");
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[0], "word0 word1 word2 ");
    EXPECT_TRUE(bodies[1].starts_with("word0 word1")) << bodies[1];
    auto measured = report.Measured();
    EXPECT_LT(measured["n1"], measured["n2"]);
}

} // namespace
} // namespace report
