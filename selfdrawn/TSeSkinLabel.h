#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWinControl.h"
#include "selfdrawn/TSeGraphicControl.h"

namespace selfdrawn {

enum class TTextLayout { tlTop, tlCenter, tlBottom };

// A windowless text label with a Unicode caption (Caption/SetCaption of the
// control). With AutoSize its size follows the text.
class TSeCustomLabel : public TSeGraphicControl {
public:
    explicit TSeCustomLabel(ctl::TComponent* AOwner);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    ctl::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(ctl::TAlignment Value);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool Value);
    // Takes the focus when Alt and the caption's accelerator character are typed.
    ctl::TWinControl* FocusControl() const { return m_focusControl; }
    void SetFocusControl(ctl::TWinControl* Value);

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

protected:
    void PaintClient(gfx::TCanvas& Canvas) override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(ctl::TComponent* AComponent, ctl::TOperation Operation) override;

private:
    unsigned TextFlags() const;
    // The caption's extent when drawn with the label's flags into Rect.
    gfx::TRect MeasureText(gfx::TCanvas& Canvas, gfx::TRect Rect) const;
    void AdjustBounds();

    bool m_autoSize { true };
    ctl::TAlignment m_alignment { ctl::TAlignment::taLeftJustify };
    TTextLayout m_layout { TTextLayout::tlTop };
    bool m_wordWrap { false };
    bool m_showAccelChar { true };
    ctl::TWinControl* m_focusControl { nullptr };
};

class TSeSkinLabel : public TSeCustomLabel, public TSeSkinHook {
public:
    explicit TSeSkinLabel(ctl::TComponent* AOwner) : TSeCustomLabel(AOwner), TSeSkinHook("Label") { }
};

} // namespace selfdrawn
