#pragma once

#include "selfdrawn/SeControlBase.h"

namespace selfdrawn {

class TSeCustomScrollBar;
enum class TSeScrollBarKind;

// A windowed control that paints every pixel itself, through the pipeline
// of SeControlBase; its frame is made of bevels and border rings around the
// content rectangle.
class TSeCustomControl : public SeControlBase<ctl::TCustomControl> {
public:
    using SeControlBase::SeControlBase;

    TSeBevelSides BevelSides() const { return m_bevelSides; }
    void SetBevelSides(TSeBevelSides Value);
    TSeBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TSeBevelCut Value);
    TSeBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TSeBevelCut Value);
    TSeBevelKind BevelKind() const { return m_bevelKind; }
    void SetBevelKind(TSeBevelKind Value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);

    // The rectangle inside the border rings and the bevels.
    gfx::TRect GetContentRect() const override;

    // Paints what the control shows behind a transparent child: its own
    // background (when transparent), its frame and its client area. A child
    // asks for it by an erase-background message marked as a child's request.
    void PaintAsBackground(gfx::TCanvas& Canvas);
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

    // Whether the control draws with the desktop's visual style: the style is
    // active and the control's theme switch is on.
    bool UseTheme() const;
    void SetThemed(bool Value);

protected:
    // Makes a self-drawn scroll bar of this kind for the control's own
    // scroll bars, hidden and placed on the control. Called by the controls
    // that show bars (memo, list) while they are built.
    virtual TSeCustomScrollBar* CreateScrollBar(TSeScrollBarKind Kind);
    // The thickness of the control's own scroll bars: the system's thumb height.
    virtual int GetScrollBarSize() const;
    // A self-drawn control paints its whole area; the window system never clears it.
    bool EraseBackground(gfx::TCanvas&) override { return true; }
    void PaintFrameArea(gfx::TCanvas& Canvas) override;
    // The theme state of the frame: disabled, focused, hot or normal.
    int ThemeState() const;
    // After a bevel or border property changed.
    virtual void FrameChanged();
    // A stored form finished loading: repaint with the loaded properties.
    void Loaded() override;

    // The hot look and the focus look repaint the control.
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

private:
    TSeBevelSides m_bevelSides { TSeBevelSides::All() };
    TSeBevelCut m_bevelOuter { TSeBevelCut::kbvLowered };
    TSeBevelCut m_bevelInner { TSeBevelCut::kbvLowered };
    TSeBevelKind m_bevelKind { TSeBevelKind::kbkNone };
    int m_bevelWidth { 0 };
    int m_borderWidth { 0 };
    bool m_themed { true };
};

// Paints the bevel rings and border rings of a frame into Rect.
void PaintBevelFrame(gfx::TCanvas& Canvas, gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner,
    int BevelWidth, int BorderWidth, gfx::TColor Color);
// The rectangle left inside such a frame.
gfx::TRect BevelContentRect(gfx::TRect Rect, TSeBevelSides Sides, TSeBevelCut Outer, TSeBevelCut Inner, int BevelWidth,
    int BorderWidth);

} // namespace selfdrawn
