#include "tools/support/JsonWriter.h"

#include "platform/text/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tools {

void JsonWriter::NewLine()
{
    m_text += '\n';
    m_text.append(m_empty.size() * 2, ' ');
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.empty())
        return;
    if (!m_empty.back())
        m_text += ',';
    m_empty.back() = false;
    NewLine();
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    m_text += bracket;
    m_empty.push_back(true);
}

void JsonWriter::Close(char bracket)
{
    const bool empty = m_empty.back();
    m_empty.pop_back();
    if (!empty)
        NewLine();
    m_text += bracket;
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    Quoted(key);
    m_text += ": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::Quoted(std::string_view text)
{
    m_text += '"';
    for (std::size_t i = 0; i < text.size();) {
        const text::Utf8Char c = text::DecodeUtf8(text, i);
        if (!c.Valid) {
            m_text += "\\ufffd";
        } else if (c.CodePoint == '"' || c.CodePoint == '\\') {
            m_text += '\\';
            m_text += static_cast<char>(c.CodePoint);
        } else if (c.CodePoint < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c.CodePoint));
            m_text += escape;
        } else {
            m_text.append(text.substr(i, c.Length));
        }
        i += c.Length;
    }
    m_text += '"';
}

void JsonWriter::String(std::string_view text)
{
    BeforeValue();
    Quoted(text);
}

void JsonWriter::Integer(long long value)
{
    BeforeValue();
    m_text += std::to_string(value);
}

void JsonWriter::Number(double value)
{
    BeforeValue();
    if (!std::isfinite(value)) {
        m_text += "null";
        return;
    }
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_text.append(buffer, error == std::errc() ? end : buffer);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_text += value ? "true" : "false";
}

void JsonWriter::Null()
{
    BeforeValue();
    m_text += "null";
}

void JsonWriter::Lines(const std::vector<std::string>& lines)
{
    BeginArray();
    for (const std::string& line : lines)
        String(line);
    EndArray();
}

} // namespace tools
