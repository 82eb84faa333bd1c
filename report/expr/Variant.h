#pragma once

#include "platform/time/TDateTime.h"

#include <cstdint>
#include <string>
#include <variant>

namespace report {

// Dates in expressions are the platform's day counts since 1899-12-30.
using dt::TDateTime;

// The dynamically typed value of expressions, variables and object properties.
// Text is UTF-8.
class Variant {
public:
    enum class Type { Null, Boolean, Integer, Double, String, Date };

    Variant() = default;
    Variant(bool value) : m_value(value) {}
    Variant(int value) : m_value(static_cast<std::int32_t>(value)) {}
    Variant(std::int32_t value, int) = delete;
    Variant(double value) : m_value(value) {}
    Variant(TDateTime value) : m_value(value) {}
    Variant(std::string value) : m_value(std::move(value)) {}
    Variant(const char* value) : m_value(std::string(value)) {}

    Type ValueType() const { return static_cast<Type>(m_value.index()); }
    bool IsNull() const { return ValueType() == Type::Null; }
    bool IsString() const { return ValueType() == Type::String; }
    bool IsNumber() const
    {
        return ValueType() == Type::Integer || ValueType() == Type::Double || ValueType() == Type::Date;
    }

    bool AsBool() const { return std::get<bool>(m_value); }
    std::int32_t AsInt() const { return std::get<std::int32_t>(m_value); }
    double AsDouble() const { return std::get<double>(m_value); }
    TDateTime AsDate() const { return std::get<TDateTime>(m_value); }
    const std::string& AsString() const { return std::get<std::string>(m_value); }

    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, bool, std::int32_t, double, std::string, TDateTime> m_value;
};

} // namespace report
