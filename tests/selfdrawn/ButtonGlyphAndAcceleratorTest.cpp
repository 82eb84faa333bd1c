#include "SelfDrawnTestSupport.h"

#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinLabel.h"
#include "selfdrawn/TSeSkinProgressBar.h"

#include <optional>

using namespace selfdrawn;

namespace {

constexpr gfx::TColor kKey = gfx::RGB(0, 128, 128);

// A strip of square images, each a solid square of its colour with a
// one-pixel rim of the transparent colour (so its bottom-left pixel is that colour).
gfx::TBitmap Strip(std::initializer_list<gfx::TColor> Colors, int Size = 16)
{
    gfx::TBitmap strip(static_cast<int>(Colors.size()) * Size, Size);
    strip.Fill(kKey);
    int left = 0;
    for (gfx::TColor c : Colors) {
        for (int y = 1; y < Size - 1; ++y)
            for (int x = 1; x < Size - 1; ++x)
                strip.SetPixel(left + x, y, c);
        left += Size;
    }
    return strip;
}

// The bounding box of the pixels that pass a test, inside a margin.
template <class Test>
std::optional<gfx::TRect> BoxWhere(const gfx::TBitmap& Picture, Test Passes, int Margin)
{
    std::optional<gfx::TRect> box;
    for (int y = Margin; y < Picture.Height() - Margin; ++y)
        for (int x = Margin; x < Picture.Width() - Margin; ++x) {
            if (!Passes(Picture.GetPixel(x, y)))
                continue;
            if (!box)
                box = gfx::Rect(x, y, x + 1, y + 1);
            box->Left = std::min(box->Left, x);
            box->Top = std::min(box->Top, y);
            box->Right = std::max(box->Right, x + 1);
            box->Bottom = std::max(box->Bottom, y + 1);
        }
    return box;
}

std::optional<gfx::TRect> BoxOf(const gfx::TBitmap& Picture, gfx::TColor Color)
{
    return BoxWhere(Picture, [Color](gfx::TColor c) { return c == Color; }, 0);
}

// The caption's ink: dark pixels inside the button's frame.
std::optional<gfx::TRect> InkBox(const gfx::TBitmap& Picture)
{
    return BoxWhere(
        Picture, [](gfx::TColor c) { return gfx::GetRValue(c) < 100 && gfx::GetGValue(c) < 100 && gfx::GetBValue(c) < 100; },
        3);
}

} // namespace

class SelfDrawnGlyphButton : public SelfDrawnTest {
protected:
    TSeSkinButton* MakeButton(const std::string& Caption, int Width = 120, int Height = 70)
    {
        auto* button = new TSeSkinButton(form.get());
        button->SetBounds(20, 20, Width, Height);
        button->SetCaption(Caption);
        button->SetParent(form.get());
        return button;
    }
    gfx::TBitmap Picture(const ctl::TWinControl& c)
    {
        Harness.ProcessMessages();
        return Harness.Capture(c.Handle());
    }
    void MoveAway() { Harness.MoveMouse(At(*form, 400, 290).X, At(*form, 400, 290).Y); }
};

TEST_F(SelfDrawnGlyphButton, GlyphStripTellsItsImageCountAndOutOfRangeCountsAreIgnored)
{
    auto* button = MakeButton("");
    button->SetGlyph(Strip({ gfx::clRed, gfx::clLime, gfx::clBlue }));
    EXPECT_EQ(button->NumGlyphs(), 3);
    button->SetGlyph(Strip({ gfx::clRed, gfx::clLime, gfx::clBlue, gfx::clRed, gfx::clLime }));
    EXPECT_EQ(button->NumGlyphs(), 1); // five or more images: one
    button->SetGlyph(Strip({ gfx::clRed, gfx::clLime }));
    EXPECT_EQ(button->NumGlyphs(), 2);
    button->SetGlyph(gfx::TBitmap(30, 16)); // not a whole multiple: the count stays
    EXPECT_EQ(button->NumGlyphs(), 2);
    button->SetGlyph(gfx::TBitmap(0, 16)); // nothing wide: one image, never zero
    EXPECT_EQ(button->NumGlyphs(), 1);
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1);
    button->SetNumGlyphs(5);
    EXPECT_EQ(button->NumGlyphs(), 1);
    // A count larger than the strip holds paints without reading past it.
    button->SetGlyph(Strip({ gfx::clRed }));
    button->SetNumGlyphs(4);
    button->SetEnabled(false);
    EXPECT_NO_THROW(Picture(*button));
}

