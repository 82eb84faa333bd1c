#include "report/template/PageStream.h"

namespace report {
namespace {

// The writer's marker in place of the paper size: the size follows and the
// page carries a script.
constexpr std::int32_t kScriptMarker = -1;
// How the default bin is written; readers take it and -1 alike.
constexpr std::int32_t kWrittenDefaultBin = 65535;

std::int32_t ReadPaperBin(io::ByteReader& in)
{
    std::int32_t bin = in.I32();
    return bin == kWrittenDefaultBin ? kDefaultBin : bin;
}

// Border styles of older dialog pages were stored as 0 and 1.
std::uint8_t ReadBorderStyle(io::ByteReader& in)
{
    std::uint8_t style = in.U8();
    if (style == 0)
        return bsDialog;
    if (style == 1)
        return bsSizeable;
    return style;
}

} // namespace

void ReadPage(TemplateReader& reader, TfrPage& page)
{
    io::ByteReader& in = reader.Bytes();
    int version = reader.Version();
    std::int32_t first = in.I32();
    bool has_script = first == kScriptMarker;
    page.PaperSize = has_script ? in.I32() : first;
    page.PaperWidth = in.I32();
    page.PaperHeight = in.I32();
    page.LeftMargin = in.I32();
    page.TopMargin = in.I32();
    page.RightMargin = in.I32();
    page.BottomMargin = in.I32();
    page.Orientation = in.U8();
    if (version < 23)
        in.Skip(6);
    page.PaperBin = version > 23 ? ReadPaperBin(in) : kDefaultBin;
    page.PrintToPrevPage = reader.WordBool();
    page.MarginsUsed = reader.WordBool();
    page.Columns = in.I32();
    page.ColumnGap = in.I32();
    if (version > 23) {
        page.Type = in.U8();
        page.Name = reader.String();
        page.BorderStyle = ReadBorderStyle(in);
        page.Caption = reader.String();
        page.Color = in.I32();
        page.Left = in.I32();
        page.Top = in.I32();
        page.Width = in.I32();
        page.Height = in.I32();
        page.Position = in.U8() != 0 ? poScreenCenter : poDesigned;
        if (has_script)
            page.Script = reader.Lines();
    } else {
        page.Name = reader.PageNames().Free("Page");
    }
    reader.PageNames().Use(page.Name);
}

void WritePage(TemplateWriter& writer, const TfrPage& page)
{
    io::ByteWriter& out = writer.Bytes();
    out.I32(kScriptMarker);
    out.I32(page.PaperSize);
    out.I32(page.PaperWidth);
    out.I32(page.PaperHeight);
    out.I32(page.LeftMargin);
    out.I32(page.TopMargin);
    out.I32(page.RightMargin);
    out.I32(page.BottomMargin);
    out.U8(page.Orientation);
    out.I32(page.PaperBin == kDefaultBin ? kWrittenDefaultBin : page.PaperBin);
    writer.WordBool(page.PrintToPrevPage);
    writer.WordBool(page.MarginsUsed);
    out.I32(page.Columns);
    out.I32(page.ColumnGap);
    out.U8(page.Type);
    writer.String(page.Name);
    out.U8(page.BorderStyle);
    writer.String(page.Caption);
    out.I32(page.Color);
    out.I32(page.Left);
    out.I32(page.Top);
    out.I32(page.Width);
    out.I32(page.Height);
    out.U8(page.Position);
    writer.Lines(page.Script);
}

} // namespace report
