#pragma once

#include "report/printer/TfrPrinter.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TComboBox.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TRadioButton.h"

#include <vector>

namespace report {

// The options of the selected printer that a user expects to set before a
// print: the paper out of those the printer offers, its orientation, the
// paper source ("Default", then the printer's trays), one- or two-sided
// printing and grey instead of colour. OK sets them in the printer layer for
// what follows; Cancel leaves it as it was. The paper becomes the printer's
// current one; prepared pages keep the paper they were laid out on (each
// page prints on its own paper) unless the report rebuilds them for the
// printer.
class TfrPrinterOptionsForm : public ctl::TForm {
public:
    TfrPrinterOptionsForm(ctl::TComponent* AOwner, TfrPrinter& printer);

    // The choices as the dialog shows them.
    printing::JobOptions Options() const;
    // The paper code chosen, one of the printer's PaperCodes.
    std::int32_t PaperCode() const;
    std::uint8_t Orientation() const { return LandscapeButton->Checked() ? poLandscape : poPortrait; }
    // The bin chosen: -1 for the default, else an index into the printer's sources.
    std::int32_t Bin() const { return BinCombo->ItemIndex() - 1; }

    ctl::TComboBox* PaperCombo { nullptr };
    ctl::TRadioButton* PortraitButton { nullptr };
    ctl::TRadioButton* LandscapeButton { nullptr };
    ctl::TComboBox* BinCombo { nullptr };
    ctl::TRadioButton* OneSidedButton { nullptr };
    ctl::TRadioButton* LongEdgeButton { nullptr };
    ctl::TRadioButton* ShortEdgeButton { nullptr };
    ctl::TCheckBox* GrayscaleBox { nullptr };
    ctl::TButton* OkButton { nullptr };
    ctl::TButton* CancelButton { nullptr };

private:
    void BuildPaperPart();
    void BuildSidesPart();
    void Apply();

    TfrPrinter& m_printer;
    // The printer's paper codes in the order of PaperCombo's items.
    std::vector<std::int32_t> m_paperCodes;
};

// Shows the options dialog for the printer layer's printer over `owner` and
// keeps what the user confirmed.
void ShowPrinterOptions(ctl::TForm& owner, TfrPrinter& printer);

} // namespace report
