#pragma once

#include "report/objects/ObjectConstants.h"
#include "report/objects/TfrObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace report {

class TemplateReader;
class TemplateWriter;

// A `Flags` bit offered as a Boolean property.
struct FlagProperty {
    std::string_view name;
    std::uint16_t bit;
};

// A rectangle on a report page: the fields every report object shares. Positions
// and sizes are report units (3.6 per millimetre) relative to the page.
class TfrView : public TfrObject {
public:
    ~TfrView() override = default;

    // The `ObjectKind` this object is stored with, and for add-in objects the
    // class name the record carries.
    virtual ObjectKind Kind() const = 0;
    virtual std::string ClassName() const = 0;
    // The stem of default names ("Memo" gives Memo1, Memo2 …).
    virtual std::string NamePrefix() const = 0;

    // Reads or writes the object's data in a template stream: the common block
    // and then the fields of the kind.
    virtual void LoadFromStream(TemplateReader& reader);
    virtual void SaveToStream(TemplateWriter& writer) const;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::optional<Variant> CallMethod(std::string_view name, std::span<const Variant> arguments) override;
    std::vector<std::string> ListProperties() const override;

    bool Stretched() const { return (Flags & 1) != 0; }

    std::string Name;
    // Format revision of the object's stored fields; conditions some fields.
    std::uint8_t ObjectVersionHi { 0 };
    std::uint8_t ObjectVersionLo { 0 };
    std::int32_t Left { 0 };
    std::int32_t Top { 0 };
    std::int32_t Width { 0 };
    std::int32_t Height { 0 };
    std::uint16_t Flags { 1 };
    std::uint16_t FrameTyp { frftNone };
    float FrameWidth { 1.0f };
    TColor FrameColor { clBlack };
    std::uint16_t FrameStyle { psSolid };
    TColor FillColor { clTransparent };
    std::int32_t FormatCode { kDefaultFormatCode };
    std::string FormatText;
    std::vector<std::string> Memo;
    // The expanded text while the report is built; written instead of `Memo`
    // in print mode.
    std::vector<std::string> PrintMemo;
    // The `OnBeforePrint` script lines.
    std::vector<std::string> Script;
    bool Visible { true };
    std::uint16_t Restrictions { 0 };
    std::string Tag;
    std::int32_t GapX { 2 };
    std::int32_t GapY { 1 };
    std::uint8_t BandAlign { baNone };
    // True while the object is written to or read from prepared pages.
    bool PrintMode { false };

protected:
    TfrView() = default;

    bool SetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name, const Variant& value);
    std::optional<Variant> GetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name) const;
};

// A colour property accepts the signed or the unsigned reading of its 32 bits.
std::optional<TColor> ToColor(const Variant& value);

} // namespace report
