#include "platform/graphics/TCanvas.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/Raster.h"
#include "platform/graphics/Shapes.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TextEngine.h"
#include "platform/graphics/TextLayout.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <cstdlib>

namespace gfx {
namespace {

// Dash patterns of one-pixel pens: alternating runs of drawn and skipped pixels.
std::span<const int> DashPattern(TPenStyle style)
{
    static constexpr std::array kDash { 18, 6 };
    static constexpr std::array kDot { 3, 3 };
    static constexpr std::array kDashDot { 9, 6, 3, 6 };
    static constexpr std::array kDashDotDot { 9, 3, 3, 3, 3, 3 };
    switch (style) {
    case TPenStyle::psDash:
        return kDash;
    case TPenStyle::psDot:
        return kDot;
    case TPenStyle::psDashDot:
        return kDashDot;
    case TPenStyle::psDashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}

// Bits of an 8x8 hatch for device row y: bit k is the pixel of column x with x % 8 == k.
unsigned HatchBits(TBrushStyle style, int y)
{
    unsigned row = static_cast<unsigned>(y) & 7u;
    unsigned horizontal = row == 0 ? 0xFFu : 0u;
    unsigned vertical = 0x01u;
    unsigned forward = 1u << row;               // "\": x - y divisible by 8
    unsigned backward = 1u << ((8u - row) & 7u); // "/": x + y divisible by 8
    switch (style) {
    case TBrushStyle::bsHorizontal:
        return horizontal;
    case TBrushStyle::bsVertical:
        return vertical;
    case TBrushStyle::bsFDiagonal:
        return forward;
    case TBrushStyle::bsBDiagonal:
        return backward;
    case TBrushStyle::bsCross:
        return horizontal | vertical;
    case TBrushStyle::bsDiagCross:
        return forward | backward;
    default:
        return 0xFFu;
    }
}

int Mod(int a, int m)
{
    int r = a % m;
    return r < 0 ? r + m : r;
}

// Collects single pixels into one-row rectangles, joining horizontal neighbours.
class PixelRuns {
public:
    explicit PixelRuns(std::vector<TRect>& out) : m_out(out) {}

    void Add(int x, int y)
    {
        if (!m_out.empty()) {
            TRect& last = m_out.back();
            if (last.Top == y && last.Right == x) {
                ++last.Right;
                return;
            }
            if (last.Top == y && last.Left == x + 1) {
                --last.Left;
                return;
            }
        }
        m_out.push_back({ x, y, x + 1, y + 1 });
    }

private:
    std::vector<TRect>& m_out;
};

} // namespace

TCanvas::TCanvas(TBitmap& bitmap) : m_bitmap(&bitmap), m_text(std::make_unique<TextEngine>(bitmap)) {}

TCanvas::~TCanvas() = default;

// --- origin and clipping -----------------------------------------------------

void TCanvas::SetClipRegion(const TRegion& region) { m_clip = region; }

void TCanvas::ClearClipRegion() { m_clip.reset(); }

void TCanvas::IntersectClipRect(const TRect& rect)
{
    TRegion r(Offset(rect, m_origin.X, m_origin.Y));
    m_clip = m_clip ? (*m_clip & r) : r;
}

void TCanvas::ExcludeClipRect(const TRect& rect)
{
    TRegion r(Offset(rect, m_origin.X, m_origin.Y));
    m_clip = DeviceClip() - r;
}

TRect TCanvas::ClipRect() const
{
    TRegion clip = DeviceClip();
    return clip.Empty() ? TRect {} : Offset(clip.BoundingBox(), -m_origin.X, -m_origin.Y);
}

TRegion TCanvas::DeviceClip() const
{
    TRegion bounds(TRect { 0, 0, m_bitmap->Width(), m_bitmap->Height() });
    if (m_clip)
        bounds &= *m_clip;
    return bounds;
}

TRegion TCanvas::DeviceRegion(std::span<const TRect> rects) const
{
    TRegion region = rects.size() == 1 ? TRegion(rects[0]) : TRegion::FromRects(rects);
    region.Offset(m_origin.X, m_origin.Y);
    region &= DeviceClip();
    return region;
}

// --- painting regions ----------------------------------------------------------

void TCanvas::PaintColor(const TRegion& device, TColor color, TPenMode mode)
{
    // clNone (the reports' "no fill") paints nothing.
    if (color == clNone)
        return;
    Pixel pixel = ColorToPixel(ColorToRGB(color));
    for (const TRect& r : device.Rects()) {
        for (int y = r.Top; y < r.Bottom; ++y)
            raster::ModeRow(m_bitmap->ScanLine(y) + r.Left, r.Width(), pixel, mode);
    }
}

void TCanvas::BrushRow(Pixel* dst, int x, int y, int count) const
{
    if (Brush.Bitmap && !Brush.Bitmap->Empty()) {
        const TBitmap& pattern = *Brush.Bitmap;
        const Pixel* row = pattern.ScanLine(Mod(y - m_origin.Y, pattern.Height()));
        int px = Mod(x - m_origin.X, pattern.Width());
        for (int i = 0; i < count; ++i) {
            dst[i] = row[px];
            if (++px == pattern.Width())
                px = 0;
        }
        return;
    }
    Pixel color = ColorToPixel(ColorToRGB(Brush.Color));
    if (Brush.Style == TBrushStyle::bsSolid || Brush.Style == TBrushStyle::bsClear) {
        std::fill_n(dst, count, color);
        return;
    }
    // A hatch used as a raster-operation pattern: its gaps take the inverse colour.
    Pixel background = ColorToPixel(~ColorToRGB(Brush.Color) & 0xFFFFFF);
    unsigned bits = HatchBits(Brush.Style, y);
    for (int i = 0; i < count; ++i)
        dst[i] = (bits & (1u << ((x + i) & 7))) ? color : background;
}

void TCanvas::PaintBrush(const TRegion& device, TPenMode mode)
{
    bool has_pattern = Brush.Bitmap && !Brush.Bitmap->Empty();
    if (!has_pattern && (Brush.Style == TBrushStyle::bsClear || Brush.Color == clNone))
        return;
    if (has_pattern) {
        std::vector<Pixel> row;
        for (const TRect& r : device.Rects()) {
            row.resize(static_cast<std::size_t>(r.Width()));
            for (int y = r.Top; y < r.Bottom; ++y) {
                BrushRow(row.data(), r.Left, y, r.Width());
                raster::ModeRowFrom(m_bitmap->ScanLine(y) + r.Left, row.data(), r.Width(), mode);
            }
        }
        return;
    }
    if (Brush.Style == TBrushStyle::bsSolid) {
        PaintColor(device, Brush.Color, mode);
        return;
    }
    Pixel color = ColorToPixel(ColorToRGB(Brush.Color));
    for (const TRect& r : device.Rects()) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            raster::ModeRowMasked(m_bitmap->ScanLine(y) + r.Left, r.Width(), color, mode, HatchBits(Brush.Style, y),
                r.Left & 7);
        }
    }
}

