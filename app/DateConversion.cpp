#include "app/DateConversion.h"

namespace app {

ctl::TDateTime ToDisplayDate(db::TDateTime stored)
{
    // 1970-01-01 is day 25569 of the display count.
    constexpr double kUnixEpochDay = 25569.0;
    const auto seconds = stored.time_since_epoch().count();
    return kUnixEpochDay + static_cast<double>(seconds) / 86400.0;
}

} // namespace app
