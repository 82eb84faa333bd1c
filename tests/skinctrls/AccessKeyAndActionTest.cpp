#include "SkinFormFixture.h"

#include "platform/controls/TAction.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TImageList.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinGroupBox.h"
#include "skinctrls/TbsSkinSpeedButton.h"
#include "skinctrls/TbsSkinToolBar.h"

#include <string>
#include <vector>

using namespace skinctrls;

namespace {

class SkinAccessKeys : public SkinFormTest {
protected:
    SkinAccessKeys()
    {
        edit->SetBounds(200, 10, 120, 21);
        edit->SetParent(form.get());
        save->SetCaption("&Save");
        save->SetBounds(10, 10, 75, 25);
        save->SetParent(form.get());
        save->OnClick = [this](ctl::TObject*) { clicked.push_back("save"); };
        bar->SetParent(form.get());
        bar->SetBounds(0, 150, 400, 25);
        refresh->SetCaption("&Refresh");
        refresh->SetBounds(0, 0, 75, 25);
        refresh->SetParent(bar);
        refresh->OnClick = [this](ctl::TObject*) { clicked.push_back("refresh"); };
        ShowForm();
    }

    void Alt(int Vk)
    {
        Harness.KeyDown(wnd::VK_MENU);
        Harness.PressKey(Vk);
        Harness.KeyUp(wnd::VK_MENU);
    }

    ctl::TEdit* edit { new ctl::TEdit(form.get()) };
    TbsSkinButton* save { new TbsSkinButton(form.get()) };
    TbsSkinToolBar* bar { new TbsSkinToolBar(form.get()) };
    TbsSkinSpeedButton* refresh { new TbsSkinSpeedButton(form.get()) };
    std::vector<std::string> clicked;
};

} // namespace

TEST_F(SkinAccessKeys, AltWithTheKeyFocusesAndClicksAButtonThatCanTakeTheFocus)
{
    edit->SetFocus();
    Alt('S');
    EXPECT_EQ(clicked, (std::vector<std::string> { "save" }));
    EXPECT_TRUE(save->Focused());
    EXPECT_EQ(edit->Text(), "");

    // Not while it cannot take the focus: disabled, or not CanFocused.
    edit->SetFocus();
    save->SetEnabled(false);
    Alt('S');
    save->SetEnabled(true);
    save->SetCanFocused(false);
    Alt('S');
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(SkinAccessKeys, APlainLetterWorksOnlyWhereTheFocusIsNotInText)
{
    edit->SetFocus();
    Harness.TypeText("s");
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(edit->Text(), "s");
    save->SetFocus();
    Harness.TypeText("r");
    EXPECT_EQ(clicked, (std::vector<std::string> { "refresh" }));
}

TEST_F(SkinAccessKeys, ToolButtonsClickOnTheirKeyAndAGroupedOneGoesDown)
{
    Alt('R');
    EXPECT_EQ(clicked, (std::vector<std::string> { "refresh" }));
    EXPECT_FALSE(refresh->Down());

    refresh->SetGroupIndex(1);
    Alt('R');
    EXPECT_TRUE(refresh->Down());
    // Without AllowAllUp a down grouped button stays down; with it, it rises.
    Alt('R');
    EXPECT_TRUE(refresh->Down());
    refresh->AllowAllUp = true;
    Alt('R');
    EXPECT_FALSE(refresh->Down());
    EXPECT_EQ(clicked.size(), 4u);

    // A hidden or disabled tool button ignores its key.
    refresh->SetEnabled(false);
    Alt('R');
    refresh->SetEnabled(true);
    bar->SetVisible(false);
    Alt('R');
    EXPECT_EQ(clicked.size(), 4u);
}

TEST_F(SkinAccessKeys, AGroupBoxKeyFocusesItsFirstChildAndTogglesItsCheckBox)
{
    auto* box = new TbsSkinGroupBox(form.get());
    box->SetCaption("&Notes");
    box->SetBounds(10, 50, 150, 90);
    box->SetParent(form.get());
    auto* inner = new ctl::TEdit(form.get());
    inner->SetBounds(5, 30, 100, 21);
    inner->SetParent(box);
    save->SetFocus();
    Alt('N');
    EXPECT_TRUE(inner->Focused());
    EXPECT_FALSE(box->Checked());

    box->SetCheckedMode(true);
    save->SetFocus();
    Alt('N');
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(inner->Focused());
    // A panel without a caption band has no key.
    box->SetCaptionMode(false);
    save->SetFocus();
    Alt('N');
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(save->Focused());
}

TEST_F(SkinAccessKeys, TheAmpersandIsNotDrawnButTheKeyIsUnderlined)
{
    // Two buttons whose captions differ only by the "&": the same pixels
    // except for the underline below the first letter.
    auto* plain = new TbsSkinButton(form.get());
    plain->SetCaption("Save");
    plain->SetBounds(100, 10, 75, 25);
    plain->SetCanFocused(false);
    plain->SetParent(form.get());
    save->SetCanFocused(false);
    Harness.ProcessMessages();
    const gfx::TBitmap pixels = Harness.Capture(form->Handle());
    const gfx::TPoint client = wnd::GetClientRectInWindow(form->Handle()).TopLeft();
    int differing = 0;
    int underlineRow = -1;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x)
            if (pixels.GetPixel(client.X + 10 + x, client.Y + 10 + y)
                != pixels.GetPixel(client.X + 100 + x, client.Y + 10 + y)) {
                ++differing;
                underlineRow = y;
            }
    Snapshot("skinctrls_button_access_key");
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, 12); // an underline of one letter, not a shifted caption
    EXPECT_GT(underlineRow, 12);
}