// --- pen paths -------------------------------------------------------------------

TRect TCanvas::PenBox(const TRect& box) const
{
    int w = std::max(1, Pen.Width);
    if (w == 1 || Pen.Style == TPenStyle::psInsideFrame)
        return box;
    return { box.Left - w / 2, box.Top - w / 2, box.Right + (w - 1) / 2, box.Bottom + (w - 1) / 2 };
}

void TCanvas::PenPath(std::span<const TPoint> points, bool closed, std::vector<TRect>& on, std::vector<TRect>& off) const
{
    if (points.empty() || Pen.Style == TPenStyle::psClear)
        return;
    std::span<const int> dashes = DashPattern(Pen.Style);
    int width = std::max(1, Pen.Width);
    std::size_t segments = closed ? points.size() : points.size() - 1;

    if (width > 1) {
        // A wide pen: a round dot of the pen's width at every point of the path.
        shapes::RowSpans dot = shapes::Ellipse({ -(width / 2), -(width / 2), width - width / 2, width - width / 2 });
        auto stamp = [&](int x, int y) {
            int row = dot.Top + y;
            for (auto [left, right] : dot.Rows) {
                if (right > left)
                    on.push_back({ x + left, row, x + right, row + 1 });
                ++row;
            }
        };
        for (std::size_t i = 0; i < segments; ++i)
            shapes::LinePixels(points[i], points[(i + 1) % points.size()], stamp);
        TPoint last = closed ? points[0] : points.back();
        stamp(last.X, last.Y);
        return;
    }

    PixelRuns on_runs(on);
    PixelRuns off_runs(off);
    int dash = 0;
    int left_in_dash = dashes.empty() ? 0 : dashes[0];
    for (std::size_t i = 0; i < segments; ++i) {
        shapes::LinePixels(points[i], points[(i + 1) % points.size()], [&](int x, int y) {
            if (dashes.empty()) {
                on_runs.Add(x, y);
                return;
            }
            if (dash % 2 == 0)
                on_runs.Add(x, y);
            else
                off_runs.Add(x, y);
            if (--left_in_dash == 0) {
                dash = (dash + 1) % static_cast<int>(dashes.size());
                left_in_dash = dashes[static_cast<std::size_t>(dash)];
            }
        });
    }
}

