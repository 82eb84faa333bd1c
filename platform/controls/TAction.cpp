#include "platform/controls/TAction.h"

#include "platform/controls/TControl.h"
#include "platform/controls/TImageList.h"

#include <algorithm>

namespace ctl {

TActionList::TActionList(TComponent* AOwner)
    : TComponent(AOwner)
{
}

void TActionList::SetImages(TImageList* Value)
{
    if (m_images == Value)
        return;
    if (m_images)
        RemoveFreeNotification(m_images);
    m_images = Value;
    if (m_images)
        FreeNotification(m_images);
}

void TActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_images)
        m_images = nullptr;
    TComponent::Notification(AComponent, Operation);
}

TAction::TAction(TComponent* AOwner)
    : TComponent(AOwner)
{
}

TAction::~TAction()
{
    // Each client drops its link through the free notification; the copy
    // keeps the walk safe while the list shrinks.
    const std::vector<TControl*> clients = m_clients;
    for (TControl* client : clients)
        client->SetAction(nullptr);
}

void TAction::SetCaption(const std::string& Value)
{
    Assign(m_caption, Value);
}

void TAction::SetHint(const std::string& Value)
{
    Assign(m_hint, Value);
}

void TAction::SetEnabled(bool Value)
{
    Assign(m_enabled, Value);
}

void TAction::SetVisible(bool Value)
{
    Assign(m_visible, Value);
}

void TAction::SetChecked(bool Value)
{
    Assign(m_checked, Value);
}

void TAction::SetImageIndex(int Value)
{
    Assign(m_imageIndex, Value);
}

void TAction::SetActionList(TActionList* Value)
{
    if (m_actionList == Value)
        return;
    if (m_actionList)
        RemoveFreeNotification(m_actionList);
    m_actionList = Value;
    if (m_actionList)
        FreeNotification(m_actionList);
    Changed();
}

TImageList* TAction::Images() const
{
    return m_actionList ? m_actionList->Images() : nullptr;
}

bool TAction::Execute()
{
    if (!m_enabled || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TAction::RegisterClient(TControl* Client)
{
    if (std::find(m_clients.begin(), m_clients.end(), Client) == m_clients.end())
        m_clients.push_back(Client);
}

void TAction::UnRegisterClient(TControl* Client)
{
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), Client), m_clients.end());
}

void TAction::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_actionList)
        m_actionList = nullptr;
    TComponent::Notification(AComponent, Operation);
}

void TAction::Changed()
{
    // A client may unlink itself while it follows the change.
    const std::vector<TControl*> clients = m_clients;
    for (TControl* client : clients)
        if (std::find(m_clients.begin(), m_clients.end(), client) != m_clients.end())
            client->ActionChange(*this);
}

} // namespace ctl
