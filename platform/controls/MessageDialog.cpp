#include "platform/controls/MessageDialog.h"

#include "platform/controls/TApplication.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TGraphicControl.h"
#include "platform/controls/TLabel.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/SystemInfo.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconSpacing = 15;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonSpacing = 6;
constexpr int kTextToButtons = 16;

const char* ButtonCaption(TMsgDlgBtn b)
{
    switch (b) {
    case TMsgDlgBtn::mbYes:
        return "&Yes";
    case TMsgDlgBtn::mbNo:
        return "&No";
    case TMsgDlgBtn::mbOK:
        return "OK";
    case TMsgDlgBtn::mbCancel:
        return "Cancel";
    case TMsgDlgBtn::mbAbort:
        return "&Abort";
    case TMsgDlgBtn::mbRetry:
        return "&Retry";
    case TMsgDlgBtn::mbIgnore:
        return "&Ignore";
    case TMsgDlgBtn::mbAll:
        return "&All";
    case TMsgDlgBtn::mbNoToAll:
        return "N&o to All";
    case TMsgDlgBtn::mbYesToAll:
        return "Yes to &All";
    }
    return "";
}

int IndexOf(const std::vector<TMsgDlgBtn>& buttons, TMsgDlgBtn b)
{
    auto it = std::find(buttons.begin(), buttons.end(), b);
    return it == buttons.end() ? -1 : static_cast<int>(it - buttons.begin());
}

// Line breaks of the message: CR LF and lone CR become LF for the text layout.
std::string NormalizeBreaks(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

class TMessageIconView : public TGraphicControl {
public:
    TMessageIconView(TComponent* owner, StylePainter::TMessageIcon icon) : TGraphicControl(owner), m_icon(icon)
    {
        SetBounds(0, 0, kIconSize, kIconSize);
    }

protected:
    void Paint() override { StylePainter::DrawMessageIcon(Canvas(), 0, 0, m_icon); }

private:
    StylePainter::TMessageIcon m_icon;
};

// The box itself: Esc without a cancelling button closes it (IDCANCEL).
class TMessageForm : public TForm {
public:
    using TForm::TForm;
    bool HasCancelButton { false };

protected:
    bool DialogKey(int Key) override
    {
        if (TForm::DialogKey(Key))
            return true;
        if (Key == wnd::VK_ESCAPE && !HasCancelButton) {
            Close();
            return true;
        }
        return false;
    }
};

StylePainter::TMessageIcon IconOfFlags(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return StylePainter::TMessageIcon::Error;
    case MB_ICONQUESTION:
        return StylePainter::TMessageIcon::Question;
    case MB_ICONEXCLAMATION:
        return StylePainter::TMessageIcon::Warning;
    case MB_ICONASTERISK:
        return StylePainter::TMessageIcon::Information;
    default:
        return StylePainter::TMessageIcon::None;
    }
}

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn Button)
{
    switch (Button) {
    case TMsgDlgBtn::mbYes:
        return mrYes;
    case TMsgDlgBtn::mbNo:
        return mrNo;
    case TMsgDlgBtn::mbOK:
        return mrOk;
    case TMsgDlgBtn::mbCancel:
        return mrCancel;
    case TMsgDlgBtn::mbAbort:
        return mrAbort;
    case TMsgDlgBtn::mbRetry:
        return mrRetry;
    case TMsgDlgBtn::mbIgnore:
        return mrIgnore;
    case TMsgDlgBtn::mbAll:
        return mrAll;
    case TMsgDlgBtn::mbNoToAll:
        return mrNoToAll;
    case TMsgDlgBtn::mbYesToAll:
        return mrYesToAll;
    }
    return mrNone;
}

TMessageBoxContent MessageBoxContent(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    using B = TMsgDlgBtn;
    TMessageBoxContent content;
    content.Text = Text;
    content.Caption = Caption;
    content.Icon = IconOfFlags(Flags);
    switch (Flags & 0xF) {
    case MB_OKCANCEL:
        content.Buttons = { B::mbOK, B::mbCancel };
        break;
    case MB_ABORTRETRYIGNORE:
        content.Buttons = { B::mbAbort, B::mbRetry, B::mbIgnore };
        break;
    case MB_YESNOCANCEL:
        content.Buttons = { B::mbYes, B::mbNo, B::mbCancel };
        break;
    case MB_YESNO:
        content.Buttons = { B::mbYes, B::mbNo };
        break;
    case MB_RETRYCANCEL:
        content.Buttons = { B::mbRetry, B::mbCancel };
        break;
    default:
        content.Buttons = { B::mbOK };
        break;
    }
    const int count = static_cast<int>(content.Buttons.size());
    content.DefaultIndex = std::min(static_cast<int>((Flags & 0xF00) >> 8), count - 1);
    content.CancelIndex = IndexOf(content.Buttons, B::mbCancel);
    if (content.CancelIndex < 0)
        content.CancelIndex = IndexOf(content.Buttons, B::mbNo);
    if (content.CancelIndex < 0 && count == 1)
        content.CancelIndex = 0; // a lone OK answers Esc too
    return content;
}

