// Streams of the older accepted versions, built byte by byte from the layout
// tables (not by our writer), and the version-dependent quirks of the reader.
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrRichObject.h"
#include "report/objects/TfrRichView.h"
#include "report/template/TemplateFormat.h"

#include "platform/text/Gbk.h"

#include <gtest/gtest.h>

namespace report {
namespace {

// A hand builder of template bytes.
class Bytes {
public:
    Bytes& U8(int value)
    {
        m_data.push_back(static_cast<std::uint8_t>(value));
        return *this;
    }
    Bytes& U16(int value) { return U8(value & 0xFF).U8((value >> 8) & 0xFF); }
    Bytes& I32(std::int64_t value)
    {
        for (int i = 0; i < 4; ++i)
            U8(static_cast<int>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& Raw(std::string_view bytes)
    {
        for (char c : bytes)
            U8(static_cast<unsigned char>(c));
        return *this;
    }
    // Counted string, from UTF-8 text stored as GBK.
    Bytes& Counted(std::string_view utf8)
    {
        std::string gbk = text::Utf8ToGbk(utf8);
        return U16(static_cast<int>(gbk.size())).Raw(gbk).U8(0);
    }
    Bytes& ZeroEnded(std::string_view utf8) { return Raw(text::Utf8ToGbk(utf8)).U8(0); }
    Bytes& Lines(const std::vector<std::string>& lines)
    {
        U16(static_cast<int>(lines.size()));
        if (lines.empty())
            return U8(0);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string gbk = text::Utf8ToGbk(lines[i]);
            U16(static_cast<int>(gbk.size())).Raw(gbk).U8(i + 1 < lines.size() ? 13 : 0);
        }
        return *this;
    }
    // Patches a four-byte end offset written earlier with the current size.
    std::size_t Placeholder()
    {
        std::size_t at = m_data.size();
        I32(0);
        return at;
    }
    Bytes& Patch(std::size_t at)
    {
        for (int i = 0; i < 4; ++i)
            m_data[at + i] = static_cast<std::uint8_t>((m_data.size() >> (8 * i)) & 0xFF);
        return *this;
    }
    const std::vector<std::uint8_t>& Data() const { return m_data; }

private:
    std::vector<std::uint8_t> m_data;
};

// The 30-byte block of position, flags and frame, then the fill colour.
void Geometry(Bytes& b, int left, int top, int width, int height, int flags, int frame_typ, int frame_width)
{
    b.I32(left).I32(top).I32(width).I32(height).U16(flags).U16(frame_typ).I32(frame_width).I32(0x0000FF).U16(psDash);
    b.I32(clTransparent);
}

void MemoFieldsOld(Bytes& b, bool counted)
{
    counted ? b.Counted("宋体") : b.ZeroEnded("宋体");
    b.I32(11).U16(2 /* bold */).I32(0x00FF00).I32(frtaRight).U16(0x0001);
    b.U16(1 /* italic */).I32(0x000080).I32(0xFFFFFF);
    counted ? b.Counted("[X] > 1") : b.ZeroEnded("[X] > 1");
}

std::unique_ptr<TfrReport> Read(const Bytes& bytes, int* version = nullptr, const AddInRegistry* add_ins = nullptr)
{
    static AddInRegistry empty;
    auto report = std::make_unique<TfrReport>();
    int read = ReadTemplate(bytes.Data(), *report, add_ins ? *add_ins : empty, {});
    if (version)
        *version = read;
    return report;
}

std::string ErrorOf(const Bytes& bytes, const AddInRegistry* add_ins = nullptr)
{
    try {
        Read(bytes, nullptr, add_ins);
    } catch (const TemplateError& error) {
        return error.what();
    }
    return {};
}

// Version 21 and 22: zero-terminated strings and line lists, no names, no end
// offsets, six legacy page bytes.
Bytes OldStream(int version)
{
    Bytes b;
    if (version > 21)
        b.U8(version);
    b.U16(0).U16(0xFFFF).ZeroEnded("\x01");
    b.U8(255).I32(9).I32(2100).I32(2970).I32(10).I32(11).I32(12).I32(13).U8(1).Raw("LEGACY").U16(1).U16(0).I32(2).I32(5);
    for (int i = 0; i < 2; ++i) {
        b.U8(0).U8(0);
        Geometry(b, 5, 6 + i, 100, 20, memo_flags::Stretched, frftTop, 2);
        b.I32(0x01000000).ZeroEnded("0.00").Raw(text::Utf8ToGbk("第一行\r第二行\r")).U8(0);
        MemoFieldsOld(b, false);
    }
    b.U8(2).U8(0);
    Geometry(b, 0, 40, 600, 30, band_flags::Breaked, static_cast<int>(BandType::MasterData), 1);
    b.I32(0).ZeroEnded("frDBDataSet1").U8(0);
    b.U8(1).U8(0);
    Geometry(b, 0, 80, 50, 50, picture_flags::Stretched, 0, 1);
    b.I32(0).ZeroEnded("").U8(0).U8(1);
    std::size_t end = b.Placeholder();
    b.Raw("BM\x01\x02").Patch(end);
    b.U8(252);
    return b;
}

TEST(TemplateLegacy, Version21HasNoVersionByteAndReadsFromTheStart)
{
    int version = 0;
    auto report = Read(OldStream(21), &version);
    EXPECT_EQ(version, 21);
    EXPECT_FALSE(report->IgnoreStoredPrinter);
    EXPECT_TRUE(report->TwoPass);
    EXPECT_EQ(report->PrinterName, kVirtualPrinterName);
    ASSERT_EQ(report->Pages.size(), 1u);
    const TfrPage& page = *report->Pages[0];
    EXPECT_EQ(page.Name, "Page1");
    EXPECT_EQ(page.PaperSize, 9);
    EXPECT_EQ(page.BottomMargin, 13);
    EXPECT_EQ(page.Orientation, poLandscape);
    EXPECT_EQ(page.PaperBin, kDefaultBin);
    EXPECT_TRUE(page.PrintToPrevPage);
    EXPECT_FALSE(page.MarginsUsed);
    EXPECT_EQ(page.Columns, 2);
    EXPECT_EQ(page.ColumnGap, 5);
    EXPECT_EQ(page.Type, ptReport);
    EXPECT_TRUE(page.Script.empty());

    ASSERT_EQ(page.PageObjects.size(), 4u);
    auto* memo = dynamic_cast<TfrMemoView*>(page.PageObjects[0].get());
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Name, "Memo1");
    EXPECT_EQ(page.PageObjects[1]->Name, "Memo2");
    EXPECT_EQ(page.PageObjects[2]->Name, "Band1");
    EXPECT_EQ(page.PageObjects[3]->Name, "Picture1");
    // Memos of the oldest layout always wrapped.
    EXPECT_EQ(memo->Flags, memo_flags::Stretched | memo_flags::WordWrap);
    EXPECT_EQ(memo->FrameWidth, 2.0f);
    EXPECT_EQ(memo->FrameStyle, psDash);
    EXPECT_EQ(memo->FormatText, "0.00");
    EXPECT_EQ(memo->Memo, (std::vector<std::string> { "第一行", "第二行" }));
    EXPECT_EQ(memo->Font.Name, "宋体");
    EXPECT_EQ(memo->Font.Size, 11);
    EXPECT_EQ(memo->Font.Style, fsBold);
    EXPECT_EQ(memo->Font.Charset, kDefaultCharset);
    EXPECT_EQ(memo->Alignment, frtaRight);
    EXPECT_EQ(memo->HighlightAttr.FontStyle, fsItalic);
    EXPECT_EQ(memo->HighlightCondition, "[X] > 1");
    EXPECT_EQ(memo->LineSpacing, 2);
    EXPECT_EQ(memo->BandAlign, baNone);
    auto* band = dynamic_cast<TfrBandView*>(page.PageObjects[2].get());
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->FormatText, "frDBDataSet1");
    EXPECT_EQ(band->Columns, 1);
    auto* picture = dynamic_cast<TfrPictureView*>(page.PageObjects[3].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Graphic, GraphicKind::Bitmap);
    EXPECT_EQ(picture->PictureData, (std::vector<std::uint8_t> { 'B', 'M', 1, 2 }));
    EXPECT_EQ(picture->BlobType, btBMP);
    // Nothing after the page section: the info takes its defaults.
    EXPECT_EQ(report->Info.Constant, 77);
    EXPECT_FALSE(report->Info.PasswordProtected);
}

TEST(TemplateLegacy, Version22ReadsTheSameLayoutWithoutForcingWordWrap)
{
    int version = 0;
    auto report = Read(OldStream(22), &version);
    EXPECT_EQ(version, 22);
    ASSERT_EQ(report->Pages.at(0)->PageObjects.size(), 4u);
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->Flags, memo_flags::Stretched);
}