TEST_F(SelfDrawnGlyphButton, GlyphAloneIsCentredAndMovesWithThePress)
{
    auto* button = MakeButton("");
    button->SetGlyph(Strip({ gfx::clRed }));
    MoveAway();
    EXPECT_EQ(BoxOf(Picture(*button), gfx::clRed), gfx::Rect(53, 28, 67, 42)); // the 16-pixel image at (52, 27)
    // The transparent rim shows the face beneath it.
    EXPECT_EQ(Picture(*button).GetPixel(52, 27), Sys(gfx::clBtnFace));
    Harness.MouseDown(At(*button, 5, 5).X, At(*button, 5, 5).Y);
    EXPECT_EQ(BoxOf(Picture(*button), gfx::clRed), gfx::Rect(54, 29, 68, 43));
    Harness.MouseUp(At(*button, 5, 5).X, At(*button, 5, 5).Y);
}

TEST_F(SelfDrawnGlyphButton, EachLayoutPutsTheGlyphOnItsSideOfTheCaption)
{
    auto* button = MakeButton("Save");
    button->SetGlyph(Strip({ gfx::clRed }));
    MoveAway();
    for (TButtonLayout layout :
        { TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight, TButtonLayout::blGlyphTop, TButtonLayout::blGlyphBottom }) {
        button->SetLayout(layout);
        const gfx::TBitmap picture = Picture(*button);
        const auto glyph = BoxOf(picture, gfx::clRed);
        const auto text = InkBox(picture);
        ASSERT_TRUE(glyph && text);
        // Inside the face, clear of the frame.
        EXPECT_GT(glyph->Left, 2);
        EXPECT_GT(glyph->Top, 2);
        EXPECT_LT(glyph->Right, 118);
        EXPECT_LT(glyph->Bottom, 68);
        switch (layout) {
        case TButtonLayout::blGlyphLeft:
            EXPECT_GE(text->Left - glyph->Right, 4 + 1) << "rim and spacing between them";
            EXPECT_NEAR((glyph->Top + glyph->Bottom) / 2, 35, 1);
            // The block of glyph, spacing and caption is centred.
            EXPECT_NEAR(glyph->Left - 1, 120 - text->Right, 3);
            break;
        case TButtonLayout::blGlyphRight:
            EXPECT_GE(glyph->Left - text->Right, 4 + 1);
            EXPECT_NEAR(text->Left, 120 - glyph->Right - 1, 3);
            break;
        case TButtonLayout::blGlyphTop:
            EXPECT_GE(text->Top - glyph->Bottom, 4);
            EXPECT_NEAR((glyph->Left + glyph->Right) / 2, 60, 1);
            break;
        case TButtonLayout::blGlyphBottom:
            EXPECT_GE(glyph->Top - text->Bottom, 4);
            EXPECT_NEAR((glyph->Left + glyph->Right) / 2, 60, 1);
            break;
        }
    }
}

