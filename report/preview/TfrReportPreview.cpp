// A report's preview and its prepared-report files.
#include "report/objects/TfrReport.h"
#include "report/output/PreparedReportFile.h"
#include "report/preview/TfrPreviewForm.h"


namespace report {

void TfrReport::PreviewReport()
{
    BuildReport();
    ShowBuiltReport();
}

void TfrReport::ShowBuiltReport()
{
    if (EMFPages.Empty())
        return;
    std::string caption = "Preview";
    if (!Title.empty())
        caption += " - " + Title;
    auto form = std::make_unique<TfrPreviewForm>(*this, PreviewSettings);
    form->SetCaption(caption);
    form->Configure(PreviewButtons, InitialZoom);
    form->GotoPage(0);
    if (ModalPreview) {
        form->ShowModal();
        return;
    }
    // A window of its own: it frees itself (and gives the pages back) once
    // it is closed.
    TfrPreviewForm* shown = form.release();
    shown->OnHide = [shown](ctl::TObject*) { shown->Release(); };
    shown->Show();
}

void TfrReport::LoadBuiltReport(const std::filesystem::path& file_name)
{
    PrinterName = LoadPreparedReportFile(file_name, EMFPages).PrinterName;
}

void TfrReport::SaveBuiltReport(const std::filesystem::path& file_name)
{
    SavePreparedReportFile(file_name, EMFPages, { PrinterName });
}

} // namespace report
