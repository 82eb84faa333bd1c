#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace db {

// A connection string: key=value pairs separated by semicolons, in their stored
// order. A value may be enclosed in double or single quotes (then it may hold
// semicolons, and a doubled quote stands for one); "" is an empty value. Keys are
// matched without regard to case and surrounding spaces.
class TConnectionString {
public:
    TConnectionString() = default;
    // Throws EDatabaseError when a pair has no '=' or a quote is not closed.
    explicit TConnectionString(std::string_view text);

    const std::vector<std::pair<std::string, std::string>>& Pairs() const { return m_pairs; }
    bool Has(std::string_view key) const;
    // The value of `key`, empty when the key is absent.
    std::string Value(std::string_view key) const;

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

} // namespace db
