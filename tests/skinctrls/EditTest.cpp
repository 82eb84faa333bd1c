#include "SkinFormFixture.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TEdit.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Painting.h"
#include "platform/window/VirtualKeys.h"
#include "platform/text/Gbk.h"
#include "skin/StoredSkinStream.h"
#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinData.h"
#include "skinctrls/DefaultLook.h"
#include "skinctrls/TbsSkinEdit.h"

using namespace skinctrls;

namespace {

class SkinEditTest : public SkinFormTest {
protected:
    SkinEditTest()
    {
        form->SetColor(gfx::clBtnFace);
        edit->SetBounds(10, 10, 200, 20);
        edit->SetParent(form.get());
        edit->SetText("请输入关键字");
        edit->OnMouseEnter = [this](ctl::TObject*) { events += "enter;"; };
        edit->OnMouseLeave = [this](ctl::TObject*) { events += "leave;"; };
        edit->OnKeyDown = [this](ctl::TObject*, int& key, ctl::TShiftState) { events += "down " + std::to_string(key) + ";"; };
        edit->OnKeyPress = [this](ctl::TObject*, unsigned& key) { events += "press " + std::to_string(key) + ";"; };
        edit->OnButtonClick = [this](ctl::TObject*) { events += "button;"; };
        ShowForm();
    }

    // A pixel of the edit's window, frame included.
    gfx::TColor WindowPixel(int x, int y)
    {
        Harness.ProcessMessages();
        return Harness.Capture(edit->Handle()).GetPixel(x, y);
    }
    // The screen point at (x, y) of the edit's window, frame included.
    gfx::TPoint WindowPoint(int x, int y) const
    {
        const gfx::TRect r = wnd::GetWindowRect(edit->Handle());
        return { r.Left + x, r.Top + y };
    }
    void MoveTo(gfx::TPoint p) { Harness.MoveMouse(p.X, p.Y); }

    TbsSkinEdit* edit { new TbsSkinEdit(form.get()) };
    std::string events;
};

} // namespace

TEST_F(SkinEditTest, ConstructionDefaults)
{
    TbsSkinEdit fresh(nullptr);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.DefaultHeight(), 20);
    EXPECT_EQ(fresh.DefaultWidth(), 0);
    EXPECT_EQ(fresh.SkinDataName(), "edit");
    EXPECT_EQ(fresh.SkinIndex(), -1);
    EXPECT_EQ(fresh.Font().Name, "Arial");
    EXPECT_EQ(fresh.Font().Height, 14);
    EXPECT_EQ(fresh.Font().Color, gfx::clWindowText);
    EXPECT_EQ(fresh.DefaultFont(), fresh.Font());
    EXPECT_TRUE(fresh.UseSkinFont);
    EXPECT_FALSE(fresh.ButtonMode());
    EXPECT_EQ(fresh.Alignment(), ctl::TAlignment::taLeftJustify);
    EXPECT_EQ(fresh.LeftMargin(), 2);
    EXPECT_EQ(fresh.RightMargin(), 0);
}

TEST_F(SkinEditTest, FrameLiesOutsideTheClientArea)
{
    EXPECT_EQ(wnd::GetClientRectInWindow(edit->Handle()), gfx::Rect(2, 2, 198, 18));
    EXPECT_EQ(edit->ClientRect(), gfx::Rect(0, 0, 196, 16));
    EXPECT_EQ(edit->TextRect(), gfx::Rect(2, 2, 198, 18));
    EXPECT_EQ(edit->ButtonRect(), gfx::TRect {});

    edit->SetButtonMode(true);
    EXPECT_EQ(wnd::GetClientRectInWindow(edit->Handle()), gfx::Rect(2, 2, 178, 18));
    EXPECT_EQ(edit->TextRect(), gfx::Rect(2, 2, 178, 18));
    EXPECT_EQ(edit->ButtonRect(), gfx::Rect(180, 0, 200, 20));

    // The frame follows a new size.
    edit->SetBounds(10, 10, 150, 20);
    EXPECT_EQ(wnd::GetClientRectInWindow(edit->Handle()), gfx::Rect(2, 2, 128, 18));
    edit->SetButtonMode(false);
    EXPECT_EQ(wnd::GetClientRectInWindow(edit->Handle()), gfx::Rect(2, 2, 148, 18));
}

