#include "report/template/TemplateJson.h"

#include "report/objects/TfrBandView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrRichView.h"
#include "report/objects/TfrSubReportView.h"

#include "platform/text/Gbk.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace report {
namespace {

// A small writer of indented JSON: objects and arrays are opened and closed,
// and members are added with their key.
class JsonWriter {
public:
    std::string Take() { return std::move(m_out) + "\n"; }

    void BeginObject(std::string_view key = {}) { Open(key, '{'); }
    void EndObject() { Close('}'); }
    void BeginArray(std::string_view key = {}) { Open(key, '['); }
    void EndArray() { Close(']'); }

    void String(std::string_view key, std::string_view value)
    {
        Key(key);
        Quoted(value);
    }
    void Number(std::string_view key, double value)
    {
        Key(key);
        if (!std::isfinite(value)) {
            m_out += "null";
            return;
        }
        char buffer[32];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_out.append(buffer, error == std::errc() ? end : buffer);
    }
    void Integer(std::string_view key, long long value)
    {
        Key(key);
        m_out += std::to_string(value);
    }
    void Bool(std::string_view key, bool value)
    {
        Key(key);
        m_out += value ? "true" : "false";
    }
    void Lines(std::string_view key, const std::vector<std::string>& lines)
    {
        BeginArray(key);
        for (const auto& line : lines)
            String({}, line);
        EndArray();
    }

private:
    void Open(std::string_view key, char bracket)
    {
        Key(key);
        m_out += bracket;
        m_first.push_back(true);
    }
    void Close(char bracket)
    {
        bool empty = m_first.back();
        m_first.pop_back();
        if (!empty)
            NewLine();
        m_out += bracket;
    }
    void Key(std::string_view key)
    {
        if (!m_first.empty()) {
            if (!m_first.back())
                m_out += ',';
            m_first.back() = false;
            NewLine();
        }
        if (!key.empty()) {
            Quoted(key);
            m_out += ": ";
        }
    }
    void NewLine()
    {
        m_out += '\n';
        m_out.append(m_first.size() * 2, ' ');
    }
    void Quoted(std::string_view text)
    {
        m_out += '"';
        for (char c : text) {
            auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += c;
            } else if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                m_out += escape;
            } else {
                m_out += c;
            }
        }
        m_out += '"';
    }

    std::string m_out;
    std::vector<bool> m_first;
};

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
std::string DateText(TDateTime date)
{
    return dt::HasCalendarDate(date) ? dt::DateTimeToIsoText(date) : std::string();
}

void WriteCommon(JsonWriter& json, const TfrView& view)
{
    json.String("class", view.ClassName());
    json.Integer("ObjectKind", static_cast<int>(view.Kind()));
    json.String("Name", view.Name);
    json.Integer("ObjectVersionHi", view.ObjectVersionHi);
    json.Integer("ObjectVersionLo", view.ObjectVersionLo);
    json.Integer("Left", view.Left);
    json.Integer("Top", view.Top);
    json.Integer("Width", view.Width);
    json.Integer("Height", view.Height);
    json.Integer("Flags", view.Flags);
    json.Integer("FrameTyp", view.FrameTyp);
    json.Number("FrameWidth", view.FrameWidth);
    json.Integer("FrameColor", view.FrameColor);
    json.Integer("FrameStyle", view.FrameStyle);
    json.Integer("FillColor", view.FillColor);
    json.Integer("FormatCode", view.FormatCode);
    json.String("FormatText", view.FormatText);
    json.Lines("Memo", view.Memo);
    json.Lines("Script", view.Script);
    json.Bool("Visible", view.Visible);
    json.Integer("Restrictions", view.Restrictions);
    json.String("Tag", view.Tag);
    json.Integer("GapX", view.GapX);
    json.Integer("GapY", view.GapY);
    json.Integer("BandAlign", view.BandAlign);
}

