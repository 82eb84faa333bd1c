#include "ControlPictures.h"

#include "SkinPainter.h"
#include "SkinPictures.h"

#include <functional>

namespace drawskin {

using gfx::TBitmap;
using gfx::TColor;
using gfx::TRect;

namespace {

// A rounded box: a vertical gradient inside a one-pixel outline.
struct BoxLook {
    TColor top;
    TColor bottom;
    TColor outline;
};

constexpr TColor kFace = palette::Client;
constexpr TColor kField = gfx::clWhite;
constexpr TColor kFieldOutline = gfx::RGB(184, 190, 198);
constexpr TColor kTrack = gfx::RGB(234, 236, 239);
constexpr TColor kThumb = gfx::RGB(201, 206, 212);
constexpr TColor kThumbHot = gfx::RGB(178, 185, 194);
constexpr TColor kThumbDown = gfx::RGB(150, 158, 168);

constexpr BoxLook kButtonNormal { gfx::RGB(255, 255, 255), gfx::RGB(235, 237, 240), gfx::RGB(172, 179, 188) };
constexpr BoxLook kButtonHot { gfx::RGB(242, 247, 253), gfx::RGB(222, 234, 248), palette::MenuHotBorder };
constexpr BoxLook kButtonDown { gfx::RGB(208, 222, 240), gfx::RGB(218, 230, 245), gfx::RGB(120, 160, 210) };
constexpr BoxLook kButtonDisabled { palette::Client, palette::Client, gfx::RGB(206, 211, 217) };
constexpr BoxLook kToolHot { gfx::RGB(232, 240, 250), gfx::RGB(222, 234, 248), gfx::RGB(180, 204, 232) };
constexpr BoxLook kToolDown { gfx::RGB(208, 222, 240), gfx::RGB(214, 227, 243), gfx::RGB(140, 178, 222) };

TColor Between(const BoxLook& look, int y, int height)
{
    return Mix(look.top, look.bottom, height > 1 ? double(y) / (height - 1) : 0.0);
}

// A box of the given size on a background, its corners rounded by radius,
// filled row by row.
TBitmap RoundedBox(int width, int height, double radius, TColor background, TColor outline,
    const std::function<TColor(int y)>& rowColor)
{
    TBitmap box(width, height);
    box.Fill(background);
    SkinPainter painter(box);
    painter.Fill(RoundRect(0, 0, width, height, radius), rowColor);
    painter.Fill(RoundFrame(0, 0, width, height, radius, 1), outline);
    return box;
}

TBitmap RoundedBox(int width, int height, double radius, TColor background, const BoxLook& look)
{
    return RoundedBox(width, height, radius, background, look.outline, [&](int y) { return Between(look, y, height); });
}

// A push button: the gradient lies in the fixed rows at top and bottom, the
// rows between (tiled to any height) are one colour.
TBitmap ButtonBox(int width, int height, const BoxLook& look)
{
    const int end = controls::kButtonEnd;
    const TColor middle = Mix(look.top, look.bottom, 0.5);
    return RoundedBox(width, height, 3.5, kFace, look.outline, [&](int y) {
        if (y < end)
            return Mix(look.top, middle, double(y) / end);
        if (y >= height - end)
            return Mix(middle, look.bottom, double(y - (height - end) + 1) / end);
        return middle;
    });
}

void Place(TBitmap& picture, const TBitmap& part, const TRect& at)
{
    for (int y = 0; y < at.Height() && y < part.Height(); ++y)
        for (int x = 0; x < at.Width() && x < part.Width(); ++x)
            picture.SetPixel(at.Left + x, at.Top + y, part.GetPixel(x, y));
}

void PlaceBox(TBitmap& picture, const TRect& at, double radius, TColor background, const BoxLook& look)
{
    Place(picture, RoundedBox(at.Width(), at.Height(), radius, background, look), at);
}

// The group box: rounded at the top, square at the bottom.
Shape GroupBoxShape()
{
    return RoundRect(0, 0, controls::kGroupBox.Width(), controls::kGroupBox.Height() + 8, 3);
}

// A small open arrow (a chevron) centred in a cell.
enum class Arrow { Left, Right, Up, Down };

void DrawArrow(TBitmap& cell, Arrow arrow, TColor color)
{
    SkinPainter painter(cell);
    const double cx = cell.Width() / 2.0;
    const double cy = cell.Height() / 2.0;
    const double a = 2.5;
    Shape shape;
    switch (arrow) {
    case Arrow::Left:
        shape = Union(Segment(cx + a / 2, cy - a, cx - a / 2, cy, 1.3), Segment(cx - a / 2, cy, cx + a / 2, cy + a, 1.3));
        break;
    case Arrow::Right:
        shape = Union(Segment(cx - a / 2, cy - a, cx + a / 2, cy, 1.3), Segment(cx + a / 2, cy, cx - a / 2, cy + a, 1.3));
        break;
    case Arrow::Up:
        shape = Union(Segment(cx - a, cy + a / 2, cx, cy - a / 2, 1.3), Segment(cx, cy - a / 2, cx + a, cy + a / 2, 1.3));
        break;
    case Arrow::Down:
        shape = Union(Segment(cx - a, cy - a / 2, cx, cy + a / 2, 1.3), Segment(cx, cy + a / 2, cx + a, cy - a / 2, 1.3));
        break;
    }
    painter.Fill(shape, color);
}

// A scroll button: the arrow on the track, on a soft rounded face when hot or pressed.
TBitmap ScrollButton(int width, int height, Arrow arrow, const BoxLook* face)
{
    TBitmap cell(width, height);
    cell.Fill(kTrack);
    if (face) {
        SkinPainter painter(cell);
        painter.Fill(RoundRect(1.5, 1.5, width - 1.5, height - 1.5, 2.5), [&](int y) { return Between(*face, y, height); });
    }
    DrawArrow(cell, arrow, palette::Glyph);
    return cell;
}

void DrawButtons(TBitmap& picture)
{
    const int w = controls::kButton.Width();
    const int h = controls::kButton.Height();
    Place(picture, ButtonBox(w, h, kButtonNormal), controls::kButton);
    Place(picture, ButtonBox(w, h, kButtonHot), controls::kButtonHot);
    Place(picture, ButtonBox(w, h, kButtonDown), controls::kButtonDown);
    Place(picture, ButtonBox(w, h, kButtonDisabled), controls::kButtonDisabled);

    // Tool buttons and the tool bar's scroll buttons are flat until hovered.
    for (const TRect& flat : { controls::kToolButton, controls::kResizeButton }) {
        TBitmap cell(flat.Width(), flat.Height());
        cell.Fill(kFace);
        Place(picture, cell, flat);
    }
    PlaceBox(picture, controls::kToolButtonHot, 3, kFace, kToolHot);
    PlaceBox(picture, controls::kToolButtonDown, 3, kFace, kToolDown);
    PlaceBox(picture, controls::kResizeButtonHot, 2, kFace, kToolHot);
    PlaceBox(picture, controls::kResizeButtonDown, 2, kFace, kToolDown);
}

void DrawFrames(TBitmap& picture)
{
    // The tool bar is the window's own face: it shows through between the buttons.
    TBitmap toolPanel(controls::kToolPanel.Width(), controls::kToolPanel.Height());
    toolPanel.Fill(kFace);
    Place(picture, toolPanel, controls::kToolPanel);

    const BoxLook panel { gfx::RGB(248, 249, 250), gfx::RGB(248, 249, 250), palette::Separator };
    PlaceBox(picture, controls::kPanel, 3, kFace, panel);

    // The group box: a caption band like the window's caption over a light
    // body. Only its top corners are round: the body reaches the bottom
    // corners, so the tiles of its client carry no outline pixels.
    const TRect g = controls::kGroupBox;
    TBitmap box(g.Width(), g.Height());
    box.Fill(kFace);
    SkinPainter painter(box);
    const Shape body = GroupBoxShape();
    painter.Fill(body, panel.top);
    const int band = controls::kGroupCaptionHeight;
    const BoxLook caption { palette::CaptionTop, gfx::RGB(232, 235, 239), palette::Separator };
    painter.Fill(RoundRect(1, 1, g.Width() - 1, band + 3, 2.5), [&](int y) { return Between(caption, y - 1, band - 1); });
    painter.FillRect(1, band, g.Width() - 1, band + 1, palette::Separator);
    painter.FillRect(1, band + 1, g.Width() - 1, band + 4, panel.top);
    painter.Fill(RoundFrame(0, 0, g.Width(), g.Height() + 8, 3, 1), palette::Separator);
    painter.FillRect(0, g.Height() - 1, g.Width(), g.Height(), palette::Separator);
    Place(picture, box, g);

    const BoxLook memo { kField, kField, kFieldOutline };
    const BoxLook memoActive { kField, kField, palette::Accent };
    PlaceBox(picture, controls::kMemo, 2.5, kFace, memo);
    PlaceBox(picture, controls::kMemoActive, 2.5, kFace, memoActive);

    // The caption band's check box, unchecked and checked.
    const BoxLook check { kField, gfx::RGB(244, 246, 248), kFieldOutline };
    PlaceBox(picture, controls::kUncheckBox, 2, caption.top, check);
    TBitmap checked = RoundedBox(controls::kCheckBox.Width(), controls::kCheckBox.Height(), 2, caption.top,
        { palette::Accent, palette::AccentDark, palette::AccentDark });
    SkinPainter mark(checked);
    mark.Fill(Union(Segment(3.2, 6.8, 5.6, 9.2, 1.5), Segment(5.6, 9.2, 9.8, 4.2, 1.5)), gfx::clWhite);
    Place(picture, checked, controls::kCheckBox);
}

// A text field: white with a quiet outline, or the accent outline while active.
void DrawEdit(TBitmap& picture, const TRect& at, int margin, bool active)
{
    TBitmap cell(at.Width(), at.Height());
    cell.Fill(kFace);
    SkinPainter painter(cell);
    const double top = margin;
    const double bottom = at.Height() - margin;
    painter.Fill(RoundRect(0, top, at.Width(), bottom, 2.5), kField);
    painter.Fill(RoundFrame(0, top, at.Width(), bottom, 2.5, 1), active ? palette::Accent : kFieldOutline);
    Place(picture, cell, at);
}

void DrawEdits(TBitmap& picture)
{
    DrawEdit(picture, controls::kToolEdit, 2, false);
    DrawEdit(picture, controls::kToolEditActive, 2, true);
    DrawEdit(picture, controls::kEdit, 0, false);
    DrawEdit(picture, controls::kEditActive, 0, true);
    DrawEdit(picture, controls::kButtonEdit, 0, false);
    DrawEdit(picture, controls::kButtonEditActive, 0, true);
    // The button of a button edit: an ellipsis, plain in the field and on a face when hot or pressed.
    for (const TRect& field : { controls::kButtonEdit, controls::kButtonEditActive }) {
        const TRect place = gfx::Offset(controls::kEditButtonPlace, field.Left, field.Top);
        for (int i = 0; i < 3; ++i)
            picture.SetPixel(place.Left + 4 + i * 4, place.Top + 9, palette::Glyph);
    }
    const struct {
        TRect at;
        BoxLook look;
        TColor dots;
    } faces[] = { { controls::kEditButtonHot, kToolHot, palette::Glyph },
        { controls::kEditButtonDown, kToolDown, palette::Glyph },
        { controls::kEditButtonDisabled, { kField, kField, kField }, palette::GlyphInactive } };
    for (const auto& face : faces) {
        TBitmap cell = RoundedBox(face.at.Width(), face.at.Height(), 2, kField, face.look);
        for (int i = 0; i < 3; ++i)
            cell.SetPixel(4 + i * 4, 7, face.dots);
        Place(picture, cell, face.at);
    }
}

// A thumb with rounded ends and a grip of three short lines.
void DrawThumb(TBitmap& picture, const TRect& at, TColor fill)
{
    TBitmap cell(at.Width(), at.Height());
    cell.Fill(kTrack);
    SkinPainter painter(cell);
    painter.Fill(RoundRect(0, 0, at.Width(), at.Height(), 3.5), fill);
    Place(picture, cell, at);
}

void DrawGrip(TBitmap& picture, const TRect& at, TColor thumb, bool vertical)
{
    const TColor line = Mix(thumb, gfx::clWhite, 0.55);
    for (int y = 0; y < at.Height(); ++y)
        for (int x = 0; x < at.Width(); ++x)
            picture.SetPixel(at.Left + x, at.Top + y, (vertical ? y : x) % 2 == 0 ? line : thumb);
}

void DrawScrollBars(TBitmap& picture)
{
    const int w = controls::kBarWidth;
    const int a = controls::kArrowLength;
    // The vertical bar: decrease button at the top, increase at the bottom.
    const TRect v = controls::kVScrollBar;
    TBitmap track(v.Width(), v.Height());
    track.Fill(kTrack);
    Place(picture, track, v);
    Place(picture, ScrollButton(w, a, Arrow::Up, nullptr), gfx::Bounds(v.Left, v.Top, w, a));
    Place(picture, ScrollButton(w, a, Arrow::Down, nullptr), gfx::Bounds(v.Left, v.Bottom - a, w, a));
    Place(picture, ScrollButton(w, a, Arrow::Down, &kToolHot), controls::kVIncreaseHot);
    Place(picture, ScrollButton(w, a, Arrow::Down, &kToolDown), controls::kVIncreaseDown);
    Place(picture, ScrollButton(w, a, Arrow::Up, &kToolHot), controls::kVDecreaseHot);
    Place(picture, ScrollButton(w, a, Arrow::Up, &kToolDown), controls::kVDecreaseDown);

    // The horizontal bars: decrease at the left, increase at the right; the
    // bar that meets a vertical one ends in a plain corner square.
    for (const TRect& h : { controls::kHScrollBar, controls::kBothHScrollBar }) {
        TBitmap strip(h.Width(), h.Height());
        strip.Fill(kTrack);
        Place(picture, strip, h);
        const int increaseLeft = h.Left + controls::kHScrollBar.Width() - a;
        Place(picture, ScrollButton(a, w, Arrow::Left, nullptr), gfx::Bounds(h.Left, h.Top, a, w));
        Place(picture, ScrollButton(a, w, Arrow::Right, nullptr), gfx::Bounds(increaseLeft, h.Top, a, w));
    }
    const TRect corner { controls::kBothHScrollBar.Right - w, controls::kBothHScrollBar.Top,
        controls::kBothHScrollBar.Right, controls::kBothHScrollBar.Bottom };
    TBitmap face(corner.Width(), corner.Height());
    face.Fill(kFace);
    Place(picture, face, corner);
    Place(picture, ScrollButton(a, w, Arrow::Right, &kToolHot), controls::kHIncreaseHot);
    Place(picture, ScrollButton(a, w, Arrow::Right, &kToolDown), controls::kHIncreaseDown);
    Place(picture, ScrollButton(a, w, Arrow::Left, &kToolHot), controls::kHDecreaseHot);
    Place(picture, ScrollButton(a, w, Arrow::Left, &kToolDown), controls::kHDecreaseDown);

    const struct {
        TRect vThumb, hThumb, vGrip, hGrip;
        TColor fill;
    } states[] = {
        { controls::kVThumb, controls::kHThumb, controls::kVGrip, controls::kHGrip, kThumb },
        { controls::kVThumbHot, controls::kHThumbHot, controls::kVGripHot, controls::kHGripHot, kThumbHot },
        { controls::kVThumbDown, controls::kHThumbDown, controls::kVGripDown, controls::kHGripDown, kThumbDown },
    };
    for (const auto& state : states) {
        DrawThumb(picture, state.vThumb, state.fill);
        DrawThumb(picture, state.hThumb, state.fill);
        DrawGrip(picture, state.vGrip, state.fill, true);
        DrawGrip(picture, state.hGrip, state.fill, false);
    }
}

// The splitters: the window's face with a short groove that fades in at the ends.
void DrawSplitters(TBitmap& picture)
{
    const int end = controls::kSplitterEnd;
    const TRect v = controls::kVSplitter;
    for (int y = 0; y < v.Height(); ++y)
        for (int x = 0; x < v.Width(); ++x) {
            const bool groove = x == v.Width() / 2 && y >= end - 1 && y < v.Height() - end + 1;
            picture.SetPixel(v.Left + x, v.Top + y, groove ? palette::Separator : kFace);
        }
    const TRect h = controls::kHSplitter;
    for (int y = 0; y < h.Height(); ++y)
        for (int x = 0; x < h.Width(); ++x) {
            const bool groove = y == h.Height() / 2 && x >= end - 1 && x < h.Width() - end + 1;
            picture.SetPixel(h.Left + x, h.Top + y, groove ? palette::Separator : kFace);
        }
}

} // namespace

TBitmap DrawControlsPicture()
{
    TBitmap picture(controls::kPictureSize.cx, controls::kPictureSize.cy);
    picture.Fill(kFace);
    DrawButtons(picture);
    DrawFrames(picture);
    DrawEdits(picture);
    DrawScrollBars(picture);
    DrawSplitters(picture);
    return picture;
}

TBitmap DrawButtonMask()
{
    return RoundMask(controls::kButton.Width(), controls::kButton.Height(), 3.5);
}

TBitmap DrawGroupBoxMask()
{
    return ShapeMask(controls::kGroupBox.Width(), controls::kGroupBox.Height(), GroupBoxShape());
}

TBitmap DrawHintWindowMask()
{
    return RoundMask(kHintWindowSize.cx, kHintWindowSize.cy, kHintCornerRadius);
}

} // namespace drawskin
