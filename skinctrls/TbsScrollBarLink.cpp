#include "skinctrls/TbsScrollBarLink.h"

#include "skinctrls/TbsSkinScrollBar.h"

namespace skinctrls {

TbsScrollBarLink::TbsScrollBarLink(ctl::TComponent& Follower, std::function<void(int Position)> Scrolled)
    : m_follower(Follower), m_scrolled(std::move(Scrolled))
{
}

TbsScrollBarLink::~TbsScrollBarLink()
{
    Release();
}

void TbsScrollBarLink::Attach(TbsSkinScrollBar* Bar)
{
    if (Bar == m_bar)
        return;
    Release();
    m_bar = Bar;
    if (!m_bar)
        return;
    m_bar->FreeNotification(&m_follower);
    m_bar->OnChange = [this](ctl::TObject*) {
        if (m_bar)
            m_scrolled(m_bar->Position());
    };
}

void TbsScrollBarLink::Release()
{
    if (!m_bar)
        return;
    m_bar->RemoveFreeNotification(&m_follower);
    m_bar->OnChange = nullptr;
    m_bar = nullptr;
}

void TbsScrollBarLink::Forget(const ctl::TComponent* Removed)
{
    if (Removed == m_bar)
        m_bar = nullptr;
}

} // namespace skinctrls
