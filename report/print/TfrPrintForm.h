#pragma once

#include "report/print/PageList.h"
#include "report/printer/TfrPrinter.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TComboBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TRadioButton.h"
#include "platform/controls/TUpDown.h"

#include <functional>
#include <string>

namespace report {

// Which pages the user chose in the print dialog.
enum class TfrPageChoice { pcAll, pcCurrent, pcNumbers };

// The print dialog: the printer (choosing one selects it in the printer
// layer), its options, the number of copies (never below 1) and collation,
// which pages (all, the current one, or a page list) and whether all, odd or
// even pages print. OK checks the copies and the page list and keeps the
// dialog open with a message when either is not understood.
class TfrPrintForm : public ctl::TForm {
public:
    TfrPrintForm(ctl::TComponent* AOwner, TfrPrinter& printer, int pageCount);

    // The values as the user left them (valid after OK).
    int Copies() const;
    bool Collate() const { return CollateBox->Checked(); }
    TfrPageChoice PageChoice() const;
    std::string PageRange() const { return RangeEdit->Text(); }
    TfrPrintPages PrintPages() const;
    // The page list text PrintBuiltReport takes: empty for all pages, the
    // current page's number, or the range as typed.
    std::string PageListText(int currentPage) const;

    // Runs for "Setup...": the printer's options dialog.
    std::function<void()> OnSetup;

    ctl::TComboBox* PrinterCombo { nullptr };
    ctl::TButton* SetupButton { nullptr };
    ctl::TEdit* CopiesEdit { nullptr };
    ctl::TUpDown* CopiesUpDown { nullptr };
    ctl::TCheckBox* CollateBox { nullptr };
    ctl::TRadioButton* AllButton { nullptr };
    ctl::TRadioButton* CurrentButton { nullptr };
    ctl::TRadioButton* NumbersButton { nullptr };
    ctl::TEdit* RangeEdit { nullptr };
    ctl::TRadioButton* AllPagesButton { nullptr };
    ctl::TRadioButton* OddPagesButton { nullptr };
    ctl::TRadioButton* EvenPagesButton { nullptr };
    ctl::TButton* OkButton { nullptr };
    ctl::TButton* CancelButton { nullptr };

private:
    void BuildPrinterPart();
    void BuildCopiesPart();
    void BuildPagesPart();
    void Confirm();
    // A modal message; the dialog stays open.
    void Refuse(const std::string& message, ctl::TWinControl* focus);

    TfrPrinter& m_printer;
    int m_pageCount { 0 };
};

} // namespace report
