#pragma once

namespace dt {

// A moment as a count of days since 30 December 1899, 00:00, with the time of
// day as the fraction: 0.0 is 1899-12-30 00:00 and 36114.5 is 1998-11-15 12:00.
// Moments before day 0 count whole days backwards while the fraction stays the
// time of day, so -1.5 is 1899-12-29 12:00, not 1899-12-28 12:00. This is the
// value the date picker, the clock, the store's date column and the report
// engine all carry.
struct TDateTime {
    double value { 0.0 };
    bool operator==(const TDateTime&) const = default;
};

} // namespace dt
