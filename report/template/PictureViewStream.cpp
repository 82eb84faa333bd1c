// The fields of a picture record after the common block: the graphic in its
// own file layout, bounded by an end offset.
#include "report/objects/TfrPictureView.h"
#include "report/template/TemplateStream.h"

namespace report {

void TfrPictureView::LoadFromStream(TemplateReader& reader)
{
    TfrView::LoadFromStream(reader);
    io::ByteReader& in = reader.Bytes();
    std::uint8_t kind = in.U8();
    if (kind > static_cast<std::uint8_t>(GraphicKind::Jpeg))
        throw io::FormatError("unknown picture kind " + std::to_string(kind) + " at offset "
                              + std::to_string(in.Position() - 1));
    if (ObjectVersionHi * 10 + ObjectVersionLo > 10)
        BlobType = in.U8();
    std::size_t end = reader.EndOffset();
    Graphic = static_cast<GraphicKind>(kind);
    auto data = in.Bytes(end - in.Position());
    PictureData.assign(data.begin(), data.end());
    if (Graphic == GraphicKind::None)
        PictureData.clear();
}

void TfrPictureView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    io::ByteWriter& out = writer.Bytes();
    out.U8(static_cast<std::uint8_t>(Graphic));
    out.U8(BlobType);
    std::size_t end = writer.BeginEndOffset();
    if (Graphic != GraphicKind::None)
        out.Bytes(PictureData);
    writer.PatchEndOffset(end);
}

} // namespace report
