#include "SkinPictures.h"

#include "SkinPainter.h"

namespace drawskin {

using gfx::TBitmap;
using gfx::TColor;

namespace {

constexpr int kFrameWidth = 160;
constexpr int kFrameHeight = 145;
constexpr int kCaptionHeight = 26; // rows above the client
constexpr int kBorder = 4;         // left, right and bottom frame width

constexpr int kGlyphRows = 6;
constexpr int kStates = 4;

// Sets the pixel (x, y) of a cell whose top-left is at (left, top).
struct Cell {
    TBitmap& bitmap;
    int left;
    int top;

    void Dot(int x, int y, TColor color) const { bitmap.SetPixel(left + x, top + y, color); }
    void HLine(int x1, int x2, int y, TColor color) const
    {
        for (int x = x1; x <= x2; ++x)
            Dot(x, y, color);
    }
    void VLine(int x, int y1, int y2, TColor color) const
    {
        for (int y = y1; y <= y2; ++y)
            Dot(x, y, color);
    }
    void Outline(int x1, int y1, int x2, int y2, TColor color) const
    {
        HLine(x1, x2, y1, color);
        HLine(x1, x2, y2, color);
        VLine(x1, y1, y2, color);
        VLine(x2, y1, y2, color);
    }
};

// The glyphs sit in an 8 x 8 box at (5, 4) of the 18 x 17 button.
void DrawButtonGlyph(SkinPainter& painter, const Cell& cell, ButtonGlyph glyph, TColor color)
{
    const double x = cell.left;
    const double y = cell.top;
    switch (glyph) {
    case ButtonGlyph::Close:
        painter.Fill(Union(Segment(x + 5.5, y + 4.5, x + 12.5, y + 11.5, 1.05), Segment(x + 12.5, y + 4.5, x + 5.5, y + 11.5, 1.05)),
            color);
        break;
    case ButtonGlyph::Maximize:
        cell.Outline(5, 4, 12, 11, color);
        break;
    case ButtonGlyph::Restore:
        cell.HLine(7, 12, 4, color);
        cell.VLine(12, 4, 9, color);
        cell.VLine(7, 4, 5, color);
        cell.HLine(11, 12, 9, color);
        cell.Outline(5, 6, 10, 11, color);
        break;
    case ButtonGlyph::Minimize:
        cell.HLine(5, 12, 8, color);
        break;
    case ButtonGlyph::RollUp:
        painter.Fill(Union(Segment(x + 5, y + 10, x + 9, y + 6, 1.25), Segment(x + 9, y + 6, x + 13, y + 10, 1.25)), color);
        break;
    case ButtonGlyph::Unroll:
        painter.Fill(Union(Segment(x + 5, y + 6, x + 9, y + 10, 1.25), Segment(x + 9, y + 10, x + 13, y + 6, 1.25)), color);
        break;
    }
}

void DrawButton(TBitmap& picture, ButtonGlyph glyph, ButtonState state)
{
    const gfx::TRect r = ButtonCell(glyph, state);
    SkinPainter painter(picture);
    // The normal look is the caption itself, so the button melts into it.
    painter.FillRows(r.Left, r.Top, r.Right, r.Bottom, [&](int y) { return CaptionRow(kButtonTop + y - r.Top); });
    const bool close = glyph == ButtonGlyph::Close;
    TColor glyphColor = palette::Glyph;
    if (state == ButtonState::Hot || state == ButtonState::Pressed) {
        TColor fill = state == ButtonState::Hot ? palette::Hot : palette::Pressed;
        if (close) {
            fill = state == ButtonState::Hot ? palette::Accent : palette::AccentDark;
            glyphColor = gfx::clWhite;
        }
        painter.Fill(RoundRect(r.Left + 0.5, r.Top + 0.5, r.Right - 0.5, r.Bottom - 0.5, 3), fill);
    } else if (state == ButtonState::Inactive) {
        glyphColor = palette::GlyphInactive;
    }
    DrawButtonGlyph(painter, Cell { picture, r.Left, r.Top }, glyph, glyphColor);
}

// The program's mark: a rounded accent square with three lines of a note.
void DrawSysMenuIcon(TBitmap& picture, ButtonState state)
{
    const gfx::TRect r = SysMenuCell(state);
    SkinPainter painter(picture);
    painter.FillRows(r.Left, r.Top, r.Right, r.Bottom, [&](int y) { return CaptionRow(kSysMenuTop + y - r.Top); });
    TColor fill = palette::Accent;
    if (state == ButtonState::Hot)
        fill = Mix(palette::Accent, gfx::clWhite, 0.18);
    else if (state == ButtonState::Pressed)
        fill = palette::AccentDark;
    else if (state == ButtonState::Inactive)
        fill = palette::GlyphInactive;
    painter.Fill(RoundRect(r.Left + 0.5, r.Top + 0.5, r.Right - 0.5, r.Bottom - 0.5, 2.6), fill);
    const Cell cell { picture, r.Left, r.Top };
    const TColor line = Mix(fill, gfx::clWhite, 0.92);
    cell.HLine(3, 9, 4, line);
    cell.HLine(3, 9, 6, line);
    cell.HLine(3, 7, 8, line);
}

} // namespace

TColor CaptionRow(int y)
{
    if (y <= 0)
        return palette::Outline;
    if (y >= kCaptionHeight - 1)
        return palette::Separator;
    const TColor gradient = Mix(palette::CaptionTop, palette::CaptionBottom, (y - 1) / double(kCaptionHeight - 3));
    // A faint light line just under the outline gives the caption its edge.
    return y == 1 ? Mix(gradient, gfx::clWhite, 0.7) : gradient;
}

gfx::TRect ButtonCell(ButtonGlyph glyph, ButtonState state)
{
    return gfx::Bounds(static_cast<int>(state) * kButtonWidth, static_cast<int>(glyph) * kButtonHeight, kButtonWidth,
        kButtonHeight);
}

gfx::TRect SysMenuCell(ButtonState state)
{
    return gfx::Bounds(static_cast<int>(state) * kSysMenuSize, kGlyphRows * kButtonHeight, kSysMenuSize, kSysMenuSize);
}

TBitmap DrawFramePicture()
{
    TBitmap frame(kFrameWidth, kFrameHeight);
    SkinPainter painter(frame);
    const int right = kFrameWidth - 1;
    const int bottom = kFrameHeight - 1;
    // Caption: the gradient across the whole width, the outline above it and
    // the separator below it.
    painter.FillRows(0, 0, kFrameWidth, kCaptionHeight, CaptionRow);
    // Body: a light border with a crisp inner line around the client.
    painter.FillRect(0, kCaptionHeight, kFrameWidth, kFrameHeight, palette::Border);
    painter.FillRect(kBorder - 1, kCaptionHeight, kFrameWidth - kBorder + 1, kFrameHeight - kBorder + 1, palette::Separator);
    painter.FillRect(kBorder, kCaptionHeight, kFrameWidth - kBorder, kFrameHeight - kBorder, palette::Client);
    // The outline all round.
    painter.FillRect(0, 0, kFrameWidth, 1, palette::Outline);
    painter.FillRect(0, bottom, kFrameWidth, kFrameHeight, palette::Outline);
    painter.FillRect(0, 0, 1, kFrameHeight, palette::Outline);
    painter.FillRect(right, 0, kFrameWidth, kFrameHeight, palette::Outline);
    return frame;
}

TBitmap DrawCaptionButtonsPicture()
{
    TBitmap picture(kStates * kButtonWidth, kGlyphRows * kButtonHeight + kSysMenuSize);
    picture.Fill(palette::CaptionBottom);
    for (ButtonGlyph glyph : { ButtonGlyph::Close, ButtonGlyph::Maximize, ButtonGlyph::Restore, ButtonGlyph::Minimize,
             ButtonGlyph::RollUp, ButtonGlyph::Unroll })
        for (ButtonState state : { ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Inactive })
            DrawButton(picture, glyph, state);
    for (ButtonState state : { ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Inactive })
        DrawSysMenuIcon(picture, state);
    return picture;
}

TBitmap DrawPopupWindowPicture()
{
    const int w = kPopupWindowSize.cx;
    const int h = kPopupWindowSize.cy;
    TBitmap picture(w, h);
    SkinPainter painter(picture);
    picture.Fill(palette::MenuBackground);
    // A quiet band down the left side, then the rounded outline.
    painter.FillRect(1, 1, 11, h - 1, palette::MenuBand);
    painter.FillRect(11, 1, 12, h - 1, palette::MenuBandLine);
    painter.Fill(RoundFrame(0, 0, w, h, kPopupCornerRadius, 1), palette::MenuOutline);
    return picture;
}

TBitmap DrawPopupWindowMask()
{
    return RoundMask(kPopupWindowSize.cx, kPopupWindowSize.cy, kPopupCornerRadius);
}

TBitmap DrawMenuItemsPicture()
{
    TBitmap picture(kMenuDividerRect.Right, kMenuDividerRect.Bottom);
    picture.Fill(palette::MenuBackground);
    SkinPainter painter(picture);
    const gfx::TRect hot = kMenuItemHotRect;
    painter.Fill(RoundRect(hot.Left + 1, hot.Top + 1, hot.Right - 1, hot.Bottom - 1, 3), palette::MenuHot);
    painter.Fill(RoundFrame(hot.Left + 1, hot.Top + 1, hot.Right - 1, hot.Bottom - 1, 3, 1), palette::MenuHotBorder);
    const Cell divider { picture, kMenuDividerRect.Left, kMenuDividerRect.Top };
    divider.HLine(kDividerLeft, kMenuDividerRect.Width() - kDividerRight - 1, 2, palette::Divider);
    return picture;
}

TBitmap DrawHintWindowPicture()
{
    TBitmap picture(kHintWindowSize.cx, kHintWindowSize.cy);
    picture.Fill(palette::HintBackground);
    SkinPainter painter(picture);
    painter.Fill(RoundFrame(0, 0, kHintWindowSize.cx, kHintWindowSize.cy, kHintCornerRadius, 1), palette::MenuOutline);
    return picture;
}

} // namespace drawskin
