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
    Bytes& u8(int value)
    {
        m_data.push_back(static_cast<std::uint8_t>(value));
        return *this;
    }
    Bytes& u16(int value) { return u8(value & 0xFF).u8((value >> 8) & 0xFF); }
    Bytes& i32(std::int64_t value)
    {
        for (int i = 0; i < 4; ++i)
            u8(static_cast<int>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& raw(std::string_view bytes)
    {
        for (char c : bytes)
            u8(static_cast<unsigned char>(c));
        return *this;
    }
    // Counted string, from UTF-8 text stored as GBK.
    Bytes& counted(std::string_view utf8)
    {
        std::string gbk = text::Utf8ToGbk(utf8);
        return u16(static_cast<int>(gbk.size())).raw(gbk).u8(0);
    }
    Bytes& zstr(std::string_view utf8) { return raw(text::Utf8ToGbk(utf8)).u8(0); }
    Bytes& lines(const std::vector<std::string>& lines)
    {
        u16(static_cast<int>(lines.size()));
        if (lines.empty())
            return u8(0);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string gbk = text::Utf8ToGbk(lines[i]);
            u16(static_cast<int>(gbk.size())).raw(gbk).u8(i + 1 < lines.size() ? 13 : 0);
        }
        return *this;
    }
    // Patches a four-byte end offset written earlier with the current size.
    std::size_t placeholder()
    {
        std::size_t at = m_data.size();
        i32(0);
        return at;
    }
    Bytes& patch(std::size_t at)
    {
        for (int i = 0; i < 4; ++i)
            m_data[at + i] = static_cast<std::uint8_t>((m_data.size() >> (8 * i)) & 0xFF);
        return *this;
    }
    const std::vector<std::uint8_t>& data() const { return m_data; }

private:
    std::vector<std::uint8_t> m_data;
};

// The 30-byte block of position, flags and frame, then the fill colour.
void Geometry(Bytes& b, int left, int top, int width, int height, int flags, int frame_typ, int frame_width)
{
    b.i32(left).i32(top).i32(width).i32(height).u16(flags).u16(frame_typ).i32(frame_width).i32(0x0000FF).u16(psDash);
    b.i32(clTransparent);
}

void MemoFieldsOld(Bytes& b, bool counted)
{
    counted ? b.counted("宋体") : b.zstr("宋体");
    b.i32(11).u16(2 /* bold */).i32(0x00FF00).i32(frtaRight).u16(0x0001);
    b.u16(1 /* italic */).i32(0x000080).i32(0xFFFFFF);
    counted ? b.counted("[X] > 1") : b.zstr("[X] > 1");
}

