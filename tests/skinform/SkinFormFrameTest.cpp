// The skinned frame on a real (headless) window: its size, hit testing, the
// layout of its parts, painting, the default frame and a damaged skin.

#include "SkinFormFixture.h"

#include "platform/graphics/TBitmap.h"
#include "platform/window/Painting.h"
#include "skin/SkinnedControl.h"

namespace {

using skinform::TbsSkinForm;

class SkinFormFrameTest : public SkinFormFixture { };

// The colour of the skin's main picture at a point (for checking painted frames).
gfx::TColor FramePixel(const skin::TbsSkinData& data, int x, int y) { return data.Picture().GetPixel(x, y); }

} // namespace

TEST_F(SkinFormFrameTest, ClientOf738By505IsAWindowOf746By535)
{
    CreateForm();
    ASSERT_TRUE(SkinForm->SkinMode());
    EXPECT_EQ(Bounds().Width(), 746);
    EXPECT_EQ(Bounds().Height(), 535);
    EXPECT_EQ(wnd::GetClientRectInWindow(Hwnd()), gfx::Rect(4, 26, 742, 531));
    // The smallest window the frame allows: the picture's width, the frame's height.
    EXPECT_EQ(SkinForm->MinimumSize(), (gfx::TSize { 160, 30 }));
}

TEST_F(SkinFormFrameTest, HitTestOfCornerTopBandPlainFrameCaptionAndClient)
{
    CreateForm();
    EXPECT_EQ(HitAt(2, 2), wnd::HTTOPLEFT);
    EXPECT_EQ(HitAt(100, 1), wnd::HTTOP);
    EXPECT_EQ(HitAt(100, 10), wnd::HTOBJECT);
    EXPECT_EQ(HitAt(100, 100), wnd::HTCLIENT);
    EXPECT_EQ(HitAt(100, 16), wnd::HTCAPTION);
    EXPECT_EQ(HitAt(744, 533), wnd::HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(1, 300), wnd::HTLEFT);
    EXPECT_EQ(HitAt(744, 300), wnd::HTRIGHT);
    EXPECT_EQ(HitAt(300, 533), wnd::HTBOTTOM);
    // A caption button is a frame object: the mouse stays with the frame.
    EXPECT_EQ(HitAt(730, 12), wnd::HTOBJECT);
}

TEST_F(SkinFormFrameTest, CaptionButtonsFromTheRightAndSystemMenuAtTheLeft)
{
    CreateForm();
    EXPECT_EQ(Object("closebutton").ObjectRect, gfx::Rect(724, 4, 742, 21));
    EXPECT_EQ(Object("maxbutton").ObjectRect, gfx::Rect(704, 4, 722, 21));
    EXPECT_EQ(Object("minbutton").ObjectRect, gfx::Rect(684, 4, 702, 21));
    EXPECT_EQ(Object("rollupbutton").ObjectRect, gfx::Rect(664, 4, 682, 21));
    EXPECT_EQ(Object("sysmenubutton").ObjectRect, gfx::Rect(4, 6, 17, 19));
    const gfx::TRect caption = Object("caption1").ObjectRect;
    EXPECT_EQ(caption.Left, 17);
    EXPECT_EQ(caption.Right, 664);

    // A wider window moves the buttons with the right edge.
    Form->SetBounds(50, 50, 900, 535);
    Harness.ProcessMessages();
    EXPECT_EQ(Object("closebutton").ObjectRect, gfx::Rect(878, 4, 896, 21));
    EXPECT_EQ(Object("caption1").ObjectRect.Right, 818);
}

TEST_F(SkinFormFrameTest, FramePaintsTheSkinAndTheCaptionText)
{
    CreateForm();
    const gfx::TBitmap active = Harness.Capture(Hwnd());
    Snapshot("skinform_active");
    // The left edge below the corner is cut from the picture's left edge.
    EXPECT_EQ(active.GetPixel(1, 300), FramePixel(*Data, 1, 60));
    // The caption text changes part of the caption bar, whose rows are
    // otherwise alike along the bar (the pixel at x = 400 of the same row).
    auto textPixels = [](const gfx::TBitmap& b) {
        int n = 0;
        for (int y = 6; y < 22; ++y)
            for (int x = 20; x < 120; ++x)
                n += b.GetPixel(x, y) != b.GetPixel(400, y);
        return n;
    };
    EXPECT_GT(textPixels(active), 50);

    // Without a caption text the bar is painted without it.
    Form->SetCaption("");
    Harness.ProcessMessages();
    EXPECT_EQ(textPixels(Harness.Capture(Hwnd())), 0);
}

