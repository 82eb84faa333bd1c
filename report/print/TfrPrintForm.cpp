#include "report/print/TfrPrintForm.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TGraphicControl.h"
#include "platform/controls/TPanel.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/text/IntegerText.h"

#include <algorithm>
#include <array>

namespace report {
namespace {

constexpr int kMaxCopies = 999;

// Two copies of three sheets as they come out of the printer: 1 2 3, 1 2 3
// when collated, 1 1 2 2 3 3 otherwise.
class CollatePicture : public ctl::TGraphicControl {
public:
    CollatePicture(ctl::TComponent* owner, const ctl::TCheckBox& collate) : TGraphicControl(owner), m_collate(collate)
    {
        SetBounds(0, 0, 84, 40);
    }

protected:
    void Paint() override
    {
        gfx::TCanvas& canvas = Canvas();
        canvas.Font = Font();
        canvas.Font.Height = -9;
        const bool collated = m_collate.Checked();
        const std::array<const char*, 3> numbers { "1", "2", "3" };
        for (int stack = 0; stack < 2; ++stack)
            for (int sheet = 0; sheet < 3; ++sheet) {
                const int x = stack * 42 + sheet * 9;
                const int y = sheet * 4;
                const gfx::TRect r = gfx::Rect(x, y, x + 20, y + 26);
                gfx::DrawFramedFill(canvas, r, gfx::clBtnShadow, gfx::clWindow);
                const int label = collated ? sheet : UncollatedLabel(stack, sheet);
                gfx::TRect text = gfx::Rect(r.Left, r.Bottom - 14, r.Right, r.Bottom - 2);
                canvas.Brush.Style = gfx::TBrushStyle::bsClear;
                canvas.DrawText(numbers[static_cast<std::size_t>(label)], text, gfx::DT_CENTER | gfx::DT_SINGLELINE);
            }
    }

private:
    // Uncollated: the first stack shows 1 1 2, the second 2 3 3.
    static int UncollatedLabel(int stack, int sheet) { return (stack * 3 + sheet) / 2; }

