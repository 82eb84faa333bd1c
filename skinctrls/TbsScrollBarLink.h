#pragma once

#include "platform/controls/TComponent.h"

#include <functional>

namespace skinctrls {

class TbsSkinScrollBar;

// The tie between a control and the external skinned scroll bar that shows
// its scroll state: moving the bar calls Scrolled with the new position, the
// control hears (through its Notification, passed on to Forget) when the bar
// is freed, and a bar that outlives the tie or is replaced calls nothing more.
class TbsScrollBarLink {
public:
    TbsScrollBarLink(ctl::TComponent& Follower, std::function<void(int Position)> Scrolled);
    ~TbsScrollBarLink();
    TbsScrollBarLink(const TbsScrollBarLink&) = delete;
    TbsScrollBarLink& operator=(const TbsScrollBarLink&) = delete;

    TbsSkinScrollBar* Bar() const { return m_bar; }
    // Lets go of the bar in use and takes Bar (nullptr: none).
    void Attach(TbsSkinScrollBar* Bar);
    void Release();
    // A component went away: when it is the bar, the link forgets it.
    void Forget(const ctl::TComponent* Removed);

private:
    ctl::TComponent& m_follower;
    std::function<void(int Position)> m_scrolled;
    TbsSkinScrollBar* m_bar { nullptr };
};

} // namespace skinctrls