TEST_F(SkinEditTest, DefaultFrameColours)
{
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(WindowPixel(199, 19), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(WindowPixel(100, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(WindowPixel(1, 1), Rgb(gfx::clBtnFace));
    EXPECT_EQ(WindowPixel(198, 18), Rgb(gfx::clBtnFace));
    EXPECT_EQ(WindowPixel(190, 10), Rgb(gfx::clWhite)); // the field, right of the text
    Snapshot("skinctrls-edit-normal");

    edit->SetEnabled(false);
    EXPECT_EQ(edit->Font().Color, gfx::clGrayText);
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(WindowPixel(190, 10), Rgb(gfx::clWhite));
    Snapshot("skinctrls-edit-disabled");
    edit->SetEnabled(true);
    EXPECT_EQ(edit->Font().Color, gfx::clWindowText);
}

TEST_F(SkinEditTest, TextIsDrawnOnTheFieldAfterEveryFramePaint)
{
    edit->SetText("WWWW");
    auto darkest = [this] {
        int value = 255;
        const gfx::TBitmap shot = Harness.Capture(edit->Handle());
        for (int y = 2; y < 18; ++y)
            for (int x = 2; x < 60; ++x)
                value = std::min(value, static_cast<int>(gfx::GetRValue(shot.GetPixel(x, y))));
        return value;
    };
    Harness.ProcessMessages();
    EXPECT_LT(darkest(), 60);
    // A repaint of the frame alone keeps the text.
    wnd::RedrawWindow(edit->Handle(), nullptr, nullptr, wnd::RDW_FRAME | wnd::RDW_INVALIDATE);
    wnd::ValidateRect(edit->Handle(), nullptr);
    wnd::UpdateWindow(edit->Handle());
    EXPECT_LT(darkest(), 60);
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow));
}

TEST_F(SkinEditTest, ButtonHotPressedAndClick)
{
    auto* other = new ctl::TEdit(form.get());
    other->SetBounds(10, 50, 100, 20);
    other->SetParent(form.get());
    other->SetFocus();
    edit->SetButtonMode(true);
    EXPECT_EQ(WindowPixel(180, 0), Rgb(gfx::clBtnShadow));
    EXPECT_EQ(WindowPixel(183, 4), Rgb(gfx::clBtnFace));
    EXPECT_EQ(WindowPixel(189, 9), Rgb(gfx::clBtnText)); // the dots

    const gfx::TPoint button = WindowPoint(190, 10);
    MoveTo(button);
    EXPECT_TRUE(edit->ButtonHot());
    EXPECT_EQ(WindowPixel(180, 0), kDefaultFrameColor);
    EXPECT_EQ(WindowPixel(183, 4), kDefaultHotColor);
    Snapshot("skinctrls-edit-button-hot");

    Harness.MouseDown(button.X, button.Y);
    EXPECT_TRUE(edit->ButtonPressed());
    EXPECT_EQ(WindowPixel(183, 4), kDefaultDownColor);
    Snapshot("skinctrls-edit-button-pressed");
    EXPECT_EQ(events, "enter;");
    EXPECT_FALSE(edit->Focused());

    Harness.MouseUp(button.X, button.Y);
    EXPECT_EQ(events, "enter;button;");
    EXPECT_TRUE(edit->Focused());
    EXPECT_FALSE(edit->ButtonPressed());
    EXPECT_EQ(WindowPixel(183, 4), kDefaultHotColor);

    // Into the text: the button is no longer hot.
    MoveTo(WindowPoint(50, 10));
    EXPECT_FALSE(edit->ButtonHot());
    EXPECT_EQ(WindowPixel(183, 4), Rgb(gfx::clBtnFace));
}

TEST_F(SkinEditTest, ButtonReleasedElsewhereDoesNotClick)
{
    edit->SetButtonMode(true);
    const gfx::TPoint button = WindowPoint(190, 10);
    MoveTo(button);
    Harness.MouseDown(button.X, button.Y);
    const gfx::TPoint outside = WindowPoint(250, 10);
    MoveTo(outside);
    EXPECT_FALSE(edit->ButtonPressed());
    EXPECT_FALSE(edit->ButtonHot());
    Harness.MouseUp(outside.X, outside.Y);
    EXPECT_EQ(events, "enter;leave;");
}

TEST_F(SkinEditTest, HitTestInButtonMode)
{
    auto hit = [this](int x, int y) {
        const gfx::TPoint p = WindowPoint(x, y);
        return edit->Perform(wnd::WM_NCHITTEST, 0, wnd::MAKELPARAM(p.X, p.Y));
    };
    EXPECT_EQ(hit(1, 10), wnd::HTBORDER);
    EXPECT_EQ(hit(50, 10), wnd::HTCLIENT);
    edit->SetButtonMode(true);
    EXPECT_EQ(hit(190, 10), wnd::HTHSCROLL);
    EXPECT_EQ(hit(1, 10), wnd::HTVSCROLL);
    EXPECT_EQ(hit(179, 10), wnd::HTVSCROLL);
    EXPECT_EQ(hit(50, 10), wnd::HTCLIENT);
}

TEST_F(SkinEditTest, EnterAndLeaveOnceAcrossFrameAndText)
{
    MoveTo(WindowPoint(100, -5));
    MoveTo(WindowPoint(100, 0)); // the frame
    EXPECT_EQ(events, "enter;");
    EXPECT_TRUE(edit->MouseInControl());
    MoveTo(WindowPoint(100, 10)); // the text
    MoveTo(WindowPoint(100, 19)); // the frame again
    EXPECT_EQ(events, "enter;");
    MoveTo(WindowPoint(100, 25));
    EXPECT_EQ(events, "enter;leave;");
    EXPECT_FALSE(edit->MouseInControl());
    MoveTo(WindowPoint(100, 10));
    MoveTo(WindowPoint(300, 10));
    EXPECT_EQ(events, "enter;leave;enter;leave;");
}

TEST_F(SkinEditTest, EnterOnlyRaisesKeyPressAndEscapeComesFirst)
{
    edit->SetFocus();
    Harness.PressKey(wnd::VK_END);
    events.clear();
    Harness.PressKey(wnd::VK_RETURN);
    EXPECT_EQ(edit->Text(), "请输入关键字");
    EXPECT_EQ(events, "down 13;press 13;");

    // A cancel button answers Escape after the box has seen both events.
    auto* cancel = new ctl::TButton(form.get());
    cancel->SetBounds(250, 10, 75, 25);
    cancel->SetCancel(true);
    cancel->OnClick = [this](ctl::TObject*) { events += "cancel;"; };
    cancel->SetParent(form.get());
    form->KeyPreview = true;
    form->OnKeyPress = [this](ctl::TObject*, unsigned& key) { events += "form " + std::to_string(key) + ";"; };
    events.clear();
    Harness.PressKey(wnd::VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "请输入关键字");
    EXPECT_EQ(events, "down 27;form 27;press 27;cancel;");
    Harness.TypeText("x");
    EXPECT_EQ(edit->Text(), "请输入关键字x");
}

TEST_F(SkinEditTest, ReadOnlyRefusesEveryChange)
{
    edit->SetFocus();
    edit->SetReadOnly(true);
    wnd::SetClipboardText("粘贴");
    const auto ctrl = [this](int key) {
        Harness.KeyDown(wnd::VK_CONTROL);
        Harness.PressKey(key);
        Harness.KeyUp(wnd::VK_CONTROL);
    };
    Harness.PressKey(wnd::VK_HOME);
    Harness.PressKey(wnd::VK_DELETE);
    Harness.PressKey(wnd::VK_BACK);
    Harness.TypeText("x");
    ctrl('V');
    edit->SelectAll();
    ctrl('X');
    edit->ClearSelection();
    edit->CutToClipboard();
    edit->PasteFromClipboard();
    edit->Undo();
    EXPECT_EQ(edit->Text(), "请输入关键字");
    ctrl('C'); // copying is no change
    EXPECT_EQ(wnd::GetClipboardText(), "请输入关键字");
}

TEST_F(SkinEditTest, AutoSelectOnFocus)
{
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 6);
    form->SetFocus();
    edit->AutoSelect = false;
    edit->SetSelStart(2);
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 2);
}

