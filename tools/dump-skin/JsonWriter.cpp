#include "JsonWriter.h"

#include <cstdio>

namespace dumpskin {

void JsonWriter::NewLine()
{
    m_text += '\n';
    m_text.append(static_cast<std::size_t>(m_depth) * 2, ' ');
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_depth > 0) {
        if (!m_first)
            m_text += ',';
        NewLine();
    }
    m_first = false;
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    m_text += '{';
    ++m_depth;
    m_first = true;
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    m_text += '[';
    ++m_depth;
    m_first = true;
}

void JsonWriter::Close(char bracket)
{
    --m_depth;
    if (!m_first)
        NewLine();
    m_text += bracket;
    m_first = false;
}

void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view key)
{
    String(key);
    m_text += ": ";
    m_afterKey = true;
}

void JsonWriter::String(std::string_view text)
{
    BeforeValue();
    m_text += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
}

void JsonWriter::Number(long long value)
{
    BeforeValue();
    m_text += std::to_string(value);
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

} // namespace dumpskin
