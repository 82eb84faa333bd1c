#include "Headless.h"

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"

#include <memory>

using namespace ctl;

namespace {

// A text control that collects the characters typed into it.
class TypingTarget : public TCustomControl {
public:
    explicit TypingTarget(TComponent* owner) : TCustomControl(owner)
    {
        SetTabStop(true);
        OnKeyPress = [this](TObject*, unsigned& key) { Typed.push_back(key); };
    }
    std::vector<unsigned> Typed;

protected:
    unsigned WantedKeys() const override { return DLGC_WANTCHARS; }
};

} // namespace

using TControlTest = HeadlessTest;

TEST_F(TControlTest, MouseEnterAndLeaveFollowThePointerAcrossControls)
{
    TForm form(nullptr);
    form.SetClientSize(300, 200);
    auto* label = new TLabel(&form);
    label->SetCaption("label");
    label->SetBounds(10, 10, 50, 20);
    label->SetParent(&form);
    auto* panel = new TPanel(&form);
    panel->SetBounds(100, 10, 100, 100);
    panel->SetParent(&form);
    std::vector<std::string> events;
    label->OnMouseEnter = [&](TObject*) { events.push_back("enter label"); };
    label->OnMouseLeave = [&](TObject*) { events.push_back("leave label"); };
    panel->OnMouseEnter = [&](TObject*) { events.push_back("enter panel"); };
    panel->OnMouseLeave = [&](TObject*) { events.push_back("leave panel"); };
    form.Show();
    const gfx::TPoint onLabel = Middle(*label);
    Harness.MoveMouse(onLabel.X, onLabel.Y);
    Harness.MoveMouse(onLabel.X + 1, onLabel.Y);
    EXPECT_TRUE(label->MouseInControl());
    const gfx::TPoint onPanel = Middle(*panel);
    Harness.MoveMouse(onPanel.X, onPanel.Y);
    const gfx::TPoint outside = At(form, 280, 180);
    Harness.MoveMouse(outside.X, outside.Y);
    EXPECT_EQ(events, (std::vector<std::string> { "enter label", "leave label", "enter panel", "leave panel" }));
    EXPECT_FALSE(panel->MouseInControl());
}

TEST_F(TControlTest, ChildrenFollowTheParentFontAndColourUntilGivenTheirOwn)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TLabel(&form);
    label->SetParent(panel);
    gfx::TFont font;
    font.Name = "Tahoma";
    font.Height = -11;
    form.SetFont(font);
    EXPECT_EQ(label->Font().Name, "Tahoma");
    panel->SetColor(gfx::clWhite);
    EXPECT_EQ(label->Color(), gfx::clWhite); // labels take the parent's colour
    gfx::TFont own = font;
    own.Color = gfx::clFuchsia;
    label->SetFont(own);
    font.Name = "Arial";
    form.SetFont(font);
    EXPECT_EQ(panel->Font().Name, "Arial");
    EXPECT_EQ(label->Font().Name, "Tahoma");
    EXPECT_FALSE(label->ParentFont());
}

TEST_F(TControlTest, TextFromTheInputMethodReachesTheFocusedControl)
{
    TForm form(nullptr);
    auto* edit = new TypingTarget(&form);
    edit->SetImeName("汉王输入法");
    edit->SetParent(&form);
    form.Show();
    edit->SetFocus();
    EXPECT_EQ(edit->ImeName(), "汉王输入法");
    Harness.Compose("hanzi", 5);
    Harness.CommitComposition("汉字");
    Harness.TypeText("a");
    EXPECT_EQ(edit->Typed, (std::vector<unsigned> { 0x6C49, 0x5B57, 'a' }));
}
