// The fields of a memo record after the common block.
#include "report/objects/TfrMemoView.h"
#include "report/template/TemplateStream.h"

namespace report {

void TfrMemoView::LoadFromStream(TemplateReader& reader)
{
    TfrView::LoadFromStream(reader);
    io::ByteReader& in = reader.Bytes();
    int version = reader.Version();
    Font.Name = reader.String();
    Font.Size = in.i32();
    Font.Style = in.u16();
    Font.Color = in.i32();
    Alignment = in.i32();
    std::uint16_t charset = in.u16();
    Font.Charset = version < 23 ? kDefaultCharset : static_cast<std::uint8_t>(charset);
    if (!PrintMode) {
        HighlightAttr.FontStyle = in.u16();
        HighlightAttr.FontColor = in.i32();
        HighlightAttr.FillColor = in.i32();
        HighlightCondition = reader.String();
    }
    if (version >= 24) {
        LineSpacing = in.i32();
        CharSpacing = in.i32();
    }
    // The oldest layout had no word-wrap flag; its memos always wrapped.
    if (version == 21)
        Flags |= memo_flags::WordWrap;
}

void TfrMemoView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    io::ByteWriter& out = writer.Bytes();
    writer.String(Font.Name);
    out.i32(Font.Size);
    out.u16(Font.Style);
    out.i32(Font.Color);
    out.i32(Alignment);
    out.u16(Font.Charset);
    if (!PrintMode) {
        out.u16(HighlightAttr.FontStyle);
        out.i32(HighlightAttr.FontColor);
        out.i32(HighlightAttr.FillColor);
        writer.String(HighlightCondition);
    }
    out.i32(LineSpacing);
    out.i32(CharSpacing);
}

} // namespace report
