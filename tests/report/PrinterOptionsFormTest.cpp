// The printer options dialog driven headless against a printing service in
// memory: the printer's papers and trays offered, what OK and Cancel leave in
// the printer layer, and the chosen tray reaching the print job.
#include "FakePrintService.h"

#include "tests/controls/Headless.h"

#include "report/objects/TfrMemoView.h"
#include "report/print/PdfPrintSink.h"
#include "report/print/ReportPrinting.h"
#include "report/print/TfrPrinterOptionsForm.h"

#include "platform/window/VirtualKeys.h"

#include <memory>

namespace report {
namespace {

std::vector<std::string> ItemsOf(const ctl::TComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.Items().Count(); ++i)
        items.push_back(combo.Items()[i]);
    return items;
}

class PrinterOptions : public HeadlessTest {
protected:
    PrinterOptions()
    {
        service->Listing = { { "Office" }, "Office" };
        printing::PrinterDetails office;
        office.Media = { testing::FakePrintService::A4(), testing::FakePrintService::A3(),
            testing::FakePrintService::Letter() };
        office.DefaultMedia = 0;
        office.Bins = { { "tray-1", "Tray 1" }, { "manual", "Manual feed" } };
        service->Printers["Office"] = office;
        printer = std::make_unique<TfrPrinter>(service);
    }

    std::unique_ptr<TfrPrinterOptionsForm> Open()
    {
        auto form = std::make_unique<TfrPrinterOptionsForm>(nullptr, *printer);
        form->Show();
        Harness.ProcessMessages();
        return form;
    }
    void Choose(ctl::TComboBox& combo, int key)
    {
        combo.SetFocus();
        Harness.PressKey(key);
    }

    std::shared_ptr<testing::FakePrintService> service { std::make_shared<testing::FakePrintService>() };
    std::unique_ptr<TfrPrinter> printer;
};

TEST_F(PrinterOptions, OffersThePrintersPapersAndTraysWithTheDefaultTrayFirst)
{
    auto form = Open();
    EXPECT_EQ(form->Caption(), "Printer options - Office");
    EXPECT_EQ(ItemsOf(*form->PaperCombo), (std::vector<std::string> { "A4", "A3", "Letter" }));
    EXPECT_EQ(form->PaperCombo->Text(), "A4");
    EXPECT_EQ(ItemsOf(*form->BinCombo), (std::vector<std::string> { "Default", "Tray 1", "Manual feed" }));
    EXPECT_EQ(form->BinCombo->ItemIndex(), 0);
    EXPECT_TRUE(form->PortraitButton->Checked());
    EXPECT_TRUE(form->OneSidedButton->Checked());
    Harness.SaveSnapshot(form->Handle(), "printer-options");

    printer->SetPrinterIndex(1);
    ASSERT_TRUE(printer->IsVirtual());
    auto onVirtual = Open();
    EXPECT_EQ(ItemsOf(*onVirtual->BinCombo), (std::vector<std::string> { "Default" }));
    const std::vector<std::string> papers = ItemsOf(*onVirtual->PaperCombo);
    EXPECT_EQ(papers.size() + 1, printer->PaperNames().size()) << "every paper of the table but the custom size";
    EXPECT_EQ(onVirtual->PaperCode(), kPaperA4);
}

TEST_F(PrinterOptions, OkSetsPaperOrientationTrayAndSidesWhileCancelKeepsThePrinterAsItWas)
{
    {
        auto form = Open();
        Choose(*form->PaperCombo, wnd::VK_DOWN); // A3
        form->LandscapeButton->SetChecked(true);
        Choose(*form->BinCombo, wnd::VK_END); // Manual feed
        form->LongEdgeButton->SetChecked(true);
        form->CancelButton->Click();
    }
    EXPECT_EQ(printer->PaperSize(), kPaperA4);
    EXPECT_EQ(printer->Bin(), kDefaultBin);
    EXPECT_EQ(printer->JobOptions, printing::JobOptions {});

    {
        auto form = Open();
        Choose(*form->PaperCombo, wnd::VK_DOWN);
        form->LandscapeButton->SetChecked(true);
        Choose(*form->BinCombo, wnd::VK_END);
        form->LongEdgeButton->SetChecked(true);
        form->GrayscaleBox->SetChecked(true);
        EXPECT_EQ(printer->PaperSize(), kPaperA4) << "nothing changes before OK";
        form->OkButton->Click();
        EXPECT_EQ(form->ModalResult(), ctl::mrOk);
    }
    EXPECT_EQ(printer->PaperSize(), 8);
    EXPECT_EQ(printer->Orientation(), poLandscape);
    EXPECT_EQ(printer->PaperWidth(), 4200) << "a landscape sheet lies on its side";
    EXPECT_EQ(printer->PaperHeight(), 2970);
    EXPECT_EQ(printer->Bin(), 1);
    EXPECT_EQ(printer->BinKeyword(), "manual");
    EXPECT_EQ(printer->JobOptions.Sides, printing::PrintSides::TwoSidedLongEdge);
    EXPECT_TRUE(printer->JobOptions.Grayscale);

    // The dialog opens again as it was left, and the default tray can be chosen back.
    auto again = Open();
    EXPECT_EQ(again->PaperCombo->Text(), "A3");
    EXPECT_TRUE(again->LandscapeButton->Checked());
    EXPECT_EQ(again->BinCombo->Text(), "Manual feed");
    EXPECT_TRUE(again->GrayscaleBox->Checked());
    Choose(*again->BinCombo, wnd::VK_HOME);
    again->OkButton->Click();
    EXPECT_EQ(printer->Bin(), kDefaultBin);
    EXPECT_EQ(printer->BinKeyword(), "");
    EXPECT_EQ(printer->PaperSize(), 8);
}

TEST_F(PrinterOptions, TheChosenTrayReachesTheJobOfPagesThatLeaveTheTrayToThePrinter)
{
    printer->SetPaper(kPaperA4, 2100, 2970, poPortrait, kDefaultBin);
    printer->SelectBin(0);
    TfrReport report;
    TfrPrintContext context;
    TfrPage page; // A4, portrait, the default bin
    report.EMFPages.Add(page);
    TfrMemoView memo;
    memo.Memo = { "tray" };
    report.EMFPages.AddObject(0, memo, context);
    report.ShowProgress = false;
    PdfPrintSink sink(*service);
    ASSERT_TRUE(PrintBuiltReport(report, *printer, sink, {}));
    ASSERT_EQ(service->Jobs.size(), 1u);
    EXPECT_EQ(service->Jobs[0].MediaSource, "tray-1");
    EXPECT_EQ(service->Jobs[0].Media, "iso_a4_210x297mm");

    // Back on the default tray the job names none.
    printer->SelectBin(kDefaultBin);
    ASSERT_TRUE(PrintBuiltReport(report, *printer, sink, {}));
    EXPECT_EQ(service->Jobs.back().MediaSource, "");
}

} // namespace
} // namespace report
