#pragma once

#include "platform/controls/DateTime.h"
#include "platform/data/TDateTime.h"

namespace app {

// The store keeps wall-clock seconds; the date picker and the clock count days
// since 30 December 1899 with the time as the fraction.
ctl::TDateTime ToDisplayDate(db::TDateTime stored);

} // namespace app