TEST_F(SkinFormFrameTest, ClientBackgroundIsTiledFromThePicturesClient)
{
    CreateForm();
    const gfx::TBitmap pixels = Harness.Capture(Hwnd());
    const gfx::TRect skinClient = Data->FormInfo().ClientRect;
    EXPECT_EQ(pixels.GetPixel(4 + 10, 26 + 10), FramePixel(*Data, skinClient.Left + 10, skinClient.Top + 10));
}

TEST_F(SkinFormFrameTest, InactiveFormDrawsTheInactiveButtons)
{
    CreateForm();
    const gfx::TBitmap active = Harness.Capture(Hwnd());
    wnd::SendMessage(Hwnd(), wnd::WM_NCACTIVATE, 0, 0);
    Harness.ProcessMessages();
    const gfx::TBitmap inactive = Harness.Capture(Hwnd());
    Snapshot("skinform_inactive");
    EXPECT_NE(active.GetPixel(733, 12), inactive.GetPixel(733, 12));
}

TEST_F(SkinFormFrameTest, DamagedSkinLeavesTheDefaultFrameAndReportsOnce)
{
    const std::uint8_t damaged[] = { 0x78, 0xDA, 0x01, 0x02, 0x03, 0x04, 0x05 };
    Stored.SetCompressedData(damaged);
    CreateForm();
    EXPECT_EQ(LoadErrors.size(), 1u);
    EXPECT_FALSE(SkinForm->SkinMode());
    // A 3-pixel border and a 19-pixel caption bar.
    EXPECT_EQ(wnd::GetClientRectInWindow(Hwnd()), gfx::Rect(3, 22, 741, 527));
    EXPECT_EQ(HitAt(100, 10), wnd::HTCAPTION);
    EXPECT_EQ(HitAt(100, 1), wnd::HTTOP);
    EXPECT_EQ(HitAt(100, 100), wnd::HTCLIENT);
    // The built-in close button sits at the right end of the caption bar.
    const gfx::TRect close = Object("closebutton").ObjectRect;
    EXPECT_EQ(close.Right, 741 - 2);
    EXPECT_EQ(HitAt(close.Left + 3, close.Top + 3), wnd::HTOBJECT);
    Snapshot("skinform_default_frame");
    ClickObject("closebutton");
    EXPECT_FALSE(Form->Visible());
}

TEST_F(SkinFormFrameTest, WithoutSkinDataTheDefaultFrameIsUsed)
{
    CreateForm(100, 100, false);
    EXPECT_FALSE(SkinForm->SkinMode());
    EXPECT_TRUE(LoadErrors.empty());
    EXPECT_EQ(SkinForm->MinimumSize(), (gfx::TSize { 120, 25 }));
}

namespace {

// A skinned control as the form sees it through the skin change.
class RecordingControl : public ctl::TComponent, public skin::SkinnedControl {
public:
    RecordingControl(ctl::TComponent* owner, skin::TbsSkinData* data, std::vector<std::string>& log)
        : TComponent(owner), m_data(data), m_log(log)
    {
    }
    skin::TbsSkinData* SkinData() const override { return m_data; }
    void SetSkinData(skin::TbsSkinData* Value) override { m_data = Value; }
    void ResetSkinIndex() override { m_log.push_back("reset"); }
    void ApplySkin() override { m_log.push_back("apply"); }

private:
    skin::TbsSkinData* m_data;
    std::vector<std::string>& m_log;
};

} // namespace

TEST_F(SkinFormFrameTest, SkinChangeResetsAndReappliesTheFormsSkinnedControls)
{
    CreateForm();
    std::vector<std::string> withSkin, withoutSkin;
    new RecordingControl(Form, Data.get(), withSkin);
    new RecordingControl(Form, nullptr, withoutSkin);
    Data->SetCompressedStoredSkin(&Stored);
    EXPECT_EQ(withSkin, (std::vector<std::string> { "reset", "apply" }));
    EXPECT_TRUE(withoutSkin.empty());
    // The frame was rebuilt from the new load.
    EXPECT_TRUE(SkinForm->SkinMode());
    EXPECT_EQ(Object("closebutton").ObjectRect, gfx::Rect(724, 4, 742, 21));
}

TEST_F(SkinFormFrameTest, DestroyingTheComponentGivesTheFormItsOwnFrameBack)
{
    CreateForm();
    delete SkinForm;
    Harness.ProcessMessages();
    // The platform's own frame answers again.
    wnd::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
        wnd::SWP_FRAMECHANGED | wnd::SWP_NOMOVE | wnd::SWP_NOSIZE | wnd::SWP_NOZORDER);
    EXPECT_NE(wnd::GetClientRectInWindow(Hwnd()), gfx::Rect(4, 26, 742, 531));
    EXPECT_EQ(wnd::SendMessage(Hwnd(), wnd::WM_NCHITTEST, 0, wnd::LParamFromPoint(At(100, 100))), wnd::HTCLIENT);
}