TMessageBoxContent MessageDlgContent(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    using B = TMsgDlgBtn;
    TMessageBoxContent content;
    content.Text = Msg;
    switch (DlgType) {
    case TMsgDlgType::mtWarning:
        content.Caption = "Warning";
        content.Icon = StylePainter::TMessageIcon::Warning;
        break;
    case TMsgDlgType::mtError:
        content.Caption = "Error";
        content.Icon = StylePainter::TMessageIcon::Error;
        break;
    case TMsgDlgType::mtInformation:
        content.Caption = "Information";
        content.Icon = StylePainter::TMessageIcon::Information;
        break;
    case TMsgDlgType::mtConfirmation:
        content.Caption = "Confirm";
        content.Icon = StylePainter::TMessageIcon::Question;
        break;
    case TMsgDlgType::mtCustom:
        content.Caption = Application->Title();
        break;
    }
    for (B b : { B::mbYes, B::mbNo, B::mbOK, B::mbCancel, B::mbAbort, B::mbRetry, B::mbIgnore, B::mbAll, B::mbNoToAll,
             B::mbYesToAll })
        if (Buttons.Contains(b))
            content.Buttons.push_back(b);
    if (content.Buttons.empty())
        content.Buttons.push_back(B::mbOK);
    content.DefaultIndex = IndexOf(content.Buttons, B::mbOK);
    if (content.DefaultIndex < 0)
        content.DefaultIndex = std::max(0, IndexOf(content.Buttons, B::mbYes));
    content.CancelIndex = IndexOf(content.Buttons, B::mbCancel);
    if (content.CancelIndex < 0)
        content.CancelIndex = IndexOf(content.Buttons, B::mbNo);
    return content;
}

std::unique_ptr<TForm> CreateMessageDialog(const TMessageBoxContent& Content)
{
    auto form = std::make_unique<TMessageForm>(nullptr);
    form->SetName("MessageBox");
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetBorderIcons({ TBorderIcon::biSystemMenu });
    form->SetPosition(TPosition::poScreenCenter);
    form->SetCaption(Content.Caption);
    form->HasCancelButton = Content.CancelIndex >= 0;

    // Measure the text: lines break where the message breaks them, and long
    // lines wrap at half the screen's width.
    const std::string text = NormalizeBreaks(Content.Text);
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = form->Font();
    gfx::TRect textRect = gfx::Rect(0, 0, wnd::GetSystemMetrics(wnd::SM_CXSCREEN) / 2, 0);
    canvas.DrawText(text, textRect, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_EXPANDTABS);

    const bool hasIcon = Content.Icon != StylePainter::TMessageIcon::None;
    const int textLeft = kMargin + (hasIcon ? kIconSize + kIconSpacing : 0);
    const int bodyHeight = std::max(hasIcon ? kIconSize : 0, textRect.Height());
    const int buttonCount = static_cast<int>(Content.Buttons.size());
    const int buttonsWidth = buttonCount * kButtonWidth + (buttonCount - 1) * kButtonSpacing;
    const int clientWidth = std::max(textLeft + textRect.Width() + kMargin, buttonsWidth + 2 * kMargin);
    const int buttonsTop = kMargin + bodyHeight + kTextToButtons;
    form->SetClientSize(clientWidth, buttonsTop + kButtonHeight + kMargin);

    if (hasIcon) {
        auto* icon = new TMessageIconView(form.get(), Content.Icon);
        icon->SetLeft(kMargin);
        icon->SetTop(kMargin);
        icon->SetParent(form.get());
    }
    auto* label = new TLabel(form.get());
    label->SetName("Message");
    label->SetCaption(text);
    label->SetLeft(textLeft);
    label->SetTop(kMargin + (textRect.Height() < kIconSize && hasIcon ? (kIconSize - textRect.Height()) / 2 : 0));
    label->SetParent(form.get());

    int x = (clientWidth - buttonsWidth) / 2;
    for (int i = 0; i < buttonCount; ++i) {
        auto* button = new TButton(form.get());
        button->SetName("Button" + std::to_string(i + 1));
        button->SetCaption(ButtonCaption(Content.Buttons[static_cast<std::size_t>(i)]));
        button->ModalResult = ModalResultOf(Content.Buttons[static_cast<std::size_t>(i)]);
        button->SetBounds(x, buttonsTop, kButtonWidth, kButtonHeight);
        button->SetDefault(i == Content.DefaultIndex);
        button->SetCancel(i == Content.CancelIndex);
        button->SetParent(form.get());
        if (i == Content.DefaultIndex)
            form->SetActiveControl(button);
        x += kButtonWidth + kButtonSpacing;
    }
    return form;
}

int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    return CreateMessageDialog(MessageBoxContent(Text, Caption, Flags))->ShowModal();
}

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int)
{
    return CreateMessageDialog(MessageDlgContent(Msg, DlgType, Buttons))->ShowModal();
}

} // namespace ctl