namespace {

class SkinButtonActions : public SkinFormTest {
protected:
    SkinButtonActions()
    {
        action->SetCaption("刷新");
        action->SetHint("重新读取");
        action->OnExecute = [this](ctl::TObject*) { ++executed; };
        button->SetParent(form.get());
        tool->SetBounds(100, 0, 75, 25);
        tool->SetParent(form.get());
        ShowForm();
    }

    ctl::TAction* action { new ctl::TAction(form.get()) };
    TbsSkinButton* button { new TbsSkinButton(form.get()) };
    TbsSkinSpeedButton* tool { new TbsSkinSpeedButton(form.get()) };
    int executed { 0 };
};

} // namespace

TEST_F(SkinButtonActions, BothButtonKindsShowTheActionAndRunItOnAClick)
{
    button->ModalResult = ctl::mrOk;
    button->SetAction(action);
    tool->SetAction(action);
    EXPECT_EQ(button->Caption(), "刷新");
    EXPECT_EQ(tool->Hint(), "重新读取");
    Click(Middle(*button));
    Click(Middle(*tool));
    EXPECT_EQ(executed, 2);
    // The modal result is set before the action runs.
    EXPECT_EQ(form->ModalResult(), ctl::mrOk);

    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(tool->Enabled());
    Click(Middle(*tool));
    EXPECT_EQ(executed, 2);

    // An OnClick of the button's own takes the place of the action.
    action->SetEnabled(true);
    int own = 0;
    tool->OnClick = [&](ctl::TObject*) { ++own; };
    Click(Middle(*tool));
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 2);
}

TEST_F(SkinButtonActions, AGroupedButtonShowsTheCheckedStateAsDown)
{
    tool->SetGroupIndex(3);
    tool->SetAction(action);
    EXPECT_FALSE(tool->Down());
    action->SetChecked(true);
    EXPECT_TRUE(tool->Down());
    action->SetChecked(false);
    EXPECT_FALSE(tool->Down());
    // An ungrouped button is no toggle: it never stays down.
    button->SetAction(action);
    action->SetChecked(true);
    EXPECT_FALSE(button->Down());
}

TEST_F(SkinButtonActions, AButtonWithoutAGlyphTakesTheActionsPictureOnMagenta)
{
    auto* images = new ctl::TImageList(form.get());
    images->SetSize(16, 16);
    gfx::TBitmap picture(32, 16);
    picture.Fill(gfx::clWhite);
    for (int y = 4; y < 12; ++y)
        for (int x = 16 + 4; x < 16 + 12; ++x)
            picture.SetPixel(x, y, gfx::RGB(0, 128, 0));
    images->AddMasked(picture, gfx::clWhite);
    auto* list = new ctl::TActionList(form.get());
    list->SetImages(images);
    action->SetActionList(list);
    action->SetImageIndex(1);

    button->SetAction(action);
    const gfx::TBitmap& glyph = button->Glyph();
    ASSERT_EQ(glyph.Width(), 16);
    ASSERT_EQ(glyph.Height(), 16);
    EXPECT_EQ(glyph.GetPixel(0, 15), gfx::clFuchsia);
    EXPECT_EQ(glyph.GetPixel(8, 8), gfx::RGB(0, 128, 0));

    // A glyph of its own is kept; an index outside the list gives none.
    gfx::TBitmap own(8, 8);
    own.Fill(gfx::clNavy);
    tool->SetGlyph(own);
    tool->SetAction(action);
    EXPECT_EQ(tool->Glyph().Width(), 8);
    auto* other = new TbsSkinButton(form.get());
    action->SetImageIndex(7);
    other->SetAction(action);
    EXPECT_TRUE(other->Glyph().Empty());
}
