#pragma once

#include "platform/controls/TGraphicControl.h"

namespace ctl {

enum class TResizeStyle { rsNone, rsLine, rsUpdate };
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

// A bar between an aligned control and the rest of its parent. Dragging it
// resizes the control on its aligned side (not below MinSize; with AutoSnap
// it collapses to 0 when dragged below). With rsLine an inverted line follows
// the pointer and the resize happens at release; with rsUpdate it follows at once.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    bool Beveled() const { return m_beveled; }
    void SetBeveled(bool Value);
    TResizeStyle ResizeStyle { TResizeStyle::rsLine };
    int MinSize { 30 };
    bool AutoSnap { true };

    TNotifyEvent OnMoved;
    TCanResizeEvent OnCanResize;
    TNotifyEvent OnPaint;

    // The control the splitter resizes (its neighbour on the aligned side).
    TControl* FindResizeControl() const;
    TCursor DisplayCursor() const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Horizontal() const;
    int SizeFor(int Delta) const;
    int MaxSize() const;
    void DrawLine();
    void ApplySize(int Size);

    bool m_beveled { false };
    TControl* m_control { nullptr };
    gfx::TPoint m_downPos;
    int m_startSize { 0 };
    int m_newSize { 0 };
    int m_lineOffset { 0 };
    bool m_lineVisible { false };
};

} // namespace ctl