void TCanvas::StrokePath(std::span<const TPoint> points, bool closed)
{
    std::vector<TRect> on;
    std::vector<TRect> off;
    PenPath(points, closed, on, off);
    PaintShape({}, on, off);
}

void TCanvas::PaintShape(const std::vector<TRect>& fill, const std::vector<TRect>& on, const std::vector<TRect>& off)
{
    TRegion on_region = DeviceRegion(on);
    TRegion fill_region;
    if (!fill.empty() && (Brush.Style != TBrushStyle::bsClear || Brush.Bitmap)) {
        fill_region = DeviceRegion(fill) - on_region;
        PaintBrush(fill_region, Pen.Mode);
    }
    PaintColor(on_region, Pen.Color, Pen.Mode);
    // The gaps of a dashed pen take the background (brush) colour when the
    // background is opaque.
    if (!off.empty() && Brush.Style == TBrushStyle::bsSolid)
        PaintColor(DeviceRegion(off) - on_region - fill_region, Brush.Color, Pen.Mode);
}

// --- lines and shapes ------------------------------------------------------------

void TCanvas::MoveTo(int x, int y) { PenPos = { x, y }; }

void TCanvas::LineTo(int x, int y)
{
    std::array<TPoint, 2> line { PenPos, TPoint { x, y } };
    StrokePath(line, false);
    PenPos = { x, y };
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.size() < 2)
        return;
    StrokePath(points, false);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    std::vector<TRect> fill;
    shapes::AppendPolygon(points, fill);
    std::vector<TRect> on;
    std::vector<TRect> off;
    PenPath(points, true, on, off);
    PaintShape(fill, on, off);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    TRect box { std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom) };
    std::vector<TRect> fill;
    std::vector<TRect> outline;
    if (Pen.Style == TPenStyle::psClear) {
        shapes::AppendFill(shapes::Box({ box.Left, box.Top, box.Right - 1, box.Bottom - 1 }), fill);
        PaintShape(fill, outline, {});
        return;
    }
    if (!DashPattern(Pen.Style).empty() && Pen.Width <= 1) {
        // A dashed frame runs around the rectangle as one path.
        shapes::AppendFill(shapes::Box(Inflate(box, -1, -1)), fill);
        std::array<TPoint, 4> corners { TPoint { box.Left, box.Top }, TPoint { box.Right - 1, box.Top },
            TPoint { box.Right - 1, box.Bottom - 1 }, TPoint { box.Left, box.Bottom - 1 } };
        std::vector<TRect> off;
        PenPath(corners, true, outline, off);
        PaintShape(fill, outline, off);
        return;
    }
    TRect outer = PenBox(box);
    int w = std::max(1, Pen.Width);
    shapes::AppendFill(shapes::Box(outer), fill);
    shapes::AppendDifference(shapes::Box(outer), shapes::Box(Inflate(outer, -w, -w)), outline);
    PaintShape(fill, outline, {});
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    TRect box { std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom) };
    std::vector<TRect> fill;
    std::vector<TRect> outline;
    if (Pen.Style == TPenStyle::psClear) {
        shapes::AppendFill(shapes::Ellipse({ box.Left, box.Top, box.Right - 1, box.Bottom - 1 }), fill);
    } else {
        TRect outer = PenBox(box);
        int w = std::max(1, Pen.Width);
        shapes::RowSpans shape = shapes::Ellipse(outer);
        shapes::AppendFill(shape, fill);
        if (w == 1)
            shapes::AppendOutline(shape, outline);
        else
            shapes::AppendDifference(shape, shapes::Ellipse(Inflate(outer, -w, -w)), outline);
    }
    PaintShape(fill, outline, {});
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int w, int h)
{
    TRect box { std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom) };
    std::vector<TRect> fill;
    std::vector<TRect> outline;
    if (Pen.Style == TPenStyle::psClear) {
        shapes::AppendFill(shapes::RoundRect({ box.Left, box.Top, box.Right - 1, box.Bottom - 1 }, w, h), fill);
    } else {
        TRect outer = PenBox(box);
        int pw = std::max(1, Pen.Width);
        shapes::RowSpans shape = shapes::RoundRect(outer, w, h);
        shapes::AppendFill(shape, fill);
        if (pw == 1)
            shapes::AppendOutline(shape, outline);
        else
            shapes::AppendDifference(shape, shapes::RoundRect(Inflate(outer, -pw, -pw), w - 2 * pw, h - 2 * pw), outline);
    }
    PaintShape(fill, outline, {});
}

