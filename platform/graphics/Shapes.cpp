#include "platform/graphics/Shapes.h"

#include <algorithm>
#include <cmath>

namespace gfx::shapes {
namespace {

// Columns of row y whose centres lie inside the ellipse inscribed in `box`
// (continuous coordinates: pixel x covers [x, x + 1)).
std::pair<int, int> EllipseRow(const TRect& box, int y)
{
    double rx = box.Width() / 2.0;
    double ry = box.Height() / 2.0;
    if (rx <= 0 || ry <= 0)
        return { 0, 0 };
    double cx = box.Left + rx;
    double cy = box.Top + ry;
    double dy = (y + 0.5 - cy) / ry;
    double q = 1.0 - dy * dy;
    if (q < 0)
        return { 0, 0 };
    double half = rx * std::sqrt(q);
    // A tiny tolerance keeps symmetric boxes symmetric despite rounding.
    int left = static_cast<int>(std::ceil(cx - half - 0.5 - 1e-9));
    int right = static_cast<int>(std::floor(cx + half - 0.5 + 1e-9)) + 1;
    return { left, right };
}

void AppendRow(int y, int left, int right, std::vector<TRect>& out)
{
    if (right > left)
        out.push_back({ left, y, right, y + 1 });
}

std::pair<int, int> RowAt(const RowSpans& shape, int y)
{
    int i = y - shape.Top;
    if (i < 0 || i >= static_cast<int>(shape.Rows.size()))
        return { 0, 0 };
    return shape.Rows[static_cast<std::size_t>(i)];
}

bool IsEmpty(std::pair<int, int> span) { return span.second <= span.first; }

} // namespace

RowSpans Ellipse(const TRect& box)
{
    RowSpans shape { box.Top, {} };
    if (box.IsEmpty())
        return shape;
    shape.Rows.reserve(static_cast<std::size_t>(box.Height()));
    for (int y = box.Top; y < box.Bottom; ++y)
        shape.Rows.push_back(EllipseRow(box, y));
    return shape;
}

RowSpans RoundRect(const TRect& box, int w, int h)
{
    RowSpans shape { box.Top, {} };
    if (box.IsEmpty())
        return shape;
    w = std::clamp(w, 0, box.Width());
    h = std::clamp(h, 0, box.Height());
    if (w < 2 || h < 2)
        return Box(box);
    TRect top_left { box.Left, box.Top, box.Left + w, box.Top + h };
    TRect top_right { box.Right - w, box.Top, box.Right, box.Top + h };
    TRect bottom_left { box.Left, box.Bottom - h, box.Left + w, box.Bottom };
    TRect bottom_right { box.Right - w, box.Bottom - h, box.Right, box.Bottom };
    int upper_end = box.Top + h / 2;
    int lower_start = box.Bottom - h / 2;
    for (int y = box.Top; y < box.Bottom; ++y) {
        int left = box.Left;
        int right = box.Right;
        if (y < upper_end) {
            left = EllipseRow(top_left, y).first;
            right = EllipseRow(top_right, y).second;
        } else if (y >= lower_start) {
            left = EllipseRow(bottom_left, y).first;
            right = EllipseRow(bottom_right, y).second;
        }
        shape.Rows.emplace_back(left, right);
    }
    return shape;
}

RowSpans Box(const TRect& box)
{
    RowSpans shape { box.Top, {} };
    if (!box.IsEmpty())
        shape.Rows.assign(static_cast<std::size_t>(box.Height()), { box.Left, box.Right });
    return shape;
}

void AppendFill(const RowSpans& shape, std::vector<TRect>& out)
{
    int y = shape.Top;
    for (auto [left, right] : shape.Rows)
        AppendRow(y++, left, right, out);
}

void AppendOutline(const RowSpans& shape, std::vector<TRect>& out)
{
    int bottom = shape.Top + static_cast<int>(shape.Rows.size());
    for (int y = shape.Top; y < bottom; ++y) {
        auto row = RowAt(shape, y);
        if (IsEmpty(row))
            continue;
        auto above = RowAt(shape, y - 1);
        auto below = RowAt(shape, y + 1);
        // Inner pixels have all four neighbours inside: not at the row's ends
        // and covered by the rows above and below.
        int inner_left = row.first + 1;
        int inner_right = row.second - 1;
        if (IsEmpty(above) || IsEmpty(below)) {
            inner_right = inner_left;
        } else {
            inner_left = std::max({ inner_left, above.first, below.first });
            inner_right = std::min({ inner_right, above.second, below.second });
        }
        if (inner_right <= inner_left) {
            AppendRow(y, row.first, row.second, out);
        } else {
            AppendRow(y, row.first, inner_left, out);
            AppendRow(y, inner_right, row.second, out);
        }
    }
}

void AppendDifference(const RowSpans& outer, const RowSpans& inner, std::vector<TRect>& out)
{
    int bottom = outer.Top + static_cast<int>(outer.Rows.size());
    for (int y = outer.Top; y < bottom; ++y) {
        auto row = RowAt(outer, y);
        auto hole = RowAt(inner, y);
        if (IsEmpty(hole) || hole.second <= row.first || hole.first >= row.second) {
            AppendRow(y, row.first, row.second, out);
        } else {
            AppendRow(y, row.first, std::max(row.first, hole.first), out);
            AppendRow(y, std::min(row.second, hole.second), row.second, out);
        }
    }
}

void AppendPolygon(std::span<const TPoint> points, std::vector<TRect>& out)
{
    if (points.size() < 3)
        return;
    int top = points[0].Y;
    int bottom = points[0].Y;
    for (TPoint p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            TPoint a = points[i];
            TPoint b = points[(i + 1) % points.size()];
            if ((a.Y <= cy) == (b.Y <= cy))
                continue;
            crossings.push_back(a.X + (cy - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [from, to).
            int from = static_cast<int>(std::ceil(crossings[i] - 0.5));
            int to = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
            AppendRow(y, from, to, out);
        }
    }
}

} // namespace gfx::shapes
