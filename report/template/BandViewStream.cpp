// The fields of a band record after the common block.
#include "report/objects/TfrBandView.h"
#include "report/template/TemplateStream.h"

namespace report {

void TfrBandView::LoadFromStream(TemplateReader& reader)
{
    TfrView::LoadFromStream(reader);
    if (reader.Version() <= 23)
        return;
    io::ByteReader& in = reader.Bytes();
    ChildBand = reader.String();
    Columns = in.I32();
    ColumnWidth = in.I32();
    ColumnGap = in.I32();
    NewColumnAfter = in.I32();
    if (ObjectVersionHi * 10 + ObjectVersionLo > 20)
        Master = reader.String();
}

void TfrBandView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    io::ByteWriter& out = writer.Bytes();
    writer.String(ChildBand);
    out.I32(Columns);
    out.I32(ColumnWidth);
    out.I32(ColumnGap);
    out.I32(NewColumnAfter);
    writer.String(Master);
}

} // namespace report