TEST_F(SelfDrawnGlyphButton, StatesPickTheirImagesAndGreyTones)
{
    auto* button = MakeButton("");
    button->SetGlyph(Strip({ gfx::clRed, gfx::clLime, gfx::clBlue }));
    MoveAway();
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::clRed));
    Harness.MouseDown(At(*button, 5, 5).X, At(*button, 5, 5).Y);
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::clBlue)) << "pressed: the third image";
    Harness.MouseUp(At(*button, 5, 5).X, At(*button, 5, 5).Y);
    MoveAway();
    button->SetEnabled(false);
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::clLime)) << "disabled: the second image";
    EXPECT_FALSE(BoxOf(Picture(*button), gfx::clRed));

    // One image on a disabled button: light grey from its lightness (red: 0.5).
    button->SetGlyph(Strip({ gfx::clRed }));
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::RGB(185, 185, 185)));
    EXPECT_FALSE(BoxOf(Picture(*button), gfx::clRed));

    // Black and white: grey while the mouse is elsewhere, coloured under it.
    button->SetEnabled(true);
    button->SetBlackAndWhiteGlyph(true);
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::RGB(128, 128, 128)));
    Harness.MoveMouse(Middle(*button).X, Middle(*button).Y);
    EXPECT_TRUE(BoxOf(Picture(*button), gfx::clRed));
    MoveAway();
    EXPECT_FALSE(BoxOf(Picture(*button), gfx::clRed));
}

TEST_F(SelfDrawnGlyphButton, KindsGiveCaptionResultDefaultAndTwoImagesButAStoredCaptionStays)
{
    auto* button = MakeButton("");
    button->SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(button->Caption(), "OK");
    EXPECT_EQ(button->ModalResult(), 1);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_FALSE(button->Glyph().Empty());
    button->SetKind(TBitBtnKind::bkCancel);
    EXPECT_EQ(button->ModalResult(), 2);
    EXPECT_FALSE(button->Default());
    button->SetKind(TBitBtnKind::bkAll);
    EXPECT_EQ(button->ModalResult(), 8);

    auto* stored = new TSeSkinButton(form.get());
    form->BeginLoading();
    stored->SetCaption("确定");
    stored->SetKind(TBitBtnKind::bkYes);
    form->EndLoading();
    EXPECT_EQ(stored->Caption(), "确定");
    EXPECT_EQ(stored->ModalResult(), 6);
}

