// The print dialog driven as a user would, headless: copies that never go
// below 1, the page choice and its range, odd and even pages, the printer
// list selecting printers, and OK refusing what it cannot read.
#include "FakePrintService.h"

#include "report/build/TfrProgressForm.h"
#include "report/objects/TfrMemoView.h"
#include "report/print/ReportPrinting.h"
#include "report/print/TfrPrintForm.h"
#include "report/print/TfrPrinterOptionsForm.h"

#include "platform/controls/TComboListWindow.h"

#include "platform/controls/TApplication.h"
#include "platform/window/HeadlessHarness.h"
#include "platform/window/VirtualKeys.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace report {
namespace {

class PrintForm : public ::testing::Test {
protected:
    PrintForm()
    {
        ctl::Application->Initialize();
        service->Listing = { { "Office", "Broken" }, "Office" };
        printing::PrinterDetails office;
        office.Media = { testing::FakePrintService::A4() };
        service->Printers["Office"] = office;
        printer = std::make_unique<TfrPrinter>(service);
        form = std::make_unique<TfrPrintForm>(nullptr, *printer, 12);
        form->Show();
        harness.ProcessMessages();
    }

    void Click(const ctl::TControl& c, int x, int y)
    {
        const gfx::TPoint p = c.ClientToScreen({ x, y });
        harness.Click(p.X, p.Y);
    }
    void ClickMiddle(const ctl::TControl& c) { Click(c, c.Width() / 2, c.Height() / 2); }
    // Answers the message box that the next click opens, and counts it.
    void AnswerNextMessage()
    {
        harness.SetIdleHandler([this, done = false]() mutable {
            if (done)
                return false;
            done = true;
            ++messages;
            wnd::TRawInput key;
            key.kind = wnd::TRawInputKind::KeyDown;
            key.vk = wnd::VK_RETURN;
            harness.Queue(key);
            key.kind = wnd::TRawInputKind::KeyUp;
            harness.Queue(key);
            return true;
        });
    }

