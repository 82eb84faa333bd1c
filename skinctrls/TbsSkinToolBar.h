#pragma once

#include "platform/controls/TTimer.h"
#include "skinctrls/TbsSkinPanel.h"

#include <memory>

namespace ctl {
class TImageList;
}

namespace skinctrls {

// A borderless skinned panel for tool buttons: it lends its image lists to
// the TbsSkinSpeedButton children and passes its skin and flat look on to them.
// With CanScroll, a bar too narrow for its buttons shows a small scroll
// button at each end (in its non-client area); pressing one, or with
// HotScroll pointing at it, scrolls the buttons by ScrollOffset pixels per
// ScrollTimerInterval.
class TbsSkinToolBar : public TbsSkinPanel {
public:
    explicit TbsSkinToolBar(ctl::TComponent* AOwner);
    ~TbsSkinToolBar() override;

    ctl::TImageList* Images() const { return m_images; }
    void SetImages(ctl::TImageList* Value);
    ctl::TImageList* HotImages() const { return m_hotImages; }
    void SetHotImages(ctl::TImageList* Value);
    ctl::TImageList* DisabledImages() const { return m_disabledImages; }
    void SetDisabledImages(ctl::TImageList* Value);

    bool Flat() const { return m_flat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool Value);
    bool AutoShowHideCaptions { false };
    int WidthWithCaptions { 0 };
    int WidthWithoutCaptions { 0 };

    void SetSkinData(skin::TbsSkinData* Value) override;

    bool CanScroll() const { return m_canScroll; }
    void SetCanScroll(bool Value);
    // Pointing at a scroll button scrolls without a press.
    bool HotScroll { false };
    // Pixels per scroll step; 0 scrolls by the client width. Negative values are refused.
    int ScrollOffset() const { return m_scrollOffset; }
    void SetScrollOffset(int Value);
    // Milliseconds between steps while scrolling; 0 or less is refused.
    int ScrollTimerInterval() const { return m_scrollTimerInterval; }
    void SetScrollTimerInterval(int Value);
    // How far the buttons are scrolled to the left, in pixels.
    int ScrollPosition() const { return m_position; }
    bool ScrollButtonsShown() const { return m_buttonsShown; }
    // Shows the scroll buttons when the children do not fit, hides them when they do.
    void UpdateScrollButtons();

    // The hit-test codes of the left and right scroll buttons.
    static constexpr wnd::LRESULT HTSCROLLLEFT = 119;
    static constexpr wnd::LRESULT HTSCROLLRIGHT = 120;
    static constexpr int kScrollButtonWidth = 12;

    void LookupSkinRecord() override;
    void AdjustClientRect(gfx::TRect& Rect) const override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void Resize() override;

private:
    enum class TScrollDirection { None, Left, Right };

    void Watch(ctl::TImageList* Old, ctl::TImageList* New);
    int ContentRight() const;
    void ShowScrollButtons(bool Value);
    // Moves the scroll position to Value and the children with it.
    void ScrollTo(int Value);
    void ScrollStep(TScrollDirection Direction);
    void StartScrollTimer(TScrollDirection Direction);
    void StopScrollTimer();
    void SetScrollHot(TScrollDirection Direction);
    // The pointer left the scroll buttons: nothing hot or pressed, no scrolling.
    void ClearScrollState();
    TScrollDirection DirectionOfHit(wnd::WPARAM Hit) const;
    wnd::LRESULT HitTest(wnd::LPARAM ScreenPoint) const;
    void PaintScrollButtons();
    gfx::TRect ScrollButtonRect(TScrollDirection Direction) const;

    ctl::TImageList* m_images { nullptr };
    ctl::TImageList* m_hotImages { nullptr };
    ctl::TImageList* m_disabledImages { nullptr };
    bool m_flat { false };
    bool m_showCaptions { false };

    bool m_canScroll { false };
    int m_scrollOffset { 0 };
    int m_scrollTimerInterval { 50 };
    bool m_buttonsShown { false };
    TScrollDirection m_hot { TScrollDirection::None };
    TScrollDirection m_pressed { TScrollDirection::None };
    TScrollDirection m_timerDirection { TScrollDirection::None };
    int m_position { 0 };
    // The content's last column (position plus right edge, less one) and the
    // client width when the buttons were last shown.
    int m_extent { 0 };
    int m_recordedClientWidth { 0 };
    bool m_updatingScroll { false };
    std::unique_ptr<ctl::TTimer> m_scrollTimer;
    // The skin's record of the scroll buttons, found with the bar's own.
    int m_resizeButtonIndex { -1 };
};

} // namespace skinctrls