TEST_F(SkinEditTest, DefaultFontAndSizeWithoutARecord)
{
    gfx::TFont font = edit->DefaultFont();
    font.Height = 16;
    font.Color = gfx::clRed;
    edit->SetDefaultFont(font);
    EXPECT_EQ(edit->Font().Height, 16);
    EXPECT_EQ(edit->Font().Color, gfx::clRed);
    edit->SetEnabled(false);
    EXPECT_EQ(edit->Font().Color, gfx::clGrayText);
    edit->SetEnabled(true);
    EXPECT_EQ(edit->Font().Color, gfx::clRed);

    edit->SetBounds(10, 10, 200, 30);
    edit->SetDefaultWidth(150);
    EXPECT_EQ(edit->Width(), 150);
    edit->ApplySkin(); // no skin: the default size and font again
    EXPECT_EQ(edit->Height(), 20);
    EXPECT_EQ(edit->Font(), edit->DefaultFont());
}

namespace {

// Colours of the test skin's picture: each part of the edit image has its own.
constexpr gfx::TColor kLeft = gfx::RGB(200, 0, 0);
constexpr gfx::TColor kMiddle = gfx::RGB(0, 200, 0);
constexpr gfx::TColor kRight = gfx::RGB(0, 0, 200);
constexpr gfx::TColor kActiveLeft = gfx::RGB(200, 200, 0);
constexpr gfx::TColor kActiveMiddle = gfx::RGB(0, 200, 200);
constexpr gfx::TColor kHotButton = gfx::RGB(90, 30, 160);
constexpr gfx::TColor kDisabledButton = gfx::RGB(120, 120, 120);

void Fill(gfx::TBitmap& picture, const gfx::TRect& r, gfx::TColor color)
{
    picture.Canvas().Brush.Color = color;
    picture.Canvas().FillRect(r);
}

// One picture of 40 x 22 edit rows: the normal row, the active row, and the
// button faces below them.
gfx::TBitmap EditPicture()
{
    gfx::TBitmap picture(60, 66);
    Fill(picture, gfx::Rect(0, 0, 4, 22), kLeft);
    Fill(picture, gfx::Rect(4, 0, 36, 22), kMiddle);
    Fill(picture, gfx::Rect(36, 0, 40, 22), kRight);
    Fill(picture, gfx::Rect(0, 22, 4, 44), kActiveLeft);
    Fill(picture, gfx::Rect(4, 22, 36, 44), kActiveMiddle);
    Fill(picture, gfx::Rect(36, 22, 40, 44), kRight);
    Fill(picture, gfx::Rect(40, 44, 50, 66), kHotButton);
    Fill(picture, gfx::Rect(50, 44, 60, 66), kDisabledButton);
    return picture;
}

std::string EditSkinIni()
{
    const std::string common = "pictureindex=0\r\n"
                               "skinrect=0,0,40,22\r\n"
                               "activeskinrect=0,22,40,44\r\n"
                               "lefttoppoint=4,0\r\n"
                               "clientrect=3,3,37,19\r\n"
                               "fontname=Tahoma\r\n"
                               "fontheight=13\r\n"
                               "fontcolor=255\r\n"
                               "activefontcolor=65280\r\n"
                               "disabledfontcolor=8421504\r\n";
    return "[PICTURES]\r\n"
           "activepicturescount=1\r\n"
           "0=edit.bmp\r\n"
           "[SKINCONTROLS]\r\n"
           "count=4\r\n"
           "0=tooledit:edit\r\n"
           "1=buttonedit:edit\r\n"
           "2=notanedit:bevel\r\n"
           "3=emptyedit:edit\r\n"
           "[emptyedit]\r\n"
           "pictureindex=0\r\n"
           "[tooledit]\r\n"
        + common + "righttoppoint=36,0\r\n"
        + "[buttonedit]\r\n" + common
        + "righttoppoint=30,0\r\n"
          "buttonrect=30,0,40,22\r\n"
          "activebuttonrect=40,44,50,66\r\n"
          "unenabledbuttonrect=50,44,60,66\r\n";
}

class SkinEditRecordTest : public SkinEditTest {
protected:
    SkinEditRecordTest()
    {
        skin::StoredSkin stored;
        stored.ActivePictures.push_back(EditPicture());
        stored.IniText = text::Utf8ToGbk(EditSkinIni());
        data.LoadFromStoredSkinStream(skin::WriteStoredSkin(stored));
        other->SetBounds(10, 100, 100, 20);
        other->SetParent(form.get());
        other->SetFocus();
        edit->SetSkinDataName("tooledit");
    }

