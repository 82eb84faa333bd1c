// report-pdf <template.frf> <Veltrin.mdb> <output.pdf> [title]
// report-pdf --print <printer> [--pages LIST] [--copies N] [--odd|--even] [--uncollated]
//            <template.frf> <Veltrin.mdb> [title]
//
// Prints notes of a store through the report engine, the way the print button
// does: the print query is opened with every note, or with the notes of one
// title, the template is loaded and the report built over the report dataset
// frDBDataSet1; the prepared pages become the pages of a PDF file, or with
// --print are printed on a printer of the system as the print dialog would.

#include "app/TData.h"
#include "platform/data/EDatabaseError.h"
#include "report/data/TfrDBDataSet.h"
#include "report/objects/TfrReport.h"
#include "report/output/EMFPagesPdf.h"
#include "report/print/ReportPrinting.h"
#include "report/printer/TfrPrinter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "report-pdf: %s\n", message.c_str());
    return 1;
}

// Where the prepared pages go: a PDF file, or a printer with the print dialog's choices.
struct Output {
    std::filesystem::path PdfFile;
    std::optional<std::string> Printer;
    report::TfrPrintOptions Print;
};

int PrintOnPrinter(report::TfrReport& report, const std::string& printer, const report::TfrPrintOptions& options)
{
    report::TfrPrinter& prn = report::Prn();
    const auto& names = prn.Printers();
    const auto found = std::find(names.begin(), names.end() - 1, printer);
    if (found == names.end() - 1)
        return Fail("the printer " + printer + " is not among the system's printers");
    prn.SetPrinterIndex(static_cast<int>(found - names.begin()));
    if (prn.IsVirtual())
        return Fail("the printer " + printer + " does not report its settings");
    if (!report::PrintBuiltReport(report, options))
        return Fail("no page was printed");
    std::printf("%s: %d pages prepared\n", printer.c_str(), report.EMFPages.Count());
    return 0;
}

int Run(const std::filesystem::path& templateFile, const std::filesystem::path& store, const Output& output,
    const char* title)
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
    if (output.Printer)
        return PrintOnPrinter(report, *output.Printer, output.Print);
    report::WritePreparedPagesPdf(report.EMFPages, output.PdfFile);
    std::printf("%s: %d pages\n", output.PdfFile.string().c_str(), report.EMFPages.Count());
    return 0;
}

int Usage()
{
    std::fprintf(stderr,
        "usage: report-pdf <template.frf> <Veltrin.mdb> <output.pdf> [title]\n"
        "       report-pdf --print <printer> [--pages LIST] [--copies N] [--odd|--even] [--uncollated]\n"
        "                  <template.frf> <Veltrin.mdb> [title]\n"
        "  prints every note, or with a title only the notes of that title\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Output output;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--print" && hasValue)
            output.Printer = args[++i];
        else if (arg == "--pages" && hasValue)
            output.Print.PageList = args[++i];
        else if (arg == "--copies" && hasValue)
            output.Print.Copies = std::atoi(args[++i].c_str());
        else if (arg == "--odd")
            output.Print.Kind = report::TfrPrintPages::ppOdd;
        else if (arg == "--even")
            output.Print.Kind = report::TfrPrintPages::ppEven;
        else if (arg == "--uncollated")
            output.Print.Collate = false;
        else if (arg.rfind("--", 0) == 0)
            return Usage();
        else
            positional.push_back(arg);
    }
    const std::size_t files = output.Printer ? 2 : 3;
    if (positional.size() != files && positional.size() != files + 1)
        return Usage();
    if (!output.Printer)
        output.PdfFile = positional[2];
    try {
        return Run(positional[0], positional[1], output, positional.size() > files ? positional[files].c_str() : nullptr);
    } catch (const db::EDatabaseError& error) {
        return Fail(error.what());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
