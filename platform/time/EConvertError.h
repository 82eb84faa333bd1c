#pragma once

#include <stdexcept>

namespace dt {

// Raised when a moment is to be written as a date but has none: NaN, infinity,
// or a day count outside the years 1 to 9999.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dt