void TCanvas::FillRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    std::array<TRect, 1> rects { rect };
    PaintBrush(DeviceRegion(rects), TPenMode::pmCopy);
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    std::vector<TRect> frame;
    shapes::AppendDifference(shapes::Box(rect), shapes::Box(Inflate(rect, -1, -1)), frame);
    PaintBrush(DeviceRegion(frame), TPenMode::pmCopy);
}

void TCanvas::FillRgn(const TRegion& region)
{
    TRegion device = region;
    device.Offset(m_origin.X, m_origin.Y);
    device &= DeviceClip();
    PaintBrush(device, TPenMode::pmCopy);
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    std::vector<TRect> dots;
    PixelRuns runs(dots);
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            runs.Add(x, y);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        dot(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top)
            dot(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        dot(rect.Left, y);
        if (rect.Right - 1 > rect.Left)
            dot(rect.Right - 1, y);
    }
    PaintColor(DeviceRegion(dots), clBlack, TPenMode::pmNot);
}

TColor TCanvas::Pixels(int x, int y) const { return m_bitmap->GetPixel(x + m_origin.X, y + m_origin.Y); }

void TCanvas::Pixels(int x, int y, TColor color)
{
    int dx = x + m_origin.X;
    int dy = y + m_origin.Y;
    if (m_bitmap->Contains(dx, dy) && (!m_clip || m_clip->Contains(dx, dy)))
        m_bitmap->SetPixel(dx, dy, color);
}

// --- text ------------------------------------------------------------------------

void TCanvas::DrawTextLine(std::string_view text, int x, int y, const TRegion& clip)
{
    int dx = x + m_origin.X;
    int dy = y + m_origin.Y;
    if (TextCharacterExtra == 0) {
        m_text->Draw(Font, text, dx, dy, clip);
        return;
    }
    // Spaced-out text: each character at its own place in the unspaced line,
    // moved on by the extra space of the characters before it.
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += text::Utf8CharLength(text, i)) {
        std::size_t length = text::Utf8CharLength(text, i);
        int start = fonts::CharEdges(Font, text, i).first;
        m_text->Draw(Font, text.substr(i, length), dx, dy, clip, start + count * TextCharacterExtra);
        ++count;
    }
}

int TCanvas::LineWidth(std::string_view text) const
{
    int width = fonts::TextWidth(Font, text);
    if (TextCharacterExtra != 0) {
        width += static_cast<int>(text::CodePointCount(text)) * TextCharacterExtra;
    }
    return width;
}

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    TSize extent = TextExtent(text);
    if (Brush.Style == TBrushStyle::bsSolid) {
        if (Font.Orientation % 3600 == 0) {
            FillRect(Bounds(x, y, extent.cx, extent.cy));
        } else {
            // The background of turned text is its cell, turned the same way.
            double angle = -Font.Orientation * std::numbers::pi / 1800.0;
            auto turn = [&](double dx, double dy) {
                return TPoint { x + static_cast<int>(std::lround(dx * std::cos(angle) - dy * std::sin(angle))),
                    y + static_cast<int>(std::lround(dx * std::sin(angle) + dy * std::cos(angle))) };
            };
            std::array<TPoint, 4> cell { turn(0, 0), turn(extent.cx, 0), turn(extent.cx, extent.cy), turn(0, extent.cy) };
            std::vector<TRect> rows;
            shapes::AppendPolygon(cell, rows);
            PaintBrush(DeviceRegion(rows), TPenMode::pmCopy);
        }
    }
    DrawTextLine(text, x, y, DeviceClip());
    PenPos = { x + extent.cx, y };
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text)
{
    if (Brush.Style == TBrushStyle::bsSolid)
        FillRect(rect);
    std::array<TRect, 1> rects { rect };
    DrawTextLine(text, x, y, DeviceRegion(rects));
}

