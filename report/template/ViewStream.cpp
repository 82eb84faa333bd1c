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
        ObjectVersionHi = in.U8();
        ObjectVersionLo = in.U8();
    }
    Left = in.I32();
    Top = in.I32();
    Width = in.I32();
    Height = in.I32();
    Flags = in.U16();
    FrameTyp = in.U16();
    FrameWidth = reader.FrameWidth();
    FrameColor = in.I32();
    FrameStyle = in.U16();
    FillColor = in.I32();
    if (!PrintMode) {
        FormatCode = in.I32();
        FormatText = reader.String();
    }
    Memo = reader.Lines();
    if (version >= 23 && !PrintMode) {
        Script = reader.Lines();
        Visible = reader.WordBool();
    }
    if (version >= 24) {
        Restrictions = in.U16();
        Tag = reader.String();
        GapX = in.I32();
        GapY = in.I32();
    }
    if (ObjectVersionHi > 1)
        BandAlign = in.U8();
}

void TfrView::SaveToStream(TemplateWriter& writer) const
{
    io::ByteWriter& out = writer.Bytes();
    writer.String(Name);
    out.U8(kWrittenObjectVersionHi);
    out.U8(Kind() == ObjectKind::Band ? 1 : ObjectVersionLo);
    out.I32(Left);
    out.I32(Top);
    out.I32(Width);
    out.I32(Height);
    out.U16(Flags);
    out.U16(FrameTyp);
    writer.FrameWidth(FrameWidth);
    out.I32(FrameColor);
    out.U16(FrameStyle);
    out.I32(FillColor);
    if (!PrintMode) {
        out.I32(FormatCode);
        writer.String(FormatText);
    }
    writer.Lines(PrintMode ? PrintMemo : Memo);
    if (!PrintMode) {
        writer.Lines(Script);
        writer.WordBool(Visible);
    }
    out.U16(Restrictions);
    writer.String(Tag);
    out.I32(GapX);
    out.I32(GapY);
    out.U8(BandAlign);
}

} // namespace report