TEST(TemplateLegacy, Version23ReadsCountedStringsNamesAndScriptsButNoEndOffsets)
{
    Bytes b;
    b.U8(23).U16(0xFFFF).U16(0).Counted("HP");
    // The -1 marker brings the paper size; below 24 there is still no script.
    b.U8(255).I32(-1).I32(256).I32(1000).I32(1500).I32(0).I32(0).I32(0).I32(0).U8(0).U16(0).U16(0xFFFF).I32(1).I32(0);
    b.U8(0).U8(0).Counted("Title");
    Geometry(b, 1, 2, 3, 4, 3, 0, 1500);
    b.I32(0).Counted("").Lines({ "[标题]" }).Lines({ "Title.Visible := True;" }).U16(0);
    MemoFieldsOld(b, true);
    b.U8(0).U8(0).Counted("Title");
    Geometry(b, 1, 2, 3, 4, 3, 0, 1);
    b.I32(0).Counted("").Lines({}).Lines({}).U16(0xFFFF);
    MemoFieldsOld(b, true);
    b.U8(252);

    int version = 0;
    auto report = Read(b, &version);
    EXPECT_EQ(version, 23);
    EXPECT_TRUE(report->IgnoreStoredPrinter);
    EXPECT_EQ(report->PrinterName, "HP");
    const TfrPage& page = *report->Pages.at(0);
    EXPECT_EQ(page.PaperSize, 256);
    EXPECT_EQ(page.PaperWidth, 1000);
    EXPECT_EQ(page.Name, "Page1");
    ASSERT_EQ(page.PageObjects.size(), 2u);
    auto& memo = dynamic_cast<TfrMemoView&>(*page.PageObjects[0]);
    EXPECT_EQ(memo.Name, "Title");
    EXPECT_EQ(memo.FrameWidth, 1.5f);
    EXPECT_EQ(memo.Memo, std::vector<std::string> { "[标题]" });
    EXPECT_EQ(memo.Script, std::vector<std::string> { "Title.Visible := True;" });
    EXPECT_FALSE(memo.Visible);
    EXPECT_EQ(memo.Font.Charset, 1);
    EXPECT_EQ(memo.Tag, "");
    EXPECT_EQ(memo.GapX, 2);
    // Names are kept as stored, even when two objects share one.
    EXPECT_EQ(page.PageObjects[1]->Name, "Title");
    EXPECT_TRUE(page.PageObjects[1]->Visible);
    EXPECT_EQ(page.PageObjects[1]->Memo.size(), 0u);
}