    const ctl::TCheckBox& m_collate;
};

ctl::TLabel* AddLabel(ctl::TForm* form, const std::string& caption, int left, int top)
{
    auto* label = new ctl::TLabel(form);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetParent(form);
    return label;
}

ctl::TRadioButton* AddRadio(ctl::TComponent* owner, ctl::TWinControl* parent, const std::string& caption, int left,
    int top, int width)
{
    auto* radio = new ctl::TRadioButton(owner);
    radio->SetCaption(caption);
    radio->SetBounds(left, top, width, 17);
    radio->SetParent(parent);
    return radio;
}

} // namespace

TfrPrintForm::TfrPrintForm(ctl::TComponent* AOwner, TfrPrinter& printer, int pageCount)
    : TForm(AOwner), m_printer(printer), m_pageCount(pageCount)
{
    SetCaption("Print");
    SetBorderStyle(ctl::TFormBorderStyle::bsDialog);
    SetPosition(ctl::TPosition::poScreenCenter);
    SetClientSize(400, 248);
    BuildPrinterPart();
    BuildCopiesPart();
    BuildPagesPart();

    OkButton = new ctl::TButton(this);
    OkButton->SetCaption("OK");
    OkButton->SetDefault(true);
    OkButton->SetBounds(232, 212, 75, 25);
    OkButton->OnClick = [this](ctl::TObject*) { Confirm(); };
    OkButton->SetParent(this);
    CancelButton = new ctl::TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->ModalResult = ctl::mrCancel;
    CancelButton->SetBounds(314, 212, 75, 25);
    CancelButton->SetParent(this);
}

void TfrPrintForm::BuildPrinterPart()
{
    AddLabel(this, "Printer:", 12, 14);
    PrinterCombo = new ctl::TComboBox(this);
    PrinterCombo->SetBounds(64, 10, 238, 21);
    for (const std::string& name : m_printer.Printers())
        PrinterCombo->Items().Add(name);
    PrinterCombo->SetItemIndex(m_printer.PrinterIndex());
    PrinterCombo->OnChange = [this](ctl::TObject*) {
        if (PrinterCombo->ItemIndex() >= 0 && PrinterCombo->ItemIndex() != m_printer.PrinterIndex()) {
            m_printer.SetPrinterIndex(PrinterCombo->ItemIndex());
            // A printer that failed to answer left the virtual one selected.
            PrinterCombo->SetItemIndex(m_printer.PrinterIndex());
        }
    };
    PrinterCombo->SetParent(this);
    SetupButton = new ctl::TButton(this);
    SetupButton->SetCaption("Setup...");
    SetupButton->SetBounds(314, 8, 75, 25);
    SetupButton->OnClick = [this](ctl::TObject*) {
        if (OnSetup)
            OnSetup();
    };
    SetupButton->SetParent(this);
}

void TfrPrintForm::BuildCopiesPart()
{
    AddLabel(this, "Copies:", 232, 52);
    CopiesEdit = new ctl::TEdit(this);
    CopiesEdit->SetBounds(284, 48, 44, 21);
    CopiesEdit->SetParent(this);
    CopiesUpDown = new ctl::TUpDown(this);
    CopiesUpDown->SetMin(1);
    CopiesUpDown->SetMax(kMaxCopies);
    CopiesUpDown->SetAssociate(CopiesEdit);
    CollateBox = new ctl::TCheckBox(this);
    CollateBox->SetCaption("Collate");
    CollateBox->SetBounds(232, 80, 70, 17);
    CollateBox->SetParent(this);
    auto* picture = new CollatePicture(this, *CollateBox);
    picture->SetLeft(306);
    picture->SetTop(78);
    picture->SetParent(this);
    CollateBox->OnClick = [picture](ctl::TObject*) { picture->Invalidate(); };
}

void TfrPrintForm::BuildPagesPart()
{
    AddLabel(this, "Page range", 12, 48);
    AllButton = AddRadio(this, this, "All", 12, 68, 200);
    CurrentButton = AddRadio(this, this, "Current page", 12, 90, 200);
    NumbersButton = AddRadio(this, this, "Numbers:", 12, 112, 80);
    AllButton->SetChecked(true);
    RangeEdit = new ctl::TEdit(this);
    RangeEdit->SetBounds(96, 110, 120, 21);
    RangeEdit->SetHint("Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12");
    RangeEdit->ShowHint = true;
    RangeEdit->OnEnter = [this](ctl::TObject*) { NumbersButton->SetChecked(true); };
    RangeEdit->SetParent(this);
    auto* hint = AddLabel(this, RangeEdit->Hint(), 12, 136);
    hint->SetAutoSize(false);
    hint->SetWordWrap(true);
    hint->SetBounds(12, 136, 204, 40);

    // Odd and even pages are a group of their own on a panel.
    AddLabel(this, "Print:", 232, 118);
    auto* panel = new ctl::TPanel(this);
    panel->SetBounds(232, 136, 157, 66);
    panel->SetBevelOuter(ctl::TPanelBevel::bvNone);
    panel->SetParent(this);
    AllPagesButton = AddRadio(this, panel, "All pages", 0, 0, 150);
    OddPagesButton = AddRadio(this, panel, "Odd pages", 0, 22, 150);
    EvenPagesButton = AddRadio(this, panel, "Even pages", 0, 44, 150);
    AllPagesButton->SetChecked(true);
}

int TfrPrintForm::Copies() const
{
    const std::optional<int> typed = text::ParseInteger(CopiesEdit->Text());
    return typed ? std::clamp(*typed, 1, kMaxCopies) : CopiesUpDown->Position();
}

TfrPageChoice TfrPrintForm::PageChoice() const
{
    if (CurrentButton->Checked())
        return TfrPageChoice::pcCurrent;
    if (NumbersButton->Checked())
        return TfrPageChoice::pcNumbers;
    return TfrPageChoice::pcAll;
}

TfrPrintPages TfrPrintForm::PrintPages() const
{
    if (OddPagesButton->Checked())
        return TfrPrintPages::ppOdd;
    if (EvenPagesButton->Checked())
        return TfrPrintPages::ppEven;
    return TfrPrintPages::ppAll;
}

std::string TfrPrintForm::PageListText(int currentPage) const
{
    switch (PageChoice()) {
    case TfrPageChoice::pcCurrent:
        return std::to_string(currentPage);
    case TfrPageChoice::pcNumbers:
        return PageRange();
    case TfrPageChoice::pcAll:
        break;
    }
    return {};
}

void TfrPrintForm::Refuse(const std::string& message, ctl::TWinControl* focus)
{
    ctl::MessageBox(message, "Error", ctl::MB_OK | ctl::MB_ICONERROR);
    if (focus && focus->CanFocus())
        focus->SetFocus();
}

void TfrPrintForm::Confirm()
{
    if (!text::ParseInteger(CopiesEdit->Text())) {
        Refuse("'" + CopiesEdit->Text() + "' is not a valid number of copies", CopiesEdit);
        return;
    }
    CopiesUpDown->SetPosition(Copies());
    if (PageChoice() == TfrPageChoice::pcNumbers) {
        try {
            ParsePageList(PageRange(), m_pageCount);
        } catch (const PageListError& error) {
            Refuse(error.what(), RangeEdit);
            return;
        }
    }
    SetModalResult(ctl::mrOk);
}

} // namespace report
