// The field of a sub-report record after the common block.
#include "report/objects/TfrSubReportView.h"
#include "report/template/TemplateStream.h"

namespace report {

void TfrSubReportView::LoadFromStream(TemplateReader& reader)
{
    TfrView::LoadFromStream(reader);
    SubPage = reader.Bytes().I32();
}

void TfrSubReportView::SaveToStream(TemplateWriter& writer) const
{
    TfrView::SaveToStream(writer);
    writer.Bytes().I32(SubPage);
}

} // namespace report
