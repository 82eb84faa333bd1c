#pragma once

#include "platform/controls/TCustomEdit.h"

namespace ctl {

// A one-line text box. The text scrolls sideways to keep the caret in view;
// pasted text stops at its first line break.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);

protected:
    gfx::TPoint CaretPoint(int Index) const override;
    int IndexAt(int X, int Y) const override;
    void ScrollToCaret() override;
    void PaintText(gfx::TCanvas& Canvas) override;

private:
    int TextTop() const;
    int TextX(int Index) const;

    int m_scroll { 0 };
};

} // namespace ctl
