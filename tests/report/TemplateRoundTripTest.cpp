// Templates written by our writer read back to the same model and, written
// again, to the same bytes: for every object kind and every stored field.
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrRichObject.h"
#include "report/objects/TfrRichView.h"
#include "report/objects/TfrSubReportView.h"
#include "report/template/TemplateFormat.h"

#include <gtest/gtest.h>

namespace report {
namespace {

std::vector<std::uint8_t> Write(const TfrReport& report)
{
    io::ByteWriter out;
    WriteTemplate(report, out);
    return out.Take();
}

struct Loaded {
    TfrReport report;
    int version { 0 };
};

std::unique_ptr<Loaded> Read(const std::vector<std::uint8_t>& bytes, const AddInRegistry& add_ins)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->version = ReadTemplate(bytes, loaded->report, add_ins, {});
    return loaded;
}

void SetCommonFields(TfrView& view, int seed)
{
    view.Left = 10 + seed;
    view.Top = 20 + seed;
    view.Width = 300 + seed;
    view.Height = 40 + seed;
    view.FrameTyp = frftLeft | frftTop;
    view.FrameWidth = 1.5f;
    view.FrameColor = 0x0000FF;
    view.FrameStyle = psDashDot;
    view.FillColor = 0x00C0C0;
    view.FormatCode = (1 << 24) | (1 << 16) | (2 << 8) | ',';
    view.FormatText = "#,##0.00";
    view.Memo = { "第一行 [frDBDataSet1.\"标题\"]", "", "third" };
    view.Script = { "begin", "  Memo1.Visible := False;", "end" };
    view.Visible = false;
    view.Restrictions = 5;
    view.Tag = "[标签]";
    view.GapX = 4;
    view.GapY = 3;
    view.BandAlign = baBottom;
    view.ObjectVersionLo = 1;
}

// A report with one object of every kind, every field away from its default.
std::unique_ptr<TfrReport> EveryKind()
{
    auto report = std::make_unique<TfrReport>();
    report->IgnoreStoredPrinter = true;
    report->TwoPass = true;
    report->PrinterName = "打印机";
    auto& page = report->AddPage();
    page.PaperSize = kCustomPaperSize;
    page.PaperWidth = 1480;
    page.PaperHeight = 2100;
    page.LeftMargin = 18;
    page.TopMargin = 19;
    page.RightMargin = 20;
    page.BottomMargin = 21;
    page.Orientation = poLandscape;
    page.PaperBin = 7;
    page.PrintToPrevPage = true;
    page.MarginsUsed = false;
    page.Columns = 2;
    page.ColumnGap = 12;
    page.Script = { "CurY := CurY + 1;" };
    auto& dialog = report->AddPage();
    dialog.Type = ptDialog;
    dialog.BorderStyle = bsSizeable;
    dialog.Caption = "对话框";
    dialog.Color = 0x123456;
    dialog.Left = 1;
    dialog.Top = 2;
    dialog.Width = 3;
    dialog.Height = 4;
    dialog.Position = poDesigned;

    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = "Memo1";
    SetCommonFields(*memo, 1);
    memo->Flags = memo_flags::Stretched | memo_flags::Suppress | memo_flags::RTLReading;
    memo->Font = { "宋体", 12, fsBold | fsUnderline, 0x112233, 134 };
    memo->Alignment = frtaCenter | frtaMiddle;
    memo->HighlightAttr = { fsItalic, 0x0000FF, 0x00FFFF };
    memo->HighlightCondition = "Value > 10";
    memo->LineSpacing = 5;
    memo->CharSpacing = 1;
    page.Add(std::move(memo));

    auto picture = std::make_unique<TfrPictureView>();
    picture->Name = "Picture1";
    SetCommonFields(*picture, 2);
    picture->Graphic = GraphicKind::Jpeg;
    picture->PictureData = { 0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0xFF, 0xD9 };
    picture->BlobType = btJPG;
    page.Add(std::move(picture));

    auto band = std::make_unique<TfrBandView>();
    band->Name = "MasterData1";
    SetCommonFields(*band, 3);
    band->SetBandType(BandType::GroupHeader);
    band->FormatText = "[frDBDataSet1.\"类别\"]";
    band->Flags = band_flags::RepeatHeader | band_flags::Breaked;
    band->ChildBand = "Child1";
    band->Columns = 3;
    band->ColumnWidth = 150;
    band->ColumnGap = 7;
    band->NewColumnAfter = 2;
    band->Master = "MasterData2";
    page.Add(std::move(band));

    auto sub_report = std::make_unique<TfrSubReportView>();
    sub_report->Name = "SubReport1";
    SetCommonFields(*sub_report, 4);
    sub_report->SubPage = 1;
    page.Add(std::move(sub_report));

    auto line = std::make_unique<TfrLineView>();
    line->Name = "Line1";
    SetCommonFields(*line, 5);
    dialog.Add(std::move(line));

    auto rich = std::make_unique<TfrRichView>();
    rich->Name = "Rich1";
    SetCommonFields(*rich, 6);
    rich->RichText = "{\\rtf1\\ansi\\ansicpg936 \\'b1\\'ca\\'bc\\'c7\\par}";
    dialog.Add(std::move(rich));

    report->Dictionary.Variables = { { " 分类", "" }, { "合计", "SUM([金额])" } };
    report->Dictionary.FieldAliases = { { "frDBDataSet1", "笔记" } };
    report->Dictionary.BandDataSources = { { "MasterData1", "frDBDataSet1" } };
    report->Info.Comment = "注释";
    report->Info.Name = "name";
    report->Info.Author = "author";
    report->Info.VersionMajor = "1";
    report->Info.VersionMinor = "2";
    report->Info.VersionRelease = "3";
    report->Info.VersionBuild = "4";
    report->Info.Password = "pw";
    report->Info.PasswordProtected = true;
    report->Info.Constant = 78;
    report->Info.CreationDate = { 45000.25 };
    report->Info.LastChange = { 45001.5 };
    return report;
}

class TemplateRoundTrip : public ::testing::Test {
protected:
    TemplateRoundTrip() { TfrRichObject register_rich_text(m_addIns); }
    AddInRegistry m_addIns;
};

TEST_F(TemplateRoundTrip, EveryObjectKindWritesReadsAndWritesTheSameBytes)
{
    auto original = EveryKind();
    auto bytes = Write(*original);
    auto loaded = Read(bytes, m_addIns);
    EXPECT_EQ(loaded->version, 25);
    EXPECT_EQ(Write(loaded->report), bytes);
}

TEST_F(TemplateRoundTrip, EveryStoredFieldComesBack)
{
    auto original = EveryKind();
    auto loaded = Read(Write(*original), m_addIns);
    const TfrReport& report = loaded->report;
    EXPECT_TRUE(report.IgnoreStoredPrinter);
    EXPECT_TRUE(report.TwoPass);
    EXPECT_EQ(report.PrinterName, "打印机");
    ASSERT_EQ(report.Pages.size(), 2u);
    const TfrPage& page = *report.Pages[0];
    EXPECT_EQ(page.Name, "Page1");
    EXPECT_EQ(page.PaperSize, kCustomPaperSize);
    EXPECT_EQ(page.PaperWidth, 1480);
    EXPECT_EQ(page.PaperHeight, 2100);
    EXPECT_EQ(page.BottomMargin, 21);
    EXPECT_EQ(page.Orientation, poLandscape);
    EXPECT_EQ(page.PaperBin, 7);
    EXPECT_TRUE(page.PrintToPrevPage);
    EXPECT_FALSE(page.MarginsUsed);
    EXPECT_EQ(page.Columns, 2);
    EXPECT_EQ(page.Script, std::vector<std::string> { "CurY := CurY + 1;" });
    const TfrPage& dialog = *report.Pages[1];
    EXPECT_EQ(dialog.Type, ptDialog);
    EXPECT_EQ(dialog.BorderStyle, bsSizeable);
    EXPECT_EQ(dialog.Caption, "对话框");
    EXPECT_EQ(dialog.Position, poDesigned);
    EXPECT_EQ(dialog.Height, 4);

    // Objects keep their page and their order within it.
    ASSERT_EQ(page.PageObjects.size(), 4u);
    ASSERT_EQ(dialog.PageObjects.size(), 2u);
    auto* memo = dynamic_cast<TfrMemoView*>(page.PageObjects[0].get());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Name, "Memo1");
    EXPECT_EQ(memo->Memo, (std::vector<std::string> { "第一行 [frDBDataSet1.\"标题\"]", "", "third" }));
    EXPECT_EQ(memo->Script.size(), 3u);
    EXPECT_FALSE(memo->Visible);
    EXPECT_EQ(memo->FrameWidth, 1.5f);
    EXPECT_EQ(memo->Tag, "[标签]");
    EXPECT_EQ(memo->BandAlign, baBottom);
    EXPECT_EQ(memo->Font.Name, "宋体");
    EXPECT_EQ(memo->Font.Style, fsBold | fsUnderline);
    EXPECT_EQ(memo->HighlightAttr.FontStyle, fsItalic);
    EXPECT_EQ(memo->HighlightAttr.FillColor, 0x00FFFF);
    EXPECT_EQ(memo->HighlightCondition, "Value > 10");
    EXPECT_EQ(memo->LineSpacing, 5);
    auto* picture = dynamic_cast<TfrPictureView*>(page.PageObjects[1].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Graphic, GraphicKind::Jpeg);
    EXPECT_EQ(picture->PictureData.size(), 10u);
    EXPECT_EQ(picture->BlobType, btJPG);
    auto* band = dynamic_cast<TfrBandView*>(page.PageObjects[2].get());
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->BandTypeCode(), static_cast<int>(BandType::GroupHeader));
    EXPECT_EQ(band->ChildBand, "Child1");
    EXPECT_EQ(band->NewColumnAfter, 2);
    EXPECT_EQ(band->Master, "MasterData2");
    auto* sub_report = dynamic_cast<TfrSubReportView*>(page.PageObjects[3].get());
    ASSERT_NE(sub_report, nullptr);
    EXPECT_EQ(sub_report->SubPage, 1);
    EXPECT_NE(dynamic_cast<TfrLineView*>(dialog.PageObjects[0].get()), nullptr);
    auto* rich = dynamic_cast<TfrRichView*>(dialog.PageObjects[1].get());
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(rich->RichText, "{\\rtf1\\ansi\\ansicpg936 \\'b1\\'ca\\'bc\\'c7\\par}");

    EXPECT_EQ(report.Dictionary, original->Dictionary);
    EXPECT_EQ(report.Info, original->Info);
}

