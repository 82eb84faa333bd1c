#include "report/print/PdfFileDialog.h"

#include "platform/controls/TFileDialog.h"

namespace report {

std::optional<std::filesystem::path> AskPdfFileName(const std::string& title)
{
    ctl::TSaveDialog dialog;
    dialog.Title = title;
    dialog.Filter = "PDF file (*.pdf)|*.pdf";
    if (!dialog.Execute())
        return std::nullopt;
    std::filesystem::path file = dialog.FileName;
    if (!file.has_extension())
        file += ".pdf";
    return file;
}

} // namespace report
