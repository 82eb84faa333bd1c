#pragma once

#include "tests/controls/Headless.h"
#include "tests/data/TempStore.h"

#include "app/ProgramWindows.h"
#include "app/TAboutBox.h"
#include "app/TAboutBox1.h"
#include "app/TBox.h"
#include "app/TData.h"
#include "app/TForm1.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TLabel.h"
#include "platform/time/IsoDateTimeText.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"
#include "platform/window/VirtualKeys.h"

#include <memory>
#include <string>
#include <vector>

// The notes application's four windows on a note store of their own in a
// temporary directory, shown the way start-up shows them, plus a second
// connection to the same file through which the tests look at what was
// written.
class AppWindows : public HeadlessTest {
protected:
    struct Note {
        std::string category;
        std::string title;
        std::string body;
        bool operator==(const Note&) const = default;
    };

    explicit AppWindows(bool seeded = true)
    {
        if (seeded)
            Seed();
        m_program = std::make_unique<app::ProgramWindows>(Store.ConnectionString());
        Main().Show();
        // With the clock ticking there is always a timer to wait for, and the
        // answers queued for message boxes would never be asked for.
        Main().Timer1->SetEnabled(false);
        Harness.ProcessMessages();
    }
    ~AppWindows() override { m_program.reset(); }

    // The store every test starts from: categories 工作 (two notes, one of
    // them with quotes in its title), 生活 (one note) and 空 (none).
    void Seed()
    {
        app::TData seed(Store.ConnectionString());
        for (const char* category : { "工作", "生活", "空" }) {
            seed.LB.Insert();
            seed.LB.FieldByName("类别").SetAsString(category);
            seed.LB.Post();
        }
        int day = 1;
        for (const Note& note : std::vector<Note> { { "工作", "周报", "本周完成了\r\n登录页" },
                 { "工作", "He said \"it's\" done", "quotes ' and \" stay" }, { "生活", "购物", "牛奶 鸡蛋" } }) {
            seed.BZ.Insert();
            seed.BZ.FieldByName("类别").SetAsString(note.category);
            seed.BZ.FieldByName("日期").SetAsDateTime(SeedDate(day++));
            seed.BZ.FieldByName("标题").SetAsString(note.title);
            seed.BZ.FieldByName("内容").SetAsString(note.body);
            seed.BZ.Post();
        }
    }

    // The seeded notes are dated 2021-03-01, -02 and -03, each at 10:20:30.
    static dt::TDateTime SeedDate(int day)
    {
        return *dt::IsoTextToDateTime("2021-03-0" + std::to_string(day) + " 10:20:30");
    }

    // Ten thousand numbered lines, about a megabyte, with Hebrew and Arabic and
    // letters carrying combining marks on every line and NUL bytes in the
    // last; Latin words mark its first and last characters.
    static std::string HostileLongBody()
    {
        std::string body = "BodyStartsHere ";
        for (int i = 0; i < 10000; ++i) {
            body += "第" + std::to_string(i) + "行 line " + std::to_string(i) + " שלום עולם مرحبا e\u0301a\u0308 ";
            body += std::string(42, 'x');
            if (i == 9999)
                body += std::string(1, '\0') + "after nul" + std::string(1, '\0') + " BodyEndsHere";
            body += "\r\n";
        }
        return body;
    }

    app::TForm1& Main() { return *app::Form1; }
    app::TBox& Manager() { return *app::Box; }
    app::TAboutBox1& Results() { return *app::AboutBox1; }
    app::TAboutBox& About() { return *app::AboutBox; }

    // Another program adds a note to the file.
    void AddNoteElsewhere(const Note& note) const
    {
        app::TData other(Store.ConnectionString());
        other.BZ.Insert();
        other.BZ.FieldByName("类别").SetAsString(note.category);
        other.BZ.FieldByName("标题").SetAsString(note.title);
        other.BZ.FieldByName("内容").SetAsString(note.body);
        other.BZ.Post();
    }

    // What the file holds now, read through a connection of its own.
    std::vector<Note> StoredNotes() const
    {
        app::TData check(Store.ConnectionString());
        std::vector<Note> notes;
        check.BZ.First();
        for (int i = 0; i < check.BZ.RecordCount(); ++i) {
            notes.push_back({ check.BZ.FieldByName("类别").AsString(), check.BZ.FieldByName("标题").AsString(),
                check.BZ.FieldByName("内容").AsString() });
            check.BZ.Next();
        }
        return notes;
    }
    std::vector<dt::TDateTime> StoredDates() const
    {
        app::TData check(Store.ConnectionString());
        std::vector<dt::TDateTime> dates;
        check.BZ.First();
        for (int i = 0; i < check.BZ.RecordCount(); ++i) {
            dates.push_back(check.BZ.FieldByName("日期").AsDateTime());
            check.BZ.Next();
        }
        return dates;
    }
    std::vector<std::string> StoredCategories() const
    {
        app::TData check(Store.ConnectionString());
        std::vector<std::string> names;
        check.LB.First();
        for (int i = 0; i < check.LB.RecordCount(); ++i) {
            names.push_back(check.LB.FieldByName("类别").AsString());
            check.LB.Next();
        }
        return names;
    }

    // The labels of a tree's roots, each followed by its children in brackets.
    static std::vector<std::string> TreeLines(const ctl::TTreeView& tree)
    {
        std::vector<std::string> lines;
        for (ctl::TTreeNode* root = tree.Items().GetFirstNode(); root; root = root->GetNextSibling()) {
            std::string line = root->Text();
            for (ctl::TTreeNode* child = root->GetFirstChild(); child; child = child->GetNextSibling())
                line += " [" + child->Text() + "]";
            lines.push_back(line);
        }
        return lines;
    }

