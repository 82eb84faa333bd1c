#include "platform/controls/TComponent.h"

#include <algorithm>
#include <cctype>

namespace ctl {
namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void Erase(std::vector<TComponent*>& list, TComponent* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    m_destroying = true;
    NotifyFreeNotifiers();
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::NotifyFreeNotifiers()
{
    while (!m_freeNotifies.empty()) {
        TComponent* other = m_freeNotifies.back();
        m_freeNotifies.pop_back();
        Erase(other->m_freeNotifies, this);
        other->Notification(this, TOperation::opRemove);
    }
}

void TComponent::SetName(const std::string& NewName)
{
    if (NewName == m_name)
        return;
    if (m_owner && !NewName.empty()) {
        TComponent* other = m_owner->FindComponent(NewName);
        if (other && other != this)
            throw EComponentError("A component named " + NewName + " already exists");
    }
    m_name = NewName;
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("Component index out of bounds (" + std::to_string(Index) + ")");
    return m_components[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    auto& list = m_owner->m_components;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* c : m_components)
        if (SameName(c->m_name, AName))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->m_owner == this)
        return;
    if (!AComponent->m_name.empty() && FindComponent(AComponent->m_name))
        throw EComponentError("A component named " + AComponent->m_name + " already exists");
    if (AComponent->m_owner)
        AComponent->m_owner->RemoveComponent(AComponent);
    m_components.push_back(AComponent);
    AComponent->m_owner = this;
    if (m_loading)
        AComponent->SetLoadingFlag(true);
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->m_owner != this)
        return;
    Notification(AComponent, TOperation::opRemove);
    Erase(m_components, AComponent);
    AComponent->m_owner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        TComponent* last = m_components.back();
        RemoveComponent(last);
        delete last;
    }
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), AComponent) == m_freeNotifies.end())
        m_freeNotifies.push_back(AComponent);
    if (std::find(AComponent->m_freeNotifies.begin(), AComponent->m_freeNotifies.end(), this)
        == AComponent->m_freeNotifies.end())
        AComponent->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    Erase(m_freeNotifies, AComponent);
    Erase(AComponent->m_freeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove)
        RemoveFreeNotification(AComponent);
    // An owner passes the news on to all its components, so siblings that
    // refer to each other let go as well. Iterate over a copy: a handler may
    // free components.
    const std::vector<TComponent*> components = m_components;
    for (TComponent* c : components)
        if (c != AComponent && std::find(m_components.begin(), m_components.end(), c) != m_components.end())
            c->Notification(AComponent, Operation);
}

void TComponent::Loaded()
{
}

void TComponent::SetLoadingFlag(bool loading)
{
    m_loading = loading;
    for (TComponent* c : m_components)
        c->SetLoadingFlag(loading);
}

void TComponent::BeginLoading()
{
    SetLoadingFlag(true);
}

void TComponent::EndLoading()
{
    SetLoadingFlag(false);
    const std::vector<TComponent*> components = m_components;
    for (TComponent* c : components)
        c->Loaded();
    Loaded();
}

} // namespace ctl
