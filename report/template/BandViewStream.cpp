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
    Columns = in.i32();
    ColumnWidth = in.i32();
    ColumnGap = in.i32();
    NewColumnAfter = in.i32();
    if (ObjectVersionHi * 10 + ObjectVersionLo > 20)
        Master = reader.String();
}

void TfrBandView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    io::ByteWriter& out = writer.Bytes();
    writer.String(ChildBand);
    out.i32(Columns);
    out.i32(ColumnWidth);
    out.i32(ColumnGap);
    out.i32(NewColumnAfter);
    writer.String(Master);
}

} // namespace report