    skin::TbsSkinData data;
    ctl::TEdit* other { new ctl::TEdit(form.get()) };
};

} // namespace

TEST_F(SkinEditRecordTest, RecordGivesFontHeightFrameAndImage)
{
    ASSERT_FALSE(data.IsEmpty());
    edit->SetSkinData(&data);
    EXPECT_EQ(edit->SkinIndex(), 0);
    EXPECT_EQ(edit->Height(), 22);
    EXPECT_EQ(edit->Font().Name, "Tahoma");
    EXPECT_EQ(edit->Font().Height, 13);
    EXPECT_EQ(edit->Font().Color, gfx::TColor(255));
    EXPECT_EQ(wnd::GetClientRectInWindow(edit->Handle()), gfx::Rect(3, 3, 197, 19));
    EXPECT_EQ(edit->TextRect(), gfx::Rect(3, 3, 197, 19));
    EXPECT_EQ(WindowPixel(1, 10), kLeft);
    EXPECT_EQ(WindowPixel(100, 1), kMiddle);
    EXPECT_EQ(WindowPixel(198, 10), kRight);

    // Any height becomes the skin's.
    edit->SetBounds(10, 10, 120, 40);
    EXPECT_EQ(edit->Height(), 22);
    EXPECT_EQ(WindowPixel(118, 10), kRight);

    // Hover: the active row and the active colour; leaving restores both.
    Harness.MoveMouse(WindowPoint(60, 10).X, WindowPoint(60, 10).Y);
    EXPECT_EQ(edit->Font().Color, gfx::TColor(65280));
    EXPECT_EQ(WindowPixel(1, 10), kActiveLeft);
    EXPECT_EQ(WindowPixel(60, 1), kActiveMiddle);
    Harness.MoveMouse(WindowPoint(60, 60).X, WindowPoint(60, 60).Y);
    EXPECT_EQ(edit->Font().Color, gfx::TColor(255));
    EXPECT_EQ(WindowPixel(1, 10), kLeft);

    edit->SetFocus();
    EXPECT_EQ(edit->Font().Color, gfx::TColor(65280));
    EXPECT_EQ(WindowPixel(1, 10), kActiveLeft);
    other->SetFocus();
    EXPECT_EQ(edit->Font().Color, gfx::TColor(255));

    edit->SetEnabled(false);
    EXPECT_EQ(edit->Font().Color, gfx::TColor(8421504));
    EXPECT_FALSE(edit->Focused());
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(WindowPixel(1, 10), kLeft);
    Snapshot("skinctrls-edit-record");
}

