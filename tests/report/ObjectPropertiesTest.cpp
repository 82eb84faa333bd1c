// Report objects answer scripts and expressions by property name: names
// ignore case, flags read as Booleans, bad values leave fields untouched.
#include "report/objects/BandTypes.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrRichView.h"
#include "report/objects/TfrSubReportView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace report {
namespace {

bool Lists(const TfrObject& object, std::string_view name)
{
    auto names = object.ListProperties();
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ObjectDefaults, ANewObjectOfEachKindHasItsDefaultFlagsFontFrameAndNamePrefix)
{
    TfrMemoView memo;
    EXPECT_EQ(memo.Flags, memo_flags::Stretched | memo_flags::WordWrap);
    EXPECT_EQ(memo.FillColor, clTransparent);
    EXPECT_EQ(memo.FrameWidth, 1.0f);
    EXPECT_EQ(memo.FormatCode, (2 << 8) | '.');
    EXPECT_EQ(memo.GapX, 2);
    EXPECT_EQ(memo.GapY, 1);
    EXPECT_EQ(memo.Font.Name, "Arial");
    EXPECT_EQ(memo.Font.Size, 10);
    EXPECT_EQ(memo.HighlightAttr.FontStyle, fsBold);
    EXPECT_EQ(memo.HighlightAttr.FillColor, clWhite);
    EXPECT_EQ(memo.LineSpacing, 2);
    EXPECT_EQ(memo.NamePrefix(), "Memo");
    TfrBandView band;
    EXPECT_EQ(band.Flags, 48);
    EXPECT_EQ(band.FormatCode, 0);
    EXPECT_EQ(band.Columns, 1);
    EXPECT_EQ(band.ColumnWidth, 200);
    EXPECT_EQ(band.ColumnGap, 20);
    EXPECT_EQ(band.NewColumnAfter, 1);
    TfrPictureView picture;
    EXPECT_EQ(picture.Flags, 5);
    TfrLineView line;
    EXPECT_EQ(line.Flags, 1);
    EXPECT_EQ(line.FrameTyp, frftLeft);
    EXPECT_EQ(line.FillColor, clWhite);
    EXPECT_EQ(TfrSubReportView().NamePrefix(), "SubReport");
    EXPECT_EQ(TfrRichView().NamePrefix(), "Rich");
    TfrPage page;
    EXPECT_TRUE(page.MarginsUsed);
    EXPECT_EQ(page.Caption, "Form");
    EXPECT_EQ(page.Color, clBtnFace);
    EXPECT_EQ(page.Position, poScreenCenter);
    EXPECT_EQ(page.BorderStyle, bsDialog);
    EXPECT_EQ(page.Left, 220);
    EXPECT_EQ(page.Height, 300);
}

TEST(ObjectProperties, CommonPropertiesReadAndWriteByNameIgnoringCase)
{
    TfrMemoView memo;
    EXPECT_TRUE(memo.SetProperty("left", Variant(12)));
    EXPECT_TRUE(memo.SetProperty("Width", Variant(40.6)));
    EXPECT_TRUE(memo.SetProperty("NAME", Variant("Title")));
    EXPECT_TRUE(memo.SetProperty("Memo", Variant("a\r\nb\nc")));
    EXPECT_TRUE(memo.SetProperty("FillColor", Variant(static_cast<double>(0x80000005u))));
    EXPECT_TRUE(memo.SetProperty("Visible", Variant(false)));
    EXPECT_EQ(memo.Left, 12);
    EXPECT_EQ(memo.Width, 41);
    EXPECT_EQ(memo.Name, "Title");
    EXPECT_EQ(memo.Memo, (std::vector<std::string> { "a", "b", "c" }));
    EXPECT_EQ(memo.FillColor, static_cast<TColor>(0x80000005u));
    EXPECT_FALSE(memo.Visible);
    EXPECT_EQ(memo.GetProperty("MEMO"), Variant("a\r\nb\r\nc"));
    EXPECT_EQ(memo.GetProperty("Memo.Count"), Variant(3));
    EXPECT_EQ(memo.GetProperty("DataField"), Variant("a"));
    EXPECT_TRUE(memo.SetProperty("DATAFIELD", Variant("[x]")));
    EXPECT_EQ(memo.Memo.front(), "[x]");
    EXPECT_FALSE(memo.GetProperty("NoSuchThing").has_value());
    EXPECT_FALSE(memo.SetProperty("NoSuchThing", Variant(1)));
    EXPECT_FALSE(memo.SetProperty("Memo.Count", Variant(1)));
}

TEST(ObjectProperties, ValuesThatCannotStandForAFieldLeaveItUntouched)
{
    TfrMemoView memo;
    memo.Left = 5;
    EXPECT_FALSE(memo.SetProperty("LEFT", Variant("five")));
    EXPECT_FALSE(memo.SetProperty("LEFT", Variant(1e12)));
    EXPECT_FALSE(memo.SetProperty("LEFT", Variant()));
    EXPECT_EQ(memo.Left, 5);
    EXPECT_TRUE(memo.SetProperty("LEFT", Variant(" 7 ")));
    EXPECT_EQ(memo.Left, 7);
    EXPECT_FALSE(memo.SetProperty("FLAGS", Variant(70000)));
    EXPECT_FALSE(memo.SetProperty("FRAMEWIDTH", Variant(-1.0)));
    EXPECT_FALSE(memo.SetProperty("FRAMEWIDTH", Variant(1e300)));
    EXPECT_FALSE(memo.SetProperty("BANDALIGN", Variant(8)));
    EXPECT_EQ(memo.Flags, 3);
    EXPECT_EQ(memo.BandAlign, baNone);
}

TEST(ObjectProperties, FlagBitsReadAndWriteAsBooleans)
{
    TfrMemoView memo;
    EXPECT_EQ(memo.GetProperty("WordWrap"), Variant(true));
    EXPECT_TRUE(memo.SetProperty("WORDWRAP", Variant(false)));
    EXPECT_TRUE(memo.SetProperty("HideZeros", Variant(1)));
    EXPECT_TRUE(memo.SetProperty("RTLReading", Variant("True")));
    EXPECT_TRUE(memo.SetProperty("Stretched", Variant(0)));
    EXPECT_EQ(memo.Flags, memo_flags::HideZeros | memo_flags::RTLReading);
    EXPECT_EQ(memo.GetProperty("STRETCHED"), Variant(false));

    TfrPictureView picture;
    EXPECT_TRUE(picture.SetProperty("Center", Variant(true)));
    EXPECT_EQ(picture.Flags, picture_flags::Stretched | picture_flags::KeepAspect | picture_flags::Center);
    EXPECT_EQ(picture.GetProperty("KEEPASPECT"), Variant(true));

    TfrBandView band;
    EXPECT_TRUE(band.SetProperty("FormNewPage", Variant(true)));
    EXPECT_TRUE(band.SetProperty("OnLastPage", Variant(false)));
    EXPECT_EQ(band.Flags, band_flags::FormNewPage | band_flags::OnFirstPage);
    TfrRichView rich;
    EXPECT_TRUE(rich.SetProperty("TextOnly", Variant(true)));
    EXPECT_EQ(rich.Flags, 1 | memo_flags::TextOnly);
}

TEST(ObjectProperties, MemoFontAndTextLayoutProperties)
{
    TfrMemoView memo;
    EXPECT_TRUE(memo.SetProperty("Font.Name", Variant("宋体")));
    EXPECT_TRUE(memo.SetProperty("font.size", Variant(14)));
    EXPECT_TRUE(memo.SetProperty("Font.Style", Variant(fsBold | fsItalic)));
    EXPECT_TRUE(memo.SetProperty("Font.Color", Variant(0xFF)));
    EXPECT_TRUE(memo.SetProperty("Alignment", Variant(frtaCenter | frtaMiddle)));
    EXPECT_TRUE(memo.SetProperty("LineSpacing", Variant(6)));
    EXPECT_EQ(memo.Font.Name, "宋体");
    EXPECT_EQ(memo.GetProperty("FONT.SIZE"), Variant(14));
    EXPECT_EQ(memo.GetProperty("FONT.STYLE"), Variant(3));
    EXPECT_EQ(memo.Font.Color, 0xFF);
    EXPECT_EQ(memo.GetProperty("ALIGNMENT"), Variant(10));
    EXPECT_EQ(memo.GetProperty("LINESPACING"), Variant(6));
    memo.PrintMemo = { "x", "y" };
    EXPECT_EQ(memo.GetProperty("Lines.Count"), Variant(2));
}

TEST(ObjectProperties, BandsOfferTheirPropertiesByBandType)
{
    TfrBandView band;
    band.SetBandType(BandType::GroupHeader);
    EXPECT_TRUE(band.SetProperty("Condition", Variant("[frDBDataSet1.\"类别\"]")));
    EXPECT_TRUE(band.SetProperty("Master", Variant("MasterData1")));
    EXPECT_EQ(band.FormatText, "[frDBDataSet1.\"类别\"]");
    EXPECT_EQ(band.GetProperty("MASTER"), Variant("MasterData1"));
    EXPECT_TRUE(Lists(band, "CONDITION"));
    EXPECT_TRUE(Lists(band, "REPEATHEADER"));
    EXPECT_FALSE(Lists(band, "COLUMNS"));

    band.SetBandType(BandType::MasterData);
    EXPECT_TRUE(band.SetProperty("DataSource", Variant("frDBDataSet1")));
    EXPECT_TRUE(band.SetProperty("Columns", Variant(2)));
    EXPECT_EQ(band.GetProperty("DATASOURCE"), Variant("frDBDataSet1"));
    EXPECT_TRUE(band.IsDataBand());
    EXPECT_TRUE(Lists(band, "COLUMNS"));
    EXPECT_TRUE(Lists(band, "PRINTIFSUBSETEMPTY"));
    EXPECT_FALSE(Lists(band, "ONFIRSTPAGE"));

    band.SetBandType(BandType::PageFooter);
    EXPECT_FALSE(Lists(band, "CHILDBAND"));
    EXPECT_TRUE(Lists(band, "ONLASTPAGE"));
    EXPECT_FALSE(Lists(band, "STRETCHED"));
    EXPECT_TRUE(Lists(band, "NAME"));
}

TEST(ObjectProperties, BandTypesHaveTheirUserNames)
{
    EXPECT_EQ(BandTypeName(0), "Report title");
    EXPECT_EQ(BandTypeName(5), "Master data");
    EXPECT_EQ(BandTypeName(12), "Subdetail footer");
    EXPECT_EQ(BandTypeName(22), "None");
    EXPECT_EQ(BandTypeName(23), "");
    EXPECT_TRUE(BandOffersProperty(16, "BREAKED"));
    EXPECT_FALSE(BandOffersProperty(13, "BREAKED"));
    EXPECT_TRUE(BandOffersProperty(0, "FORMNEWPAGE"));
    EXPECT_FALSE(BandOffersProperty(17, "FORMNEWPAGE"));
    EXPECT_TRUE(BandOffersProperty(19, "DATASOURCE"));
}

TEST(ObjectProperties, PagesGiveTheirPaperInReportUnitsAndDialogsTheirBounds)
{
    TfrPage page;
    EXPECT_EQ(page.GetProperty("WIDTH"), Variant(756.0));
    EXPECT_EQ(page.GetProperty("Height"), Variant(2970 * 0.36));
    EXPECT_EQ(page.GetProperty("LEFT"), Variant(0));
    EXPECT_TRUE(page.SetProperty("Width", Variant(360)));
    EXPECT_EQ(page.PaperWidth, 1000);
    EXPECT_EQ(page.PaperSize, kCustomPaperSize);
    EXPECT_TRUE(page.SetProperty("StretchToPrintable", Variant(true)));
    EXPECT_FALSE(page.MarginsUsed);
    EXPECT_TRUE(page.SetProperty("LeftMargin", Variant(20)));
    EXPECT_EQ(page.GetProperty("LEFTMARGIN"), Variant(20));
    EXPECT_FALSE(page.SetProperty("Orientation", Variant(2)));

    page.Type = ptDialog;
    EXPECT_EQ(page.GetProperty("WIDTH"), Variant(380));
    EXPECT_TRUE(page.SetProperty("Left", Variant(5)));
    EXPECT_EQ(page.Left, 5);
    EXPECT_TRUE(page.SetProperty("Caption", Variant("对话框")));
    EXPECT_EQ(page.GetProperty("caption"), Variant("对话框"));
}

TEST(ObjectMethods, ViewsShowHideAndEditTheirTextByName)
{
    TfrMemoView memo;
    EXPECT_TRUE(memo.CallMethod("Hide", {}).has_value());
    EXPECT_FALSE(memo.Visible);
    memo.CallMethod("SHOW", {});
    EXPECT_TRUE(memo.Visible);
    std::vector<Variant> line { Variant("one") };
    memo.CallMethod("Memo.Add", line);
    line[0] = Variant("two");
    memo.CallMethod("MEMO.ADD", line);
    EXPECT_EQ(memo.CallMethod("Memo.IndexOf", line), Variant(1));
    std::vector<Variant> first { Variant(0) };
    memo.CallMethod("Memo.Delete", first);
    EXPECT_EQ(memo.Memo, std::vector<std::string> { "two" });
    std::vector<Variant> set { Variant("Memo"), Variant(0), Variant("2") };
    memo.CallMethod("SetIndexProperty", set);
    std::vector<Variant> get { Variant("Memo"), Variant(0) };
    EXPECT_EQ(memo.CallMethod("GetIndexProperty", get), Variant("2"));
    std::vector<Variant> out_of_range { Variant("Memo"), Variant(5) };
    EXPECT_EQ(memo.CallMethod("GetIndexProperty", out_of_range), Variant());
    memo.CallMethod("Memo.Clear", {});
    EXPECT_TRUE(memo.Memo.empty());
    EXPECT_FALSE(memo.CallMethod("Explode", {}).has_value());
}

TEST(ObjectMethods, PicturesLoadGraphicFilesAndClearForMissingOnes)
{
    auto path = std::filesystem::temp_directory_path() / ("veltrin-picture-" + std::to_string(::getpid()) + ".jpg");
    {
        std::ofstream file(path, std::ios::binary);
        file << "\xFF\xD8\xFF\xE0 jpeg body";
    }
    TfrPictureView picture;
    std::vector<Variant> name { Variant(path.string()) };
    picture.CallMethod("LoadFromFile", name);
    EXPECT_EQ(picture.Graphic, GraphicKind::Jpeg);
    EXPECT_EQ(picture.PictureData.size(), 14u);
    std::filesystem::remove(path);
    picture.CallMethod("LOADFROMFILE", name);
    EXPECT_EQ(picture.Graphic, GraphicKind::None);
    EXPECT_TRUE(picture.PictureData.empty());
    EXPECT_EQ(TfrPictureView::DetectGraphicKind(std::vector<std::uint8_t> { 'B', 'M', 0 }), GraphicKind::Bitmap);
    EXPECT_EQ(TfrPictureView::DetectGraphicKind(std::vector<std::uint8_t> { 0, 0, 1, 0 }), GraphicKind::Icon);
}

TEST(ObjectLookup, ReportsFindObjectsAndHandOutFreeNames)
{
    TfrReport report;
    auto& first = report.AddPage();
    auto& second = report.AddPage();
    EXPECT_EQ(first.Name, "Page1");
    EXPECT_EQ(second.Name, "Page2");
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = report.FreeObjectName("Memo");
    second.Add(std::move(memo));
    EXPECT_EQ(report.FreeObjectName("Memo"), "Memo2");
    EXPECT_EQ(report.FreeObjectName("Band"), "Band1");
    EXPECT_NE(report.FindObject("memo1"), nullptr);
    EXPECT_EQ(first.FindObject("Memo1"), nullptr);
    EXPECT_EQ(report.FindObject("Memo9"), nullptr);
}

} // namespace
} // namespace report
