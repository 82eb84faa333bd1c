#pragma once

#include "platform/graphics/Geometry.h"
#include "platform/graphics/TFont.h"
#include "skin/SkinIniValues.h"

#include <string>
#include <string_view>

namespace skin {

// Walks the keys of one skin record, in the order the record reads them. Each
// record lists its keys once (VisitKeys); loading from the INI text, and
// anything else that needs every key with its value (the skin dumper), is a
// visitor over that list. The fallbacks are the values a missing key gives.
class SkinKeyVisitor {
public:
    virtual ~SkinKeyVisitor() = default;

    virtual void Integer(std::string_view key, int& value, int fallback) = 0;
    virtual void Text(std::string_view key, std::string& value, std::string_view fallback) = 0;
    virtual void Rect(std::string_view key, gfx::TRect& value) = 0;
    virtual void Point(std::string_view key, gfx::TPoint& value) = 0;
    virtual void Flag(std::string_view key, bool& value) = 0;
    virtual void FontStyle(std::string_view key, gfx::TFontStyles& value) = 0;
    virtual void Alignment(std::string_view key, TAlignment& value) = 0;
    virtual void Morph(std::string_view key, TbsMorphKind& value) = 0;
    virtual void Effect(std::string_view key, TbsInactiveEffect& value) = 0;
    virtual void Command(std::string_view key, TbsStdCommand& value) = 0;
};

// Reads every visited key from one section of a skin description.
class SkinIniKeyReader final : public SkinKeyVisitor {
public:
    SkinIniKeyReader(const SkinIniFile& ini, std::string section) : m_ini(ini), m_section(std::move(section)) {}

    void Integer(std::string_view key, int& value, int fallback) override;
    void Text(std::string_view key, std::string& value, std::string_view fallback) override;
    void Rect(std::string_view key, gfx::TRect& value) override;
    void Point(std::string_view key, gfx::TPoint& value) override;
    void Flag(std::string_view key, bool& value) override;
    void FontStyle(std::string_view key, gfx::TFontStyles& value) override;
    void Alignment(std::string_view key, TAlignment& value) override;
    void Morph(std::string_view key, TbsMorphKind& value) override;
    void Effect(std::string_view key, TbsInactiveEffect& value) override;
    void Command(std::string_view key, TbsStdCommand& value) override;

private:
    const SkinIniFile& m_ini;
    std::string m_section;
};

} // namespace skin
