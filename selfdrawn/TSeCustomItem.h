#pragma once

#include "platform/controls/TObject.h"
#include "platform/graphics/Geometry.h"

#include <string>

namespace selfdrawn {

// One entry of a self-drawn pop-up menu. A caption of "-" makes a separator;
// an "&" marks the next character as the entry's accelerator.
//
// Every entry has a number of its own that no later entry reuses. A chosen
// entry is run after its menu has closed, by that number: an entry freed in
// the meantime is simply not found, so nothing runs on a dangling entry.
class TSeCustomItem : public ctl::TObject {
public:
    TSeCustomItem();
    ~TSeCustomItem() override;

    std::string Caption;
    bool Enabled { true };
    bool Visible { true };
    // A key combination shown as text at the entry's right end.
    std::string ShortCut;
    std::string Hint;
    ctl::TNotifyEvent OnClick;
    // The entry's place in the open menu's window, set by the layout.
    gfx::TRect BoundsRect;

    bool IsSeparator() const { return Caption == "-"; }
    // Whether the entry can be highlighted and chosen: shown, enabled, no separator.
    bool Selectable() const { return Visible && Enabled && !IsSeparator(); }
    // Whether the caption marks Character (compared in upper case) as its accelerator.
    bool HasAccelerator(char32_t Character) const;
    unsigned Id() const { return m_id; }
    // Runs the entry: OnClick when it is enabled.
    virtual void Click();

    // The living entry with this number, or nullptr.
    static TSeCustomItem* FindById(unsigned Id);

private:
    unsigned m_id;
};

// The entry class of the skin menu; without a skin provider it is the plain entry.
class TSeSkinItem : public TSeCustomItem { };

} // namespace selfdrawn
