#pragma once

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"

namespace app {

// The About box: the program's picture, product name, version and a short
// description in a bevelled panel, and an OK button that hides the box.
class TAboutBox : public ctl::TForm {
public:
    explicit TAboutBox(ctl::TComponent* AOwner);

    ctl::TPanel* Panel1 { nullptr };
    ctl::TImage* ProgramIcon { nullptr };
    ctl::TLabel* ProductName { nullptr };
    ctl::TLabel* Version { nullptr };
    ctl::TLabel* Description { nullptr };
    ctl::TLabel* Comments { nullptr };
    ctl::TLabel* Label1 { nullptr };
    ctl::TButton* OKButton { nullptr };

    void OKButtonClick(ctl::TObject* Sender);

private:
    ctl::TLabel* AddLabel(const char* name, int x, int y, const std::string& text);
};

extern TAboutBox* AboutBox;

} // namespace app
