#pragma once

#include "report/expr/Variant.h"

#include <cstdint>
#include <string>

namespace report {

// A report's descriptive data and its open password.
struct ReportInfo {
    std::string Comment;
    std::string Name;
    std::string Author;
    std::string VersionMajor;
    std::string VersionMinor;
    std::string VersionRelease;
    std::string VersionBuild;
    std::string Password;
    // Stored with every report and kept as read.
    std::uint8_t Constant { 77 };
    bool PasswordProtected { false };
    TDateTime CreationDate;
    TDateTime LastChange;

    // Empty texts, no password, both dates now.
    static ReportInfo Defaults();
    bool operator==(const ReportInfo&) const = default;
};

} // namespace report
