#include "report/print/TfrPrinterOptionsForm.h"

#include "platform/controls/TLabel.h"

namespace report {

TfrPrinterOptionsForm::TfrPrinterOptionsForm(ctl::TComponent* AOwner, TfrPrinter& printer)
    : TForm(AOwner), m_printer(printer)
{
    const std::string name = printer.Printers()[static_cast<std::size_t>(printer.PrinterIndex())];
    SetCaption("Printer options - " + name);
    SetBorderStyle(ctl::TFormBorderStyle::bsDialog);
    SetPosition(ctl::TPosition::poScreenCenter);
    SetClientSize(280, 170);

    auto* sides = new ctl::TLabel(this);
    sides->SetCaption("Print on:");
    sides->SetBounds(12, 10, 200, 16);
    sides->SetParent(this);
    const auto addRadio = [this](const std::string& caption, int top) {
        auto* radio = new ctl::TRadioButton(this);
        radio->SetCaption(caption);
        radio->SetBounds(20, top, 250, 17);
        radio->SetParent(this);
        return radio;
    };
    OneSidedButton = addRadio("One side", 30);
    LongEdgeButton = addRadio("Both sides, flip on long edge", 52);
    ShortEdgeButton = addRadio("Both sides, flip on short edge", 74);
    GrayscaleBox = new ctl::TCheckBox(this);
    GrayscaleBox->SetCaption("Print in grey only");
    GrayscaleBox->SetBounds(12, 104, 250, 17);
    GrayscaleBox->SetParent(this);

    const printing::JobOptions& current = printer.JobOptions;
    (current.Sides == printing::PrintSides::TwoSidedLongEdge    ? LongEdgeButton
            : current.Sides == printing::PrintSides::TwoSidedShortEdge ? ShortEdgeButton
                                                                      : OneSidedButton)
        ->SetChecked(true);
    GrayscaleBox->SetChecked(current.Grayscale);

    OkButton = new ctl::TButton(this);
    OkButton->SetCaption("OK");
    OkButton->SetDefault(true);
    OkButton->ModalResult = ctl::mrOk;
    OkButton->SetBounds(112, 136, 75, 25);
    OkButton->OnClick = [this](ctl::TObject*) { m_printer.JobOptions = Options(); };
    OkButton->SetParent(this);
    CancelButton = new ctl::TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->ModalResult = ctl::mrCancel;
    CancelButton->SetBounds(194, 136, 75, 25);
    CancelButton->SetParent(this);
}

printing::JobOptions TfrPrinterOptionsForm::Options() const
{
    printing::JobOptions options;
    if (LongEdgeButton->Checked())
        options.Sides = printing::PrintSides::TwoSidedLongEdge;
    else if (ShortEdgeButton->Checked())
        options.Sides = printing::PrintSides::TwoSidedShortEdge;
    options.Grayscale = GrayscaleBox->Checked();
    return options;
}

void ShowPrinterOptions(ctl::TForm& owner, TfrPrinter& printer)
{
    TfrPrinterOptionsForm dialog(&owner, printer);
    dialog.ShowModal();
}

} // namespace report
