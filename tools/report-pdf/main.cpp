// report-pdf <template.frf> <Veltrin.mdb> <output.pdf> [title]
//
// Prints notes of a store to a PDF file through the report engine, the way
// the print button does: the print query is opened with every note, or with
// the notes of one title, the template is loaded and the report built over
// the report dataset frDBDataSet1; the prepared pages become the PDF's pages.

#include "app/TData.h"
#include "platform/data/EDatabaseError.h"
#include "report/data/TfrDBDataSet.h"
#include "report/objects/TfrReport.h"
#include "report/output/EMFPagesPdf.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "report-pdf: %s\n", message.c_str());
    return 1;
}

int Run(const std::filesystem::path& templateFile, const std::filesystem::path& store,
    const std::filesystem::path& output, const char* title)
{
    if (!std::filesystem::is_regular_file(templateFile))
        return Fail("the template " + templateFile.string() + " does not exist");
    if (!std::filesystem::is_regular_file(store))
        return Fail("the note store " + store.string() + " does not exist");

    app::TData data(app::TData::ConnectionStringFor(store));
    if (title)
        data.OpenPrintNote(title);
    else
        data.OpenPrintAllNotes();

    report::TfrReport report;
    report.ShowProgress = false;
    if (!report.LoadTemplateFromFile(templateFile))
        return Fail("the template cannot be read: " + report.LoadError);
    report::TfrDBDataSet frDBDataSet1("frDBDataSet1");
    frDBDataSet1.DataSet = &data.ADOQuery5;
    report.Datasets.Register(frDBDataSet1.Name, frDBDataSet1);
    if (!report.BuildReport())
        return Fail(report.BuildError.empty() ? "the build was stopped" : report.BuildError);
    if (report.EMFPages.Empty())
        return Fail("the report has no pages");
    report::WritePreparedPagesPdf(report.EMFPages, output);
    std::printf("%s: %d pages\n", output.string().c_str(), report.EMFPages.Count());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: report-pdf <template.frf> <Veltrin.mdb> <output.pdf> [title]\n"
                             "  prints every note, or with a title only the notes of that title\n");
        return 2;
    }
    try {
        return Run(argv[1], argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
    } catch (const db::EDatabaseError& error) {
        return Fail(error.what());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
