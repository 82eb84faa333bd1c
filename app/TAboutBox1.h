#pragma once

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TListBox.h"
#include "platform/controls/TPanel.h"

namespace app {

// The search results: the titles of the notes found, one entry per note. A
// double click opens the note in the main window, ready to be modified.
class TAboutBox1 : public ctl::TForm {
public:
    explicit TAboutBox1(ctl::TComponent* AOwner);

    ctl::TPanel* Panel1 { nullptr };
    ctl::TListBox* ListBox1 { nullptr };
    ctl::TButton* OKButton { nullptr };

    void FormShow(ctl::TObject* Sender);
    void ListBox1DblClick(ctl::TObject* Sender);
    void OKButtonClick(ctl::TObject* Sender);
};

extern TAboutBox1* AboutBox1;

} // namespace app
