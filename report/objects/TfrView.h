#pragma once

#include "report/objects/ObjectConstants.h"
#include "report/objects/TfrObject.h"
#include "report/objects/TfrPrintContext.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gfx {
class TPageCanvas;
}

namespace report {

class TemplateReader;
class TemplateWriter;
class TextExpander;

// Why a view is drawn: in a designer (transparent fills show white, frames get
// corner marks), during the first pass of a build (nothing is drawn), or as an
// object of prepared pages (preview, print, PDF).
enum class TfrDrawMode { Designer, FirstPass, Printed };

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

    // --- drawing -----------------------------------------------------------
    // Scales the rectangle, frame width and gaps by ScaleX/ScaleY and shifts
    // them by OffsetX/OffsetY for drawing; RestoreScale puts them back.
    virtual void ApplyScale();
    virtual void RestoreScale();
    // Draws the object (scale and offset applied inside).
    virtual void Draw(gfx::TPageCanvas& canvas) = 0;
    virtual void PaintBackground(gfx::TPageCanvas& canvas);
    virtual void PaintFrame(gfx::TPageCanvas& canvas);

    // --- output during a build ---------------------------------------------
    // Runs the script, lets OnBeforePrint change the text, expands brackets
    // into PrintMemo and applies highlight and tag. WriteToPage does it when
    // it was not done; the band engine calls it first when it must measure.
    virtual void ExpandForPrint(TfrPrintContext& context);
    // Writes the object as a record of a prepared page (its kind, its class
    // name for add-ins, its fields in print mode), aligned in its band, and
    // then restores what expanding changed.
    virtual void WriteToPage(TemplateWriter& page, TfrPrintContext& context);

    // Set by the preview and the printer before drawing.
    double ScaleX { 1.0 };
    double ScaleY { 1.0 };
    std::int32_t OffsetX { 0 };
    std::int32_t OffsetY { 0 };
    TfrDrawMode DrawMode { TfrDrawMode::Printed };

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

    // The rectangle to draw in, set by ApplyScale: inset on framed sides by
    // half the frame width and one unit wider and taller than the object.
    double DrawLeft() const { return m_drawLeft; }
    double DrawTop() const { return m_drawTop; }
    double DrawRight() const { return m_drawRight; }
    double DrawBottom() const { return m_drawBottom; }
    // How far text keeps off the edges beyond GapX and GapY: half the width
    // the frame takes (a double line takes three widths).
    double FrameGap(double scale = 1.0) const;
    // Writes the record; print mode is on while the fields are written.
    void WriteRecord(TemplateWriter& page);
    // Runs the script and the event and expands text and tag.
    void ExpandText(TfrPrintContext& context);
    // Puts back what ExpandForPrint changed.
    virtual void RestoreAfterPrint();
    void ApplyBandAlign(const TfrBandPlacement& band);
    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool expanded);
    // PrintMemo holds the text of the showing being written. It does not
    // while the object's own script runs at the start of expanding.
    bool TextCurrent() const { return m_textCurrent; }
    // The memo's lines with their brackets expanded for the data the build
    // stands on now, in the object's display format.
    std::vector<std::string> ExpandedMemo(TfrExpressionEngine& engine) const;

    bool SetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name, const Variant& value);
    std::optional<Variant> GetFlagProperty(std::span<const FlagProperty> table, std::string_view upper_name) const;

private:
    struct UnscaledGeometry {
        std::int32_t Left, Top, Width, Height, GapX, GapY;
        float FrameWidth;
    };
    std::optional<UnscaledGeometry> m_unscaled;
    double m_drawLeft { 0 };
    double m_drawTop { 0 };
    double m_drawRight { 0 };
    double m_drawBottom { 0 };
    TextExpander Expander(TfrExpressionEngine& engine) const;

    bool m_expanded { false };
    bool m_textCurrent { false };
    std::string m_savedTag;
};

// A colour property accepts the signed or the unsigned reading of its 32 bits.
std::optional<TColor> ToColor(const Variant& value);

} // namespace report
