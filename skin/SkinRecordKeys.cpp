#include "skin/SkinRecordKeys.h"

namespace skin {

void SkinIniKeyReader::Integer(std::string_view key, int& value, int fallback)
{
    value = m_ini.ReadInteger(m_section, key, fallback);
}

void SkinIniKeyReader::Text(std::string_view key, std::string& value, std::string_view fallback)
{
    value = m_ini.ReadString(m_section, key, fallback);
}

void SkinIniKeyReader::Rect(std::string_view key, gfx::TRect& value) { value = ReadSkinRect(m_ini, m_section, key); }
void SkinIniKeyReader::Point(std::string_view key, gfx::TPoint& value) { value = ReadSkinPoint(m_ini, m_section, key); }
void SkinIniKeyReader::Flag(std::string_view key, bool& value) { value = ReadSkinFlag(m_ini, m_section, key); }

void SkinIniKeyReader::FontStyle(std::string_view key, gfx::TFontStyles& value)
{
    value = ReadSkinFontStyle(m_ini, m_section, key);
}

void SkinIniKeyReader::Alignment(std::string_view key, TAlignment& value)
{
    value = ReadSkinAlignment(m_ini, m_section, key);
}

void SkinIniKeyReader::Morph(std::string_view key, TbsMorphKind& value) { value = ReadMorphKind(m_ini, m_section, key); }

void SkinIniKeyReader::Effect(std::string_view key, TbsInactiveEffect& value)
{
    value = ReadInactiveEffect(m_ini, m_section, key);
}

void SkinIniKeyReader::Command(std::string_view key, TbsStdCommand& value)
{
    value = ReadSkinCommand(m_ini, m_section, key);
}

} // namespace skin
