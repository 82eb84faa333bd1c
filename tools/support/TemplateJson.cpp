#include "tools/support/TemplateJson.h"

#include "report/objects/TfrBandView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrRichView.h"
#include "report/objects/TfrSubReportView.h"

#include "platform/text/Gbk.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"
#include "tools/support/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace report {
namespace {

using tools::JsonWriter;

std::string Hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

// A report date as "YYYY-MM-DD hh:mm:ss"; empty for one without a calendar date.
std::string DateText(report::TDateTime date)
{
    return dt::HasCalendarDate(date) ? dt::DateTimeToIsoText(date) : std::string();
}

void WriteCommon(JsonWriter& json, const TfrView& view)
{
    json.Key("class").String(view.ClassName());
    json.Key("ObjectKind").Integer(static_cast<int>(view.Kind()));
    json.Key("Name").String(view.Name);
    json.Key("ObjectVersionHi").Integer(view.ObjectVersionHi);
    json.Key("ObjectVersionLo").Integer(view.ObjectVersionLo);
    json.Key("Left").Integer(view.Left);
    json.Key("Top").Integer(view.Top);
    json.Key("Width").Integer(view.Width);
    json.Key("Height").Integer(view.Height);
    json.Key("Flags").Integer(view.Flags);
    json.Key("FrameTyp").Integer(view.FrameTyp);
    json.Key("FrameWidth").Number(view.FrameWidth);
    json.Key("FrameColor").Integer(view.FrameColor);
    json.Key("FrameStyle").Integer(view.FrameStyle);
    json.Key("FillColor").Integer(view.FillColor);
    json.Key("FormatCode").Integer(view.FormatCode);
    json.Key("FormatText").String(view.FormatText);
    json.Key("Memo").Lines(view.Memo);
    json.Key("Script").Lines(view.Script);
    json.Key("Visible").Bool(view.Visible);
    json.Key("Restrictions").Integer(view.Restrictions);
    json.Key("Tag").String(view.Tag);
    json.Key("GapX").Integer(view.GapX);
    json.Key("GapY").Integer(view.GapY);
    json.Key("BandAlign").Integer(view.BandAlign);
}

void WriteKindFields(JsonWriter& json, const TfrView& view)
{
    if (auto* memo = dynamic_cast<const TfrMemoView*>(&view)) {
        json.Key("Font").BeginObject();
        json.Key("Name").String(memo->Font.Name);
        json.Key("Size").Integer(memo->Font.Size);
        json.Key("Style").Integer(memo->Font.Style);
        json.Key("Color").Integer(memo->Font.Color);
        json.Key("Charset").Integer(memo->Font.Charset);
        json.EndObject();
        json.Key("Alignment").Integer(memo->Alignment);
        json.Key("HighlightAttr").BeginObject();
        json.Key("FontStyle").Integer(memo->HighlightAttr.FontStyle);
        json.Key("FontColor").Integer(memo->HighlightAttr.FontColor);
        json.Key("FillColor").Integer(memo->HighlightAttr.FillColor);
        json.EndObject();
        json.Key("HighlightCondition").String(memo->HighlightCondition);
        json.Key("LineSpacing").Integer(memo->LineSpacing);
        json.Key("CharSpacing").Integer(memo->CharSpacing);
    } else if (auto* band = dynamic_cast<const TfrBandView*>(&view)) {
        json.Key("BandType").String(BandTypeName(band->BandTypeCode()));
        json.Key("ChildBand").String(band->ChildBand);
        json.Key("Columns").Integer(band->Columns);
        json.Key("ColumnWidth").Integer(band->ColumnWidth);
        json.Key("ColumnGap").Integer(band->ColumnGap);
        json.Key("NewColumnAfter").Integer(band->NewColumnAfter);
        json.Key("Master").String(band->Master);
    } else if (auto* sub_report = dynamic_cast<const TfrSubReportView*>(&view)) {
        json.Key("SubPage").Integer(sub_report->SubPage);
    } else if (auto* picture = dynamic_cast<const TfrPictureView*>(&view)) {
        json.Key("GraphicKind").Integer(static_cast<int>(picture->Graphic));
        json.Key("BlobType").Integer(picture->BlobType);
        json.Key("PictureSize").Integer(static_cast<long long>(picture->PictureData.size()));
        json.Key("PictureHex").String(Hex(picture->PictureData));
    } else if (auto* rich = dynamic_cast<const TfrRichView*>(&view)) {
        json.Key("RichText").String(text::GbkToUtf8(rich->RichText));
    }
}

void WritePage(JsonWriter& json, const TfrPage& page, std::size_t index)
{
    json.BeginObject();
    json.Key("index").Integer(static_cast<long long>(index));
    json.Key("Name").String(page.Name);
    json.Key("Type").Integer(page.Type);
    json.Key("PaperSize").Integer(page.PaperSize);
    json.Key("PaperWidth").Integer(page.PaperWidth);
    json.Key("PaperHeight").Integer(page.PaperHeight);
    json.Key("LeftMargin").Integer(page.LeftMargin);
    json.Key("TopMargin").Integer(page.TopMargin);
    json.Key("RightMargin").Integer(page.RightMargin);
    json.Key("BottomMargin").Integer(page.BottomMargin);
    json.Key("Orientation").Integer(page.Orientation);
    json.Key("PaperBin").Integer(page.PaperBin);
    json.Key("PrintToPrevPage").Bool(page.PrintToPrevPage);
    json.Key("MarginsUsed").Bool(page.MarginsUsed);
    json.Key("Columns").Integer(page.Columns);
    json.Key("ColumnGap").Integer(page.ColumnGap);
    json.Key("BorderStyle").Integer(page.BorderStyle);
    json.Key("Caption").String(page.Caption);
    json.Key("Color").Integer(page.Color);
    json.Key("Left").Integer(page.Left);
    json.Key("Top").Integer(page.Top);
    json.Key("Width").Integer(page.Width);
    json.Key("Height").Integer(page.Height);
    json.Key("Position").Integer(page.Position);
    json.Key("Script").Lines(page.Script);
    json.Key("objects").BeginArray();
    for (const auto& view : page.PageObjects) {
        json.BeginObject();
        WriteCommon(json, *view);
        WriteKindFields(json, *view);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteEntries(JsonWriter& json, std::string_view key, const std::vector<DictionaryEntry>& entries)
{
    json.Key(key).BeginArray();
    for (const auto& entry : entries) {
        json.BeginObject();
        json.Key("name").String(entry.Name);
        json.Key("value").String(entry.Value);
        json.EndObject();
    }
    json.EndArray();
}

void WriteInfo(JsonWriter& json, const ReportInfo& info)
{
    json.Key("info").BeginObject();
    json.Key("Comment").String(info.Comment);
    json.Key("Name").String(info.Name);
    json.Key("Author").String(info.Author);
    json.Key("VersionMajor").String(info.VersionMajor);
    json.Key("VersionMinor").String(info.VersionMinor);
    json.Key("VersionRelease").String(info.VersionRelease);
    json.Key("VersionBuild").String(info.VersionBuild);
    json.Key("PasswordProtected").Bool(info.PasswordProtected);
    json.Key("HasPassword").Bool(!info.Password.empty());
    json.Key("Constant").Integer(info.Constant);
    json.Key("CreationDate").Number(info.CreationDate.value);
    json.Key("CreationDateText").String(DateText(info.CreationDate));
    json.Key("LastChange").Number(info.LastChange.value);
    json.Key("LastChangeText").String(DateText(info.LastChange));
    json.EndObject();
}

} // namespace

std::string TemplateToJson(const TfrReport& report, int format_version)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("version").Integer(format_version);
    json.Key("IgnoreStoredPrinter").Bool(report.IgnoreStoredPrinter);
    json.Key("TwoPass").Bool(report.TwoPass);
    json.Key("PrinterName").String(report.PrinterName == kVirtualPrinterName ? "Virtual printer" : report.PrinterName);
    json.Key("pages").BeginArray();
    for (std::size_t i = 0; i < report.Pages.size(); ++i)
        WritePage(json, *report.Pages[i], i);
    json.EndArray();
    json.Key("dictionary").BeginObject();
    WriteEntries(json, "Variables", report.Dictionary.Variables);
    WriteEntries(json, "FieldAliases", report.Dictionary.FieldAliases);
    WriteEntries(json, "BandDataSources", report.Dictionary.BandDataSources);
    json.EndObject();
    WriteInfo(json, report.Info);
    json.EndObject();
    return json.Text();
}

std::string TemplateErrorToJson(const std::string& file_name, const std::string& error)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("file").String(file_name);
    json.Key("error").String(error);
    json.EndObject();
    return json.Text();
}

} // namespace report
