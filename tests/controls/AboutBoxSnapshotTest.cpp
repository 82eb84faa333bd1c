#include "Headless.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"
#include "platform/window/Painting.h"
#include "platform/window/VirtualKeys.h"

#include <cstdlib>
#include <filesystem>

using namespace ctl;

namespace {

std::string SourceDir()
{
    const char* dir = std::getenv("VELTRIN_SOURCE_DIR");
    return dir ? dir : ".";
}

// The About box as the help button shows it, built from the standard controls.
struct AboutBox {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TPanel* panel { new TPanel(form.get()) };
    TImage* icon { new TImage(form.get()) };
    TLabel* product { new TLabel(form.get()) };
    TLabel* version { new TLabel(form.get()) };
    TLabel* description { new TLabel(form.get()) };
    TLabel* comments { new TLabel(form.get()) };
    TLabel* contact { new TLabel(form.get()) };
    TButton* ok { new TButton(form.get()) };

    AboutBox()
    {
        form->SetCaption("About");
        form->SetBorderStyle(TFormBorderStyle::bsDialog);
        form->SetBorderIcons({});
        form->SetClientSize(298, 213);
        form->SetPosition(TPosition::poScreenCenter);
        panel->SetBounds(8, 8, 281, 161);
        panel->SetBevelOuter(TPanelBevel::bvLowered);
        panel->SetBevelInner(TPanelBevel::bvRaised);
        panel->SetParent(form.get());
        gfx::TBitmap picture;
        picture.LoadFromFile(SourceDir() + "/assets/icons/veltrin32.bmp");
        icon->SetPicture(picture);
        icon->SetStretch(true);
        icon->SetTransparent(true);
        icon->SetBounds(8, 8, 65, 57);
        icon->SetParent(panel);
        Place(product, 88, 16, "Quorvane");
        product->SetAutoSize(false);
        product->SetWidth(73);
        Place(version, 88, 40, "V1.1");
        Place(description, 8, 80, "可以方便管理你的笔记,也可以作为备忘录.  ");
        Place(comments, 8, 104, "作者: Veltrin 开发组");
        comments->SetWordWrap(true);
        Place(contact, 8, 120, "联系: notes@veltrin.example");
        contact->SetWordWrap(true);
        ok->SetCaption("OK");
        ok->SetBounds(111, 180, 75, 25);
        ok->SetDefault(true);
        ok->ModalResult = mrOk;
        ok->SetParent(form.get());
    }

    void Place(TLabel* label, int x, int y, const std::string& text)
    {
        label->SetBounds(x, y, label->Width(), label->Height());
        label->SetCaption(text);
        label->SetParent(panel);
    }
};

} // namespace

using AboutBoxSnapshotTest = HeadlessTest;

TEST_F(AboutBoxSnapshotTest, AboutBoxLaysOutAndPaintsItsControls)
{
    AboutBox box;
    box.form->Show();
    Harness.ProcessMessages();
    EXPECT_EQ(box.form->ClientWidth(), 298);
    EXPECT_EQ(box.form->ClientHeight(), 213);
    EXPECT_EQ(box.description->Left(), 8);
    EXPECT_EQ(box.product->Width(), 73);
    EXPECT_TRUE(box.ok->Focused()); // the only control that takes the focus
    // The frame has no buttons: the system menu is off.
    EXPECT_EQ(wnd::GetWindowStyle(box.form->Handle()) & wnd::WS_SYSMENU, 0u);

    const gfx::TBitmap pixels = Harness.Capture(box.form->Handle());
    const gfx::TPoint client = wnd::GetClientRectInWindow(box.form->Handle()).TopLeft();
    // The panel's outer bevel is lowered: shadow on its top-left edge.
    EXPECT_EQ(pixels.GetPixel(client.X + 8, client.Y + 8), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(pixels.GetPixel(client.X + 9, client.Y + 9), gfx::ColorToRGB(gfx::clBtnHighlight));
    // The icon is stretched to its box; its transparent corners show the panel.
    EXPECT_EQ(pixels.GetPixel(client.X + 16, client.Y + 16), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_NE(pixels.GetPixel(client.X + 16 + 32, client.Y + 16 + 28), gfx::ColorToRGB(gfx::clBtnFace));
    // The default OK button has a dark outer ring.
    EXPECT_EQ(pixels.GetPixel(client.X + 111, client.Y + 180), gfx::ColorToRGB(gfx::cl3DDkShadow));
    Harness.SaveSnapshot(box.form->Handle(), "controls-about-box");

    WhenIdle([&] { QueueKey(wnd::VK_RETURN); });
    box.form->Hide();
    EXPECT_EQ(box.form->ShowModal(), mrOk);
}

TEST_F(AboutBoxSnapshotTest, MessageBoxSnapshots)
{
    for (auto [name, flags] : { std::pair { "controls-message-box-question", MB_YESNO | MB_ICONQUESTION },
             std::pair { "controls-message-box-error", MB_OK | MB_ICONERROR },
             std::pair { "controls-message-box-plain", MB_YESNO } }) {
        auto box = CreateMessageDialog(MessageBoxContent(
            "感谢您的使用！\r\r现在是否退出本系统！                ", "Veltrin", flags));
        box->Show();
        Harness.ProcessMessages();
        const std::string path = Harness.SaveSnapshot(box->Handle(), name);
        EXPECT_TRUE(std::filesystem::exists(path));
    }
    auto warning = CreateMessageDialog(MessageDlgContent("打印\r\rYES:是当前记录\r\rALL:是全部记录",
        TMsgDlgType::mtConfirmation, { TMsgDlgBtn::mbYes, TMsgDlgBtn::mbAll }));
    warning->Show();
    Harness.ProcessMessages();
    Harness.SaveSnapshot(warning->Handle(), "controls-message-box-confirm");
}
