#pragma once

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TListBox.h"
#include "platform/controls/TPanel.h"
#include "platform/controls/TTimer.h"

namespace app {

// The search results: the titles of the notes found, one entry per note. A
// double click opens the note in the main window, ready to be modified.
//
// The list shows its first screen of titles at once; the rest of a large
// result is added a slice at a time between other messages, so the window
// shows and answers while the search reads on.
class TAboutBox1 : public ctl::TForm {
public:
    explicit TAboutBox1(ctl::TComponent* AOwner);

    ctl::TPanel* Panel1 { nullptr };
    ctl::TListBox* ListBox1 { nullptr };
    ctl::TButton* OKButton { nullptr };
    // Adds the next slice of titles until every row found is listed.
    ctl::TTimer* FillTimer { nullptr };

    void FormShow(ctl::TObject* Sender);
    void ListBox1DblClick(ctl::TObject* Sender);
    void OKButtonClick(ctl::TObject* Sender);
    void FillTimerTimer(ctl::TObject* Sender);

private:
    // Adds the titles of up to `count` more rows of the search.
    void AddFoundTitles(int count);
};

extern TAboutBox1* AboutBox1;

} // namespace app
