#pragma once

#include "platform/controls/TTimer.h"
#include "skinctrls/ScrollBarSkin.h"
#include "skinctrls/TbsSkinCustomControl.h"

#include <memory>
#include <optional>

namespace skinctrls {

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar drawn by the library: a decrease button, a track with a thumb
// and an increase button. Holding a button or the track repeats after 500 ms,
// then every 50 ms; the thumb can be dragged. It stands alone or shows the
// scroll state of another control (SetRangeValues, OnChange). With a record
// of the scroll-bar kind its parts lie where the record puts them, moved to
// the bar's length, and each part shows the picture of its state.
class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBar(ctl::TComponent* AOwner);
    ~TbsSkinScrollBar() override;

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    int PageSize() const { return m_pageSize; }
    void SetMin(int Value);
    void SetMax(int Value);
    // Clamped to the range; OnChange runs when the position changed.
    void SetPosition(int Value);
    // Refused when negative or longer than the range.
    void SetPageSize(int Value);
    // Range, page and clamped position at once, without OnChange.
    void SetRangeValues(int AMin, int AMax, int APageSize, int APosition);
    int SmallChange { 1 };
    int LargeChange { 1 };

    // The bar takes the focus and answers the arrow keys and the wheel.
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool Value);
    // A horizontal bar that shares its right end with a vertical bar: the
    // last BothMarkerWidth pixels stay empty, and with a skin the bar uses the
    // record named BothSkinDataName.
    bool Both() const { return m_both; }
    void SetBoth(bool Value);
    int BothMarkerWidth() const { return m_bothMarkerWidth; }
    // Negative values are refused.
    void SetBothMarkerWidth(int Value);
    std::string BothSkinDataName { "bothhscrollbar" };

    ctl::TNotifyEvent OnChange;
    ctl::TNotifyEvent OnLastChange; // a thumb drag ended
    ctl::TNotifyEvent OnUpButtonClick;
    ctl::TNotifyEvent OnDownButtonClick;
    ctl::TNotifyEvent OnPageUp;
    ctl::TNotifyEvent OnPageDown;

    enum class TPart { None = -1, Thumb = 0, Increase = 1, Decrease = 2 };
    struct TGeometry {
        gfx::TRect decrease, increase, track, thumb;
        int firstTravel { 0 }, lastTravel { 0 };
    };
    TGeometry Geometry() const;

    void LookupSkinRecord() override;
    void ResetSkinIndex() override;

protected:
    void DrawDefault(gfx::TBitmap& Bitmap) override;
    void DrawSkin(gfx::TBitmap& Bitmap) override;
    void MouseDown(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseMove(ctl::TShiftState Shift, int X, int Y) override;
    void MouseUp(ctl::TMouseButton Button, ctl::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void KeyDown(int& Key, ctl::TShiftState Shift) override;
    unsigned WantedKeys() const override;
    void DoEnter() override;
    void DoExit() override;

public:
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

private:
    enum class TRepeat { None, Decrease, Increase, PageUp, PageDown };
    struct TPartState {
        bool hot { false };
        bool down { false };
    };

    int Along(int X, int Y) const { return m_kind == TScrollBarKind::sbVertical ? Y : X; }
    int Span() const { return m_pageSize ? m_max - m_min - m_pageSize + 1 : m_max - m_min; }
    // Value within [Min, Max - PageSize + 1] (with a page) or [Min, Max].
    int ClampPosition(int Value) const;
    TPart PartAt(int X, int Y) const;
    // Buttons and track without a record, and from the record's places.
    void PlaceDefaultParts(TGeometry& Geometry) const;
    void PlaceSkinParts(TGeometry& Geometry, const TbsScrollBarSkin& Look) const;
    // Sizes the thumb (at least MinLength along, Across wide or the track's
    // width when 0) and puts it where the position lies on the track.
    void PlaceThumb(TGeometry& Geometry, int MinLength, int Across) const;
    // The record's areas, when the bar draws from a record with a picture.
    const TbsScrollBarSkin* SkinLook() const;
    void DrawSkinButton(gfx::TCanvas& Canvas, const gfx::TRect& Place, TPart Part, const gfx::TRect& Hot,
        const gfx::TRect& Down) const;
    void DrawSkinThumb(gfx::TCanvas& Canvas, const gfx::TRect& Place, const TbsScrollBarSkin& Look) const;
    void DrawPart(gfx::TCanvas& Canvas, gfx::TRect Rect, TPart Part) const;
    void Step(TRepeat Mode);
    void Tick();
    void StartTimer(unsigned Interval);
    void StopTimer();
    void SetHot(TPart Part);
    TPartState& State(TPart Part) { return m_parts[static_cast<int>(Part)]; }
    const TPartState& State(TPart Part) const { return m_parts[static_cast<int>(Part)]; }

    TScrollBarKind m_kind { TScrollBarKind::sbHorizontal };
    int m_min { 0 };
    int m_max { 100 };
    int m_position { 0 };
    int m_pageSize { 0 };
    TPartState m_parts[3];
    TPart m_captured { TPart::None };
    TPart m_hot { TPart::None };
    TRepeat m_repeat { TRepeat::None };
    bool m_firstDelay { false };
    gfx::TPoint m_mouse;
    bool m_dragging { false };
    int m_dragStartMouse { 0 };
    int m_dragStartOffset { 0 };
    std::unique_ptr<ctl::TTimer> m_timer;
    bool m_canFocused { false };
    bool m_both { false };
    int m_bothMarkerWidth { 19 };
    // The record name in use before Both switched to BothSkinDataName.
    std::string m_nameBeforeBoth;
    std::optional<TbsScrollBarSkin> m_look;
};

} // namespace skinctrls
