#pragma once

#include "report/objects/TfrView.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPageCanvas.h"

#include <span>

namespace report {

// The kinds of graphic a picture object can hold, as templates store them.
enum class GraphicKind : std::uint8_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, Jpeg = 4 };

// A picture object. The graphic is kept as the bytes of its own file layout (a
// bitmap file, a metafile, an icon file or a JPEG file) so templates keep it
// exactly; decoding for drawing happens where it is drawn.
class TfrPictureView : public TfrView {
public:
    TfrPictureView();

    ObjectKind Kind() const override { return ObjectKind::Picture; }
    std::string ClassName() const override { return "TfrPictureView"; }
    std::string NamePrefix() const override { return "Picture"; }

    void Draw(gfx::TPageCanvas& canvas) override;

    void LoadFromStream(TemplateReader& reader) override;
    void SaveToStream(TemplateWriter& writer) const override;

    bool SetProperty(std::string_view name, const Variant& value) override;
    std::optional<Variant> GetProperty(std::string_view name) const override;
    std::optional<Variant> CallMethod(std::string_view name, std::span<const Variant> arguments) override;
    std::vector<std::string> ListProperties() const override;

    // Loads a graphic file; a missing file or an empty name clears the picture.
    void LoadPictureFromFile(const std::string& file_name);
    // The kind of graphic the bytes are, told by their signature.
    static GraphicKind DetectGraphicKind(std::span<const std::uint8_t> bytes);
    // The graphic as pixels; nothing for a metafile or damaged data.
    std::optional<gfx::TBitmap> DecodedPicture() const;
    // Where a picture of this size is drawn (scale applied): filling the
    // rectangle when stretched (keeping its proportions with KeepAspect),
    // else at its own size; centred with Center.
    gfx::TRectF PictureRect(double picture_width, double picture_height) const;

    GraphicKind Graphic { GraphicKind::None };
    std::vector<std::uint8_t> PictureData;
    std::uint8_t BlobType { btBMP };
};

} // namespace report