// Version 24: end offsets, object version bytes, restrictions, tags and gaps,
// page bins and dialog fields.
TEST(TemplateLegacy, Version24ReadsObjectVersionsAndMapsOldDialogValues)
{
    Bytes b;
    b.U8(24).U16(0).U16(0).Counted("\x01");
    b.U8(255).I32(-1).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0).I32(65535).U16(0).U16(0xFFFF);
    b.I32(1).I32(0).U8(ptDialog).Counted("Dialog").U8(1 /* old sizeable */).Counted("标题").I32(0xFF).I32(1).I32(2).I32(3).I32(4).U8(7);
    b.Lines({ "ShowMessage" });
    b.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0).I32(3).U16(0).U16(0);
    b.I32(1).I32(0).U8(ptReport).Counted("Main").U8(0 /* old dialog */).Counted("").I32(0).I32(0).I32(0).I32(0).I32(0).U8(0);

    // A band of object version 1.5: no alignment byte, no master name.
    b.U8(2).U8(1);
    std::size_t end = b.Placeholder();
    b.Counted("GroupHeader1").U8(1).U8(5);
    Geometry(b, 0, 10, 700, 30, 0, static_cast<int>(BandType::GroupHeader), 1);
    b.I32(0).Counted("[类别]").Lines({}).Lines({}).U16(0xFFFF).U16(3).Counted("tag").I32(6).I32(7);
    b.Counted("Child1").I32(2).I32(300).I32(10).I32(1);
    b.Patch(end);
    // A picture of object version 1.0 has no blob type; kind 0 skips its data.
    b.U8(1).U8(1);
    end = b.Placeholder();
    b.Counted("Picture7").U8(1).U8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.I32(0).Counted("").Lines({}).Lines({}).U16(0xFFFF).U16(0).Counted("").I32(2).I32(1);
    b.U8(0);
    std::size_t picture_end = b.Placeholder();
    b.Raw("ignored").Patch(picture_end);
    b.Patch(end);
    // A memo of object version 2.0 with its alignment and spacings.
    b.U8(0).U8(1);
    end = b.Placeholder();
    b.Counted("Memo3").U8(2).U8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.I32(0).Counted("").Lines({ "a", "b" }).Lines({}).U16(0xFFFF).U16(0).Counted("").I32(2).I32(1).U8(baWidth);
    MemoFieldsOld(b, true);
    b.I32(4).I32(1);
    b.Patch(end);
    b.U8(252);

    auto report = Read(b);
    ASSERT_EQ(report->Pages.size(), 2u);
    const TfrPage& dialog = *report->Pages[0];
    EXPECT_EQ(dialog.PaperBin, kDefaultBin);
    EXPECT_EQ(dialog.Type, ptDialog);
    EXPECT_EQ(dialog.Name, "Dialog");
    EXPECT_EQ(dialog.BorderStyle, bsSizeable);
    EXPECT_EQ(dialog.Caption, "标题");
    EXPECT_EQ(dialog.Position, poScreenCenter);
    EXPECT_EQ(dialog.Script, std::vector<std::string> { "ShowMessage" });
    const TfrPage& main = *report->Pages[1];
    EXPECT_EQ(main.PaperBin, 3);
    EXPECT_EQ(main.BorderStyle, bsDialog);
    EXPECT_EQ(main.Position, poDesigned);
    EXPECT_TRUE(main.Script.empty());

    ASSERT_EQ(main.PageObjects.size(), 3u);
    auto& band = dynamic_cast<TfrBandView&>(*main.PageObjects[0]);
    EXPECT_EQ(band.ObjectVersionHi, 1);
    EXPECT_EQ(band.ObjectVersionLo, 5);
    EXPECT_EQ(band.Restrictions, 3);
    EXPECT_EQ(band.Tag, "tag");
    EXPECT_EQ(band.GapX, 6);
    EXPECT_EQ(band.FormatText, "[类别]");
    EXPECT_EQ(band.ChildBand, "Child1");
    EXPECT_EQ(band.Columns, 2);
    EXPECT_EQ(band.ColumnWidth, 300);
    EXPECT_EQ(band.Master, "");
    auto& picture = dynamic_cast<TfrPictureView&>(*main.PageObjects[1]);
    EXPECT_EQ(picture.Graphic, GraphicKind::None);
    EXPECT_TRUE(picture.PictureData.empty());
    auto& memo = dynamic_cast<TfrMemoView&>(*main.PageObjects[2]);
    EXPECT_EQ(memo.BandAlign, baWidth);
    EXPECT_EQ(memo.Memo, (std::vector<std::string> { "a", "b" }));
    EXPECT_EQ(memo.LineSpacing, 4);
    EXPECT_EQ(memo.CharSpacing, 1);
}