class SelfDrawnDialogKeys : public SelfDrawnTest {
protected:
    SelfDrawnDialogKeys()
    {
        edit->SetBounds(10, 10, 150, 21);
        edit->SetParent(form.get());
        ok->SetBounds(10, 50, 75, 25);
        ok->SetCaption("&OK");
        ok->SetParent(form.get());
        ok->OnClick = [this](ctl::TObject*) { clicked.push_back("ok"); };
        other->SetBounds(100, 50, 75, 25);
        other->SetCaption("O&ther");
        other->SetParent(form.get());
        other->OnClick = [this](ctl::TObject*) { clicked.push_back("other"); };
        cancel->SetBounds(190, 50, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetParent(form.get());
        cancel->OnClick = [this](ctl::TObject*) { clicked.push_back("cancel"); };
        ok->SetDefault(true);
    }
    void Alt(int Vk)
    {
        Harness.KeyDown(wnd::VK_MENU);
        Harness.PressKey(Vk);
        Harness.KeyUp(wnd::VK_MENU);
    }

    TSeSkinEdit* edit { new TSeSkinEdit(form.get()) };
    TSeSkinButton* ok { new TSeSkinButton(form.get()) };
    TSeSkinButton* other { new TSeSkinButton(form.get()) };
    TSeSkinButton* cancel { new TSeSkinButton(form.get()) };
    std::vector<std::string> clicked;
};

TEST_F(SelfDrawnDialogKeys, DefaultButtonAnswersEnterUnlessAnotherButtonHasTheFocus)
{
    edit->SetFocus();
    Harness.ProcessMessages();
    EXPECT_TRUE(ok->ActiveDefault());
    EXPECT_EQ(PixelOf(*ok, 0, 0), gfx::clBlack) << "the default button's outline";
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(clicked, (std::vector<std::string> { "ok" }));

    other->SetFocus();
    Harness.ProcessMessages();
    EXPECT_FALSE(ok->ActiveDefault());
    EXPECT_EQ(PixelOf(*ok, 0, 0), Sys(gfx::clBtnHighlight));
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(clicked, (std::vector<std::string> { "ok", "other" }));

    // Back in the edit the default returns; with Shift Enter clicks nothing.
    edit->SetFocus();
    Harness.ProcessMessages();
    EXPECT_TRUE(ok->ActiveDefault());
    Shift(wnd::VK_RETURN);
    EXPECT_EQ(clicked.size(), 2u);
    // Esc goes to the cancel button wherever the focus is.
    Harness.PressKey(wnd::VK_ESCAPE);
    EXPECT_EQ(clicked.back(), "cancel");
    // No longer default: Enter in the edit clicks nothing.
    ok->SetDefault(false);
    EXPECT_FALSE(ok->ActiveDefault());
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(SelfDrawnDialogKeys, AltWithTheAcceleratorFocusesAndClicksOnlyAButtonThatCanTakeTheFocus)
{
    edit->SetFocus();
    Alt('T');
    EXPECT_EQ(clicked, (std::vector<std::string> { "other" }));
    EXPECT_TRUE(other->Focused());
    Alt('O');
    EXPECT_EQ(clicked.back(), "ok");
    EXPECT_TRUE(ok->Focused());
    ok->SetEnabled(false);
    Alt('O');
    EXPECT_EQ(clicked.size(), 2u);
    // A letter without its "&" is no accelerator.
    Alt('C');
    EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(SelfDrawnDialogKeys, LabelAcceleratorFocusesItsControlWhileItIsEnabledAndShowsAccelerators)
{
    auto* label = new TSeSkinLabel(form.get());
    label->SetBounds(10, 100, 60, 17);
    label->SetCaption("&Name");
    label->SetParent(form.get());
    label->SetFocusControl(edit);
    other->SetFocus();
    Alt('N');
    EXPECT_TRUE(edit->Focused());
    other->SetFocus();
    label->SetShowAccelChar(false);
    Alt('N');
    EXPECT_TRUE(other->Focused());
    label->SetShowAccelChar(true);
    label->SetEnabled(false);
    Alt('N');
    EXPECT_TRUE(other->Focused());
    label->SetEnabled(true);
    edit->SetEnabled(false); // a control that cannot take the focus is left alone
    Alt('N');
    EXPECT_TRUE(other->Focused());
    // A freed focus control is forgotten.
    delete edit;
    edit = nullptr;
    EXPECT_EQ(label->FocusControl(), nullptr);
    Alt('N');
    EXPECT_TRUE(other->Focused());
    EXPECT_TRUE(clicked.empty());
}

TEST(SelfDrawnAccelerators, AmpersandMarksTheNextCharacterAndADoubledOneIsPlain)
{
    EXPECT_TRUE(ctl::IsAccel(U's', "&Save"));
    EXPECT_TRUE(ctl::IsAccel(U'S', "&save"));
    EXPECT_FALSE(ctl::IsAccel(U'a', "&Save"));
    EXPECT_FALSE(ctl::IsAccel(U'b', "Fish && &Chips b"));
    EXPECT_TRUE(ctl::IsAccel(U'c', "Fish && &Chips"));
    EXPECT_FALSE(ctl::IsAccel(U'&', "A&&B"));
    EXPECT_TRUE(ctl::IsAccel(U'类', "&类别"));
    EXPECT_FALSE(ctl::IsAccel(U'x', "x&"));
}

class SelfDrawnProgressEdges : public SelfDrawnTest { };

TEST_F(SelfDrawnProgressEdges, BorderWiderThanTheBarShowsNoBlocksAndDividesNothingByZero)
{
    // Height 17 less two border rings of 10 leaves a bar -3 pixels thick,
    // whose block thickness would round to -2 and its step to 0.
    auto* bar = new TSeSkinProgressBar(form.get());
    bar->SetBounds(10, 10, 140, 17);
    bar->SetShowBorder(false);
    bar->SetBorderWidth(10);
    bar->SetTransparent(false);
    bar->SetParent(form.get());
    bar->SetPosition(50);
    EXPECT_EQ(PixelOf(*bar, 70, 8), Sys(gfx::clBtnFace));
    bar->SetOrientation(TSeProgressBarOrientation::kboVertical);
    bar->SetBounds(10, 10, 17, 140);
    EXPECT_EQ(PixelOf(*bar, 8, 70), Sys(gfx::clBtnFace));
}
