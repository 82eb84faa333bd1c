#include "report/print/TfrPrinterOptionsForm.h"

#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"

#include <algorithm>

namespace report {
namespace {

void AddLabel(ctl::TForm* form, const std::string& caption, int left, int top)
{
    auto* label = new ctl::TLabel(form);
    label->SetCaption(caption);
    label->SetBounds(left, top, 90, 16);
    label->SetParent(form);
}

// Radio buttons of one choice sit on a panel of their own, so each choice is a group.
ctl::TPanel* AddGroup(ctl::TForm* form, int left, int top, int width, int height)
{
    auto* panel = new ctl::TPanel(form);
    panel->SetBounds(left, top, width, height);
    panel->SetBevelOuter(ctl::TPanelBevel::bvNone);
    panel->SetParent(form);
    return panel;
}

ctl::TRadioButton* AddRadio(ctl::TComponent* owner, ctl::TWinControl* group, const std::string& caption, int top)
{
    auto* radio = new ctl::TRadioButton(owner);
    radio->SetCaption(caption);
    radio->SetBounds(0, top, group->Width(), 17);
    radio->SetParent(group);
    return radio;
}

} // namespace

TfrPrinterOptionsForm::TfrPrinterOptionsForm(ctl::TComponent* AOwner, TfrPrinter& printer)
    : TForm(AOwner), m_printer(printer)
{
    const std::string name = printer.Printers()[static_cast<std::size_t>(printer.PrinterIndex())];
    SetCaption("Printer options - " + name);
    SetBorderStyle(ctl::TFormBorderStyle::bsDialog);
    SetPosition(ctl::TPosition::poScreenCenter);
    SetClientSize(320, 290);
    BuildPaperPart();
    BuildSidesPart();

    OkButton = new ctl::TButton(this);
    OkButton->SetCaption("OK");
    OkButton->SetDefault(true);
    OkButton->ModalResult = ctl::mrOk;
    OkButton->SetBounds(152, 256, 75, 25);
    OkButton->OnClick = [this](ctl::TObject*) { Apply(); };
    OkButton->SetParent(this);
    CancelButton = new ctl::TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->ModalResult = ctl::mrCancel;
    CancelButton->SetBounds(234, 256, 75, 25);
    CancelButton->SetParent(this);
}

void TfrPrinterOptionsForm::BuildPaperPart()
{
    AddLabel(this, "Paper:", 12, 14);
    PaperCombo = new ctl::TComboBox(this);
    PaperCombo->SetBounds(104, 10, 205, 21);
    // A custom size has no size of its own to offer here.
    for (std::size_t i = 0; i < m_printer.PaperCodes().size(); ++i)
        if (m_printer.PaperCodes()[i] != kCustomPaperSize) {
            m_paperCodes.push_back(m_printer.PaperCodes()[i]);
            PaperCombo->Items().Add(m_printer.PaperNames()[i]);
        }
    const auto current = std::find(m_paperCodes.begin(), m_paperCodes.end(), m_printer.PaperSize());
    PaperCombo->SetItemIndex(current != m_paperCodes.end() ? static_cast<int>(current - m_paperCodes.begin()) : -1);
    PaperCombo->SetParent(this);

    AddLabel(this, "Orientation:", 12, 42);
    ctl::TPanel* orientation = AddGroup(this, 104, 40, 205, 40);
    PortraitButton = AddRadio(this, orientation, "Portrait", 0);
    LandscapeButton = AddRadio(this, orientation, "Landscape", 20);
    (m_printer.Orientation() == poLandscape ? LandscapeButton : PortraitButton)->SetChecked(true);

    AddLabel(this, "Paper source:", 12, 92);
    BinCombo = new ctl::TComboBox(this);
    BinCombo->SetBounds(104, 88, 205, 21);
    for (const std::string& bin : m_printer.BinNames())
        BinCombo->Items().Add(bin);
    const int bin = m_printer.Bin() + 1;
    BinCombo->SetItemIndex(bin >= 0 && bin < BinCombo->Items().Count() ? bin : 0);
    BinCombo->SetParent(this);
}

void TfrPrinterOptionsForm::BuildSidesPart()
{
    AddLabel(this, "Print on:", 12, 122);
    ctl::TPanel* sides = AddGroup(this, 20, 140, 289, 62);
    OneSidedButton = AddRadio(this, sides, "One side", 0);
    LongEdgeButton = AddRadio(this, sides, "Both sides, flip on long edge", 22);
    ShortEdgeButton = AddRadio(this, sides, "Both sides, flip on short edge", 44);
    GrayscaleBox = new ctl::TCheckBox(this);
    GrayscaleBox->SetCaption("Print in grey only");
    GrayscaleBox->SetBounds(12, 214, 250, 17);
    GrayscaleBox->SetParent(this);

    const printing::JobOptions& current = m_printer.JobOptions;
    (current.Sides == printing::PrintSides::TwoSidedLongEdge    ? LongEdgeButton
            : current.Sides == printing::PrintSides::TwoSidedShortEdge ? ShortEdgeButton
                                                                      : OneSidedButton)
        ->SetChecked(true);
    GrayscaleBox->SetChecked(current.Grayscale);
}

std::int32_t TfrPrinterOptionsForm::PaperCode() const
{
    const int index = PaperCombo->ItemIndex();
    return index >= 0 ? m_paperCodes[static_cast<std::size_t>(index)] : m_printer.PaperSize();
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

void TfrPrinterOptionsForm::Apply()
{
    m_printer.JobOptions = Options();
    // The printer takes an offered paper's size itself.
    m_printer.SetPaper(PaperCode(), m_printer.PaperWidth(), m_printer.PaperHeight(), Orientation(), Bin());
    m_printer.SelectBin(Bin());
}

void ShowPrinterOptions(ctl::TForm& owner, TfrPrinter& printer)
{
    TfrPrinterOptionsForm dialog(&owner, printer);
    dialog.ShowModal();
}

} // namespace report
