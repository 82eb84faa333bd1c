#include "SkinFormFixture.h"

#include "platform/text/Gbk.h"
#include "skin/StoredSkinStream.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinSpeedButton.h"

using namespace skinctrls;

namespace {

constexpr gfx::TColor kNormal = gfx::RGB(40, 80, 120);
constexpr gfx::TColor kHot = gfx::RGB(240, 200, 160);

// A fading button record: a normal image of one colour, a hot one of another.
class ButtonMorphTest : public SkinFormTest {
protected:
    ButtonMorphTest()
    {
        gfx::TBitmap picture(60, 20);
        picture.Canvas().Brush.Color = kNormal;
        picture.Canvas().FillRect(gfx::Rect(0, 0, 30, 20));
        picture.Canvas().Brush.Color = kHot;
        picture.Canvas().FillRect(gfx::Rect(30, 0, 60, 20));
        skin::StoredSkin stored;
        stored.ActivePictures.push_back(picture);
        stored.IniText = text::Utf8ToGbk("[PICTURES]\r\nactivepicturescount=1\r\n0=buttons.bmp\r\n"
                                         "[SKINCONTROLS]\r\ncount=1\r\n0=fader:button\r\n"
                                         "[fader]\r\npictureindex=0\r\nskinrect=0,0,30,20\r\n"
                                         "activeskinrect=30,0,60,20\r\nclientrect=2,2,28,18\r\n"
                                         "morphing=1\r\nmorphkind=mkdefault\r\n");
        data.LoadFromStoredSkinStream(skin::WriteStoredSkin(stored));
        button->SetBounds(20, 20, 30, 20);
        button->SetParent(form.get());
        button->SetSkinDataName("fader");
        button->SetSkinData(&data);
        ShowForm();
    }

    // Onto the form beside the button.
    void MoveAway()
    {
        const gfx::TPoint p = form->ClientToScreen({ 5, 5 });
        Harness.MoveMouse(p.X, p.Y);
    }

    skin::TbsSkinData data;
    TbsSkinSpeedButton* button { new TbsSkinSpeedButton(form.get()) };
};

} // namespace

TEST_F(ButtonMorphTest, HoverFadesInFiveTwentyMillisecondStepsAndBack)
{
    ASSERT_NE(button->SkinIndex(), -1);
    EXPECT_EQ(PixelOf(*button, 1, 10), kNormal);
    Harness.MoveMouse(Middle(*button).X, Middle(*button).Y);
    EXPECT_TRUE(button->Morphing());
    Harness.AdvanceTime(20);
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 0.2);
    const gfx::TColor between = PixelOf(*button, 1, 10);
    EXPECT_NE(between, kNormal);
    EXPECT_NE(between, kHot);
    Harness.AdvanceTime(80);
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 1.0);
    Harness.AdvanceTime(20);
    EXPECT_FALSE(button->Morphing());
    EXPECT_EQ(PixelOf(*button, 1, 10), kHot);

    MoveAway();
    Harness.AdvanceTime(40);
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 0.6);
    Harness.AdvanceTime(80);
    EXPECT_FALSE(button->Morphing());
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 0.0);
    EXPECT_EQ(PixelOf(*button, 1, 10), kNormal);
}

TEST_F(ButtonMorphTest, FactorStaysWithinZeroAndOne)
{
    button->SetMorphFactor(1.7);
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 1.0);
    button->SetMorphFactor(-0.4);
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 0.0);
}

TEST_F(ButtonMorphTest, TransparentDisabledAndGroupedButtonsDoNotFade)
{
    button->SetTransparent(true);
    Harness.MoveMouse(Middle(*button).X, Middle(*button).Y);
    EXPECT_FALSE(button->Morphing());
    MoveAway();

    button->SetTransparent(false);
    Harness.MoveMouse(Middle(*button).X, Middle(*button).Y);
    EXPECT_TRUE(button->Morphing());
    button->SetEnabled(false);
    EXPECT_FALSE(button->Morphing());
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 0.0);
}

TEST_F(ButtonMorphTest, GroupedPressGoesThroughTheDownSetter)
{
    auto* other = new TbsSkinSpeedButton(form.get());
    other->SetBounds(60, 20, 30, 20);
    other->SetParent(form.get());
    button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    other->SetDown(true);
    Click(Middle(*button));
    EXPECT_TRUE(button->Down());
    EXPECT_FALSE(other->Down()); // the setter raised the rest of the group
    // The pressed button shows its hot image at once, without a fade.
    EXPECT_DOUBLE_EQ(button->MorphFactor(), 1.0);
}

TEST_F(ButtonMorphTest, WindowedButtonFadesWithTheFocus)
{
    auto* windowed = new TbsSkinButton(form.get());
    windowed->SetBounds(100, 20, 30, 20);
    windowed->SetParent(form.get());
    windowed->SetSkinDataName("fader");
    windowed->SetSkinData(&data);
    Harness.ProcessMessages();
    windowed->SetFocus();
    EXPECT_TRUE(windowed->Morphing());
    Harness.AdvanceTime(120);
    EXPECT_DOUBLE_EQ(windowed->MorphFactor(), 1.0);
    EXPECT_FALSE(windowed->Morphing());
}
