#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tools {

// The JSON the dump tools print: a streaming writer of objects, arrays and
// values, indented by two spaces per level, one member or element per line.
// Inside an object every value follows its Key. Strings are UTF-8; quotes,
// backslashes and control characters are escaped, and a damaged byte becomes
// U+FFFD, so the output is well-formed whatever the file held.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

    // Names the next value; returns the writer so the value can follow at once.
    JsonWriter& Key(std::string_view key);

    void String(std::string_view text);
    void Integer(long long value);
    // Finite numbers in their shortest exact form; NaN and infinities as null.
    void Number(double value);
    void Bool(bool value);
    void Null();
    // An array of strings, such as the lines of a text.
    void Lines(const std::vector<std::string>& lines);

    // The document so far, ended by a line break.
    std::string Text() const { return m_text + '\n'; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();
    void Quoted(std::string_view text);

    std::string m_text;
    // One entry per open object or array: true while it is still empty.
    std::vector<bool> m_empty;
    bool m_afterKey { false };
};

} // namespace tools
