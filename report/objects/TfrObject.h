#pragma once

#include "report/expr/Variant.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// Base of everything in a report that scripts and expressions reach by name:
// properties are read and written by name (names compare without regard to
// case) and methods are called by name.
class TfrObject {
public:
    virtual ~TfrObject() = default;

    // Sets a property; false when the object has no such writable property or
    // the value cannot stand for it (the property then keeps its value).
    virtual bool SetProperty(std::string_view name, const Variant& value) = 0;
    // The property's value, or nothing when the object has no such property.
    virtual std::optional<Variant> GetProperty(std::string_view name) const = 0;
    // Calls a method; nothing when the object has no such method.
    virtual std::optional<Variant> CallMethod(std::string_view name, std::span<const Variant> arguments) = 0;
    // Upper-case names of the properties this object offers.
    virtual std::vector<std::string> ListProperties() const = 0;
};

} // namespace report