Bytes Header(int version)
{
    Bytes b;
    b.U8(version).U16(0).U16(0).Counted("\x01");
    b.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0).I32(-1).U16(0).U16(0);
    b.I32(1).I32(0).U8(0).Counted("Page1").U8(3).Counted("").I32(0).I32(0).I32(0).I32(0).I32(0).U8(0);
    return b;
}

// The common block of the current layout, for hand-built records.
void Common(Bytes& b, std::string_view name)
{
    b.Counted(name).U8(2).U8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.I32(0).Counted("").Lines({}).Lines({}).U16(0xFFFF).U16(0).Counted("").I32(2).I32(1).U8(0);
}

TEST(TemplateLegacy, NewerVersionsAreRefusedAndLeaveTheReportAsItWas)
{
    Bytes b;
    b.U8(26).U16(0).U16(0).Counted("\x01");
    EXPECT_EQ(ErrorOf(b).substr(0, 22), "Unsupported FRF format");
    // A version-21 stream whose first flag is set starts with 255: refused too.
    Bytes flagged;
    flagged.U16(0xFFFF).U16(0).ZeroEnded("");
    EXPECT_NE(ErrorOf(flagged), "");

    TfrReport report;
    report.AddPage().Name = "Kept";
    report.Dictionary.Variables = { { "v", "1" } };
    std::string shown, caption;
    report.OnLoadError = [&](const std::string& text, const std::string& title) {
        shown = text;
        caption = title;
    };
    EXPECT_FALSE(report.LoadTemplateFromStream(b.Data()));
    EXPECT_EQ(shown.substr(0, 22), "Unsupported FRF format");
    EXPECT_EQ(caption, "Error");
    ASSERT_EQ(report.Pages.size(), 1u);
    EXPECT_EQ(report.Pages[0]->Name, "Kept");
    EXPECT_EQ(report.Dictionary.Variables.size(), 1u);
}

