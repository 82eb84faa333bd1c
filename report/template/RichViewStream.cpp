// The fields of a rich-text record after the common block: the RTF text,
// bounded by an end offset.
#include "report/objects/TfrRichView.h"
#include "report/template/TemplateStream.h"

namespace report {

void TfrRichView::LoadFromStream(TemplateReader& reader)
{
    TfrView::LoadFromStream(reader);
    io::ByteReader& in = reader.Bytes();
    bool has_text = in.U8() != 0;
    std::size_t end = reader.EndOffset();
    RichText = has_text ? in.String(end - in.Position()) : std::string {};
    in.Seek(end);
}

void TfrRichView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    io::ByteWriter& out = writer.Bytes();
    out.U8(RichText.empty() ? 0 : 1);
    std::size_t end = writer.BeginEndOffset();
    out.String(RichText);
    writer.PatchEndOffset(end);
}

} // namespace report
