// The main window and the category manager drawn from the program's skin, and
// the skin's changes reaching every skinned control of both windows.

#include "AppWindows.h"

#include "tests/skin/SkinDataTestSkin.h"

#include "skin/SkinControlRecords.h"
#include "skin/SkinnedControl.h"
#include "skin/StoredSkinStream.h"

#include <algorithm>

using namespace app;
using skinctrls::TbsSkinSpeedButton;
using skinctrls::TbsSkinToolBar;

namespace {

class SkinnedWindows : public AppWindows {
protected:
    skin::TbsSkinData& Skin() { return *Main().bsSkinData1; }

    std::vector<skin::SkinnedControl*> SkinnedControls(ctl::TComponent& window)
    {
        std::vector<skin::SkinnedControl*> controls;
        for (int i = 0; i < window.ComponentCount(); ++i)
            if (auto* c = dynamic_cast<skin::SkinnedControl*>(window.Components(i)))
                controls.push_back(c);
        return controls;
    }

    // Paints both windows, so every control draws with what it holds now.
    void PaintBoth()
    {
        Main().Invalidate();
        Manager().Show();
        Manager().Invalidate();
        Harness.ProcessMessages();
        Harness.Capture(Main().Handle());
        Harness.Capture(Manager().Handle());
    }

    // A skin that has nothing but a "button" record cut from a picture whose
    // every pixel has its own colour.
    static std::vector<std::uint8_t> ButtonOnlySkin()
    {
        skin::StoredSkin stored;
        stored.ActivePictures.push_back(skintest::DistinctPicture(120, 30, 3));
        stored.IniText = text::Utf8ToGbk("[PICTURES]\r\nactivepicturescount=1\r\n0=button.bmp\r\n"
                                         "[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n"
                                         "[button]\r\npictureindex=0\r\nskinrect=0,0,40,25\r\n"
                                         "lefttoppoint=5,0\r\nrighttoppoint=35,0\r\nclientrect=2,2,38,23\r\n");
        return skin::WriteStoredSkin(stored);
    }
};

TEST_F(SkinnedWindows, EverySkinnedControlOfBothWindowsDrawsFromTheProgramsSkin)
{
    ASSERT_FALSE(Skin().IsEmpty());
    for (ctl::TComponent* window : { static_cast<ctl::TComponent*>(&Main()), static_cast<ctl::TComponent*>(&Manager()) })
        for (skin::SkinnedControl* c : SkinnedControls(*window))
            EXPECT_EQ(c->SkinData(), &Skin()) << dynamic_cast<ctl::TComponent*>(c)->Name();

    // Every element name these controls look up has its record in the skin.
    for (int index : { Main().bsSkinToolBar1->SkinIndex(), Main().bsSkinToolBar2->SkinIndex(),
             Main().bsSkinSpeedButton1->SkinIndex(), Main().Button1->SkinIndex(), Main().bsSkinGroupBox1->SkinIndex(),
             Main().bsSkinPanel1->SkinIndex(), Main().bsSkinEdit1->SkinIndex(), Main().bsSkinScrollBar1->SkinIndex(),
             Main().bsSkinSplitter1->SkinIndex(), Main().bsSkinBevel1->SkinIndex(),
             Manager().bsSkinButton1->SkinIndex(), Manager().bsSkinTreeView1->SkinIndex() })
        EXPECT_NE(index, -1);

    // Sizes follow the records: the text box and the buttons take the skin's
    // height, the splitter and the scroll bar its width; the left tool bar
    // keeps its height, as it sizes in nine parts.
    auto record = [this](int index) { return Skin().SkinControls()[static_cast<std::size_t>(index)].get(); };
    EXPECT_EQ(Main().bsSkinEdit1->Height(), record(Main().bsSkinEdit1->SkinIndex())->SkinRect.Height());
    EXPECT_EQ(Manager().bsSkinButton1->Height(), record(Manager().bsSkinButton1->SkinIndex())->SkinRect.Height());
    EXPECT_EQ(Main().bsSkinSplitter1->Width(), record(Main().bsSkinSplitter1->SkinIndex())->SkinRect.Width());
    EXPECT_EQ(Main().bsSkinScrollBar1->Width(), record(Main().bsSkinScrollBar1->SkinIndex())->SkinRect.Width());
    EXPECT_GT(Main().bsSkinToolBar2->Height(), 300);

    // A button's left end is its record's picture, pixel for pixel.
    Manager().Show();
    ToFront(*Manager().bsSkinButton3);
    const auto* button = record(Manager().bsSkinButton3->SkinIndex());
    const gfx::TBitmap* picture = Skin().ActivePicture(button->PictureIndex);
    ASSERT_NE(picture, nullptr);
    const gfx::TBitmap shown = Harness.Capture(Manager().Handle());
    const gfx::TPoint origin = wnd::GetClientRectInWindow(Manager().Handle()).TopLeft();
    for (int y : { 3, 12, 21 })
        EXPECT_EQ(shown.GetPixel(origin.X + Manager().bsSkinButton3->Left() + 2, origin.Y + Manager().bsSkinButton3->Top() + y),
            picture->GetPixel(button->SkinRect.Left + 2, button->SkinRect.Top + y))
            << y;
    Harness.SaveSnapshot(Main().Handle(), "app-main-skinned");
    Harness.SaveSnapshot(Manager().Handle(), "app-category-manager-skinned");
}

// A main window narrower than its tool row: the bar shows its scroll buttons
// from the skin, and scrolling brings the last button into view.
TEST_F(SkinnedWindows, NarrowMainWindowScrollsItsToolRowToTheLastButton)
{
    TbsSkinToolBar& bar = *Main().bsSkinToolBar1;
    EXPECT_FALSE(bar.ScrollButtonsShown()); // the row fits the window as it opens
    Main().SetClientWidth(480);
    Harness.ProcessMessages();
    ASSERT_TRUE(bar.ScrollButtonsShown());
    EXPECT_EQ(bar.ClientWidth(), 480 - 2 * TbsSkinToolBar::kScrollButtonWidth);
    const TbsSkinSpeedButton& exit = *Main().bsSkinSpeedButton6;
    EXPECT_GT(exit.Left() + exit.Width(), bar.ClientWidth());
    Harness.SaveSnapshot(Main().Handle(), "app-main-skinned-narrow");

    const gfx::TPoint right = bar.ClientToScreen({ bar.ClientWidth() + TbsSkinToolBar::kScrollButtonWidth / 2, 12 });
    Harness.MouseDown(right.X, right.Y);
    Harness.AdvanceTime(10 * bar.ScrollTimerInterval());
    Harness.MouseUp(right.X, right.Y);
    EXPECT_EQ(exit.Left() + exit.Width(), bar.ClientWidth());
    EXPECT_GT(bar.ScrollPosition(), 0);
    Harness.ProcessMessages();
    Harness.SaveSnapshot(Main().Handle(), "app-main-skinned-narrow-scrolled");

    Main().SetClientWidth(738);
    Harness.ProcessMessages();
    EXPECT_FALSE(bar.ScrollButtonsShown());
    EXPECT_EQ(Main().bsSkinBevel2->Left(), 0);
}

// Load another skin, a damaged one and the program's own again: each change
// reaches every control of both windows, and no control keeps a picture of a
// skin that is gone (the sanitizer would see it read when they paint).
TEST_F(SkinnedWindows, SkinChangesReachEveryControlOfBothWindows)
{
    PaintBoth();
    Skin().LoadFromStoredSkinStream(ButtonOnlySkin());
    ASSERT_FALSE(Skin().IsEmpty());
    EXPECT_EQ(Main().Button1->SkinIndex(), 0);
    EXPECT_EQ(Manager().bsSkinButton1->SkinIndex(), 0);
    EXPECT_EQ(Main().Button1->SkinPicture(), Skin().ActivePicture(0));
    EXPECT_EQ(Manager().bsSkinButton1->SkinPicture(), Skin().ActivePicture(0));
    for (int index : { Main().bsSkinToolBar1->SkinIndex(), Main().bsSkinEdit1->SkinIndex(),
             Main().bsSkinSplitter1->SkinIndex(), Main().bsSkinScrollBar1->SkinIndex(),
             Manager().bsSkinTreeView1->SkinIndex() })
        EXPECT_EQ(index, -1);
    EXPECT_EQ(Main().bsSkinSplitter1->Width(), Main().bsSkinSplitter1->DefaultSize);
    EXPECT_EQ(Manager().bsSkinTreeView1->Color(), Manager().bsSkinTreeView1->DefaultColor());
    PaintBoth();

    std::vector<std::uint8_t> damaged = ButtonOnlySkin();
    damaged.resize(damaged.size() / 2);
    std::string reported;
    Skin().OnLoadError = [&reported](const std::string& error) { reported = error; };
    Skin().LoadFromStoredSkinStream(damaged);
    EXPECT_TRUE(Skin().IsEmpty());
    EXPECT_FALSE(reported.empty());
    for (skin::SkinnedControl* c : SkinnedControls(Main()))
        EXPECT_EQ(c->SkinData(), &Skin());
    EXPECT_EQ(Main().Button1->SkinIndex(), -1);
    EXPECT_EQ(Main().Button1->SkinPicture(), nullptr);
    EXPECT_EQ(Manager().bsSkinButton1->SkinIndex(), -1);
    EXPECT_EQ(Manager().bsSkinButton1->SkinPicture(), nullptr);
    PaintBoth();

    Skin().LoadFromStoredSkin(*Main().bsCompressedStoredSkin1);
    ASSERT_FALSE(Skin().IsEmpty());
    EXPECT_NE(Main().bsSkinToolBar1->SkinIndex(), -1);
    EXPECT_NE(Main().bsSkinEdit1->SkinIndex(), -1);
    EXPECT_NE(Manager().bsSkinTreeView1->SkinIndex(), -1);
    EXPECT_NE(Manager().bsSkinButton1->SkinPicture(), nullptr);
    PaintBoth();
}

} // namespace
