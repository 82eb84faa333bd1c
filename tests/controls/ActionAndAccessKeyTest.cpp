#include "Headless.h"

#include "platform/controls/TAction.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCustomControl.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TImageList.h"

#include <memory>
#include <string>
#include <vector>

using namespace ctl;

namespace {

// A control that records the access keys its form offers it and answers
// the one its caption marks.
class AccessKeyTarget : public TCustomControl {
public:
    explicit AccessKeyTarget(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::vector<char32_t> Offered;
    int Answered { 0 };

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override
    {
        if (Msg != CM_DIALOGCHAR)
            return TCustomControl::WndProc(Msg, WParam, LParam);
        Offered.push_back(static_cast<char32_t>(WParam));
        if (!IsAccel(static_cast<char32_t>(WParam), Caption()))
            return 0;
        ++Answered;
        return 1;
    }
};

class AccessKeys : public HeadlessTest {
protected:
    AccessKeys()
    {
        form->SetClientSize(300, 200);
        target->SetCaption("&Open");
        target->SetBounds(10, 10, 80, 25);
        target->SetParent(form.get());
        edit->SetBounds(10, 50, 120, 21);
        edit->SetParent(form.get());
        form->Show();
    }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    AccessKeyTarget* target { new AccessKeyTarget(form.get()) };
    TEdit* edit { new TEdit(form.get()) };
};

} // namespace

TEST_F(AccessKeys, APlainLetterIsAnAccessKeyOnlyWhereTheFocusedControlTakesNoText)
{
    target->SetFocus();
    Harness.TypeText("o");
    EXPECT_EQ(target->Answered, 1);
    // Space and control characters are never offered.
    Harness.TypeText(" ");
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(target->Offered, (std::vector<char32_t> { U'o' }));

    // Letters typed into the edit are its text, not access keys.
    edit->SetFocus();
    Harness.TypeText("oo");
    EXPECT_EQ(edit->Text(), "oo");
    EXPECT_EQ(target->Answered, 1);
}

TEST_F(AccessKeys, AltWithTheLetterReachesTheFormsControlsFromAnyFocus)
{
    edit->SetFocus();
    Harness.KeyDown(wnd::VK_MENU);
    Harness.PressKey('O');
    Harness.KeyUp(wnd::VK_MENU);
    EXPECT_EQ(target->Answered, 1);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(AccessKeys, AKeyPressHandlerThatSwallowsTheCharacterKeepsItFromTheForm)
{
    target->OnKeyPress = [](TObject*, unsigned& key) { key = 0; };
    target->SetFocus();
    Harness.TypeText("o");
    EXPECT_TRUE(target->Offered.empty());
}

namespace {

class Actions : public HeadlessTest {
protected:
    Actions()
    {
        button->SetParent(form.get());
        action->SetCaption("&Save");
        action->SetHint("Save the note");
        action->OnExecute = [this](TObject* sender) { executedBy.push_back(sender); };
    }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TButton* button { new TButton(form.get()) };
    TAction* action { new TAction(form.get()) };
    std::vector<TObject*> executedBy;
};

} // namespace

TEST_F(Actions, ALinkedControlTakesTheActionsStateAndFollowsItsChanges)
{
    button->SetCaption("old");
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "&Save");
    EXPECT_EQ(button->Hint(), "Save the note");
    EXPECT_TRUE(button->Enabled());

    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetCaption("Save &as");
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(button->Caption(), "Save &as");

    // Unlinked, the control keeps what it shows and follows no more.
    button->SetAction(nullptr);
    action->SetEnabled(true);
    EXPECT_FALSE(button->Enabled());
}

TEST_F(Actions, AClickRunsTheActionUnlessTheControlHasItsOwnOnClick)
{
    button->SetAction(action);
    button->Click();
    ASSERT_EQ(executedBy.size(), 1u);
    EXPECT_EQ(executedBy[0], action);

    // A disabled action runs nothing.
    action->SetEnabled(false);
    EXPECT_FALSE(action->Execute());
    action->SetEnabled(true);

    int ownClicks = 0;
    button->OnClick = [&](TObject*) { ++ownClicks; };
    button->Click();
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(executedBy.size(), 1u);
}

TEST_F(Actions, FreeingEitherSideDropsTheLink)
{
    auto* second = new TButton(form.get());
    second->SetAction(action);
    button->SetAction(action);
    delete second; // the action forgets the freed control
    action->SetCaption("after");
    EXPECT_EQ(button->Caption(), "after");

    delete action;
    action = nullptr;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click(); // nothing left to run
    EXPECT_TRUE(executedBy.empty());
}

TEST_F(Actions, AnActionFindsItsPicturesThroughItsListUntilEitherIsFreed)
{
    auto* images = new TImageList(form.get());
    auto* list = new TActionList(form.get());
    list->SetImages(images);
    action->SetActionList(list);
    EXPECT_EQ(action->Images(), images);
    delete images;
    EXPECT_EQ(list->Images(), nullptr);
    EXPECT_EQ(action->Images(), nullptr);
    list->SetImages(new TImageList(form.get()));
    delete list;
    EXPECT_EQ(action->ActionList(), nullptr);
    EXPECT_EQ(action->Images(), nullptr);
}
