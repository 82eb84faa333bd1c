#include "platform/graphics/Raster.h"

#include <algorithm>
#include <cstring>

#include <pixman.h>

namespace gfx::raster {
namespace {

constexpr Pixel kOpaque = 0xFF000000u;

// From this length on a solid row is filled by pixman's vector routines; the
// panels and fields of a maximized window are rows of a thousand pixels and
// more. Shorter rows (edges, glyph runs) stay with the plain loop, which costs
// less than the call.
constexpr int kVectorFillLength = 64;

template <TPenMode M>
inline Pixel Apply(Pixel p, Pixel d)
{
    Pixel r = 0;
    if constexpr (M == TPenMode::pmBlack)
        r = 0;
    else if constexpr (M == TPenMode::pmWhite)
        r = ~Pixel { 0 };
    else if constexpr (M == TPenMode::pmNop)
        return d;
    else if constexpr (M == TPenMode::pmNot)
        r = ~d;
    else if constexpr (M == TPenMode::pmCopy)
        r = p;
    else if constexpr (M == TPenMode::pmNotCopy)
        r = ~p;
    else if constexpr (M == TPenMode::pmMergePenNot)
        r = p | ~d;
    else if constexpr (M == TPenMode::pmMaskPenNot)
        r = p & ~d;
    else if constexpr (M == TPenMode::pmMergeNotPen)
        r = ~p | d;
    else if constexpr (M == TPenMode::pmMaskNotPen)
        r = ~p & d;
    else if constexpr (M == TPenMode::pmMerge)
        r = p | d;
    else if constexpr (M == TPenMode::pmNotMerge)
        r = ~(p | d);
    else if constexpr (M == TPenMode::pmMask)
        r = p & d;
    else if constexpr (M == TPenMode::pmNotMask)
        r = ~(p & d);
    else if constexpr (M == TPenMode::pmXor)
        r = p ^ d;
    else
        r = ~(p ^ d);
    return r | kOpaque;
}

template <TPenMode M>
void SolidRow(Pixel* dst, int count, Pixel color)
{
    if constexpr (M == TPenMode::pmCopy) {
        if (count < kVectorFillLength || !pixman_fill(dst, count, 32, 0, 0, count, 1, color | kOpaque))
            std::fill_n(dst, count, color | kOpaque);
    } else {
        for (int i = 0; i < count; ++i)
            dst[i] = Apply<M>(color, dst[i]);
    }
}

template <TPenMode M>
void MaskedRow(Pixel* dst, int count, Pixel color, unsigned pattern, int phase)
{
    for (int i = 0; i < count; ++i) {
        if (pattern & (1u << ((phase + i) & 7)))
            dst[i] = Apply<M>(color, dst[i]);
    }
}

template <TPenMode M>
void FromRow(Pixel* dst, const Pixel* pattern, int count)
{
    for (int i = 0; i < count; ++i)
        dst[i] = Apply<M>(pattern[i], dst[i]);
}

// Calls f.template operator()<Mode>() for the run-time mode.
template <class F>
void Dispatch(TPenMode mode, F&& f)
{
    switch (mode) {
    case TPenMode::pmBlack: f.template operator()<TPenMode::pmBlack>(); break;
    case TPenMode::pmWhite: f.template operator()<TPenMode::pmWhite>(); break;
    case TPenMode::pmNop: break;
    case TPenMode::pmNot: f.template operator()<TPenMode::pmNot>(); break;
    case TPenMode::pmCopy: f.template operator()<TPenMode::pmCopy>(); break;
    case TPenMode::pmNotCopy: f.template operator()<TPenMode::pmNotCopy>(); break;
    case TPenMode::pmMergePenNot: f.template operator()<TPenMode::pmMergePenNot>(); break;
    case TPenMode::pmMaskPenNot: f.template operator()<TPenMode::pmMaskPenNot>(); break;
    case TPenMode::pmMergeNotPen: f.template operator()<TPenMode::pmMergeNotPen>(); break;
    case TPenMode::pmMaskNotPen: f.template operator()<TPenMode::pmMaskNotPen>(); break;
    case TPenMode::pmMerge: f.template operator()<TPenMode::pmMerge>(); break;
    case TPenMode::pmNotMerge: f.template operator()<TPenMode::pmNotMerge>(); break;
    case TPenMode::pmMask: f.template operator()<TPenMode::pmMask>(); break;
    case TPenMode::pmNotMask: f.template operator()<TPenMode::pmNotMask>(); break;
    case TPenMode::pmXor: f.template operator()<TPenMode::pmXor>(); break;
    case TPenMode::pmNotXor: f.template operator()<TPenMode::pmNotXor>(); break;
    }
}

unsigned RopCode(TRasterOp rop) { return (rop >> 16) & 0xFFu; }

// Any ternary operation, bit by bit from its truth table: bit (p*4 + s*2 + d)
// of the code is the result for those input bits.
inline Pixel Ternary(unsigned code, Pixel p, Pixel s, Pixel d)
{
    Pixel r = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if (code & (1u << k))
            r |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    }
    return r;
}

template <class Op>
void Combine(Pixel* dst, const Pixel* src, int count, Op op)
{
    for (int i = 0; i < count; ++i)
        dst[i] = op(src[i], dst[i]) | kOpaque;
}

} // namespace

