#include "report/preview/TfrPreviewSearchForm.h"

namespace report {
namespace {

// What the last search asked for, offered again by the next dialog.
struct LastSearch {
    std::string Text;
    bool CaseSensitive { false };
    bool FromBegin { true };
};

LastSearch& Remembered()
{
    static LastSearch last;
    return last;
}

} // namespace

TfrPreviewSearchForm::TfrPreviewSearchForm() : TForm(nullptr)
{
    SetName("frPreviewSearchForm");
    SetCaption("Find text");
    SetBorderStyle(ctl::TFormBorderStyle::bsDialog);
    SetBorderIcons({ ctl::TBorderIcon::biSystemMenu });
    SetPosition(ctl::TPosition::poScreenCenter);
    SetClientSize(330, 130);

    Label1 = new ctl::TLabel(this);
    Label1->SetCaption("Text to find");
    Label1->SetBounds(8, 12, 80, 16);
    Label1->SetParent(this);
    Edit1 = new ctl::TEdit(this);
    Edit1->SetBounds(92, 8, 230, 21);
    Edit1->SetText(Remembered().Text);
    Edit1->SelectAll();
    Edit1->SetParent(this);

    CaseCheckBox = new ctl::TCheckBox(this);
    CaseCheckBox->SetCaption("Case sensitive");
    CaseCheckBox->SetBounds(8, 40, 150, 18);
    CaseCheckBox->SetChecked(Remembered().CaseSensitive);
    CaseCheckBox->SetParent(this);

    BeginRadioButton = new ctl::TRadioButton(this);
    BeginRadioButton->SetCaption("From begin");
    BeginRadioButton->SetBounds(170, 40, 150, 18);
    BeginRadioButton->SetParent(this);
    CurrentRadioButton = new ctl::TRadioButton(this);
    CurrentRadioButton->SetCaption("From current");
    CurrentRadioButton->SetBounds(170, 62, 150, 18);
    CurrentRadioButton->SetParent(this);
    (Remembered().FromBegin ? BeginRadioButton : CurrentRadioButton)->SetChecked(true);

    OKButton = new ctl::TButton(this);
    OKButton->SetCaption("OK");
    OKButton->SetBounds(166, 98, 75, 25);
    OKButton->SetDefault(true);
    OKButton->ModalResult = ctl::mrOk;
    OKButton->SetParent(this);
    CancelButton = new ctl::TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetBounds(247, 98, 75, 25);
    CancelButton->SetCancel(true);
    CancelButton->ModalResult = ctl::mrCancel;
    CancelButton->SetParent(this);
    SetActiveControl(Edit1);
}

void TfrPreviewSearchForm::DoHide()
{
    if (ModalResult() == ctl::mrOk)
        Remembered() = { FindText(), CaseSensitive(), FromBegin() };
    TForm::DoHide();
}

} // namespace report
