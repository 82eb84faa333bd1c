#include "Headless.h"

#include "platform/controls/TButton.h"
#include "platform/controls/MessageDialog.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/VirtualKeys.h"

#include <stdexcept>

using namespace ctl;

namespace {

class MainWindow : public TForm {
public:
    explicit MainWindow(TComponent* owner) : TForm(owner)
    {
        Button = new TButton(this);
        Button->SetParent(this);
        OnShow = [this](TObject*) { ++Shows; };
    }
    TButton* Button;
    int Shows { 0 };
};

class Dialog : public TForm {
public:
    using TForm::TForm;
};

} // namespace

using TApplicationTest = HeadlessTest;

TEST(TApplicationTitle, ComesFromTheProgramFileName)
{
    EXPECT_EQ(TitleFromExeName("/usr/local/bin/Veltrin"), "Veltrin");
    EXPECT_EQ(TitleFromExeName("/opt/VELTRIN.EXE"), "Veltrin");
    EXPECT_EQ(TitleFromExeName("notes.app.bin"), "notes");
    EXPECT_EQ(TitleFromExeName("/x/QUORVANE"), "Quorvane");
}

TEST_F(TApplicationTest, RunShowsTheFirstFormAndEndsWhenItCloses)
{
    MainWindow* main = nullptr;
    Dialog* dialog = nullptr;
    Application->Initialize();
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_FALSE(dialog->Visible());
    WhenIdle([&] { wnd::PostMessage(main->Handle(), wnd::WM_CLOSE); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(main->Shows, 1);
    Application->DestroyComponents();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(TApplicationTest, AnExceptionInAHandlerIsShownAndTheLoopGoesOn)
{
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    int clicks = 0;
    main->Button->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw std::runtime_error("statement rejected");
    };
    main->Show();
    Click(Middle(*main->Button));
    Click(Middle(*main->Button));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Errors, (std::vector<std::string> { "statement rejected" }));
    Application->DestroyComponents();
}

TEST_F(TApplicationTest, ProcessMessagesHandlesWhatIsWaiting)
{
    TForm form(nullptr);
    form.Show();
    int paints = 0;
    form.OnPaint = [&](TObject*) { ++paints; };
    form.Invalidate();
    Application->ProcessMessages();
    EXPECT_EQ(paints, 1);
}

TEST_F(TApplicationTest, KeysReachTheMainFormAgainAfterAMessageBox)
{
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    main->Button->SetDefault(true);
    std::vector<int> answers;
    main->Button->OnClick = [&](TObject*) {
        answers.push_back(Application->MessageBox("Quit?", "", MB_YESNO));
        if (answers.back() == IDYES)
            main->Close();
    };
    WhenIdle([&] {
        for (int vk : { wnd::VK_RETURN, wnd::VK_ESCAPE, wnd::VK_RETURN, wnd::VK_RETURN })
            QueueKey(vk);
    });
    Application->Run();
    EXPECT_EQ(answers, (std::vector<int> { IDNO, IDYES }));
    Application->DestroyComponents();
}

namespace {

// A dialog that frees itself when closed and tells when it is gone.
class SelfFreeingDialog : public TForm {
public:
    SelfFreeingDialog(TComponent* owner, bool& freed) : TForm(owner), m_freed(freed)
    {
        Button = new TButton(this);
        Button->SetParent(this);
        OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    }
    ~SelfFreeingDialog() override { m_freed = true; }
    TButton* Button;

private:
    bool& m_freed;
};

} // namespace

TEST_F(TApplicationTest, AFormClosedWhileItsHandlerProcessesMessagesIsFreedOnlyAfterTheHandlerReturns)
{
    bool freed = false;
    auto* dialog = new SelfFreeingDialog(nullptr, freed);
    dialog->Show();
    std::vector<bool> freedInside;
    dialog->Button->OnClick = [&](TObject*) {
        wnd::PostMessage(dialog->Handle(), wnd::WM_CLOSE);
        Application->ProcessMessages();
        freedInside.push_back(freed);
        // The handler still uses its form after the pending messages ran.
        dialog->SetCaption("still here");
        Application->ProcessMessages();
        freedInside.push_back(freed);
        freedInside.push_back(dialog->Visible());
    };
    Click(Middle(*dialog->Button));
    EXPECT_EQ(freedInside, (std::vector<bool> { false, false, false })) << "closed at once, freed later";
    Harness.ProcessMessages();
    EXPECT_TRUE(freed);
}

TEST_F(TApplicationTest, QuittingInsideAHandlerLetsTheHandlerFinishWithItsFormAndThenEndsTheLoop)
{
    MainWindow* main = nullptr;
    Application->Initialize();
    Application->CreateForm(main);
    std::vector<std::string> steps;
    main->Button->OnClick = [&](TObject*) {
        wnd::PostMessage(main->Handle(), wnd::WM_CLOSE);
        Application->ProcessMessages();
        steps.push_back(Application->Terminated() ? "terminated" : "running");
        main->SetCaption("finished");
        steps.push_back(main->Caption());
    };
    WhenIdle([&] { QueueClick(Middle(*main->Button)); });
    Application->Run();
    EXPECT_EQ(steps, (std::vector<std::string> { "terminated", "finished" }));
    Application->DestroyComponents();
}