TSize TCanvas::TextExtent(std::string_view text) { return { LineWidth(text), GetTextMetrics(Font).tmHeight }; }

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned format)
{
    TTextMetric tm = GetTextMetrics(Font);
    int line_height = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    auto measure = [this](std::string_view s) { return LineWidth(s); };
    std::vector<textlayout::Line> lines = textlayout::Layout(text, format, rect.Width(), measure);
    int total = line_height * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const textlayout::Line& line : lines)
            widest = std::max(widest, line.Width);
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + total;
        return total;
    }

    int y = rect.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect.Top + (rect.Height() - line_height) / 2;
        else if (format & DT_BOTTOM)
            y = rect.Bottom - line_height;
    }
    std::array<TRect, 1> rects { rect };
    TRegion clip = (format & DT_NOCLIP) ? DeviceClip() : DeviceRegion(rects);
    Pixel underline_color = ColorToPixel(ColorToRGB(Font.Color));

    for (const textlayout::Line& line : lines) {
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + (rect.Width() - line.Width) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - line.Width;
        if (Brush.Style == TBrushStyle::bsSolid) {
            TRegion background(Offset(Bounds(x, y, line.Width, line_height), m_origin.X, m_origin.Y));
            PaintColor(background & clip, Brush.Color, TPenMode::pmCopy);
        }
        if (!(format & DT_PREFIXONLY))
            DrawTextLine(line.Text, x, y, clip);
        for (std::size_t index : line.Underlined) {
            auto [from, to] = fonts::CharEdges(Font, line.Text, index);
            int shift = LineWidth(line.Text.substr(0, index)) - fonts::TextWidth(Font, line.Text.substr(0, index));
            from += shift;
            to += shift;
            TRegion bar(Offset(Rect(x + from, y + tm.tmAscent + 1, x + to, y + tm.tmAscent + 2), m_origin.X, m_origin.Y));
            PaintColor(bar & clip, PixelToColor(underline_color), TPenMode::pmCopy);
        }
        y += line_height;
    }
    return total;
}

// --- pictures --------------------------------------------------------------------

void TCanvas::Draw(int x, int y, const TBitmap& picture)
{
    std::optional<Pixel> key;
    if (picture.Transparent && !picture.Empty())
        key = ColorToPixel(picture.EffectiveTransparentColor());
    Blit(x, y, picture.Width(), picture.Height(), picture, 0, 0, picture.Width(), picture.Height(), SRCCOPY, key);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& picture)
{
    std::optional<Pixel> key;
    if (picture.Transparent && !picture.Empty())
        key = ColorToPixel(picture.EffectiveTransparentColor());
    Blit(rect.Left, rect.Top, rect.Width(), rect.Height(), picture, 0, 0, picture.Width(), picture.Height(), SRCCOPY,
        key);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect)
{
    Blit(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
        sourceRect.Width(), sourceRect.Height(), CopyMode, std::nullopt);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, TRasterOp rop)
{
    Blit(x, y, width, height, source, sx, sy, width, height, rop, std::nullopt);
}

void TCanvas::StretchBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
    TRasterOp rop)
{
    Blit(x, y, width, height, source, sx, sy, sw, sh, rop, std::nullopt);
}

void TCanvas::TransparentBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw,
    int sh, TColor key)
{
    Blit(x, y, width, height, source, sx, sy, sw, sh, SRCCOPY, ColorToPixel(ColorToRGB(key)));
}

void TCanvas::PatBlt(int x, int y, int width, int height, TRasterOp rop)
{
    if (raster::RopUsesSource(rop))
        return;
    TRect dest { std::min(x, x + width), std::min(y, y + height), std::max(x, x + width), std::max(y, y + height) };
    std::array<TRect, 1> rects { dest };
    std::vector<Pixel> pattern;
    for (const TRect& r : DeviceRegion(rects).Rects()) {
        pattern.resize(static_cast<std::size_t>(r.Width()));
        for (int row = r.Top; row < r.Bottom; ++row) {
            BrushRow(pattern.data(), r.Left, row, r.Width());
            raster::RopRow(m_bitmap->ScanLine(row) + r.Left, nullptr, pattern.data(), r.Width(), rop);
        }
    }
}

