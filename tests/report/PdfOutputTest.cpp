#include "PdfWords.h"

#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/output/PreparedPagesPdf.h"
#include "report/printer/TfrPrinter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

namespace report {
namespace {

using testing::PopplerOutput;
using testing::ReadWords;

std::unique_ptr<TfrView> Memo(int left, int top, int width, std::string text, std::string font = "Arial")
{
    auto memo = std::make_unique<TfrMemoView>();
    memo->Left = left;
    memo->Top = top;
    memo->Width = width;
    memo->Height = 40;
    memo->Font.Name = std::move(font);
    memo->PrintMemo = { std::move(text) };
    return memo;
}

class PdfOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!report::testing::HavePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        file = std::filesystem::temp_directory_path()
               / ("veltrin-pdf-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
    }
    void TearDown() override
    {
        if (!file.empty())
            std::filesystem::remove(file);
    }
    std::filesystem::path file;
};

constexpr double kPointsPerUnit = 72.0 / kReportUnitsPerInch;

TEST_F(PdfOutput, TextIsRealTextAtThePlaceOfItsObjectOnItsPage)
{
    std::vector<std::unique_ptr<TfrView>> first, second;
    first.push_back(Memo(100, 200, 400, "Veltrin"));
    second.push_back(Memo(300, 50, 300, "Second"));
    {
        PreparedPagesPdf pdf(file);
        pdf.AddPage(2100, 2970, first);
        pdf.AddPage(2100, 2970, second);
        pdf.Finish();
        EXPECT_EQ(pdf.PageCount(), 2);
    }
    auto words = ReadWords(file);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].Text, "Veltrin");
    EXPECT_EQ(words[0].Page, 1);
    EXPECT_NEAR(words[0].XMin, (100 + 2) * kPointsPerUnit, 2.0);
    EXPECT_NEAR(words[0].YMin, (200 + 1) * kPointsPerUnit, 4.0);
    EXPECT_EQ(words[1].Text, "Second");
    EXPECT_EQ(words[1].Page, 2);
    EXPECT_NEAR(words[1].XMin, (300 + 2) * kPointsPerUnit, 2.0);
}

TEST_F(PdfOutput, ChineseTextIsEmbeddedAndExtractable)
{
    std::vector<std::unique_ptr<TfrView>> page;
    page.push_back(Memo(50, 50, 600, "笔记标题 Notes", "宋体"));
    {
        PreparedPagesPdf pdf(file);
        pdf.AddPage(2100, 2970, page);
        pdf.Finish();
    }
    std::string all;
    for (const auto& word : ReadWords(file))
        all += word.Text;
    EXPECT_NE(all.find("笔记标题"), std::string::npos) << all;
    EXPECT_NE(all.find("Notes"), std::string::npos);
}

TEST_F(PdfOutput, SheetsTakeThePapersSize)
{
    std::vector<std::unique_ptr<TfrView>> page;
    auto line = std::make_unique<TfrLineView>();
    line->Width = 100;
    line->Height = 1;
    page.push_back(std::move(line));
    {
        PreparedPagesPdf pdf(file);
        pdf.AddPage(2970, 2100, page);
        pdf.Finish();
    }
    std::string info = PopplerOutput("pdfinfo", file);
    EXPECT_NE(info.find("841.89 x 595.276"), std::string::npos) << info;
}

// A page with every kind of object, kept as a snapshot to look at.
TEST_F(PdfOutput, APageOfEveryObjectKindKeepsItsTexts)
{
    const char* dir = std::getenv("VELTRIN_SNAPSHOT_DIR");
    if (dir) {
        std::filesystem::create_directories(dir);
        file = std::filesystem::path(dir) / "report-objects.pdf";
    }
    std::vector<std::unique_ptr<TfrView>> page;
    auto framed = std::make_unique<TfrMemoView>();
    framed->Left = 40;
    framed->Top = 40;
    framed->Width = 680;
    framed->Height = 60;
    framed->FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    framed->FrameWidth = 2;
    framed->FillColor = 0xE0F0FF;
    framed->Font = { "宋体", 16, fsBold, 0x800000, kDefaultCharset };
    framed->Alignment = frtaCenter | frtaMiddle;
    framed->PrintMemo = { "笔记报表 Notes Report" };
    page.push_back(std::move(framed));
    const std::pair<std::int32_t, const char*> alignments[] = { { frtaLeft, "Left" }, { frtaRight, "Right" },
        { frtaCenter, "Centre" } };
    int top = 120;
    for (auto [alignment, name] : alignments) {
        auto memo = Memo(40, top, 680, name);
        static_cast<TfrMemoView&>(*memo).Alignment = alignment;
        memo->FrameTyp = frftBottom;
        memo->FrameStyle = psDot;
        page.push_back(std::move(memo));
        top += 45;
    }
    auto body = Memo(40, top, 330, "", "宋体");
    body->Height = 200;
    static_cast<TfrMemoView&>(*body).Alignment = frtaJustify;
    body->PrintMemo = { "这是一段很长的中文正文，用来检查自动换行不会把一个汉字切成两半，而且每一行都排在框内。"
                        "Mixed Latin words follow the Chinese text and wrap at their blanks." };
    body->FrameTyp = frftLeft | frftRight | frftTop | frftBottom;
    body->FrameStyle = psDouble;
    page.push_back(std::move(body));
    auto rotated = Memo(400, top, 40, "Rotated");
    rotated->Height = 200;
    static_cast<TfrMemoView&>(*rotated).Alignment = frtaVertical;
    page.push_back(std::move(rotated));
    auto line = std::make_unique<TfrLineView>();
    line->Left = 40;
    line->Top = top + 220;
    line->Width = 680;
    line->Height = 1;
    line->FrameWidth = 3;
    page.push_back(std::move(line));
    {
        PreparedPagesPdf pdf(file);
        pdf.AddPage(2100, 2970, page);
        pdf.Finish();
    }
    std::string all;
    for (const auto& word : ReadWords(file))
        all += word.Text + " ";
    for (const char* expected : { "Notes", "Report", "Left", "Right", "Centre", "Rotated", "Mixed", "blanks." })
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " in " << all;
    EXPECT_NE(all.find("笔记报表"), std::string::npos);
    if (dir)
        file.clear();
}

TEST_F(PdfOutput, AFileThatCannotBeWrittenIsAClearError)
{
    EXPECT_THROW(PreparedPagesPdf("/nonexistent-folder/out.pdf"), std::runtime_error);
}

} // namespace
} // namespace report
