// The program killed (SIGKILL) at random moments while its windows save,
// modify and rename. A child process stands for the running program: it
// opens the store itself, drives the windows and reports each change once the
// window is done with it. After each kill the store opens again, the engine
// finds it intact, and every change that was reported is there.

#include "AppWindows.h"

#include <sqlite3.h>

#include <chrono>
#include <random>
#include <sstream>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace app;

namespace {

// What a killed child reported through its pipe, one line per report.
std::vector<std::string> ReadReports(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string IntegrityCheck(const std::filesystem::path& file)
{
    sqlite3* db = nullptr;
    std::string answer;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(
        db, "pragma integrity_check",
        [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) += values[0] ? values[0] : "";
            return 0;
        },
        &answer, nullptr);
    sqlite3_close(db);
    return answer;
}

} // namespace

class CrashSafety : public AppWindows {
protected:
    // Runs `work` in a child that reports on `report`, kills it at a random
    // moment after its first report, and gives back what it reported before
    // it died.
    std::vector<std::string> RunKilled(std::mt19937& random, const std::function<void(int report)>& work)
    {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            return {};
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            // The child opens the file for itself, as the restarted program does.
            TData store(Store.ConnectionString());
            Data = &store;
            Errors.clear();
            work(pipeEnds[1]);
            _exit(0);
        }
        close(pipeEnds[1]);
        // Wait for the first report so that the kill lands among the writes,
        // not during start-up.
        char first;
        if (read(pipeEnds[0], &first, 1) != 1)
            ADD_FAILURE() << "the child wrote nothing";
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution(0, 600)(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        std::vector<std::string> reports = ReadReports(pipeEnds[0]);
        close(pipeEnds[0]);
        if (!reports.empty())
            reports.front().insert(0, 1, first);
        return reports;
    }

    static void Report(int fd, const std::string& line)
    {
        const std::string text = line + "\n";
        if (write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            _exit(3);
    }

    // Saves new notes and modifies 周报's body in turn, reporting
    // "saved <title>" after each save and "modifying <body>" / "modified
    // <body>" around each modify; stops at the first error box. The first
    // report is that of the first save.
    void SaveAndModify(int report, int round)
    {
        for (int i = 0; Errors.empty(); ++i) {
            const std::string title = "round " + std::to_string(round) + " note " + std::to_string(i);
            ClickControl(*Main().bsSkinSpeedButton1);
            Main().SeSkinComboBox1->SetText("工作");
            Main().SeSkinMemo1->SetText(title);
            Main().bsSkinMemo21->SetText(title + " " + std::string(static_cast<std::size_t>(i % 7) * 3000, 'b'));
            ClickControl(*Main().Button2);
            if (!Errors.empty())
                break;
            Report(report, "saved " + title);

            const std::string body = "body " + std::to_string(round) + "." + std::to_string(i);
            ClickNode(*Main().TreeView1, "周报", 1);
            Main().bsSkinMemo21->SetText(body);
            Report(report, "modifying " + body);
            ClickControl(*Main().Button1);
            if (Errors.empty())
                Report(report, "modified " + body);
        }
        Report(report, "error " + Errors.front());
        _exit(2);
    }
};

TEST_F(CrashSafety, KilledWhileSavingAndModifyingLosesNothingThatWasReportedSaved)
{
    const unsigned seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::vector<std::string> saved;
    std::string modified = "本周完成了\r\n登录页";
    for (int round = 0; round < 6; ++round) {
        std::string modifying = modified;
        for (const std::string& line : RunKilled(random, [&](int report) { SaveAndModify(report, round); })) {
            if (line.starts_with("saved "))
                saved.push_back(line.substr(6));
            else if (line.starts_with("modifying "))
                modifying = line.substr(10);
            else if (line.starts_with("modified "))
                modified = line.substr(9);
            else if (line.starts_with("error "))
                ADD_FAILURE() << "round " << round << ": " << line;
        }
        ASSERT_EQ(IntegrityCheck(Store.File()), "ok") << "round " << round;
        const auto notes = StoredNotes();
        for (const std::string& title : saved) {
            EXPECT_TRUE(std::ranges::any_of(
                notes, [&](const Note& note) { return note.title == title && note.body.starts_with(title + " "); }))
                << "round " << round << ": the saved note " << title << " is missing";
        }
        const auto weekly = std::ranges::find(notes, std::string("周报"), &Note::title);
        ASSERT_NE(weekly, notes.end());
        EXPECT_TRUE(weekly->body == modified || weekly->body == modifying)
            << "round " << round << ": 周报 holds " << weekly->body << ", reported " << modified;
        modified = weekly->body;
    }
    EXPECT_GT(saved.size(), 0u);
}

TEST_F(CrashSafety, ARenameKilledMidWayLeavesTheNotesAllUnderOneNameWithItsCategory)
{
    {
        TData more(Store.ConnectionString());
        for (int i = 0; i < 300; ++i) {
            more.BZ.Insert();
            more.BZ.FieldByName("类别").SetAsString("工作");
            more.BZ.FieldByName("标题").SetAsString("工作笔记 " + std::to_string(i));
            more.BZ.Post();
        }
    }
    const unsigned seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const std::vector<std::string> names { "工作", "甲 work", "乙 \"quoted\"" };
    std::string current = "工作";
    for (int round = 0; round < 6; ++round) {
        const auto reports = RunKilled(random, [&](int report) {
            ClickControl(*Main().bsSkinSpeedButton2);
            Report(report, "started");
            for (std::string name = current;;) {
                const auto at = std::ranges::find(names, name) - names.begin();
                const std::string next = names[static_cast<std::size_t>(at + 1) % names.size()];
                ClickNode(*Manager().bsSkinTreeView1, name, 0);
                Manager().SeSkinEdit1->SetText(next);
                ClickControl(*Manager().bsSkinButton1);
                if (!Errors.empty()) {
                    Report(report, "error " + Errors.front());
                    _exit(2);
                }
                name = next;
            }
        });
        for (const std::string& line : reports)
            EXPECT_FALSE(line.starts_with("error ")) << "round " << round << ": " << line;
        ASSERT_EQ(IntegrityCheck(Store.File()), "ok") << "round " << round;
        const auto categories = StoredCategories();
        ASSERT_EQ(categories.size(), 3u);
        current = categories[0];
        ASSERT_NE(std::ranges::find(names, current), names.end()) << current;
        int underCurrent = 0;
        for (const Note& note : StoredNotes())
            underCurrent += note.category == current;
        EXPECT_EQ(underCurrent, 302) << "round " << round << ": the notes are split between two names";
    }
}
