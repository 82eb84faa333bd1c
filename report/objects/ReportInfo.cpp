#include "report/objects/ReportInfo.h"

#include <chrono>
#include <ctime>

namespace report {

TDateTime CurrentDateTime()
{
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&seconds, &local);
    double local_seconds = duration<double>(now.time_since_epoch()).count() + static_cast<double>(local.tm_gmtoff);
    // 1970-01-01 is day 25569 of the report calendar.
    return { local_seconds / 86400.0 + 25569.0 };
}

ReportInfo ReportInfo::Defaults()
{
    ReportInfo info;
    info.CreationDate = info.LastChange = CurrentDateTime();
    return info;
}

} // namespace report
