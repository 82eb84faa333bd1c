#include "report/objects/ReportInfo.h"

#include "platform/time/Calendar.h"

namespace report {

ReportInfo ReportInfo::Defaults()
{
    ReportInfo info;
    info.CreationDate = info.LastChange = dt::Now();
    return info;
}

} // namespace report