void WriteKindFields(JsonWriter& json, const TfrView& view)
{
    if (auto* memo = dynamic_cast<const TfrMemoView*>(&view)) {
        json.BeginObject("Font");
        json.String("Name", memo->Font.Name);
        json.Integer("Size", memo->Font.Size);
        json.Integer("Style", memo->Font.Style);
        json.Integer("Color", memo->Font.Color);
        json.Integer("Charset", memo->Font.Charset);
        json.EndObject();
        json.Integer("Alignment", memo->Alignment);
        json.BeginObject("HighlightAttr");
        json.Integer("FontStyle", memo->HighlightAttr.FontStyle);
        json.Integer("FontColor", memo->HighlightAttr.FontColor);
        json.Integer("FillColor", memo->HighlightAttr.FillColor);
        json.EndObject();
        json.String("HighlightCondition", memo->HighlightCondition);
        json.Integer("LineSpacing", memo->LineSpacing);
        json.Integer("CharSpacing", memo->CharSpacing);
    } else if (auto* band = dynamic_cast<const TfrBandView*>(&view)) {
        json.String("BandType", BandTypeName(band->BandTypeCode()));
        json.String("ChildBand", band->ChildBand);
        json.Integer("Columns", band->Columns);
        json.Integer("ColumnWidth", band->ColumnWidth);
        json.Integer("ColumnGap", band->ColumnGap);
        json.Integer("NewColumnAfter", band->NewColumnAfter);
        json.String("Master", band->Master);
    } else if (auto* sub_report = dynamic_cast<const TfrSubReportView*>(&view)) {
        json.Integer("SubPage", sub_report->SubPage);
    } else if (auto* picture = dynamic_cast<const TfrPictureView*>(&view)) {
        json.Integer("GraphicKind", static_cast<int>(picture->Graphic));
        json.Integer("BlobType", picture->BlobType);
        json.Integer("PictureSize", static_cast<long long>(picture->PictureData.size()));
        json.String("PictureHex", Hex(picture->PictureData));
    } else if (auto* rich = dynamic_cast<const TfrRichView*>(&view)) {
        json.String("RichText", text::GbkToUtf8(rich->RichText));
    }
}

void WritePage(JsonWriter& json, const TfrPage& page, std::size_t index)
{
    json.BeginObject();
    json.Integer("index", static_cast<long long>(index));
    json.String("Name", page.Name);
    json.Integer("Type", page.Type);
    json.Integer("PaperSize", page.PaperSize);
    json.Integer("PaperWidth", page.PaperWidth);
    json.Integer("PaperHeight", page.PaperHeight);
    json.Integer("LeftMargin", page.LeftMargin);
    json.Integer("TopMargin", page.TopMargin);
    json.Integer("RightMargin", page.RightMargin);
    json.Integer("BottomMargin", page.BottomMargin);
    json.Integer("Orientation", page.Orientation);
    json.Integer("PaperBin", page.PaperBin);
    json.Bool("PrintToPrevPage", page.PrintToPrevPage);
    json.Bool("MarginsUsed", page.MarginsUsed);
    json.Integer("Columns", page.Columns);
    json.Integer("ColumnGap", page.ColumnGap);
    json.Integer("BorderStyle", page.BorderStyle);
    json.String("Caption", page.Caption);
    json.Integer("Color", page.Color);
    json.Integer("Left", page.Left);
    json.Integer("Top", page.Top);
    json.Integer("Width", page.Width);
    json.Integer("Height", page.Height);
    json.Integer("Position", page.Position);
    json.Lines("Script", page.Script);
    json.BeginArray("objects");
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
    json.BeginArray(key);
    for (const auto& entry : entries) {
        json.BeginObject();
        json.String("name", entry.Name);
        json.String("value", entry.Value);
        json.EndObject();
    }
    json.EndArray();
}

void WriteInfo(JsonWriter& json, const ReportInfo& info)
{
    json.BeginObject("info");
    json.String("Comment", info.Comment);
    json.String("Name", info.Name);
    json.String("Author", info.Author);
    json.String("VersionMajor", info.VersionMajor);
    json.String("VersionMinor", info.VersionMinor);
    json.String("VersionRelease", info.VersionRelease);
    json.String("VersionBuild", info.VersionBuild);
    json.Bool("PasswordProtected", info.PasswordProtected);
    json.Bool("HasPassword", !info.Password.empty());
    json.Integer("Constant", info.Constant);
    json.Number("CreationDate", info.CreationDate.value);
    json.String("CreationDateText", DateText(info.CreationDate));
    json.Number("LastChange", info.LastChange.value);
    json.String("LastChangeText", DateText(info.LastChange));
    json.EndObject();
}

} // namespace

std::string TemplateToJson(const TfrReport& report, int format_version)
{
    JsonWriter json;
    json.BeginObject();
    json.Integer("version", format_version);
    json.Bool("IgnoreStoredPrinter", report.IgnoreStoredPrinter);
    json.Bool("TwoPass", report.TwoPass);
    json.String("PrinterName", report.PrinterName == kVirtualPrinterName ? "Virtual printer" : report.PrinterName);
    json.BeginArray("pages");
    for (std::size_t i = 0; i < report.Pages.size(); ++i)
        WritePage(json, *report.Pages[i], i);
    json.EndArray();
    json.BeginObject("dictionary");
    WriteEntries(json, "Variables", report.Dictionary.Variables);
    WriteEntries(json, "FieldAliases", report.Dictionary.FieldAliases);
    WriteEntries(json, "BandDataSources", report.Dictionary.BandDataSources);
    json.EndObject();
    WriteInfo(json, report.Info);
    json.EndObject();
    return json.Take();
}

std::string TemplateErrorToJson(const std::string& file_name, const std::string& error)
{
    JsonWriter json;
    json.BeginObject();
    json.String("file", file_name);
    json.String("error", error);
    json.EndObject();
    return json.Take();
}

} // namespace report