    static ctl::TTreeNode* FindNode(const ctl::TTreeView& tree, const std::string& text, int level)
    {
        for (ctl::TTreeNode* node = tree.Items().GetFirstNode(); node; node = node->GetNext())
            if (node->Text() == text && node->Level() == level)
                return node;
        return nullptr;
    }

    // Clicks a node's row the way a user does: its branch opened first.
    void ClickNode(ctl::TTreeView& tree, const std::string& text, int level)
    {
        ClickTreeNode(tree, FindNode(tree, text, level), level);
    }
    // Clicks the child `text` of the root `root`.
    void ClickChild(ctl::TTreeView& tree, const std::string& root, const std::string& text)
    {
        ctl::TTreeNode* parent = FindNode(tree, root, 0);
        ctl::TTreeNode* child = parent ? parent->GetFirstChild() : nullptr;
        while (child && child->Text() != text)
            child = child->GetNextSibling();
        ClickTreeNode(tree, child, 1);
    }
    void ClickTreeNode(ctl::TTreeView& tree, ctl::TTreeNode* node, int level)
    {
        ASSERT_NE(node, nullptr);
        ToFront(tree);
        if (node->Parent())
            node->Parent()->Expand(false);
        Harness.ProcessMessages();
        const gfx::TRect row = tree.NodeRect(node);
        Click(At(tree, row.Left + tree.Indent() * (level + 1) + 24, (row.Top + row.Bottom) / 2));
    }

    // The window holding `control` brought to the front, as a click on its caption does.
    void ToFront(const ctl::TControl& control)
    {
        const wnd::HWND window = control.GetParentForm()->Handle();
        wnd::BringWindowToTop(window);
        wnd::SetActiveWindow(window);
        Harness.ProcessMessages();
    }
    void ClickControl(const ctl::TControl& control)
    {
        ToFront(control);
        Click(Middle(control));
    }

    // Clicks `button`, answering the message box it raises with `key`.
    void ClickAnswering(const ctl::TControl& button, int key)
    {
        WhenIdle([this, key] { QueueKey(key); });
        ClickControl(button);
    }

    // What a message box showed: caption, text (line breaks as LF), whether
    // it had an icon, its buttons left to right and which one is the default.
    struct SeenBox {
        bool shown { false };
        std::string caption;
        std::string text;
        bool icon { false };
        std::vector<std::string> buttons;
        int defaultButton { -1 };
    };
    // Clicks `control`, reads the message box it raises and answers it with `key`.
    SeenBox ClickReadingBox(const ctl::TControl& control, int key)
    {
        SeenBox seen;
        WhenIdle([this, key, &seen] {
            seen = ReadActiveBox();
            QueueKey(key);
        });
        ClickControl(control);
        Harness.SetIdleHandler(nullptr);
        return seen;
    }
    static SeenBox ReadActiveBox()
    {
        SeenBox seen;
        auto* box = dynamic_cast<ctl::TForm*>(ctl::TWinControl::FindControl(wnd::GetActiveWindow()));
        if (!box || box->Name() != "MessageBox")
            return seen;
        seen.shown = true;
        seen.caption = box->Caption();
        if (auto* label = dynamic_cast<ctl::TLabel*>(box->FindComponent("Message")))
            seen.text = label->Caption();
        for (int i = 1; auto* button = dynamic_cast<ctl::TButton*>(box->FindComponent("Button" + std::to_string(i)));
             ++i) {
            seen.buttons.push_back(button->Caption());
            if (button->Default())
                seen.defaultButton = i - 1;
        }
        // The label, the buttons and, when there is one, the icon.
        seen.icon = box->ComponentCount() > 1 + static_cast<int>(seen.buttons.size());
        return seen;
    }

    bool EditorsEnabled()
    {
        return Main().SeSkinComboBox1->Enabled() && Main().SeSkinMemo1->Enabled() && Main().bsSkinMemo21->Enabled();
    }
    bool EditorsDisabled()
    {
        return !Main().SeSkinComboBox1->Enabled() && !Main().SeSkinMemo1->Enabled()
            && !Main().bsSkinMemo21->Enabled();
    }
    // Which of modify, save, discard and delete show, as "1234" with '-' for hidden.
    std::string NoteButtons()
    {
        std::string shown;
        shown += Main().Button1->Visible() ? '1' : '-';
        shown += Main().Button2->Visible() ? '2' : '-';
        shown += Main().Button3->Visible() ? '3' : '-';
        shown += Main().Button4->Visible() ? '4' : '-';
        return shown;
    }
    std::string CountLine() { return Main().StatusBar1->Panels()[2]->Text(); }

    // The keyword search: typed into the search box and run with its button.
    void SearchFor(const std::string& keyword)
    {
        Main().bsSkinEdit1->SetText(keyword);
        ClickControl(*Main().bsSkinSpeedButton4);
    }
    std::vector<std::string> Listed()
    {
        std::vector<std::string> titles;
        for (int i = 0; i < Results().ListBox1->Items().Count(); ++i)
            titles.push_back(Results().ListBox1->Items()[i]);
        return titles;
    }
    void DoubleClickResult(int index)
    {
        ToFront(*Results().ListBox1);
        const gfx::TRect row = Results().ListBox1->ItemRect(index);
        const gfx::TPoint p = At(*Results().ListBox1, row.Left + 10, (row.Top + row.Bottom) / 2);
        Harness.DoubleClick(p.X, p.Y);
    }

    datatest::TempStore Store;

private:
    std::unique_ptr<app::ProgramWindows> m_program;
};
