#pragma once

#include "report/printer/TfrPrinter.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TRadioButton.h"

namespace report {

// The options of the selected printer that a user expects to set before a
// print: one- or two-sided printing and grey instead of colour. OK stores
// them in the printer layer for the jobs that follow.
class TfrPrinterOptionsForm : public ctl::TForm {
public:
    TfrPrinterOptionsForm(ctl::TComponent* AOwner, TfrPrinter& printer);

    // The choices as the dialog shows them.
    printing::JobOptions Options() const;

    ctl::TRadioButton* OneSidedButton { nullptr };
    ctl::TRadioButton* LongEdgeButton { nullptr };
    ctl::TRadioButton* ShortEdgeButton { nullptr };
    ctl::TCheckBox* GrayscaleBox { nullptr };
    ctl::TButton* OkButton { nullptr };
    ctl::TButton* CancelButton { nullptr };

private:
    TfrPrinter& m_printer;
};

// Shows the options dialog for the printer layer's printer over `owner` and
// keeps what the user confirmed.
void ShowPrinterOptions(ctl::TForm& owner, TfrPrinter& printer);

} // namespace report
