#pragma once

#include "platform/time/FormatSettings.h"
#include "platform/time/TDateTime.h"

#include <string>
#include <string_view>

namespace dt {

// Writes a moment with a format text: d dd ddd dddd ddddd dddddd, m mm mmm
// mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, c, t,
// tt, am/pm, a/p, ampm, "/" (date separator), ":" (time separator), and text in
// single or double quotes. Letters ignore case; other characters are copied.
// An empty format is "c". Raises EConvertError for a moment without a date.
std::string FormatDateTime(std::string_view format, TDateTime value,
    const TFormatSettings& settings = FormatSettings);

// The desktop's short date, long time, and both with one space between.
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value);

} // namespace dt
