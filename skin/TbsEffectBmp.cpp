#include "skin/TbsEffectBmp.h"

#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace skin {

namespace {

// Nearest integer, halves to even, clamped to a channel value.
std::uint8_t Channel(double value)
{
    const double rounded = std::nearbyint(value);
    return static_cast<std::uint8_t>(std::clamp(rounded, 0.0, 255.0));
}

int RoundToInt(double value) { return static_cast<int>(std::nearbyint(value)); }

double ClampFactor(double k) { return std::clamp(k, 0.0, 1.0); }

} // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("effect bitmap size must not be negative");
    m_width = width;
    m_height = height;
    m_rowBytes = 3 * width + width % 4;
    m_bits.assign(static_cast<std::size_t>(m_rowBytes) * height, 0);
}

TbsEffectBmp::TbsEffectBmp(const gfx::TBitmap& bitmap) : TbsEffectBmp(bitmap.Width(), bitmap.Height())
{
    for (int y = 0; y < m_height; ++y) {
        const gfx::Pixel* from = bitmap.ScanLine(y);
        std::uint8_t* to = Row(y);
        for (int x = 0; x < m_width; ++x) {
            to[3 * x] = static_cast<std::uint8_t>(from[x]);
            to[3 * x + 1] = static_cast<std::uint8_t>(from[x] >> 8);
            to[3 * x + 2] = static_cast<std::uint8_t>(from[x] >> 16);
        }
    }
}

gfx::TColor TbsEffectBmp::Pixel(int x, int y) const
{
    const std::uint8_t* p = At(x, y);
    return gfx::RGB(p[2], p[1], p[0]);
}

void TbsEffectBmp::SetPixel(int x, int y, gfx::TColor color)
{
    std::uint8_t* p = At(x, y);
    p[0] = static_cast<std::uint8_t>(gfx::GetBValue(color));
    p[1] = static_cast<std::uint8_t>(gfx::GetGValue(color));
    p[2] = static_cast<std::uint8_t>(gfx::GetRValue(color));
}

void TbsEffectBmp::DrawTo(gfx::TBitmap& target, int x, int y) const
{
    const int left = std::max(0, x);
    const int right = std::min(target.Width(), x + m_width);
    const int top = std::max(0, y);
    const int bottom = std::min(target.Height(), y + m_height);
    for (int ty = top; ty < bottom; ++ty) {
        const std::uint8_t* from = Row(ty - y);
        gfx::Pixel* to = target.ScanLine(ty);
        for (int tx = left; tx < right; ++tx) {
            const std::uint8_t* p = from + 3 * (tx - x);
            to[tx] = 0xFF000000u | (static_cast<gfx::Pixel>(p[2]) << 16) | (static_cast<gfx::Pixel>(p[1]) << 8) | p[0];
        }
    }
}

void TbsEffectBmp::DrawTo(gfx::TCanvas& canvas, int x, int y) const { canvas.Draw(x, y, ToBitmap()); }

gfx::TBitmap TbsEffectBmp::ToBitmap() const
{
    gfx::TBitmap bitmap(m_width, m_height);
    DrawTo(bitmap, 0, 0);
    return bitmap;
}

void TbsEffectBmp::CopyColumn(int to, const TbsEffectBmp& source, int from)
{
    for (int y = 0; y < m_height; ++y)
        std::copy_n(source.At(from, y), 3, At(to, y));
}

void TbsEffectBmp::CopyRow(int to, const TbsEffectBmp& source, int from)
{
    std::copy_n(source.Row(from), 3 * m_width, Row(to));
}

void TbsEffectBmp::Mix(int x, int y, const TbsEffectBmp& other, double w)
{
    std::uint8_t* self = At(x, y);
    const std::uint8_t* active = other.At(x, y);
    for (int c = 0; c < 3; ++c)
        self[c] = Channel(w * self[c] + (1 - w) * active[c]);
}

