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
    std::int32_t bin = in.i32();
    return bin == kWrittenDefaultBin ? kDefaultBin : bin;
}

// Border styles of older dialog pages were stored as 0 and 1.
std::uint8_t ReadBorderStyle(io::ByteReader& in)
{
    std::uint8_t style = in.u8();
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
    std::int32_t first = in.i32();
    bool has_script = first == kScriptMarker;
    page.PaperSize = has_script ? in.i32() : first;
    page.PaperWidth = in.i32();
    page.PaperHeight = in.i32();
    page.LeftMargin = in.i32();
    page.TopMargin = in.i32();
    page.RightMargin = in.i32();
    page.BottomMargin = in.i32();
    page.Orientation = in.u8();
    if (version < 23)
        in.skip(6);
    page.PaperBin = version > 23 ? ReadPaperBin(in) : kDefaultBin;
    page.PrintToPrevPage = reader.WordBool();
    page.MarginsUsed = reader.WordBool();
    page.Columns = in.i32();
    page.ColumnGap = in.i32();
    if (version > 23) {
        page.Type = in.u8();
        page.Name = reader.String();
        page.BorderStyle = ReadBorderStyle(in);
        page.Caption = reader.String();
        page.Color = in.i32();
        page.Left = in.i32();
        page.Top = in.i32();
        page.Width = in.i32();
        page.Height = in.i32();
        page.Position = in.u8() != 0 ? poScreenCenter : poDesigned;
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
    out.i32(kScriptMarker);
    out.i32(page.PaperSize);
    out.i32(page.PaperWidth);
    out.i32(page.PaperHeight);
    out.i32(page.LeftMargin);
    out.i32(page.TopMargin);
    out.i32(page.RightMargin);
    out.i32(page.BottomMargin);
    out.u8(page.Orientation);
    out.i32(page.PaperBin == kDefaultBin ? kWrittenDefaultBin : page.PaperBin);
    writer.WordBool(page.PrintToPrevPage);
    writer.WordBool(page.MarginsUsed);
    out.i32(page.Columns);
    out.i32(page.ColumnGap);
    out.u8(page.Type);
    writer.String(page.Name);
    out.u8(page.BorderStyle);
    writer.String(page.Caption);
    out.i32(page.Color);
    out.i32(page.Left);
    out.i32(page.Top);
    out.i32(page.Width);
    out.i32(page.Height);
    out.u8(page.Position);
    writer.Lines(page.Script);
}

} // namespace report
