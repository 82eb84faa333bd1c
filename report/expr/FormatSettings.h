#pragma once

#include "platform/time/FormatSettings.h"

namespace report {

using dt::TFormatSettings;

// The settings every formatting routine of the engine uses unless it is given
// others: the fixed default set, so that printed output does not depend on the
// environment the program happens to run in.
const TFormatSettings& SystemFormatSettings();

} // namespace report
