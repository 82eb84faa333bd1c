#include "SkinFormFixture.h"

#include "platform/controls/TMenuItem.h"
#include "platform/window/Clipboard.h"
#include "skin/TbsResourceStrData.h"
#include "skinctrls/TbsEditSystemMenu.h"
#include "skinctrls/TbsPopupMenuEngine.h"
#include "skinctrls/TbsSkinEdit.h"
#include "skinctrls/TbsSkinMemo2.h"

#include <vector>

using namespace skinctrls;

namespace {

class EditSystemMenuTest : public SkinFormTest {
protected:
    EditSystemMenuTest()
    {
        edit->SetBounds(10, 10, 200, 20);
        edit->SetParent(form.get());
        edit->SetText("关键字");
        ShowForm();
    }

    std::unique_ptr<ctl::TMenuItem> Items(const skin::TbsResourceStrData* strings = nullptr)
    {
        return BuildEditMenuItems(*edit, strings);
    }
    static std::vector<bool> EnabledStates(const ctl::TMenuItem& root)
    {
        std::vector<bool> states;
        for (int i = 0; i < root.Count(); ++i)
            states.push_back(root.Items(i)->Enabled);
        return states;
    }

    TbsSkinEdit* edit { new TbsSkinEdit(form.get()) };
};

enum Entry { Undo = 0, Cut = 2, Copy = 3, Paste = 4, Delete = 5, SelectAll = 7 };

} // namespace

TEST_F(EditSystemMenuTest, EntriesInOrderWithTheProgramsOwnCaptionsOrTheSkinsStrings)
{
    const auto own = Items();
    ASSERT_EQ(own->Count(), 8);
    const char* captions[] = { "撤销", "-", "剪切", "复制", "粘贴", "删除", "-", "全部选择" };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(own->Items(i)->Caption(), captions[i]) << i;

    skin::TbsResourceStrData strings;
    strings.ResStrings = { "EDIT_UNDO=Undo", "EDIT_CUT=Cut", "EDIT_COPY=Copy", "EDIT_PASTE=Paste",
        "EDIT_DELETE=Delete", "EDIT_SELECTALL=Select all" };
    const auto skinned = Items(&strings);
    EXPECT_EQ(skinned->Items(Undo)->Caption(), "Undo");
    EXPECT_EQ(skinned->Items(1)->Caption(), "-");
    EXPECT_EQ(skinned->Items(SelectAll)->Caption(), "Select all");
}

TEST_F(EditSystemMenuTest, EntriesAreEnabledOnlyWhenTheyCanActOnTheBox)
{
    wnd::SetClipboardText("");
    edit->SetSelLength(0);
    // Nothing selected, nothing to undo, no text to paste: only Select All.
    EXPECT_EQ(EnabledStates(*Items()), (std::vector<bool> { false, true, false, false, false, false, true, true }));

    wnd::SetClipboardText("粘贴");
    edit->SelectAll();
    // All selected: cut, copy, paste, delete, but no Select All.
    EXPECT_EQ(EnabledStates(*Items()), (std::vector<bool> { false, true, true, true, true, true, true, false }));

    edit->SetReadOnly(true);
    const auto readOnly = Items();
    EXPECT_FALSE(readOnly->Items(Cut)->Enabled);
    EXPECT_TRUE(readOnly->Items(Copy)->Enabled);
    EXPECT_FALSE(readOnly->Items(Paste)->Enabled);
    EXPECT_FALSE(readOnly->Items(Delete)->Enabled);
}

TEST_F(EditSystemMenuTest, CommandsActOnTheText)
{
    edit->SetSelStart(0);
    edit->SetSelLength(2);
    Items()->Items(Copy)->Click();
    EXPECT_EQ(wnd::GetClipboardText(), "关键");
    Items()->Items(Delete)->Click();
    EXPECT_EQ(edit->Text(), "字");
    ASSERT_TRUE(Items()->Items(Undo)->Enabled);
    Items()->Items(Undo)->Click();
    EXPECT_EQ(edit->Text(), "关键字");

    Items()->Items(SelectAll)->Click();
    EXPECT_EQ(edit->SelText(), "关键字");
    Items()->Items(Cut)->Click();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(wnd::GetClipboardText(), "关键字");
    Items()->Items(Paste)->Click();
    Items()->Items(Paste)->Click();
    EXPECT_EQ(edit->Text(), "关键字关键字");
}

TEST_F(EditSystemMenuTest, WithoutAMenuEngineARightClickChangesNothing)
{
    SetPopupMenuEngineFactory(nullptr);
    TbsEditSystemMenu menu(*edit);
    EXPECT_FALSE(menu.Popup(nullptr, { -1, -1 }));
    EXPECT_FALSE(menu.Running());
    EXPECT_EQ(edit->Text(), "关键字");
}