namespace {

// For each destination index 0..count-1 the source index it shows (nearest
// pixel: source = start + i * span / count), mirrored when asked; -1 where the
// source index falls outside 0..limit-1.
std::vector<int> SourceIndexes(int count, int start, int span, bool mirror, int limit)
{
    std::vector<int> map(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        int step = mirror ? count - 1 - i : i;
        long long s = start + static_cast<long long>(step) * span / count;
        map[static_cast<std::size_t>(i)] = (s >= 0 && s < limit) ? static_cast<int>(s) : -1;
    }
    return map;
}

// The range [first, last + 1) of destination indexes with a source pixel.
std::pair<int, int> ValidRange(const std::vector<int>& map)
{
    int first = 0;
    int last = static_cast<int>(map.size());
    while (first < last && map[static_cast<std::size_t>(first)] < 0)
        ++first;
    while (last > first && map[static_cast<std::size_t>(last - 1)] < 0)
        --last;
    return { first, last };
}

} // namespace

void TCanvas::Blit(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
    TRasterOp rop, std::optional<Pixel> key)
{
    if (width == 0 || height == 0 || sw == 0 || sh == 0 || source.Empty())
        return;
    // A copy from this very bitmap goes through a snapshot, so overlapping
    // areas read the original pixels.
    if (&source == m_bitmap) {
        TBitmap snapshot(source);
        Blit(x, y, width, height, snapshot, sx, sy, sw, sh, rop, key);
        return;
    }
    bool mirror_x = (width < 0) != (sw < 0);
    bool mirror_y = (height < 0) != (sh < 0);
    int dest_x = width < 0 ? x + width : x;
    int dest_y = height < 0 ? y + height : y;
    int src_x = sw < 0 ? sx + sw : sx;
    int src_y = sh < 0 ? sy + sh : sy;
    int dw = std::abs(width);
    int dh = std::abs(height);
    std::vector<int> columns = SourceIndexes(dw, src_x, std::abs(sw), mirror_x, source.Width());
    std::vector<int> rows = SourceIndexes(dh, src_y, std::abs(sh), mirror_y, source.Height());
    auto [col_first, col_last] = ValidRange(columns);
    auto [row_first, row_last] = ValidRange(rows);
    std::array<TRect, 1> rects { TRect { dest_x + col_first, dest_y + row_first, dest_x + col_last, dest_y + row_last } };
    TRegion region = DeviceRegion(rects);

    bool identity_x = !mirror_x && dw == std::abs(sw);
    bool uses_pattern = raster::RopUsesPattern(rop);
    std::vector<Pixel> gathered;
    std::vector<Pixel> pattern;
    int device_left = dest_x + m_origin.X;
    int device_top = dest_y + m_origin.Y;
    for (const TRect& r : region.Rects()) {
        int count = r.Width();
        gathered.resize(static_cast<std::size_t>(count));
        pattern.resize(static_cast<std::size_t>(count));
        for (int row = r.Top; row < r.Bottom; ++row) {
            const Pixel* src_line = source.ScanLine(rows[static_cast<std::size_t>(row - device_top)]);
            Pixel* dst = m_bitmap->ScanLine(row) + r.Left;
            int first_index = r.Left - device_left;
            const Pixel* src = nullptr;
            if (identity_x) {
                src = src_line + columns[static_cast<std::size_t>(first_index)];
            } else {
                for (int i = 0; i < count; ++i)
                    gathered[static_cast<std::size_t>(i)] = src_line[columns[static_cast<std::size_t>(first_index + i)]];
                src = gathered.data();
            }
            if (key) {
                for (int i = 0; i < count; ++i) {
                    if ((src[i] & 0x00FFFFFFu) != (*key & 0x00FFFFFFu))
                        dst[i] = src[i];
                }
                continue;
            }
            if (uses_pattern)
                BrushRow(pattern.data(), r.Left, row, count);
            raster::RopRow(dst, src, uses_pattern ? pattern.data() : nullptr, count, rop);
        }
    }
}

} // namespace gfx