std::unique_ptr<TfrReport> Read(const Bytes& bytes, int* version = nullptr, const AddInRegistry* add_ins = nullptr)
{
    static AddInRegistry empty;
    auto report = std::make_unique<TfrReport>();
    int read = ReadTemplate(bytes.data(), *report, add_ins ? *add_ins : empty, {});
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
        b.u8(version);
    b.u16(0).u16(0xFFFF).zstr("\x01");
    b.u8(255).i32(9).i32(2100).i32(2970).i32(10).i32(11).i32(12).i32(13).u8(1).raw("LEGACY").u16(1).u16(0).i32(2).i32(5);
    for (int i = 0; i < 2; ++i) {
        b.u8(0).u8(0);
        Geometry(b, 5, 6 + i, 100, 20, memo_flags::Stretched, frftTop, 2);
        b.i32(0x01000000).zstr("0.00").raw(text::Utf8ToGbk("第一行\r第二行\r")).u8(0);
        MemoFieldsOld(b, false);
    }
    b.u8(2).u8(0);
    Geometry(b, 0, 40, 600, 30, band_flags::Breaked, static_cast<int>(BandType::MasterData), 1);
    b.i32(0).zstr("frDBDataSet1").u8(0);
    b.u8(1).u8(0);
    Geometry(b, 0, 80, 50, 50, picture_flags::Stretched, 0, 1);
    b.i32(0).zstr("").u8(0).u8(1);
    std::size_t end = b.placeholder();
    b.raw("BM\x01\x02").patch(end);
    b.u8(252);
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
    b.u8(23).u16(0xFFFF).u16(0).counted("HP");
    // The -1 marker brings the paper size; below 24 there is still no script.
    b.u8(255).i32(-1).i32(256).i32(1000).i32(1500).i32(0).i32(0).i32(0).i32(0).u8(0).u16(0).u16(0xFFFF).i32(1).i32(0);
    b.u8(0).u8(0).counted("Title");
    Geometry(b, 1, 2, 3, 4, 3, 0, 1500);
    b.i32(0).counted("").lines({ "[标题]" }).lines({ "Title.Visible := True;" }).u16(0);
    MemoFieldsOld(b, true);
    b.u8(0).u8(0).counted("Title");
    Geometry(b, 1, 2, 3, 4, 3, 0, 1);
    b.i32(0).counted("").lines({}).lines({}).u16(0xFFFF);
    MemoFieldsOld(b, true);
    b.u8(252);

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
    b.u8(24).u16(0).u16(0).counted("\x01");
    b.u8(255).i32(-1).i32(9).i32(2100).i32(2970).i32(0).i32(0).i32(0).i32(0).u8(0).i32(65535).u16(0).u16(0xFFFF);
    b.i32(1).i32(0).u8(ptDialog).counted("Dialog").u8(1 /* old sizeable */).counted("标题").i32(0xFF).i32(1).i32(2).i32(3).i32(4).u8(7);
    b.lines({ "ShowMessage" });
    b.u8(255).i32(9).i32(2100).i32(2970).i32(0).i32(0).i32(0).i32(0).u8(0).i32(3).u16(0).u16(0);
    b.i32(1).i32(0).u8(ptReport).counted("Main").u8(0 /* old dialog */).counted("").i32(0).i32(0).i32(0).i32(0).i32(0).u8(0);

    // A band of object version 1.5: no alignment byte, no master name.
    b.u8(2).u8(1);
    std::size_t end = b.placeholder();
    b.counted("GroupHeader1").u8(1).u8(5);
    Geometry(b, 0, 10, 700, 30, 0, static_cast<int>(BandType::GroupHeader), 1);
    b.i32(0).counted("[类别]").lines({}).lines({}).u16(0xFFFF).u16(3).counted("tag").i32(6).i32(7);
    b.counted("Child1").i32(2).i32(300).i32(10).i32(1);
    b.patch(end);
    // A picture of object version 1.0 has no blob type; kind 0 skips its data.
    b.u8(1).u8(1);
    end = b.placeholder();
    b.counted("Picture7").u8(1).u8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.i32(0).counted("").lines({}).lines({}).u16(0xFFFF).u16(0).counted("").i32(2).i32(1);
    b.u8(0);
    std::size_t picture_end = b.placeholder();
    b.raw("ignored").patch(picture_end);
    b.patch(end);
    // A memo of object version 2.0 with its alignment and spacings.
    b.u8(0).u8(1);
    end = b.placeholder();
    b.counted("Memo3").u8(2).u8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.i32(0).counted("").lines({ "a", "b" }).lines({}).u16(0xFFFF).u16(0).counted("").i32(2).i32(1).u8(baWidth);
    MemoFieldsOld(b, true);
    b.i32(4).i32(1);
    b.patch(end);
    b.u8(252);

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
    b.u8(version).u16(0).u16(0).counted("\x01");
    b.u8(255).i32(9).i32(2100).i32(2970).i32(0).i32(0).i32(0).i32(0).u8(0).i32(-1).u16(0).u16(0);
    b.i32(1).i32(0).u8(0).counted("Page1").u8(3).counted("").i32(0).i32(0).i32(0).i32(0).i32(0).u8(0);
    return b;
}

// The common block of the current layout, for hand-built records.
void Common(Bytes& b, std::string_view name)
{
    b.counted(name).u8(2).u8(0);
    Geometry(b, 0, 0, 10, 10, 1, 0, 1);
    b.i32(0).counted("").lines({}).lines({}).u16(0xFFFF).u16(0).counted("").i32(2).i32(1).u8(0);
}