TEST_F(SkinEditRecordTest, UseSkinFontOffKeepsTheDefaultFont)
{
    edit->UseSkinFont = false;
    edit->SetSkinData(&data);
    EXPECT_EQ(edit->Font().Name, "Arial");
    EXPECT_EQ(edit->Font().Height, 14);
    EXPECT_EQ(edit->Font().Color, gfx::TColor(255)); // the colour is always the record's
    // DefaultFont changes do not reach Font while a record is in use.
    gfx::TFont font = edit->DefaultFont();
    font.Height = 20;
    edit->SetDefaultFont(font);
    EXPECT_EQ(edit->Font().Height, 14);
}

TEST_F(SkinEditRecordTest, RecordButtonFacesAndPosition)
{
    edit->SetSkinDataName("buttonedit");
    edit->SetButtonMode(true);
    edit->SetSkinData(&data);
    // The button lies right of the right-top point, so it moves with the width.
    EXPECT_EQ(edit->ButtonRect(), gfx::Rect(190, 0, 200, 22));
    EXPECT_EQ(WindowPixel(195, 10), kMiddle); // the image's own right part
    const gfx::TPoint button = WindowPoint(195, 10);
    Harness.MoveMouse(button.X, button.Y);
    EXPECT_EQ(WindowPixel(195, 10), kHotButton);
    Harness.MouseDown(button.X, button.Y);
    EXPECT_EQ(WindowPixel(195, 10), kHotButton); // no pressed face: the hot one
    Harness.MouseUp(button.X, button.Y);
    EXPECT_EQ(events, "enter;button;");
    edit->SetEnabled(false);
    EXPECT_EQ(WindowPixel(195, 10), kDisabledButton);
}