void TbsEffectBmp::Morph(const TbsEffectBmp& other, TbsMorphKind kind, double k)
{
    switch (kind) {
    case TbsMorphKind::mkDefault: BlendWith(other, k); break;
    case TbsMorphKind::mkGradient: BlendFromCentre(other, k); break;
    case TbsMorphKind::mkLeftGradient: BlendFromLeft(other, k); break;
    case TbsMorphKind::mkRightGradient: BlendFromRight(other, k); break;
    case TbsMorphKind::mkLeftSlide: SlideFromLeft(other, k); break;
    case TbsMorphKind::mkRightSlide: SlideFromRight(other, k); break;
    case TbsMorphKind::mkPush: PushFromLeft(other, k); break;
    }
}

void TbsEffectBmp::BlendWith(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other))
        return;
    k = ClampFactor(k);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* self = Row(y);
        const std::uint8_t* active = other.Row(y);
        for (int i = 0; i < 3 * m_width; ++i)
            self[i] = Channel((1 - k) * self[i] + k * active[i]);
    }
}

void TbsEffectBmp::BlendFromCentre(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0 || m_height == 0)
        return;
    k = ClampFactor(k);
    const bool byRows = m_width < m_height;
    const int length = byRows ? m_height : m_width;
    const int a = RoundToInt(length * k);
    // Rows grade over one line fewer than columns and do not grade at all when
    // nothing is left to grade over.
    const int b = byRows ? (length - 1 - a) / 2 : (length - a) / 2;
    const double step = b != 0 ? 1.0 / b : (byRows ? 0.0 : 1.0);
    const int lo = std::max(0, length / 2 - a / 2);
    const int hi = std::min(length - 1, length / 2 + a / 2);

    auto take = [&](int line) { byRows ? CopyRow(line, other, line) : CopyColumn(line, other, line); };
    auto mix = [&](int line, double w) {
        if (byRows) {
            for (int x = 0; x < m_width; ++x)
                Mix(x, line, other, w);
        } else {
            for (int y = 0; y < m_height; ++y)
                Mix(line, y, other, w);
        }
    };

    for (int line = lo; line <= hi; ++line)
        take(line);
    double w = 0;
    for (int line = lo; line >= 0; --line) {
        mix(line, w);
        w = std::min(1.0, w + step);
    }
    w = 0;
    for (int line = hi; line < length; ++line) {
        mix(line, w);
        w = std::min(1.0, w + step);
    }
}

void TbsEffectBmp::BlendFromLeft(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int a = std::min(std::max(RoundToInt(m_width * ClampFactor(k)), 1), m_width - 1);
    const double step = a > 0 ? 1.0 / a : 1.0;
    double w = 0;
    for (int x = 0; x <= a; ++x) {
        for (int y = 0; y < m_height; ++y)
            Mix(x, y, other, w);
        w = std::min(1.0, w + step);
    }
}

void TbsEffectBmp::BlendFromRight(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int a = std::clamp(m_width - RoundToInt(m_width * ClampFactor(k)), 0, m_width - 1);
    const double step = 1.0 / (m_width - a);
    double w = 0;
    for (int x = m_width - 1; x >= a; --x) {
        for (int y = 0; y < m_height; ++y)
            Mix(x, y, other, w);
        w = std::min(1.0, w + step);
    }
}

void TbsEffectBmp::SlideFromLeft(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other))
        return;
    const int b = std::min(std::max(RoundToInt(m_width * ClampFactor(k)), 1), m_width - 1);
    for (int x = 0; x < b; ++x)
        CopyColumn(x, other, m_width - b + x);
}

void TbsEffectBmp::SlideFromRight(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other))
        return;
    const int b = std::min(std::max(RoundToInt(m_width * ClampFactor(k)), 1), m_width - 1);
    for (int x = 0; x < b; ++x)
        CopyColumn(m_width - b + x, other, x);
}