TEST_F(TemplateRoundTrip, ObjectsWithDefaultFieldsRoundTripPerKind)
{
    std::vector<std::function<std::unique_ptr<TfrView>()>> makers = {
        [] { return std::make_unique<TfrMemoView>(); },     [] { return std::make_unique<TfrPictureView>(); },
        [] { return std::make_unique<TfrBandView>(); },     [] { return std::make_unique<TfrSubReportView>(); },
        [] { return std::make_unique<TfrLineView>(); },     [] { return std::make_unique<TfrRichView>(); },
    };
    for (auto& make : makers) {
        TfrReport report;
        auto& page = report.AddPage();
        auto view = make();
        view->Name = report.FreeObjectName(view->NamePrefix());
        std::string class_name = view->ClassName();
        page.Add(std::move(view));
        auto bytes = Write(report);
        auto loaded = Read(bytes, m_addIns);
        ASSERT_EQ(loaded->report.Pages[0]->PageObjects.size(), 1u) << class_name;
        EXPECT_EQ(loaded->report.Pages[0]->PageObjects[0]->ClassName(), class_name);
        EXPECT_EQ(Write(loaded->report), bytes) << class_name;
    }
}

TEST_F(TemplateRoundTrip, ObjectRecordsCarryPatchedEndOffsets)
{
    TfrReport report;
    auto& page = report.AddPage();
    auto line = std::make_unique<TfrLineView>();
    line->Name = "L";
    page.Add(std::move(line));
    auto bytes = Write(report);
    // Header 1 + 2 + 2 + (2 + 1 + 1), one page record, then the object record.
    std::size_t header = 1 + 2 + 2 + 4;
    std::size_t page_record = 1 + 4 * 8 + 1 + 4 + 2 + 2 + 4 + 4 + 1 + 8 + 1 + 7 + 4 + 16 + 1 + 3;
    std::size_t object = header + page_record;
    ASSERT_EQ(bytes[object], 4);     // line
    ASSERT_EQ(bytes[object + 1], 0); // page index
    std::uint32_t end = bytes[object + 2] | bytes[object + 3] << 8 | bytes[object + 4] << 16 | bytes[object + 5] << 24;
    ASSERT_LT(end, bytes.size());
    EXPECT_EQ(bytes[end], 254); // the dictionary follows the only object
}

TEST_F(TemplateRoundTrip, FrameWidthsKeepTheirValue)
{
    for (float width : { 0.0f, 0.5f, 1.0f, 2.0f, 2.25f, 10.0f, 12.0f, 100.0f }) {
        TfrReport report;
        auto& page = report.AddPage();
        auto line = std::make_unique<TfrLineView>();
        line->FrameWidth = width;
        page.Add(std::move(line));
        auto loaded = Read(Write(report), m_addIns);
        EXPECT_FLOAT_EQ(loaded->report.Pages[0]->PageObjects[0]->FrameWidth, width);
    }
}

TEST_F(TemplateRoundTrip, SavingStampsTheLastChangeButKeepsTheCreationDate)
{
    auto report = EveryKind();
    io::ByteWriter out;
    report->SaveTemplateToStream(out);
    EXPECT_GT(report->Info.LastChange.value, 46000.0);
    EXPECT_EQ(report->Info.CreationDate.value, 45000.25);
}

} // namespace
} // namespace report