TEST_F(SkinEditRecordTest, RecordOfAnotherKindOrNoneGivesTheDefaultLook)
{
    edit->SetSkinDataName("notanedit");
    edit->SetSkinData(&data);
    EXPECT_EQ(edit->SkinIndex(), -1);
    EXPECT_EQ(edit->Height(), 20);
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow));

    // An edit record without a skin rectangle has no image and no height to give.
    edit->SetSkinDataName("emptyedit");
    edit->ApplySkin();
    EXPECT_EQ(edit->SkinIndex(), 3);
    EXPECT_EQ(edit->Height(), 20);
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow));

    edit->SetSkinDataName("tooledit");
    edit->ApplySkin();
    EXPECT_EQ(edit->Height(), 22);
    EXPECT_EQ(WindowPixel(1, 10), kLeft);
    data.ClearSkin(); // without telling the control first
    edit->Invalidate();
    EXPECT_EQ(WindowPixel(0, 0), Rgb(gfx::clBtnShadow)); // nothing of the freed skin is used
    edit->ResetSkinIndex();
    EXPECT_EQ(edit->SkinIndex(), -1);
}

TEST_F(SkinEditRecordTest, LoadingEndsWithTheCharacterSetOfTheSkinStrings)
{
    skin::TbsResourceStrData strings;
    strings.CharSet = 134;
    data.SetResourceStrData(&strings);
    form->BeginLoading();
    auto* loaded = new TbsSkinEdit(form.get());
    loaded->SetSkinData(&data);
    gfx::TFont font = loaded->Font();
    font.CharSet = 0;
    loaded->SetFont(font);
    form->EndLoading();
    EXPECT_EQ(loaded->Font().CharSet, 134);
    data.SetResourceStrData(nullptr);
}
