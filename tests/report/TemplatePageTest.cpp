// The default "PAGE.frf" is made by our own writer, byte for byte the same on
// every run, and holds the layout the notes application prints with.
#include "BandEngineSupport.h"

#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/template/PageTemplate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace report {
namespace {

TEST(TemplatePage, RegeneratedBytesEqualTheCommittedFile)
{
    const char* source = std::getenv("VELTRIN_SOURCE_DIR");
    ASSERT_NE(source, nullptr) << "VELTRIN_SOURCE_DIR names the source tree";
    std::ifstream file(std::string(source) + "/assets/PAGE.frf", std::ios::binary);
    ASSERT_TRUE(file) << "assets/PAGE.frf is missing";
    std::vector<std::uint8_t> committed { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    EXPECT_EQ(PageTemplateBytes(), committed) << "regenerate it with the make-page-template tool";
}

TEST(TemplatePage, TheTemplateReadsBackAsTheNotesLayout)
{
    TfrReport report;
    ASSERT_TRUE(report.LoadTemplateFromStream(PageTemplateBytes()));
    EXPECT_TRUE(report.TwoPass);
    EXPECT_EQ(report.Info.CreationDate.value, 46023.0);
    ASSERT_EQ(report.Pages.size(), 1u);
    const TfrPage& page = *report.Pages[0];
    EXPECT_EQ(page.PaperSize, kPaperA4);
    EXPECT_EQ(page.PaperWidth, 2100);
    EXPECT_EQ(page.PaperHeight, 2970);

    std::vector<const TfrBandView*> bands;
    std::vector<const TfrMemoView*> memos;
    int lines = 0;
    for (const auto& view : page.PageObjects) {
        if (auto* band = dynamic_cast<const TfrBandView*>(view.get()))
            bands.push_back(band);
        else if (auto* memo = dynamic_cast<const TfrMemoView*>(view.get()))
            memos.push_back(memo);
        else if (dynamic_cast<const TfrLineView*>(view.get()))
            ++lines;
    }
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0]->BandTypeCode(), static_cast<int>(BandType::PageHeader));
    EXPECT_EQ(bands[1]->BandTypeCode(), static_cast<int>(BandType::MasterData));
    EXPECT_EQ(bands[1]->FormatText, "frDBDataSet1");
    EXPECT_EQ(bands[2]->BandTypeCode(), static_cast<int>(BandType::Child));
    EXPECT_EQ(bands[1]->ChildBand, bands[2]->Name);
    EXPECT_EQ(bands[3]->BandTypeCode(), static_cast<int>(BandType::PageFooter));
    EXPECT_EQ(lines, 1);

    auto memo_showing = [&memos](std::string_view text) -> const TfrMemoView* {
        for (auto* memo : memos)
            if (!memo->Memo.empty() && memo->Memo[0].find(text) != std::string::npos)
                return memo;
        return nullptr;
    };
    auto* title = memo_showing("frDBDataSet1.\"标题\"");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Font.Style & fsBold, fsBold);
    ASSERT_NE(memo_showing("frDBDataSet1.\"类别\""), nullptr);
    ASSERT_NE(memo_showing("frDBDataSet1.\"日期\""), nullptr);
    auto* body = memo_showing("frDBDataSet1.\"内容\"");
    ASSERT_NE(body, nullptr);
    EXPECT_TRUE(body->Stretched());
    ASSERT_NE(memo_showing("[DATE"), nullptr);
    ASSERT_NE(memo_showing("[PAGE#]"), nullptr);
    ASSERT_NE(memo_showing("[TOTALPAGES]"), nullptr);
    // The title lies in the data band and the body in its child band, so a
    // long title pushes the body down instead of running into it.
    auto inside = [](const TfrView& view, const TfrBandView& band) {
        return view.Top >= band.Top && view.Top <= band.Top + band.Height;
    };
    EXPECT_TRUE(inside(*title, *bands[1]));
    EXPECT_TRUE(inside(*body, *bands[2]));
    EXPECT_TRUE(inside(*memo_showing("frDBDataSet1.\"类别\""), *bands[2]));
}

} // namespace
} // namespace report

namespace report {
namespace {

// Notes whose bodies grow by a few lines each, so that over the run every
// place of a page sees a title arrive.
std::vector<std::map<std::string, std::string>> NotesOfGrowingLength(int count)
{
    std::vector<std::map<std::string, std::string>> notes;
    for (int note = 1; note <= count; ++note) {
        std::string body;
        for (int line = 0; line < note % 7 + 1; ++line)
            body += (line ? "\r\n" : "") + std::string("正文第") + std::to_string(line + 1) + "行";
        std::string title = "标题" + std::to_string(note);
        if (note % 5 == 0)
            title += std::string(90, 'w');
        notes.push_back({ { "标题", title }, { "类别", "随想" }, { "日期", "2024-03-04" }, { "内容", body } });
    }
    return notes;
}

TEST(TemplatePage, NoTitleIsLeftAtThePageBottomWithoutTheFirstLineOfItsNote)
{
    testing::ReportInCode code;
    ASSERT_TRUE(code.report.LoadTemplateFromStream(PageTemplateBytes()));
    code.report.Expressions = &code.engine;
    auto notes = NotesOfGrowingLength(160);
    code.Records("frDBDataSet1", notes);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_GT(code.PageCount(), 5);
    int titles = 0;
    for (int index = 0; index < code.PageCount(); ++index) {
        std::vector<testing::Printed> page = code.Page(index);
        for (const testing::Printed& title : page) {
            if (!title.text.starts_with("标题"))
                continue;
            ++titles;
            bool bodyBelow = false;
            for (const testing::Printed& body : page)
                bodyBelow |= body.text.starts_with("正文第1行") && body.top >= title.top + title.height;
            EXPECT_TRUE(bodyBelow) << title.text << " on page " << index + 1;
        }
    }
    EXPECT_EQ(titles, 160);
}

} // namespace
} // namespace report
