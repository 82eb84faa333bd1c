#pragma once

#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TRadioButton.h"

#include <string>

namespace report {

// The preview's find dialog: the text to find, whether case matters, and
// whether the search starts at the first page or the current one. The
// choices stay from one search to the next within the program.
class TfrPreviewSearchForm : public ctl::TForm {
public:
    TfrPreviewSearchForm();

    std::string FindText() const { return Edit1->Text(); }
    bool CaseSensitive() const { return CaseCheckBox->Checked(); }
    bool FromBegin() const { return BeginRadioButton->Checked(); }

    ctl::TLabel* Label1 { nullptr };
    ctl::TEdit* Edit1 { nullptr };
    ctl::TCheckBox* CaseCheckBox { nullptr };
    ctl::TRadioButton* BeginRadioButton { nullptr };
    ctl::TRadioButton* CurrentRadioButton { nullptr };
    ctl::TButton* OKButton { nullptr };
    ctl::TButton* CancelButton { nullptr };

protected:
    void DoHide() override;
};

} // namespace report
