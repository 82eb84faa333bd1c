#pragma once

#include "platform/controls/TComponent.h"
#include "platform/controls/ControlTypes.h"

#include <string>
#include <vector>

namespace ctl {

class TControl;
class TImageList;

// A list of actions that share one image list: an action of the list names
// its picture by ImageIndex.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner);

    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TImageList* m_images { nullptr };
};

// A command that several controls can offer at once (a tool button, a
// button): the linked controls show the action's caption, hint, enabled,
// visible and checked states and follow every change of them, and a click on
// any of them runs OnExecute.
class TAction : public TComponent {
public:
    explicit TAction(TComponent* AOwner);
    ~TAction() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    bool Checked() const { return m_checked; }
    void SetChecked(bool Value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    TActionList* ActionList() const { return m_actionList; }
    void SetActionList(TActionList* Value);
    // The picture list of the action's list, when it has one.
    TImageList* Images() const;

    // Runs OnExecute; false when the action is disabled or has no handler.
    bool Execute();
    TNotifyEvent OnExecute;

    // Linked controls register here to follow the action's changes.
    void RegisterClient(TControl* Client);
    void UnRegisterClient(TControl* Client);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Stores a changed property and tells the clients.
    template <class T>
    void Assign(T& Field, const T& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }
    void Changed();

    std::string m_caption;
    std::string m_hint;
    bool m_enabled { true };
    bool m_visible { true };
    bool m_checked { false };
    int m_imageIndex { -1 };
    TActionList* m_actionList { nullptr };
    std::vector<TControl*> m_clients;
};

} // namespace ctl