void TbsEffectBmp::PushFromLeft(const TbsEffectBmp& other, double k)
{
    if (!SameSize(other) || m_width == 0)
        return;
    const int a = std::clamp(RoundToInt(m_width * ClampFactor(k)), 0, m_width - 1);
    // The normal image moves right by a + 1 columns (the columns it shares with
    // itself are copied from the right end so none is read after being written).
    for (int x = m_width - 1; x > a; --x)
        CopyColumn(x, *this, x - a - 1);
    CopyColumn(a, *this, 0);
    for (int x = 0; x <= a; ++x)
        CopyColumn(x, other, m_width - a - 1 + x);
}

void TbsEffectBmp::ApplyInactiveEffect(TbsInactiveEffect effect)
{
    switch (effect) {
    case TbsInactiveEffect::ieBrightness: Lighten(0.5); break;
    case TbsInactiveEffect::ieDarkness: Darken(0.3); break;
    case TbsInactiveEffect::ieGrayScale: ToGray(); break;
    case TbsInactiveEffect::ieNoise: AddNoise(50); break;
    case TbsInactiveEffect::ieSplitBlur: QuadBlur(1); break;
    case TbsInactiveEffect::ieInvert: InvertColors(); break;
    }
}

void TbsEffectBmp::Lighten(double k)
{
    k = ClampFactor(k);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = Row(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = Channel((1 - k) * row[i] + k * 255);
    }
}

void TbsEffectBmp::Darken(double k)
{
    k = ClampFactor(k);
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = Row(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = Channel((1 - k) * row[i]);
    }
}

void TbsEffectBmp::ToGray()
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            std::uint8_t* p = At(x, y);
            const std::uint8_t gray = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = gray;
        }
    }
}

void TbsEffectBmp::AddNoise(int amount)
{
    static std::mt19937 random { std::random_device {}() };
    AddNoise(amount, random);
}

void TbsEffectBmp::AddNoise(int amount, std::mt19937& random)
{
    if (amount <= 0)
        return;
    std::uniform_int_distribution<int> pick(0, amount - 1);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const int offset = pick(random) - amount / 2;
            std::uint8_t* p = At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(std::clamp(p[c] + offset, 0, 255));
        }
    }
}

void TbsEffectBmp::QuadBlur(int amount)
{
    if (amount <= 0 || m_width == 0 || m_height == 0)
        return;
    // Near the bottom and right edges the far row and column are mirrored
    // (height - i, width - j); when amount reaches the image size that mirror
    // would leave the image, so every index is kept inside it.
    auto lowerRow = [&](int i) { return std::min(i + amount < m_height ? i + amount : m_height - i, m_height - 1); };
    auto rightColumn = [&](int j) { return std::min(j + amount < m_width ? j + amount : m_width - j, m_width - 1); };
    std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(m_width));
    for (int i = 0; i < m_height; ++i) {
        const int upper = i - amount >= 0 ? i - amount : i;
        const int lower = lowerRow(i);
        for (int j = 0; j < m_width; ++j) {
            const int left = j - amount >= 0 ? j - amount : j;
            const int right = rightColumn(j);
            const std::uint8_t* ul = At(left, upper);
            const std::uint8_t* ll = At(left, lower);
            const std::uint8_t* ur = At(right, upper);
            const std::uint8_t* lr = At(right, lower);
            for (int c = 0; c < 3; ++c)
                row[3 * j + c] = static_cast<std::uint8_t>((ul[c] + ll[c] + ur[c] + lr[c]) / 4);
        }
        std::copy(row.begin(), row.end(), Row(i));
    }
}

void TbsEffectBmp::InvertColors()
{
    for (int y = 0; y < m_height; ++y) {
        std::uint8_t* row = Row(y);
        for (int i = 0; i < 3 * m_width; ++i)
            row[i] = static_cast<std::uint8_t>(255 - row[i]);
    }
}

} // namespace skin
