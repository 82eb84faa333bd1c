#pragma once

#include <string>
#include <string_view>

namespace dumpskin {

// A small streaming JSON writer: values, arrays and objects with indentation.
// Strings are UTF-8; control characters and quotes are escaped.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view key);
    void String(std::string_view text);
    void Number(long long value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    void Close(char bracket);
    void NewLine();

    std::string m_text;
    int m_depth { 0 };
    bool m_first { true };
    bool m_afterKey { false };
};

} // namespace dumpskin