TEST(TemplateLegacy, NewerVersionsAreRefusedAndLeaveTheReportAsItWas)
{
    Bytes b;
    b.u8(26).u16(0).u16(0).counted("\x01");
    EXPECT_EQ(ErrorOf(b).substr(0, 22), "Unsupported FRF format");
    // A version-21 stream whose first flag is set starts with 255: refused too.
    Bytes flagged;
    flagged.u16(0xFFFF).u16(0).zstr("");
    EXPECT_NE(ErrorOf(flagged), "");

    TfrReport report;
    report.AddPage().Name = "Kept";
    report.Dictionary.Variables = { { "v", "1" } };
    std::string shown, caption;
    report.OnLoadError = [&](const std::string& text, const std::string& title) {
        shown = text;
        caption = title;
    };
    EXPECT_FALSE(report.LoadTemplateFromStream(b.data()));
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
    b.u8(7).u8(0);
    std::size_t end = b.placeholder();
    b.raw("whatever this was").patch(end);
    b.u8(4).u8(0);
    end = b.placeholder();
    Common(b, "Line1");
    b.patch(end);
    b.u8(252);
    auto report = Read(b);
    ASSERT_EQ(report->Pages[0]->PageObjects.size(), 1u);
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->Name, "Line1");

    // Without end offsets the rest of the stream cannot be found.
    Bytes old;
    old.u8(23).u16(0).u16(0).counted("");
    old.u8(255).i32(9).i32(2100).i32(2970).i32(0).i32(0).i32(0).i32(0).u8(0).u16(0).u16(0).i32(1).i32(0);
    old.u8(6).u8(0).raw("junk");
    EXPECT_NE(ErrorOf(old).find("unknown object kind 6"), std::string::npos);
}

TEST(TemplateLegacy, TheFramedMemoReadsAsAPlainMemoAndSkipsItsFrameBytes)
{
    Bytes b;
    b.u8(23).u16(0).u16(0).counted("");
    b.u8(255).i32(9).i32(2100).i32(2970).i32(0).i32(0).i32(0).i32(0).u8(0).u16(0).u16(0).i32(1).i32(0);
    b.u8(10).counted("TfrFramedMemoView").u8(0).counted("Framed");
    Geometry(b, 0, 0, 10, 10, 3, 0, 1);
    b.i32(0).counted("").lines({ "x" }).lines({}).u16(0xFFFF);
    MemoFieldsOld(b, true);
    b.raw("FRAME8BY");
    b.u8(0).u8(0).counted("After");
    Geometry(b, 0, 0, 10, 10, 3, 0, 1);
    b.i32(0).counted("").lines({}).lines({}).u16(0xFFFF);
    MemoFieldsOld(b, true);
    b.u8(252);
    auto report = Read(b);
    ASSERT_EQ(report->Pages[0]->PageObjects.size(), 2u);
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->ClassName(), "TfrMemoView");
    EXPECT_EQ(report->Pages[0]->PageObjects[0]->Memo, std::vector<std::string> { "x" });
    EXPECT_EQ(report->Pages[0]->PageObjects[1]->Name, "After");
}

Bytes RichTemplate(std::string_view class_name)
{
    Bytes b = Header(25);
    b.u8(10).counted(class_name).u8(0);
    std::size_t end = b.placeholder();
    Common(b, "Rich1");
    b.u8(1);
    std::size_t text_end = b.placeholder();
    b.raw("{\\rtf1 hello}").patch(text_end);
    b.patch(end);
    b.u8(252);
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
    ReadTemplate(RichTemplate("TfrRichView").data(), *report, add_ins, {});
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
    b.u8(253);
    auto report = Read(b);
    EXPECT_EQ(report->Pages.size(), 1u);
}

Bytes DictionaryTemplate(int marker, const std::vector<DictionaryEntry>& variables,
                         const std::vector<DictionaryEntry>& aliases, const std::vector<DictionaryEntry>& sources)
{
    Bytes b = Header(25);
    b.u8(254).u16(marker & 0xFFFF);
    for (const auto* list : { &variables, &aliases, &sources }) {
        b.i32(static_cast<std::int64_t>(list->size()));
        for (const auto& entry : *list)
            b.counted(entry.Name).counted(entry.Value);
    }
    b.u8(252);
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
    ReadTemplate(bytes.data(), *report, add_ins, [](std::string_view name) { return name == "frDBDataSet1"; });
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
    b.u8(22).u16(0).u16(0).zstr("");
    b.u8(254).i32(4);
    auto short_string = [&b](std::string_view utf8) {
        std::string gbk = text::Utf8ToGbk(utf8);
        b.u8(static_cast<int>(gbk.size())).raw(gbk);
    };
    b.u8(1).i32(0);
    short_string("frDBDataSet1");
    short_string("标题");
    short_string("Title");
    b.u8(2).i32(2);
    short_string("");
    short_string("");
    short_string("Today");
    b.u8(2).i32(1);
    short_string("");
    short_string("Field");
    short_string("Itself");
    b.u8(0).i32(0);
    short_string("");
    short_string("");
    short_string("Nothing");
    b.raw(text::Utf8ToGbk("笔记\r Title\r Today\r Itself\r Nothing\r")).u8(0);
    b.u8(252);
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
