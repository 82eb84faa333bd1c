// The main window's tool bar actions that open the other windows.

#include "app/TForm1.h"

#include "app/TAboutBox.h"
#include "app/TAboutBox1.h"
#include "app/TBox.h"
#include "app/TData.h"
#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"
#include "report/build/TfrProgressForm.h"
#include "report/print/ReportPrinting.h"

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

// The report the print button runs: an empty template until PAGE.frf is
// loaded, shown in a modal preview with zoom, load, save, print, find, help
// and exit. Its dataset is linked to the print query when a print starts,
// since the data module comes after the main window.
void TForm1::CreateReport()
{
    frRichObject1 = std::make_unique<report::TfrRichObject>();
    frDBDataSet1 = std::make_unique<report::TfrDBDataSet>("frDBDataSet1");
    frReport1 = std::make_unique<report::TfrReport>();
    frReport1->InitialZoom = report::TfrPreviewZoom::pzDefault;
    frReport1->PreviewButtons = { report::TfrPreviewButton::pbZoom, report::TfrPreviewButton::pbLoad,
        report::TfrPreviewButton::pbSave, report::TfrPreviewButton::pbPrint, report::TfrPreviewButton::pbFind,
        report::TfrPreviewButton::pbHelp, report::TfrPreviewButton::pbExit };
    frReport1->Datasets.Register(frDBDataSet1->Name, *frDBDataSet1);
    frReport1->MakeProgress = [](report::TfrReport& report) {
        return std::make_unique<report::TfrProgressForm>(report);
    };
    auto showError = [](const std::string& text, const std::string& caption) {
        Application->MessageBox(text, caption, MB_OK | MB_ICONERROR);
    };
    frReport1->OnBuildError = showError;
    frReport1->OnLoadError = showError;
    frReport1->OnPrintPreparedReport = [report = frReport1.get()] {
        report::PrintPreparedReport(*report, report->CurrentPreviewPage);
    };
}

// Print: the current note (every note with the title memo's text, unsaved
// changes included) or all notes, through the template PAGE.frf of the
// current folder. A database error opening the print query reaches the
// message loop's error box before the report is touched; a missing PAGE.frf
// leaves the report's template as it was.
void TForm1::bsSkinSpeedButton3Click(TObject*)
{
    const std::string title = SeSkinMemo1->Text();
    if (title.empty())
        return;
    const int answer = MessageDlg("打印\r\rYES:是当前记录\r\rALL:是全部记录", TMsgDlgType::mtConfirmation,
        { TMsgDlgBtn::mbYes, TMsgDlgBtn::mbAll }, 0);
    if (answer != IDYES && answer != IDALL)
        return;
    if (answer == IDYES)
        Data->OpenPrintNote(title);
    else
        Data->OpenPrintAllNotes();
    frDBDataSet1->DataSet = &Data->ADOQuery5;
    frReport1->LoadTemplateFromFile("PAGE.frf");
    frReport1->PreviewReport();
}

} // namespace app
