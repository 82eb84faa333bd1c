#include "platform/graphics/TRegion.h"

#include "platform/graphics/Shapes.h"
#include "platform/graphics/TBitmap.h"

#include <utility>

namespace gfx {
namespace {

pixman_box32_t ToBox(const TRect& r) { return { r.Left, r.Top, r.Right, r.Bottom }; }
TRect ToRect(const pixman_box32_t& b) { return { b.x1, b.y1, b.x2, b.y2 }; }

} // namespace

TRegion::TRegion() { pixman_region32_init(&m_region); }

TRegion::TRegion(const TRect& rect)
{
    if (rect.IsEmpty())
        pixman_region32_init(&m_region);
    else
        pixman_region32_init_rect(&m_region, rect.Left, rect.Top, static_cast<unsigned>(rect.Width()),
            static_cast<unsigned>(rect.Height()));
}

TRegion::TRegion(const TRegion& other)
{
    pixman_region32_init(&m_region);
    pixman_region32_copy(&m_region, &other.m_region);
}

TRegion::TRegion(TRegion&& other) noexcept
{
    pixman_region32_init(&m_region);
    std::swap(m_region, other.m_region);
}

TRegion& TRegion::operator=(const TRegion& other)
{
    if (this != &other)
        pixman_region32_copy(&m_region, &other.m_region);
    return *this;
}

TRegion& TRegion::operator=(TRegion&& other) noexcept
{
    if (this != &other)
        std::swap(m_region, other.m_region);
    return *this;
}

TRegion::~TRegion() { pixman_region32_fini(&m_region); }

TRegion TRegion::FromRects(std::span<const TRect> rects)
{
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const TRect& r : rects) {
        if (!r.IsEmpty())
            boxes.push_back(ToBox(r));
    }
    TRegion region;
    pixman_region32_fini(&region.m_region);
    if (!pixman_region32_init_rects(&region.m_region, boxes.data(), static_cast<int>(boxes.size())))
        pixman_region32_init(&region.m_region);
    return region;
}

TRegion TRegion::FromEllipse(const TRect& bounds)
{
    std::vector<TRect> rows;
    shapes::AppendFill(shapes::Ellipse(bounds), rows);
    return FromRects(rows);
}

TRegion TRegion::FromRoundRect(const TRect& bounds, int w, int h)
{
    std::vector<TRect> rows;
    shapes::AppendFill(shapes::RoundRect(bounds, w, h), rows);
    return FromRects(rows);
}

TRegion TRegion::FromPolygon(std::span<const TPoint> points)
{
    std::vector<TRect> rows;
    shapes::AppendPolygon(points, rows);
    return FromRects(rows);
}

TRegion TRegion::FromMask(const TBitmap& mask, int x, int y)
{
    std::vector<TRect> runs;
    for (int row = 0; row < mask.Height(); ++row) {
        const Pixel* line = mask.ScanLine(row);
        int col = 0;
        while (col < mask.Width()) {
            if ((line[col] & 0x00FFFFFFu) != 0) {
                ++col;
                continue;
            }
            int start = col;
            while (col < mask.Width() && (line[col] & 0x00FFFFFFu) == 0)
                ++col;
            runs.push_back({ start + x, row + y, col + x, row + y + 1 });
        }
    }
    return FromRects(runs);
}

bool TRegion::Empty() const { return !pixman_region32_not_empty(&m_region); }

bool TRegion::Contains(int x, int y) const { return pixman_region32_contains_point(&m_region, x, y, nullptr); }

bool TRegion::ContainsRect(const TRect& rect) const
{
    if (rect.IsEmpty())
        return true;
    pixman_box32_t box = ToBox(rect);
    return pixman_region32_contains_rectangle(&m_region, &box) == PIXMAN_REGION_IN;
}

bool TRegion::Intersects(const TRect& rect) const
{
    if (rect.IsEmpty())
        return false;
    pixman_box32_t box = ToBox(rect);
    return pixman_region32_contains_rectangle(&m_region, &box) != PIXMAN_REGION_OUT;
}

TRect TRegion::BoundingBox() const
{
    if (Empty())
        return {};
    return ToRect(*pixman_region32_extents(&m_region));
}

std::vector<TRect> TRegion::Rects() const
{
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&m_region, &count);
    std::vector<TRect> rects;
    rects.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rects.push_back(ToRect(boxes[i]));
    return rects;
}

int TRegion::RectCount() const { return pixman_region32_n_rects(&m_region); }

void TRegion::Offset(int dx, int dy) { pixman_region32_translate(&m_region, dx, dy); }

void TRegion::Clear() { pixman_region32_clear(&m_region); }

TRegion& TRegion::operator|=(const TRegion& other)
{
    pixman_region32_union(&m_region, &m_region, &other.m_region);
    return *this;
}

TRegion& TRegion::operator&=(const TRegion& other)
{
    pixman_region32_intersect(&m_region, &m_region, &other.m_region);
    return *this;
}

TRegion& TRegion::operator-=(const TRegion& other)
{
    pixman_region32_subtract(&m_region, &m_region, &other.m_region);
    return *this;
}

TRegion& TRegion::operator^=(const TRegion& other)
{
    TRegion only_other = other - *this;
    *this -= other;
    return *this |= only_other;
}

bool TRegion::operator==(const TRegion& other) const
{
    if (Empty() || other.Empty())
        return Empty() && other.Empty();
    return pixman_region32_equal(&m_region, &other.m_region);
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, TCombineMode mode)
{
    switch (mode) {
    case TCombineMode::RGN_AND:
        return a & b;
    case TCombineMode::RGN_OR:
        return a | b;
    case TCombineMode::RGN_XOR:
        return a ^ b;
    case TCombineMode::RGN_DIFF:
        return a - b;
    case TCombineMode::RGN_COPY:
        break;
    }
    return a;
}

} // namespace gfx