void ModeRow(Pixel* dst, int count, Pixel color, TPenMode mode)
{
    Dispatch(mode, [&]<TPenMode M>() { SolidRow<M>(dst, count, color); });
}

void ModeRowMasked(Pixel* dst, int count, Pixel color, TPenMode mode, unsigned pattern, int phase)
{
    Dispatch(mode, [&]<TPenMode M>() { MaskedRow<M>(dst, count, color, pattern, phase); });
}

void ModeRowFrom(Pixel* dst, const Pixel* pattern, int count, TPenMode mode)
{
    Dispatch(mode, [&]<TPenMode M>() { FromRow<M>(dst, pattern, count); });
}

bool RopUsesSource(TRasterOp rop)
{
    unsigned code = RopCode(rop);
    return ((code >> 2) & 0x33u) != (code & 0x33u);
}

bool RopUsesPattern(TRasterOp rop)
{
    unsigned code = RopCode(rop);
    return ((code >> 4) & 0x0Fu) != (code & 0x0Fu);
}

void RopRow(Pixel* dst, const Pixel* src, const Pixel* pattern, int count, TRasterOp rop)
{
    unsigned code = RopCode(rop);
    switch (code) {
    case 0xCC: // source copy keeps the source's alpha
        std::memmove(dst, src, static_cast<std::size_t>(count) * sizeof(Pixel));
        return;
    case 0x88:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return s & d; });
        return;
    case 0xEE:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return s | d; });
        return;
    case 0x66:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return s ^ d; });
        return;
    case 0x44:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return s & ~d; });
        return;
    case 0x33:
        Combine(dst, src, count, [](Pixel s, Pixel) { return ~s; });
        return;
    case 0x11:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return ~(s | d); });
        return;
    case 0xBB:
        Combine(dst, src, count, [](Pixel s, Pixel d) { return ~s | d; });
        return;
    case 0x55:
        for (int i = 0; i < count; ++i)
            dst[i] = ~dst[i] | kOpaque;
        return;
    case 0x00:
        std::fill_n(dst, count, kOpaque);
        return;
    case 0xFF:
        std::fill_n(dst, count, ~Pixel { 0 });
        return;
    case 0xF0:
        for (int i = 0; i < count; ++i)
            dst[i] = pattern[i] | kOpaque;
        return;
    case 0x5A:
        for (int i = 0; i < count; ++i)
            dst[i] = (pattern[i] ^ dst[i]) | kOpaque;
        return;
    default:
        break;
    }
    for (int i = 0; i < count; ++i) {
        Pixel p = pattern ? pattern[i] : 0;
        Pixel s = src ? src[i] : 0;
        dst[i] = Ternary(code, p, s, dst[i]) | kOpaque;
    }
}

} // namespace gfx::raster
