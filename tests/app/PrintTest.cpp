// The print button: the Yes/All question, the print query over the current
// title (unsaved text included) or every note, PAGE.frf from the current
// folder, and the preview of what was built.
#include "AppWindows.h"

#include "tests/report/PdfWords.h"

#include "report/output/EMFPagesPdf.h"
#include "report/preview/TfrPreviewForm.h"
#include "report/template/PageTemplate.h"
#include "platform/settings/SettingsStore.h"

#include <fstream>
#include <sstream>

using namespace app;

namespace {

// The preview window of a print, looked at while it is open.
struct SeenPreview {
    bool shown { false };
    int pages { 0 };
    std::vector<std::string> found; // the words of the search that were found
};

} // namespace

class Print : public AppWindows {
protected:
    Print() : m_previousFolder(std::filesystem::current_path())
    {
        std::filesystem::current_path(Store.Directory());
        Main().frReport1->PreviewSettings = &m_settings;
    }
    ~Print() override { std::filesystem::current_path(m_previousFolder); }

    static void WriteTemplate()
    {
        const auto bytes = report::PageTemplateBytes();
        std::ofstream("PAGE.frf", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // Presses print, answers the question with `key`, and when a preview
    // opens looks for `words` in it and closes it with Esc.
    std::pair<SeenBox, SeenPreview> PrintAnswering(int key, const std::vector<std::string>& words)
    {
        SeenBox box;
        SeenPreview preview;
        int step = 0;
        Harness.SetIdleHandler([&] {
            if (step++ == 0) {
                box = ReadActiveBox();
                QueueKey(key);
                return true;
            }
            auto* form = dynamic_cast<report::TfrPreviewForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
            if (!form || preview.shown)
                return false;
            preview.shown = true;
            preview.pages = form->PageCount();
            for (const std::string& word : words)
                if (form->Find(word, true, true))
                    preview.found.push_back(word);
            Harness.SaveSnapshot(form->Handle(), "app-print-preview");
            QueueKey(wnd::VK_ESCAPE);
            return true;
        });
        ClickControl(*Main().bsSkinSpeedButton3);
        Harness.SetIdleHandler(nullptr);
        return { box, preview };
    }

    const std::vector<std::string> kBodies { "登录页", "quotes", "牛奶" };

private:
    std::filesystem::path m_previousFolder;
    settings::SettingsStore m_settings { Store.Directory() / "settings.ini" };
};

TEST_F(Print, InIdleNothingIsAsked)
{
    WriteTemplate();
    const auto [box, preview] = PrintAnswering(wnd::VK_RETURN, kBodies);
    EXPECT_FALSE(box.shown);
    EXPECT_FALSE(preview.shown);
}

TEST_F(Print, YesPrintsTheNotesOfTheTitleAsTypedUnsavedChangesIncluded)
{
    WriteTemplate();
    ClickNode(*Main().TreeView1, "周报", 1);
    // The title is changed to another note's title and not saved.
    Main().SeSkinMemo1->SetText("购物");
    const auto [box, preview] = PrintAnswering(wnd::VK_RETURN, kBodies);
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.caption, "Confirm");
    EXPECT_EQ(box.text, "打印\n\nYES:是当前记录\n\nALL:是全部记录");
    EXPECT_TRUE(box.icon);
    EXPECT_EQ(box.buttons, (std::vector<std::string> { "&Yes", "&All" }));
    EXPECT_EQ(box.defaultButton, 0);
    ASSERT_TRUE(preview.shown);
    EXPECT_EQ(preview.found, (std::vector<std::string> { "牛奶" }));
    EXPECT_EQ(Data->ADOQuery5.RecordCount(), 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(Print, AllPrintsEveryNoteAndEscapeEndsTheActionUntouched)
{
    WriteTemplate();
    ClickNode(*Main().TreeView1, "周报", 1);
    const auto [box, preview] = PrintAnswering(wnd::VK_ESCAPE, kBodies);
    EXPECT_TRUE(box.shown);
    EXPECT_FALSE(preview.shown);
    EXPECT_TRUE(Main().frReport1->Pages.empty()) << "the template was not loaded";

    // Tab moves from Yes to All.
    int step = 0;
    SeenPreview seen;
    Harness.SetIdleHandler([&] {
        if (step++ == 0) {
            QueueKey(wnd::VK_TAB);
            QueueKey(wnd::VK_RETURN);
            return true;
        }
        auto* form = dynamic_cast<report::TfrPreviewForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        if (!form || seen.shown)
            return false;
        seen.shown = true;
        for (const std::string& word : kBodies)
            if (form->Find(word, true, true))
                seen.found.push_back(word);
        QueueKey(wnd::VK_ESCAPE);
        return true;
    });
    ClickControl(*Main().bsSkinSpeedButton3);
    Harness.SetIdleHandler(nullptr);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.found, kBodies);
    EXPECT_EQ(Data->ADOQuery5.RecordCount(), 3);
    EXPECT_FALSE(Main().frReport1->EMFPages.Empty()) << "the preview gave the pages back";
}

TEST_F(Print, WithoutPageFrfTheEmptyTemplateBuildsNothingAndNothingOpens)
{
    ClickNode(*Main().TreeView1, "周报", 1);
    const auto [box, preview] = PrintAnswering(wnd::VK_RETURN, kBodies);
    EXPECT_TRUE(box.shown);
    EXPECT_FALSE(preview.shown);
    EXPECT_TRUE(Errors.empty());
}

// A note another program wrote: a megabyte of ten thousand lines with
// right-to-left and combining characters, NUL bytes and damaged UTF-8. Its
// print runs over as many pages as it needs and the PDF made of them holds
// every line, from the first word of the body to the last.
TEST_F(Print, AHostileMegabyteBodyIsPrintedWhole)
{
    if (!report::testing::HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    WriteTemplate();
    std::string body = HostileLongBody();
    body.insert(body.find("line 5000"), "前\x80中\xE4\xB8后 \xC0\xAF \xED\xA0\x80 ");
    AddNoteElsewhere({ "工作", "hostile", body });
    ClickControl(*Main().bsSkinSpeedButton7);
    ClickChild(*Main().TreeView1, "工作", "hostile");
    const auto [box, preview] = PrintAnswering(wnd::VK_RETURN, { "BodyStartsHere", "BodyEndsHere" });
    ASSERT_TRUE(preview.shown);
    EXPECT_EQ(preview.found, (std::vector<std::string> { "BodyStartsHere", "BodyEndsHere" }));
    EXPECT_GT(preview.pages, 100);
    EXPECT_TRUE(Errors.empty());

    const std::filesystem::path pdf = Store.Directory() / "hostile.pdf";
    report::WritePreparedPagesPdf(Main().frReport1->EMFPages, pdf);
    std::istringstream text(report::testing::PopplerOutput("pdftotext", pdf, "-"));
    std::vector<std::string> words;
    for (std::string word; text >> word;)
        words.push_back(word);
    ASSERT_FALSE(words.empty());
    const auto at = [&](const std::string& word) { return std::find(words.begin(), words.end(), word); };
    EXPECT_NE(at("BodyStartsHere"), words.end());
    EXPECT_NE(at("BodyEndsHere"), words.end());
    EXPECT_LT(at("BodyStartsHere"), at("BodyEndsHere"));
    // Every numbered line is there, in order.
    int next = 0;
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == "line" && words[i + 1] == std::to_string(next))
            ++next;
    EXPECT_EQ(next, 10000) << "line " << next << " is missing from the PDF";
}
