// The main window's tool bar actions that open the other windows.

#include "app/TForm1.h"

#include "app/TAboutBox.h"
#include "app/TAboutBox1.h"
#include "app/TBox.h"
#include "app/TData.h"
#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"

namespace app {

using namespace ctl;

// The dialogs are shown without blocking the main window. Show on a dialog
// that is already visible only brings it to the front and activates it; its
// show handler does not run again.

void TForm1::bsSkinSpeedButton2Click(TObject*)
{
    Box->Show();
}

// Search: lists the notes whose title or body holds the search box's text.
void TForm1::bsSkinSpeedButton4Click(TObject*)
{
    Data->SearchNotes(bsSkinEdit1->Text());
    AboutBox1->FormShow(this);
    AboutBox1->Show();
}

void TForm1::bsSkinSpeedButton5Click(TObject*)
{
    AboutBox->Show();
}

// Printing builds on the report engine's preview, which this version does not
// have yet: the user is told so instead of the button doing nothing.
void TForm1::bsSkinSpeedButton3Click(TObject*)
{
    if (SeSkinMemo1->Text().empty())
        return;
    Application->MessageBox("打印预览尚未提供。", Application->Title(), MB_OK | MB_ICONINFORMATION);
}

} // namespace app