TEST(TemplateLegacy, AnEmptyStreamOnlyClearsTheDictionary)
{
    TfrReport report;
    report.AddPage();
    report.Dictionary.Variables = { { "v", "1" } };
    EXPECT_TRUE(report.LoadTemplateFromStream({}));
    EXPECT_EQ(report.Pages.size(), 1u);
    EXPECT_TRUE(report.Dictionary.Variables.empty());
}

TEST(TemplateLegacy, KindsFiveToNineArePassedOverByTheirEndOffset)
{
    Bytes b = Header(25);
    b.U8(7).U8(0);
    std::size_t end = b.Placeholder();
    b.Raw("whatever this was").Patch(end);
    b.U8(4).U8(0);
    end = b.Placeholder();
    Common(b, "Line1");
    b.Patch(end);
    b.U8(252);
    auto report = Read(b);
    ASSERT_EQ(report->Pages[0]->PageObjects.size(), 1u);
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->Name, "Line1");

    // Without end offsets the rest of the stream cannot be found.
    Bytes old;
    old.U8(23).U16(0).U16(0).Counted("");
    old.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0).U16(0).U16(0).I32(1).I32(0);
    old.U8(6).U8(0).Raw("junk");
    EXPECT_NE(ErrorOf(old).find("unknown object kind 6"), std::string::npos);
}

TEST(TemplateLegacy, TheFramedMemoReadsAsAPlainMemoAndSkipsItsFrameBytes)
{
    Bytes b;
    b.U8(23).U16(0).U16(0).Counted("");
    b.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0).U16(0).U16(0).I32(1).I32(0);
    b.U8(10).Counted("TfrFramedMemoView").U8(0).Counted("Framed");
    Geometry(b, 0, 0, 10, 10, 3, 0, 1);
    b.I32(0).Counted("").Lines({ "x" }).Lines({}).U16(0xFFFF);
    MemoFieldsOld(b, true);
    b.Raw("FRAME8BY");
    b.U8(0).U8(0).Counted("After");
    Geometry(b, 0, 0, 10, 10, 3, 0, 1);
    b.I32(0).Counted("").Lines({}).Lines({}).U16(0xFFFF);
    MemoFieldsOld(b, true);
    b.U8(252);
    auto report = Read(b);
    ASSERT_EQ(report->Pages[0]->PageObjects.size(), 2u);
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->ClassName(), "TfrMemoView");
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->Memo, std::vector<std::string> { "x" });
    EXPECT_EQ(report->Pages[0]->PageObjects[1]->Name, "After");
}

Bytes RichTemplate(std::string_view class_name)
{
    Bytes b = Header(25);
    b.U8(10).Counted(class_name).U8(0);
    std::size_t end = b.Placeholder();
    Common(b, "Rich1");
    b.U8(1);
    std::size_t text_end = b.Placeholder();
    b.Raw("{\\rtf1 hello}").Patch(text_end);
    b.Patch(end);
    b.U8(252);
    return b;
}

TEST(TemplateLegacy, RichTextLoadsOnlyWhenItsClassIsRegistered)
{
    EXPECT_EQ(ErrorOf(RichTemplate("TfrRichView")),
              "Report contains the following non-plugged components:\rTfrRichView\r"
              "You must include these components into your project.");
    AddInRegistry add_ins;
    TfrRichObject rich_text(add_ins);
    TfrRichObject registered_twice(add_ins);
    EXPECT_EQ(add_ins.Classes().size(), 1u);
    auto report = std::make_unique<TfrReport>();
    ReadTemplate(RichTemplate("TfrRichView").Data(), *report, add_ins, {});
    auto& rich = dynamic_cast<TfrRichView&>(*report->Pages[0]->PageObjects.at(0));
    EXPECT_EQ(rich.RichText, "{\\rtf1 hello}");
    // Class names of add-ins match exactly; the renamed lookup controls are
    // reported under their current name.
    EXPECT_NE(ErrorOf(RichTemplate("TFRRICHVIEW"), &add_ins), "");
    EXPECT_NE(ErrorOf(RichTemplate("TfrBDELookupControl"), &add_ins).find("\rTfrDBLookupControl\r"), std::string::npos);
}

