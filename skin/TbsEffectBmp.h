#pragma once

#include "platform/graphics/TBitmap.h"

#include <cstdint>
#include <random>
#include <vector>

namespace gfx {
class TCanvas;
}

namespace skin {

// How a part fades between its normal and its active image (skin key "morphkind").
enum class TbsMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

// How the inactive frame is derived from the active one (skin key "inactiveeffect").
enum class TbsInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// A 24-bit working image for fades and effects: rows top-down, each row
// blue, green, red per pixel, padded to a multiple of 4 bytes.
//
// The morphs change the receiver (the normal image) in place towards `other`
// (the active image, of the same size; nothing happens when the sizes differ)
// by a factor k from 0 (normal) to 1 (active). Channel results are rounded to
// the nearest integer, halves to even, and clamped to 0..255.
class TbsEffectBmp {
public:
    TbsEffectBmp(int width, int height);
    explicit TbsEffectBmp(const gfx::TBitmap& bitmap);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RowBytes() const { return m_rowBytes; }
    std::uint8_t* Row(int y) { return m_bits.data() + static_cast<std::size_t>(y) * m_rowBytes; }
    const std::uint8_t* Row(int y) const { return m_bits.data() + static_cast<std::size_t>(y) * m_rowBytes; }

    gfx::TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, gfx::TColor color);

    // Copies every pixel unscaled to (x, y) of the target; what falls outside is left out.
    void DrawTo(gfx::TBitmap& target, int x, int y) const;
    // The same onto a canvas, within its clip region.
    void DrawTo(gfx::TCanvas& canvas, int x, int y) const;
    gfx::TBitmap ToBitmap() const;

    // The fade of a morph kind at factor k.
    void Morph(const TbsEffectBmp& other, TbsMorphKind kind, double k);
    void BlendWith(const TbsEffectBmp& other, double k);
    void BlendFromCentre(const TbsEffectBmp& other, double k);
    void BlendFromLeft(const TbsEffectBmp& other, double k);
    void BlendFromRight(const TbsEffectBmp& other, double k);
    void SlideFromLeft(const TbsEffectBmp& other, double k);
    void SlideFromRight(const TbsEffectBmp& other, double k);
    void PushFromLeft(const TbsEffectBmp& other, double k);

    // The inactive effect with the strengths the frame uses.
    void ApplyInactiveEffect(TbsInactiveEffect effect);
    void Lighten(double k);
    void Darken(double k);
    void ToGray();
    // Adds one offset per pixel, uniform in -amount/2 .. amount - 1 - amount/2.
    void AddNoise(int amount);
    void AddNoise(int amount, std::mt19937& random);
    // Each pixel becomes the mean of the four pixels `amount` rows and columns
    // away diagonally; rows are done top to bottom in place.
    void QuadBlur(int amount);
    void InvertColors();

private:
    bool SameSize(const TbsEffectBmp& other) const { return m_width == other.m_width && m_height == other.m_height; }
    std::uint8_t* At(int x, int y) { return Row(y) + 3 * x; }
    const std::uint8_t* At(int x, int y) const { return Row(y) + 3 * x; }
    void CopyColumn(int to, const TbsEffectBmp& source, int from);
    void CopyRow(int to, const TbsEffectBmp& source, int from);
    // Pixel (x, y) becomes w * self + (1 - w) * other.
    void Mix(int x, int y, const TbsEffectBmp& other, double w);

    int m_width { 0 };
    int m_height { 0 };
    int m_rowBytes { 0 };
    std::vector<std::uint8_t> m_bits;
};

} // namespace skin
