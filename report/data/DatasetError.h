#pragma once

#include <stdexcept>
#include <string>

namespace report {

// A dataset that a report names cannot be found or opened. The message is
// the one the user sees in the build's error box.
class DatasetError : public std::runtime_error {
public:
    explicit DatasetError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace report
