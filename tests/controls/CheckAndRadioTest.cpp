#include "Headless.h"

#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TPanel.h"
#include "platform/controls/TRadioButton.h"
#include "platform/window/VirtualKeys.h"

#include <memory>
#include <string>
#include <vector>

using namespace ctl;

namespace {

class CheckAndRadio : public HeadlessTest {
protected:
    CheckAndRadio()
    {
        form->SetClientSize(300, 200);
        box->SetCaption("Collate");
        box->SetBounds(10, 10, 120, 17);
        box->SetParent(form.get());
        box->OnClick = [this](TObject*) { clicks.push_back("box"); };
        int top = 40;
        for (const char* caption : { "All", "Current page", "Numbers:" }) {
            auto* radio = new TRadioButton(form.get());
            radio->SetCaption(caption);
            radio->SetBounds(10, top, 120, 17);
            radio->SetParent(form.get());
            radio->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
            radios.push_back(radio);
            top += 20;
        }
        form->Show();
    }

    // The mark's square sits at the control's left, centred vertically.
    static gfx::TPoint MarkOf(const TControl& c) { return At(c, 6, c.Height() / 2); }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TCheckBox* box { new TCheckBox(form.get()) };
    std::vector<TRadioButton*> radios;
    std::vector<std::string> clicks;
};

TEST_F(CheckAndRadio, ACheckBoxTogglesByMouseAndSpaceAndGoesThroughGrayedOnlyWhenAllowed)
{
    Click(MarkOf(*box));
    EXPECT_TRUE(box->Checked());
    Click(Middle(*box)); // the caption counts as much as the square
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->Focused());
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_TRUE(box->Checked());
    box->SetAllowGrayed(true);
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
    EXPECT_FALSE(box->Checked());
    Harness.PressKey(wnd::VK_SPACE);
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(clicks.size(), 5u);

    // The program's own changes do not look like the user's.
    box->SetChecked(true);
    EXPECT_EQ(clicks.size(), 5u);
}

TEST_F(CheckAndRadio, APressThatLeavesTheControlBeforeReleaseChangesNothing)
{
    const gfx::TPoint on = MarkOf(*box);
    const gfx::TPoint off = At(*form, 250, 180);
    Harness.MouseDown(on.X, on.Y);
    Harness.MoveMouse(off.X, off.Y);
    Harness.MouseUp(off.X, off.Y);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(clicks.empty());

    box->SetEnabled(false);
    Click(on);
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckAndRadio, CheckingARadioButtonUnchecksTheOthersOfItsParentOnly)
{
    auto* panel = new TPanel(form.get());
    panel->SetBounds(150, 40, 140, 60);
    panel->SetParent(form.get());
    auto* odd = new TRadioButton(form.get());
    odd->SetBounds(5, 5, 100, 17);
    odd->SetParent(panel);
    odd->SetChecked(true);

    radios[0]->SetChecked(true);
    Click(Middle(*radios[2]));
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_TRUE(odd->Checked()); // another parent, another group
    Click(Middle(*radios[2]));
    EXPECT_TRUE(radios[2]->Checked()); // a second click keeps it checked
    EXPECT_EQ(clicks, (std::vector<std::string> { "Numbers:", "Numbers:" }));
}

TEST_F(CheckAndRadio, TabStopsAtTheCheckedRadioAndArrowsMoveAndCheckWithinTheGroup)
{
    auto* edit = new TEdit(form.get());
    edit->SetBounds(150, 10, 100, 21);
    edit->SetParent(form.get());
    radios[1]->SetChecked(true);
    EXPECT_FALSE(radios[0]->TabStop());
    EXPECT_TRUE(radios[1]->TabStop());

    box->SetFocus();
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(radios[1]->Focused());
    Harness.PressKey(wnd::VK_TAB);
    EXPECT_TRUE(edit->Focused());

    radios[1]->SetFocus();
    Harness.PressKey(wnd::VK_DOWN);
    EXPECT_TRUE(radios[2]->Focused());
    EXPECT_TRUE(radios[2]->Checked());
    Harness.PressKey(wnd::VK_DOWN); // wraps round to the first
    EXPECT_TRUE(radios[0]->Checked());
    radios[2]->SetEnabled(false);
    Harness.PressKey(wnd::VK_UP); // the disabled one is passed over
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_TRUE(radios[1]->Focused());
    EXPECT_EQ(clicks, (std::vector<std::string> { "Numbers:", "All", "Current page" }));

    // With none checked, Tab stops at each of them again.
    radios[1]->SetChecked(false);
    for (TRadioButton* radio : radios)
        EXPECT_TRUE(radio->TabStop());
}

TEST_F(CheckAndRadio, TheMarksShowTheirStateInPixels)
{
    // Text-coloured pixels in the columns [from, to) of a control.
    const auto darkPixels = [this](TWinControl& c, int from, int to) {
        c.Repaint();
        const gfx::TBitmap shot = Harness.Capture(c.Handle());
        int dark = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = from; x < to; ++x)
                dark += shot.GetPixel(x, y) == gfx::ColorToRGB(gfx::clWindowText) ? 1 : 0;
        return dark;
    };
    const int emptyBox = darkPixels(*box, 0, 13);
    box->SetChecked(true);
    EXPECT_EQ(darkPixels(*box, 0, 13) - emptyBox, 21); // the tick: seven columns three pixels tall

    const int emptyRadio = darkPixels(*radios[0], 0, 12);
    radios[0]->SetChecked(true);
    EXPECT_GT(darkPixels(*radios[0], 0, 12), emptyRadio);

    // With taLeftJustify the mark moves to the right end.
    box->SetAlignment(TAlignment::taLeftJustify);
    const int right = box->Width();
    const int checkedAtRight = darkPixels(*box, right - 13, right);
    box->SetChecked(false);
    EXPECT_EQ(checkedAtRight - darkPixels(*box, right - 13, right), 21);
}

} // namespace
