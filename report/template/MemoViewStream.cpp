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
    Font.Size = in.I32();
    Font.Style = in.U16();
    Font.Color = in.I32();
    Alignment = in.I32();
    std::uint16_t charset = in.U16();
    Font.Charset = version < 23 ? kDefaultCharset : static_cast<std::uint8_t>(charset);
    if (!PrintMode) {
        HighlightAttr.FontStyle = in.U16();
        HighlightAttr.FontColor = in.I32();
        HighlightAttr.FillColor = in.I32();
        HighlightCondition = reader.String();
    }
    if (version >= 24) {
        LineSpacing = in.I32();
        CharSpacing = in.I32();
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
    out.I32(Font.Size);
    out.U16(Font.Style);
    out.I32(Font.Color);
    out.I32(Alignment);
    out.U16(Font.Charset);
    if (!PrintMode) {
        out.U16(HighlightAttr.FontStyle);
        out.I32(HighlightAttr.FontColor);
        out.I32(HighlightAttr.FillColor);
        writer.String(HighlightCondition);
    }
    out.I32(LineSpacing);
    out.I32(CharSpacing);
}

} // namespace report
