#include "tools/support/Showcase.h"

#include "platform/graphics/TBitmap.h"

#include <array>
#include <string>

namespace gfx {
namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 520;

void DrawFaces(TCanvas& c)
{
    static constexpr std::array kFaces { "宋体", "Tahoma", "Arial", "MS Sans Serif", "Times New Roman", "Courier New",
        "Verdana", "黑体" };
    c.Brush.Style = TBrushStyle::bsClear;
    int y = 44;
    for (const char* face : kFaces) {
        c.Font = TFont {};
        c.Font.Name = face;
        c.Font.Height = -14;
        c.Font.Color = clBlack;
        c.TextOut(12, y, std::string(face) + ": 笔记管理 Notes 2026 — 类别与搜索");
        y += 22;
    }
    c.Font.Name = "宋体";
    c.Font.Height = 12;
    c.Font.Style = { TFontStyle::fsBold, TFontStyle::fsUnderline };
    c.Font.Color = clNavy;
    c.TextOut(12, y + 2, "宋体 12 (cell height), bold + underline");
    c.Font.Style = { TFontStyle::fsItalic, TFontStyle::fsStrikeOut };
    c.Font.Name = "Arial";
    c.Font.Height = 14;
    c.Font.Color = clMaroon;
    c.TextOut(12, y + 20, "Arial 14 (cell height), italic + strike-out");
}

void DrawLines(TCanvas& c, const TRect& area)
{
    c.Pen = TPen {};
    c.Brush.Style = TBrushStyle::bsClear;
    c.Rectangle(area);
    for (int i = 0; i < 8; ++i) {
        c.MoveTo(area.Left + 4, area.Top + 4 + i * 3);
        c.LineTo(area.Left + 40 + i * 5, area.Top + 4 + i * 3 + i);
    }
    c.Pen.Color = clRed;
    c.MoveTo(area.Left + 4, area.Bottom - 4);
    c.LineTo(area.Right - 4, area.Top + 30);
    c.Pen.Color = clBlue;
    c.Pen.Style = TPenStyle::psDot;
    c.Rectangle(area.Left + 60, area.Top + 40, area.Left + 120, area.Top + 80);
    c.Pen.Style = TPenStyle::psSolid;
    c.Pen.Color = clGreen;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = clYellow;
    c.Ellipse(area.Left + 8, area.Top + 36, area.Left + 48, area.Top + 70);
    c.Brush.Color = clAqua;
    c.RoundRect(area.Left + 8, area.Top + 74, area.Left + 60, area.Top + 100, 10, 10);
    std::array<TPoint, 3> triangle { TPoint { area.Left + 130, area.Top + 90 }, TPoint { area.Left + 160, area.Top + 40 },
        TPoint { area.Left + 190, area.Top + 90 } };
    c.Brush.Color = clFuchsia;
    c.Polygon(triangle);
    c.Pen.Width = 3;
    c.Pen.Color = clPurple;
    c.MoveTo(area.Left + 130, area.Top + 100);
    c.LineTo(area.Right - 8, area.Top + 100);
    c.Pen = TPen {};
    c.Brush = TBrush {};
}

void DrawClippedFill(TCanvas& c, const TRect& area)
{
    TRegion clip = TRegion::FromEllipse(area) | TRegion(Rect(area.Left, area.Top + area.Height() / 2 - 6, area.Right + 30, area.Top + area.Height() / 2 + 6));
    clip -= TRegion(Inflate(area, -area.Width() / 3, -area.Height() / 3));
    clip.Offset(c.Origin().X, c.Origin().Y);
    c.SetClipRegion(clip);
    for (int i = 0; i < area.Width() + 30; i += 6) {
        c.Brush.Color = RGB(40 + i, 120, 255 - i);
        c.FillRect(Rect(area.Left + i, area.Top, area.Left + i + 6, area.Bottom));
    }
    c.Brush.Style = TBrushStyle::bsDiagCross;
    c.Brush.Color = clWhite;
    c.FillRect(area);
    c.ClearClipRegion();
    c.Brush = TBrush {};
}

void DrawFormattedText(TCanvas& c, const TRect& area)
{
    c.Brush.Color = clInfoBk;
    c.Pen.Color = clGray;
    c.Rectangle(area);
    c.Font = TFont {};
    c.Font.Name = "宋体";
    c.Font.Height = -12;
    c.Font.Color = clInfoText;
    c.Brush.Style = TBrushStyle::bsClear;
    TRect r = Inflate(area, -4, -4);
    c.DrawText("DrawText 自动换行：笔记按类别归档，可以按关键字搜索标题或内容，并打印当前笔记或全部笔记。&File menu",
        r, DT_WORDBREAK);
    TRect one = Rect(area.Left + 4, area.Bottom + 6, area.Left + 300, area.Bottom + 24);
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(one);
    c.Brush.Style = TBrushStyle::bsClear;
    c.DrawText("End ellipsis: 这一行文字太长了，放不下，所以以省略号结尾", one, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    c.Brush = TBrush {};
}

void DrawRasterOps(TCanvas& c, const TRect& area)
{
    TBitmap chip(40, 40);
    chip.Canvas().Brush.Color = clWhite;
    chip.Canvas().FillRect(Rect(0, 0, 40, 40));
    chip.Canvas().Brush.Color = clRed;
    chip.Canvas().Ellipse(4, 4, 36, 36);
    c.Brush.Color = clTeal;
    c.FillRect(area);
    c.BitBlt(area.Left + 4, area.Top + 4, 40, 40, chip, 0, 0, SRCCOPY);
    c.BitBlt(area.Left + 48, area.Top + 4, 40, 40, chip, 0, 0, SRCAND);
    c.BitBlt(area.Left + 92, area.Top + 4, 40, 40, chip, 0, 0, SRCINVERT);
    chip.Transparent = true;
    chip.TransparentColor = clWhite;
    c.Draw(area.Left + 136, area.Top + 4, chip);
    c.StretchDraw(Rect(area.Left + 180, area.Top + 4, area.Left + 260, area.Top + 44), chip);
    c.DrawFocusRect(Inflate(area, -2, -2));
    c.Brush = TBrush {};
}

} // namespace

void DrawShowcase(TBitmap& target)
{
    target.SetSize(kWidth, kHeight);
    TCanvas& c = target.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, kWidth, kHeight));
    c.Brush.Color = clActiveCaption;
    c.FillRect(Rect(0, 0, kWidth, 30));
    c.Font = TFont {};
    c.Font.Name = "宋体";
    c.Font.Height = -16;
    c.Font.Style = { TFontStyle::fsBold };
    c.Font.Color = clCaptionText;
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(10, 7, "Veltrin 绘图层 — graphics layer showcase");
    c.Brush = TBrush {};

    DrawFaces(c);

    TRect lines = Rect(440, 44, 740, 160);
    DrawLines(c, lines);
    // Magnified view of the lines' top-left corner: every pixel of the
    // original becomes a 4x4 block, so the exact pixels can be checked.
    TBitmap copy(target);
    c.CopyRect(Rect(440, 170, 600, 290), copy, Rect(440, 44, 480, 74));
    c.Pen = TPen {};
    c.Brush.Style = TBrushStyle::bsClear;
    c.Rectangle(Rect(439, 169, 601, 291));
    c.Brush = TBrush {};

    c.SetOrigin({ 610, 170 });
    DrawClippedFill(c, Rect(0, 0, 120, 120));
    c.SetOrigin({ 0, 0 });

    DrawFormattedText(c, Rect(12, 300, 420, 380));
    c.Font = TFont {};
    c.Font.Name = "宋体";
    c.Font.Height = -12;
    c.Font.Orientation = 900;
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(424, 400, "转向 900");
    c.Font.Orientation = 0;
    c.Brush = TBrush {};
    DrawRasterOps(c, Rect(440, 320, 740, 372));
}

} // namespace gfx
