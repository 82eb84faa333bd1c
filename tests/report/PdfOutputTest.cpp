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

// A word pdftotext found, with its box in points.
struct PdfWord {
    int Page;
    double XMin, YMin, XMax, YMax;
    std::string Text;
};

std::vector<PdfWord> ReadWords(const std::filesystem::path& pdf)
{
    std::string command = "pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    pclose(pipe);
    std::vector<PdfWord> words;
    std::regex word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos)
            ++page;
        std::smatch m;
        if (std::regex_search(line, m, word))
            words.push_back({ page, std::stod(m[1].str()), std::stod(m[2].str()), std::stod(m[3].str()),
                std::stod(m[4].str()), m[5].str() });
    }
    return words;
}

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
        if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        file = std::filesystem::temp_directory_path()
               / ("veltrin-pdf-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf");
    }
    void TearDown() override { std::filesystem::remove(file); }
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
    std::string command = "pdfinfo '" + file.string() + "' 2>/dev/null | grep 'Page size'";
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[256] = {};
    std::fgets(buffer, sizeof buffer, pipe);
    pclose(pipe);
    EXPECT_NE(std::string(buffer).find("841.89 x 595.276"), std::string::npos) << buffer;
}

TEST_F(PdfOutput, AFileThatCannotBeWrittenIsAClearError)
{
    EXPECT_THROW(PreparedPagesPdf("/nonexistent-folder/out.pdf"), std::runtime_error);
}

} // namespace
} // namespace report
