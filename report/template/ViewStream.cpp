// The common block every object record starts with, in stream order.
#include "report/objects/TfrView.h"
#include "report/template/TemplateStream.h"

namespace report {
namespace {

constexpr std::uint8_t kWrittenObjectVersionHi = 2;

} // namespace

void TfrView::LoadFromStream(TemplateReader& reader)
{
    io::ByteReader& in = reader.Bytes();
    int version = reader.Version();
    if (version > 23 || (version == 23 && !PrintMode))
        Name = reader.String();
    else
        Name = reader.ObjectNames().Free(NamePrefix());
    reader.ObjectNames().Use(Name);
    if (version > 23) {
        ObjectVersionHi = in.u8();
        ObjectVersionLo = in.u8();
    }
    Left = in.i32();
    Top = in.i32();
    Width = in.i32();
    Height = in.i32();
    Flags = in.u16();
    FrameTyp = in.u16();
    FrameWidth = reader.FrameWidth();
    FrameColor = in.i32();
    FrameStyle = in.u16();
    FillColor = in.i32();
    if (!PrintMode) {
        FormatCode = in.i32();
        FormatText = reader.String();
    }
    Memo = reader.Lines();
    if (version >= 23 && !PrintMode) {
        Script = reader.Lines();
        Visible = reader.WordBool();
    }
    if (version >= 24) {
        Restrictions = in.u16();
        Tag = reader.String();
        GapX = in.i32();
        GapY = in.i32();
    }
    if (ObjectVersionHi > 1)
        BandAlign = in.u8();
}

void TfrView::SaveToStream(TemplateWriter& writer) const
{
    io::ByteWriter& out = writer.Bytes();
    writer.String(Name);
    out.u8(kWrittenObjectVersionHi);
    out.u8(Kind() == ObjectKind::Band ? 1 : ObjectVersionLo);
    out.i32(Left);
    out.i32(Top);
    out.i32(Width);
    out.i32(Height);
    out.u16(Flags);
    out.u16(FrameTyp);
    writer.FrameWidth(FrameWidth);
    out.i32(FrameColor);
    out.u16(FrameStyle);
    out.i32(FillColor);
    if (!PrintMode) {
        out.i32(FormatCode);
        writer.String(FormatText);
    }
    writer.Lines(PrintMode ? PrintMemo : Memo);
    if (!PrintMode) {
        writer.Lines(Script);
        writer.WordBool(Visible);
    }
    out.u16(Restrictions);
    writer.String(Tag);
    out.i32(GapX);
    out.i32(GapY);
    out.u8(BandAlign);
}

} // namespace report
