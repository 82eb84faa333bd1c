#pragma once

#include "platform/controls/TCustomEdit.h"

namespace ctl {

// A one-line text box. The text scrolls sideways to keep the caret in view;
// pasted text stops at its first line break.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);

    // Where a text narrower than the box sits: left, right or centred.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

protected:
    gfx::TPoint CaretPoint(int Index) const override;
    int IndexAt(int X, int Y) const override;
    void ScrollToCaret() override;
    void PaintText(gfx::TCanvas& Canvas) override;

private:
    int TextTop() const;
    int TextX(int Index) const;
    // How far an aligned text that fits starts right of the text area's left edge.
    int AlignmentOffset() const;

    TAlignment m_alignment { TAlignment::taLeftJustify };
    int m_scroll { 0 };
};

} // namespace ctl
