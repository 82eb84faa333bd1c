// Throughput of the drawing layer on a full-HD bitmap: fills, blits, stretches
// and text, the baseline for later painting work.

#include "platform/graphics/TBitmap.h"

#include <benchmark/benchmark.h>

namespace {

using namespace gfx;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

TBitmap Pattern(int w, int h)
{
    TBitmap bmp(w, h);
    for (int y = 0; y < h; ++y) {
        Pixel* line = bmp.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = 0xFF000000u | static_cast<Pixel>((x * 7) ^ (y * 13));
    }
    return bmp;
}

void SetPixelsProcessed(benchmark::State& state, std::int64_t per_iteration)
{
    state.SetItemsProcessed(state.iterations() * per_iteration);
    state.SetBytesProcessed(state.iterations() * per_iteration * 4);
}

void BM_FillRectSolid(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clBtnFace;
    for (auto _ : state) {
        c.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_FillRectSolid);

void BM_FillRectXorThroughClipRegion(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    c.SetClipRegion(TRegion::FromEllipse(Rect(0, 0, kWidth, kHeight)));
    c.Pen.Mode = TPenMode::pmXor;
    c.Pen.Style = TPenStyle::psClear;
    c.Brush.Color = clRed;
    for (auto _ : state) {
        c.Rectangle(0, 0, kWidth + 1, kHeight + 1);
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_FillRectXorThroughClipRegion);

void BM_FillRectHatch(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    c.Brush.Style = TBrushStyle::bsDiagCross;
    c.Brush.Color = clNavy;
    for (auto _ : state) {
        c.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_FillRectHatch);

void BM_BitBlt(benchmark::State& state)
{
    auto rop = static_cast<TRasterOp>(state.range(0));
    TBitmap source = Pattern(kWidth, kHeight);
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    for (auto _ : state) {
        c.BitBlt(0, 0, kWidth, kHeight, source, 0, 0, rop);
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_BitBlt)->Arg(SRCCOPY)->Arg(SRCINVERT)->Arg(0x00E20746);

void BM_StretchDraw(benchmark::State& state)
{
    TBitmap source = Pattern(640, 360);
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    for (auto _ : state) {
        c.StretchDraw(Rect(0, 0, kWidth, kHeight), source);
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_StretchDraw);

void BM_TransparentDraw(benchmark::State& state)
{
    TBitmap source = Pattern(kWidth, kHeight);
    source.Transparent = true;
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    for (auto _ : state) {
        c.Draw(0, 0, source);
        benchmark::DoNotOptimize(bmp.Bits());
    }
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_TransparentDraw);

void BM_TextOut(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    c.Font.Name = state.range(0) ? "宋体" : "Tahoma";
    c.Font.Height = -12;
    c.Brush.Style = TBrushStyle::bsClear;
    const char* text = state.range(0) ? "笔记管理：按类别归档，按关键字搜索" : "Notes by category, found by keyword";
    int y = 0;
    for (auto _ : state) {
        c.TextOut(10, y, text);
        y = (y + 14) % (kHeight - 20);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextOut)->Arg(0)->Arg(1);

void BM_DrawTextWordBreak(benchmark::State& state)
{
    TBitmap bmp(kWidth, kHeight);
    TCanvas& c = bmp.Canvas();
    c.Font.Name = "宋体";
    c.Font.Height = -12;
    c.Brush.Style = TBrushStyle::bsClear;
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "笔记按类别归档 notes filed by category, ";
    for (auto _ : state) {
        TRect r = Rect(0, 0, 400, kHeight);
        benchmark::DoNotOptimize(c.DrawText(text, r, DT_WORDBREAK));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawTextWordBreak);

void BM_RegionFromMask(benchmark::State& state)
{
    TBitmap mask(kWidth, kHeight);
    mask.Fill(clWhite);
    mask.Canvas().Brush.Color = clBlack;
    mask.Canvas().Pen.Color = clBlack;
    mask.Canvas().Ellipse(0, 0, kWidth, kHeight);
    for (auto _ : state)
        benchmark::DoNotOptimize(TRegion::FromMask(mask).RectCount());
    SetPixelsProcessed(state, std::int64_t { kWidth } * kHeight);
}
BENCHMARK(BM_RegionFromMask);

} // namespace

BENCHMARK_MAIN();
