// Rich-text views during a build: bracketed expressions are replaced by their
// values in the format of the text around them, and a view longer than the
// page splits between its lines, every paragraph printed once and in order.
#include "BandEngineSupport.h"

#include "report/objects/TfrRichObject.h"
#include "report/objects/TfrRichView.h"

#include "platform/richtext/RtfDocument.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using testing::ReportInCode;

TfrRichView& AddRichView(ReportInCode& code, std::string rtf, std::int32_t top, std::int32_t height)
{
    static TfrRichObject registration;
    auto view = std::make_unique<TfrRichView>();
    view->Name = code.report.FreeObjectName(view->NamePrefix());
    view->Top = top;
    view->Width = 300;
    view->Height = height;
    view->RichText = std::move(rtf);
    return code.page.Add(std::move(view));
}

// The rich views of every prepared page, in order, as documents.
std::vector<std::pair<int, richtext::RtfDocument>> PrintedRichText(ReportInCode& code)
{
    std::vector<std::pair<int, richtext::RtfDocument>> printed;
    for (int index = 0; index < code.PageCount(); ++index)
        for (const auto& view : code.report.EMFPages.PageObjects(index).PageObjects)
            if (auto* rich = dynamic_cast<TfrRichView*>(view.get())) {
                EXPECT_LE(rich->Top + rich->Height, 1071 - 36) << "page " << index + 1;
                printed.emplace_back(index, richtext::ParseRtf(rich->RichText));
            }
    return printed;
}

TEST(RichViewOutput, BracketsAreExpandedInTheFormatWhereTheyStandAndTheTemplateKeepsThem)
{
    ReportInCode code;
    code.Records("People", { { { "name", "张三" }, { "age", "42" } }, { { "name", "李四" }, { "age", "7" } } });
    code.Band(BandType::MasterData, 100, 60, "People");
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Name: {\\b [People.\"name\"]} "
                            "({\\i [People.}\"age\"] years) [unclosed\\par\\qc second [LINE#]}";
    TfrRichView& view = AddRichView(code, rtf, 100, 60);
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    auto printed = PrintedRichText(code);
    ASSERT_EQ(printed.size(), 2u);
    const richtext::RtfDocument& first = printed[0].second;
    ASSERT_EQ(first.Paragraphs.size(), 2u);
    EXPECT_EQ(first.Paragraphs[0].PlainText(), "Name: 张三 (42 years) [unclosed");
    EXPECT_EQ(first.Paragraphs[1].PlainText(), "second 1");
    EXPECT_EQ(first.Paragraphs[1].Align, richtext::Alignment::Center);
    bool boldValue = false, italicValue = false;
    for (const richtext::TextRun& run : first.Paragraphs[0].Runs) {
        boldValue |= run.Text == "张三" && run.Bold;
        // An expression crossing a format change takes the format of its "[".
        italicValue |= run.Text == "42" && run.Italic;
        if (run.Text.find("Name") != std::string::npos) {
            EXPECT_FALSE(run.Bold);
        }
    }
    EXPECT_TRUE(boldValue);
    EXPECT_TRUE(italicValue);
    EXPECT_EQ(printed[1].second.Paragraphs[0].PlainText(), "Name: 李四 (7 years) [unclosed");
    EXPECT_EQ(view.RichText, rtf);
}

TEST(RichViewOutput, ARichViewLongerThanAPageSplitsBetweenLinesAndKeepsEveryParagraphInOrder)
{
    ReportInCode code;
    code.Records("Notes", { { { "tail", "结束" } } });
    auto& band = code.Band(BandType::MasterData, 100, 40, "Notes");
    band.Flags |= band_flags::Stretched | band_flags::Breaked;
    std::string rtf = "{\\rtf1\\fs24 ";
    for (int paragraph = 1; paragraph <= 120; ++paragraph)
        rtf += "\\u31532?" + std::to_string(paragraph) + "\\par ";
    rtf += "[Notes.\"tail\"]}";
    AddRichView(code, rtf, 100, 40).Flags |= 1;
    ASSERT_TRUE(code.Build()) << code.report.BuildError;
    ASSERT_GE(code.PageCount(), 2);
    std::vector<std::string> paragraphs;
    int lastPage = -1;
    for (const auto& [page, document] : PrintedRichText(code)) {
        EXPECT_GT(page, lastPage) << "one part per page";
        lastPage = page;
        for (const richtext::Paragraph& paragraph : document.Paragraphs)
            if (!paragraph.PlainText().empty())
                paragraphs.push_back(paragraph.PlainText());
    }
    ASSERT_EQ(paragraphs.size(), 121u);
    for (int paragraph = 1; paragraph <= 120; ++paragraph)
        EXPECT_EQ(paragraphs[static_cast<std::size_t>(paragraph - 1)], "第" + std::to_string(paragraph));
    EXPECT_EQ(paragraphs.back(), "结束");
}

} // namespace
} // namespace report
