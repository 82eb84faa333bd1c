#include "Headless.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TListBox.h"
#include "platform/controls/TPanel.h"
#include "platform/window/Input.h"
#include "platform/window/MessageLoop.h"

#include <memory>

using namespace ctl;

namespace {

// A dialog with OK (default, mrOk), Cancel (cancel, mrCancel) and a list.
struct Dialog {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TListBox* list { new TListBox(form.get()) };
    TButton* ok { new TButton(form.get()) };
    TButton* cancel { new TButton(form.get()) };

    Dialog()
    {
        form->SetBorderStyle(TFormBorderStyle::bsDialog);
        form->SetClientSize(298, 330);
        list->SetBounds(8, 8, 281, 200);
        list->SetParent(form.get());
        ok->SetCaption("OK");
        ok->SetBounds(120, 300, 75, 25);
        ok->ModalResult = mrOk;
        ok->SetDefault(true);
        ok->SetParent(form.get());
        cancel->SetCaption("Cancel");
        cancel->SetBounds(207, 300, 75, 25);
        cancel->ModalResult = mrCancel;
        cancel->SetCancel(true);
        cancel->SetParent(form.get());
    }
};

} // namespace

using TFormTest = HeadlessTest;

TEST_F(TFormTest, OnShowRunsEveryTimeTheFormBecomesVisible)
{
    TForm form(nullptr);
    int shows = 0;
    form.OnShow = [&](TObject*) { ++shows; };
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_EQ(shows, 1);
    form.Show(); // already visible: brought to the front only
    EXPECT_EQ(shows, 1);
    form.Hide();
    form.Show();
    EXPECT_EQ(shows, 2);
    EXPECT_TRUE(wnd::IsWindowVisible(form.Handle()));
}

TEST_F(TFormTest, ClientSizeAndScreenCentreFollowTheFrame)
{
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetClientSize(298, 213);
    form.SetPosition(TPosition::poScreenCenter);
    form.Show();
    EXPECT_EQ(form.ClientWidth(), 298);
    EXPECT_EQ(form.ClientHeight(), 213);
    EXPECT_GT(form.Width(), 298);
    const int screenWidth = wnd::GetSystemMetrics(wnd::SM_CXSCREEN);
    EXPECT_EQ(form.Left(), (screenWidth - form.Width()) / 2);
    // Changing the frame keeps the client area.
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form.ClientWidth(), 298);
    EXPECT_EQ(form.Width(), 298);
}

TEST_F(TFormTest, ModalResultComesFromTheClickedButton)
{
    Dialog d;
    WhenIdle([&] { QueueClick(Middle(*d.cancel)); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_FALSE(d.form->Visible());
    EXPECT_FALSE(d.form->Modal());
}

TEST_F(TFormTest, EnterAnswersTheDefaultButtonAndEscTheCancelButton)
{
    Dialog d;
    int okClicks = 0;
    d.ok->OnClick = [&](TObject*) { ++okClicks; };
    WhenIdle([&] { QueueKey(wnd::VK_RETURN); });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_EQ(okClicks, 1);
    WhenIdle([&] { QueueKey(wnd::VK_ESCAPE); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_EQ(okClicks, 1);
}

TEST_F(TFormTest, ModalFormDisablesTheOtherWindowsWhileItRuns)
{
    TForm owner(nullptr);
    owner.Show();
    Dialog d;
    bool ownerEnabledDuring = true;
    WhenIdle([&] {
        ownerEnabledDuring = wnd::IsWindowEnabled(owner.Handle());
        wnd::PostMessage(d.form->Handle(), wnd::WM_CLOSE);
    });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(wnd::IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(wnd::GetActiveWindow(), owner.Handle()); // keys reach the owner again
}

TEST_F(TFormTest, CloseAsksOnCloseQueryAndOnClose)
{
    TForm form(nullptr);
    form.Show();
    bool allow = false;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form.Close();
    EXPECT_TRUE(form.Visible());
    allow = true;
    TCloseAction chosen = TCloseAction::caNone;
    form.OnClose = [&](TObject*, TCloseAction& action) { chosen = action; };
    form.Close();
    EXPECT_EQ(chosen, TCloseAction::caHide);
    EXPECT_FALSE(form.Visible());
}

TEST_F(TFormTest, FrameCloseMessageClosesTheForm)
{
    TForm form(nullptr);
    form.Show();
    wnd::SendMessage(form.Handle(), wnd::WM_SYSCOMMAND, wnd::SC_CLOSE, 0);
    Harness.ProcessMessages();
    EXPECT_FALSE(form.Visible());
}

TEST_F(TFormTest, TabMovesTheFocusInTabOrderSkippingWhatCannotTakeIt)
{
    Dialog d;
    auto* panel = new TPanel(d.form.get());
    panel->SetBounds(8, 210, 100, 60);
    panel->SetParent(d.form.get());
    auto* inner = new TButton(d.form.get());
    inner->SetBounds(5, 5, 60, 25);
    inner->SetParent(panel);
    // Created in the order list, ok, cancel, panel; cancel moves to second place.
    d.cancel->SetTabOrder(1);
    EXPECT_EQ(d.list->TabOrder(), 0);
    EXPECT_EQ(d.ok->TabOrder(), 2);
    EXPECT_EQ(panel->TabOrder(), 3);
    d.form->Show();
    Harness.ProcessMessages();
    EXPECT_TRUE(d.list->Focused()); // the first control in Tab order
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(d.cancel->Focused());
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(d.ok->Focused());
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(inner->Focused()); // the panel itself is no Tab stop
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(d.list->Focused()); // wraps around
    Harness.KeyDown(wnd::VK_SHIFT);
    Harness.PressKey(wnd::VK_TAB);
    Harness.PressKey(wnd::VK_TAB);
    Harness.KeyUp(wnd::VK_SHIFT);
    EXPECT_TRUE(d.ok->Focused());
    d.cancel->SetEnabled(false);
    panel->SetVisible(false);
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(d.list->Focused());
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(d.ok->Focused());
    EXPECT_EQ(d.form->ActiveControl(), d.ok);
}

TEST_F(TFormTest, KeyPreviewLetsTheFormSeeKeysFirst)
{
    Dialog d;
    std::vector<std::string> seen;
    d.form->KeyPreview = true;
    d.form->OnKeyDown = [&](TObject*, int& key, TShiftState) {
        seen.push_back("form");
        if (key == wnd::VK_F2)
            key = 0;
    };
    d.list->OnKeyDown = [&](TObject*, int&, TShiftState) { seen.push_back("list"); };
    d.form->Show();
    Harness.ProcessMessages();
    Harness.PressKey(wnd::VK_F3);
    Harness.PressKey(wnd::VK_F2);
    EXPECT_EQ(seen, (std::vector<std::string> { "form", "list", "form" }));
}

TEST_F(TFormTest, FreeingAContainerFreesItsControlsAndForgetsTheFocus)
{
    Dialog d;
    auto* panel = new TPanel(d.form.get());
    panel->SetParent(d.form.get());
    auto* inner = new TButton(d.form.get());
    inner->SetParent(panel);
    d.form->Show();
    inner->SetFocus();
    EXPECT_EQ(d.form->ActiveControl(), inner);
    const int before = d.form->ComponentCount();
    delete panel;
    EXPECT_EQ(d.form->ComponentCount(), before - 2);
    EXPECT_EQ(d.form->ActiveControl(), nullptr);
    EXPECT_EQ(d.form->FindComponent(""), nullptr);
}