    wnd::THeadlessHarness harness;
    std::shared_ptr<testing::FakePrintService> service { std::make_shared<testing::FakePrintService>() };
    std::unique_ptr<TfrPrinter> printer;
    std::unique_ptr<TfrPrintForm> form;
    int messages { 0 };
};

TEST_F(PrintForm, CopiesStepWithTheButtonsAndNeverGoBelowOne)
{
    EXPECT_EQ(form->Caption(), "Print");
    EXPECT_EQ(form->CopiesEdit->Text(), "1");
    const ctl::TUpDown& updown = *form->CopiesUpDown;
    Click(updown, updown.Width() / 2, updown.Height() - 3); // down at 1
    EXPECT_EQ(form->Copies(), 1);
    Click(updown, updown.Width() / 2, 2);
    Click(updown, updown.Width() / 2, 2);
    EXPECT_EQ(form->CopiesEdit->Text(), "3");
    EXPECT_EQ(form->Copies(), 3);
    form->CopiesEdit->SetText("0");
    EXPECT_EQ(form->Copies(), 1);
    form->CopiesEdit->SetText("-4");
    ClickMiddle(*form->OkButton);
    EXPECT_EQ(form->ModalResult(), ctl::mrOk);
    EXPECT_EQ(form->CopiesEdit->Text(), "1");
}

TEST_F(PrintForm, EnteringTheRangeChoosesNumbersAndThePageListFollowsTheChoice)
{
    EXPECT_EQ(form->PageListText(4), "");
    ClickMiddle(*form->CurrentButton);
    EXPECT_EQ(form->PageListText(4), "4");
    ClickMiddle(*form->RangeEdit);
    EXPECT_TRUE(form->NumbersButton->Checked());
    EXPECT_FALSE(form->CurrentButton->Checked());
    harness.TypeText("1,3,5-7");
    EXPECT_EQ(form->PageListText(4), "1,3,5-7");
    EXPECT_EQ(form->RangeEdit->Hint(),
        "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12");

    EXPECT_EQ(form->PrintPages(), TfrPrintPages::ppAll);
    ClickMiddle(*form->EvenPagesButton);
    EXPECT_EQ(form->PrintPages(), TfrPrintPages::ppEven);
    EXPECT_TRUE(form->NumbersButton->Checked()); // a group of its own
    ClickMiddle(*form->OddPagesButton);
    EXPECT_EQ(form->PrintPages(), TfrPrintPages::ppOdd);
    harness.SaveSnapshot(form->Handle(), "print-dialog");
}

TEST_F(PrintForm, OkRefusesCopiesOrARangeItCannotReadAndKeepsTheDialogOpen)
{
    form->CopiesEdit->SetText("two");
    AnswerNextMessage();
    ClickMiddle(*form->OkButton);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(form->ModalResult(), ctl::mrNone);
    EXPECT_TRUE(form->CopiesEdit->Focused());

    form->CopiesEdit->SetText("2");
    form->NumbersButton->SetChecked(true);
    form->RangeEdit->SetText("1-3;5");
    AnswerNextMessage();
    ClickMiddle(*form->OkButton);
    EXPECT_EQ(messages, 2);
    EXPECT_EQ(form->ModalResult(), ctl::mrNone);
    EXPECT_TRUE(form->RangeEdit->Focused());

    form->RangeEdit->SetText("1-3, 5");
    ClickMiddle(*form->OkButton);
    EXPECT_EQ(messages, 2);
    EXPECT_EQ(form->ModalResult(), ctl::mrOk);
    EXPECT_EQ(form->Copies(), 2);
}

TEST_F(PrintForm, ThePrinterComboSelectsAndAPrinterThatFailsFallsBackToTheVirtualOne)
{
    ctl::TComboBox& combo = *form->PrinterCombo;
    ASSERT_EQ(combo.Items().Count(), 3);
    EXPECT_EQ(combo.Text(), "Office");
    // Down from the keyboard picks "Broken", which does not answer.
    combo.SetFocus();
    harness.PressKey(wnd::VK_DOWN);
    EXPECT_TRUE(printer->IsVirtual());
    EXPECT_EQ(combo.Text(), "Virtual printer");
    // The open list takes a click on its first row.
    harness.SetIdleHandler([&, done = false]() mutable {
        if (done || !combo.ListWindow())
            return false;
        done = true;
        harness.SaveSnapshot(combo.ListWindow()->Handle(), "print-dialog-printer-list");
        const ctl::TListBox& rows = *combo.ListWindow()->List;
        const gfx::TRect first = rows.ItemRect(0);
        const gfx::TPoint p = rows.ClientToScreen({ first.Left + 5, (first.Top + first.Bottom) / 2 });
        for (const wnd::TRawInputKind kind :
            { wnd::TRawInputKind::MouseMove, wnd::TRawInputKind::ButtonDown, wnd::TRawInputKind::ButtonUp }) {
            wnd::TRawInput input;
            input.kind = kind;
            input.pos = p;
            harness.Queue(input);
        }
        return true;
    });
    ClickMiddle(combo);
    EXPECT_EQ(printer->SystemName(), "Office");
    EXPECT_EQ(combo.Text(), "Office");

    int setups = 0;
    form->OnSetup = [&setups] { ++setups; };
    ClickMiddle(*form->SetupButton);
    EXPECT_EQ(setups, 1);
}

// A sink that draws nowhere and lets the test look around after each sheet.
class WatchingSink : public TfrPrintSink {
public:
    void BeginDoc(const TfrPrintDocument&, const TfrPrinter&) override { ++Begun; }
    gfx::TPageCanvas& BeginPage(const TfrSheet&) override
    {
        m_canvas = std::make_unique<gfx::TPageCanvas>(m_bitmap);
        return *m_canvas;
    }
    void EndPage() override
    {
        m_canvas.reset();
        if (AfterSheet)
            AfterSheet();
    }
    void EndDoc() override { ++Ended; }
    void Abort() override { ++Aborted; }

    std::function<void()> AfterSheet;
    int Begun { 0 };
    int Ended { 0 };
    int Aborted { 0 };

private:
    gfx::TBitmap m_bitmap { 20, 20 };
    std::unique_ptr<gfx::TPageCanvas> m_canvas;
};

TEST_F(PrintForm, PrintingShowsItsProgressAndCancelDropsTheJob)
{
    TfrReport report;
    report.Title = "笔记";
    TfrPrintContext context;
    for (int i = 0; i < 3; ++i) {
        report.EMFPages.Add(TfrPage {});
        TfrMemoView memo;
        memo.Memo = { "page" };
        report.EMFPages.AddObject(i, memo, context);
    }
    WatchingSink sink;
    std::vector<std::string> seen;
    sink.AfterSheet = [&] {
        auto* window = dynamic_cast<TfrProgressForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        ASSERT_NE(window, nullptr);
        seen.push_back(window->Caption() + " | " + window->PageLabel->Caption());
        if (seen.size() == 2)
            window->CancelButton->Click();
    };
    EXPECT_FALSE(PrintBuiltReport(report, *printer, sink, {}));
    EXPECT_EQ(seen, (std::vector<std::string> { "Preparing report - 笔记 | ", "Preparing report - 笔记 | Printing page:  1" }));
    EXPECT_EQ(sink.Begun, 1);
    EXPECT_EQ(sink.Ended, 0);
    EXPECT_EQ(sink.Aborted, 1);
    EXPECT_FALSE(report.Printing);
}

} // namespace
} // namespace report
