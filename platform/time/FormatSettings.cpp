#include "platform/time/FormatSettings.h"

namespace dt {

TFormatSettings FormatSettings { .ShortDateFormat = "yyyy-m-d", .LongTimeFormat = "h:mm:ss" };

} // namespace dt