TEST(TemplateLegacy, TheExtensionTagEndsThePageSection)
{
    Bytes b = Header(25);
    b.U8(253);
    auto report = Read(b);
    EXPECT_EQ(report->Pages.size(), 1u);
}

Bytes DictionaryTemplate(int marker, const std::vector<DictionaryEntry>& variables,
                         const std::vector<DictionaryEntry>& aliases, const std::vector<DictionaryEntry>& sources)
{
    Bytes b = Header(25);
    b.U8(254).U16(marker & 0xFFFF);
    for (const auto* list : { &variables, &aliases, &sources }) {
        b.I32(static_cast<std::int64_t>(list->size()));
        for (const auto& entry : *list)
            b.Counted(entry.Name).Counted(entry.Value);
    }
    b.U8(252);
    return b;
}

TEST(TemplateLegacy, DictionaryNamesAreToggledWhenTheFirstLacksItsBlank)
{
    auto toggled = Read(DictionaryTemplate(-2, { { "Var1", "1" }, { " 分类", "" }, { "", "x" } }, {}, {}));
    EXPECT_EQ(toggled->Dictionary.Variables,
              (std::vector<DictionaryEntry> { { " Var1", "1" }, { "分类", "" }, { " ", "x" } }));
    auto kept = Read(DictionaryTemplate(-2, { { " 分类", "" }, { "Var1", "1" } }, {}, {}));
    EXPECT_EQ(kept->Dictionary.Variables, (std::vector<DictionaryEntry> { { " 分类", "" }, { "Var1", "1" } }));
}

TEST(TemplateLegacy, ThePreviousDictionaryLayoutDropsEmptyEntries)
{
    auto bytes = DictionaryTemplate(-1, {}, { { "frDBDataSet1", "" }, { "Gone", "" }, { "Alias", "frDBDataSet1" } },
                                    { { "Band1", "" }, { "Band2", "frDBDataSet1" } });
    auto report = std::make_unique<TfrReport>();
    AddInRegistry add_ins;
    ReadTemplate(bytes.Data(), *report, add_ins, [](std::string_view name) { return name == "frDBDataSet1"; });
    EXPECT_EQ(report->Dictionary.FieldAliases,
              (std::vector<DictionaryEntry> { { "frDBDataSet1", "" }, { "Alias", "frDBDataSet1" } }));
    EXPECT_EQ(report->Dictionary.BandDataSources, (std::vector<DictionaryEntry> { { "Band2", "frDBDataSet1" } }));
    // The current layout keeps them.
    auto current = Read(DictionaryTemplate(-2, {}, { { "Gone", "" } }, { { "Band1", "" } }));
    EXPECT_EQ(current->Dictionary.FieldAliases.size(), 1u);
    EXPECT_EQ(current->Dictionary.BandDataSources.size(), 1u);
}

TEST(TemplateLegacy, TheOldestDictionaryBecomesVariablesWithAliasValues)
{
    Bytes b;
    b.U8(22).U16(0).U16(0).ZeroEnded("");
    b.U8(254).I32(4);
    auto short_string = [&b](std::string_view utf8) {
        std::string gbk = text::Utf8ToGbk(utf8);
        b.U8(static_cast<int>(gbk.size())).Raw(gbk);
    };
    b.U8(1).I32(0);
    short_string("frDBDataSet1");
    short_string("标题");
    short_string("Title");
    b.U8(2).I32(2);
    short_string("");
    short_string("");
    short_string("Today");
    b.U8(2).I32(1);
    short_string("");
    short_string("Field");
    short_string("Itself");
    b.U8(0).I32(0);
    short_string("");
    short_string("");
    short_string("Nothing");
    b.Raw(text::Utf8ToGbk("笔记\r Title\r Today\r Itself\r Nothing\r")).U8(0);
    b.U8(252);
    auto report = Read(b);
    EXPECT_EQ(report->Dictionary.Variables, (std::vector<DictionaryEntry> {
                                                { " 笔记", "" },
                                                { "Title", "frDBDataSet1.\"标题\"" },
                                                { "Today", "DATE" },
                                                { "Itself", "Field" },
                                                { "Nothing", "" },
                                            }));
    EXPECT_TRUE(report->Dictionary.FieldAliases.empty());
}

} // namespace
} // namespace report
