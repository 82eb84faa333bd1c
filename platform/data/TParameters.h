#pragma once

#include "platform/time/TDateTime.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace db {

// A value bound to a named parameter (":name") of a query's statement. Values
// never become part of the statement text, so no value can change what the
// statement does.
class TParameter {
public:
    explicit TParameter(std::string name) : m_name(std::move(name)) {}

    const std::string& Name() const { return m_name; }
    const std::optional<std::string>& Value() const { return m_value; }

    // Reuses the room of the value it replaces.
    void SetAsString(std::string_view value);
    // Binds "YYYY-MM-DD HH:MM:SS", the form the store keeps. A moment without
    // a calendar date raises EDatabaseError.
    void SetAsDateTime(dt::TDateTime value);
    // Binds null.
    void Clear() { m_value.reset(); }

private:
    std::string m_name;
    std::optional<std::string> m_value;
};

// The parameters of a query. A query's statement text changing clears them, so
// a value given for an earlier statement is never bound to a later one.
class TParameters {
public:
    // The parameter of that name (without the ':'), added when it is not there yet.
    TParameter& ParamByName(std::string_view name);
    const TParameter* FindParam(std::string_view name) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear() { m_items.clear(); }

private:
    std::deque<TParameter> m_items;
};

} // namespace db
