#pragma once

#include "platform/controls/TPersistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace ctl {

enum class TOperation { opInsert, opRemove };

// A named object that belongs to an owner. The owner frees everything it owns
// when it is freed. Components that refer to others outside their owner ask
// for a free notification, so that every reference is cleared (through
// Notification with opRemove) before the referenced component goes away.
//
// Components are created with new and handed to their owner; a component
// without owner is freed by whoever created it. Deleting an owned component
// directly is allowed: it leaves its owner first.
//
// Loading phase: while a form or data module builds its components and sets
// their properties, it is "loading" (BeginLoading … EndLoading). Components
// inserted into a loading owner are loading too. Setters that need other
// components to exist defer their work to Loaded, which EndLoading calls on
// every owned component in creation order and then on the owner itself.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return m_owner; }

    const std::string& Name() const { return m_name; }
    // Names are unique (ignoring ASCII case) among the components of one owner;
    // a duplicate raises EComponentError and keeps the old name. An empty name
    // is always allowed.
    void SetName(const std::string& NewName);

    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;
    TComponent* FindComponent(std::string_view AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, newest first.
    void DestroyComponents();

    // Asks to be told (Notification, opRemove) when AComponent is freed. The
    // link is mutual: whichever of the two goes first tells the other.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    bool Loading() const { return m_loading; }
    bool Destroying() const { return m_destroying; }
    void BeginLoading();
    void EndLoading();

    // Free-form value a program can attach to any component.
    long Tag { 0 };

protected:
    // Called on the owner (which passes it to all its components) and on every
    // component that asked for a free notification, when a component is
    // inserted or removed. Overrides clear their references to a removed
    // component and then call the base.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Called once the loading phase of the owner has ended.
    virtual void Loaded();

private:
    void NotifyFreeNotifiers();
    void SetLoadingFlag(bool loading);

    TComponent* m_owner { nullptr };
    std::string m_name;
    std::vector<TComponent*> m_components;
    std::vector<TComponent*> m_freeNotifies;
    bool m_loading { false };
    bool m_destroying { false };
};

} // namespace ctl
