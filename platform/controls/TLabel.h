#pragma once

#include "platform/controls/TGraphicControl.h"

namespace ctl {

// Static text. With AutoSize it takes the size of its text (with WordWrap
// only its height follows, the width stays); Transparent leaves the parent's
// background visible behind the letters.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Paint() override;
    void FontChanged() override;
    void TextChanged() override;

private:
    unsigned TextFormat() const;
    void AdjustBounds();

    bool m_autoSize { true };
    bool m_wordWrap { false };
    bool m_transparent { false };
    TAlignment m_alignment { TAlignment::taLeftJustify };
    bool m_adjusting { false };
};

} // namespace ctl
