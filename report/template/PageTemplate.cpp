#include "report/template/PageTemplate.h"

#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/template/TemplateFormat.h"

namespace report {
namespace {

// 2026-01-01 00:00 as days since 1899-12-30.
constexpr double kTemplateDate = 46023.0;

// Report units: 3.6 per millimetre. A4 is 756 wide; 10 mm margins leave 684.
constexpr std::int32_t kMargin = 36;
constexpr std::int32_t kTextWidth = 684;

const char* const kFontName = "宋体";

TfrBandView& AddBand(TfrReport& report, TfrPage& page, BandType type, std::int32_t top, std::int32_t height)
{
    auto band = std::make_unique<TfrBandView>();
    band->Name = report.FreeObjectName(band->NamePrefix());
    band->SetBandType(type);
    band->Top = top;
    band->Width = kTextWidth;
    band->Height = height;
    return page.Add(std::move(band));
}

TfrMemoView& AddMemo(TfrReport& report, TfrPage& page, const char* text, std::int32_t left, std::int32_t top,
                     std::int32_t width, std::int32_t height)
{
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = report.FreeObjectName(memo->NamePrefix());
    memo->Left = left;
    memo->Top = top;
    memo->Width = width;
    memo->Height = height;
    memo->Memo = { text };
    memo->Font.Name = kFontName;
    return page.Add(std::move(memo));
}

void AddPageHeader(TfrReport& report, TfrPage& page)
{
    AddBand(report, page, BandType::PageHeader, 20, 60);
    auto& title = AddMemo(report, page, "笔记", 0, 24, kTextWidth, 30);
    title.Font.Size = 16;
    title.Font.Style = fsBold;
    title.Alignment = frtaCenter | frtaMiddle;
    auto& date = AddMemo(report, page, "打印日期：[DATE #Dyyyy-mm-dd]", 0, 58, kTextWidth, 18);
    date.Alignment = frtaRight;
}

// Each note is two bands: the master data band with the title, which grows
// with a title of several lines, and its child band with category, date,
// body and the separator, which follows wherever the title ends, grows with
// the body, splits over pages, and keeps the separator at its bottom.
void AddMasterData(TfrReport& report, TfrPage& page)
{
    auto& band = AddBand(report, page, BandType::MasterData, 100, 30);
    band.FormatText = "frDBDataSet1";
    band.Flags = band_flags::Stretched;
    // A title never stays alone at the bottom of a page: when the space left
    // cannot hold the title and the first line of its category, date and
    // body, the note starts on the next page. The title's height is
    // estimated on the safe side: 30 characters a line (36 of the widest
    // fit), 21 units a line, and the 60 units the band's fixed part and the
    // first line below it need.
    band.Script = { "if FREESPACE < (INT(LENGTH(frDBDataSet1.\"标题\") / 30) + 1) * 21 + 60 then NEWPAGE" };
    auto& title = AddMemo(report, page, "[frDBDataSet1.\"标题\"]", 0, 102, kTextWidth, 24);
    title.Font.Size = 14;
    title.Font.Style = fsBold;
    title.Flags = memo_flags::Stretched | memo_flags::WordWrap;

    auto& details = AddBand(report, page, BandType::Child, 140, 80);
    details.Flags = band_flags::Stretched | band_flags::Breaked;
    band.ChildBand = details.Name;
    AddMemo(report, page, "类别：[frDBDataSet1.\"类别\"]", 0, 142, kTextWidth / 2 - 2, 18);
    AddMemo(report, page, "日期：[frDBDataSet1.\"日期\" #Dyyyy-mm-dd]", kTextWidth / 2 + 2, 142, kTextWidth / 2 - 2, 18);
    auto& body = AddMemo(report, page, "[frDBDataSet1.\"内容\"]", 0, 164, kTextWidth, 36);
    body.Flags = memo_flags::Stretched | memo_flags::WordWrap;
    auto line = std::make_unique<TfrLineView>();
    line->Name = report.FreeObjectName(line->NamePrefix());
    line->Top = 212;
    line->Width = kTextWidth;
    line->Height = 0;
    line->FrameTyp = frftTop;
    line->BandAlign = baBottom;
    page.Add(std::move(line));
}

void AddPageFooter(TfrReport& report, TfrPage& page)
{
    AddBand(report, page, BandType::PageFooter, 260, 30);
    auto& number = AddMemo(report, page, "第 [PAGE#] 页，共 [TOTALPAGES] 页", 0, 266, kTextWidth, 18);
    number.Alignment = frtaCenter;
}

} // namespace

std::unique_ptr<TfrReport> MakePageTemplate()
{
    auto report = std::make_unique<TfrReport>();
    // The page count in the footer needs a first pass.
    report->TwoPass = true;
    auto& page = report->AddPage();
    page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = kMargin;
    AddPageHeader(*report, page);
    AddMasterData(*report, page);
    AddPageFooter(*report, page);
    report->Info.Name = "笔记";
    report->Info.CreationDate = report->Info.LastChange = { kTemplateDate };
    return report;
}

std::vector<std::uint8_t> PageTemplateBytes()
{
    io::ByteWriter stream;
    WriteTemplate(*MakePageTemplate(), stream);
    return stream.Take();
}

} // namespace report
