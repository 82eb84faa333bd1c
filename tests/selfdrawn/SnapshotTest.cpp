#include "SelfDrawnTestSupport.h"

#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "selfdrawn/TSeSkinLabel.h"
#include "selfdrawn/TSeSkinMemo.h"
#include "selfdrawn/TSeSkinProgressBar.h"

using namespace selfdrawn;

class SelfDrawnSnapshot : public SelfDrawnTest { };

TEST_F(SelfDrawnSnapshot, FormWithEveryControl)
{
    auto* label = new TSeSkinLabel(form.get());
    label->SetLeft(10);
    label->SetTop(12);
    label->SetCaption("所在类别");
    label->SetParent(form.get());
    EXPECT_GT(label->Width(), 0);
    EXPECT_GT(label->Height(), 0);

    auto* edit = new TSeSkinEdit(form.get());
    edit->SetBounds(80, 10, 160, 21);
    edit->SetText("会议记录 notes");
    edit->SetParent(form.get());

    auto* save = new TSeSkinButton(form.get());
    save->SetBounds(10, 50, 75, 25);
    save->SetCaption("保存");
    save->SetParent(form.get());
    auto* discard = new TSeSkinButton(form.get());
    discard->SetBounds(95, 50, 75, 25);
    discard->SetCaption("放弃");
    discard->SetEnabled(false);
    discard->SetParent(form.get());

    auto* bar = new TSeSkinProgressBar(form.get());
    bar->SetBounds(10, 90, 140, 16);
    bar->SetParent(form.get());
    bar->SetPosition(60);
    auto* smooth = new TSeSkinProgressBar(form.get());
    smooth->SetBounds(160, 90, 140, 16);
    smooth->SetSmooth(true);
    smooth->SetParent(form.get());
    smooth->SetPosition(40);

    auto* combo = new TSeSkinComboBox(form.get());
    combo->SetBounds(10, 120, 150, 21);
    combo->SetParent(form.get());
    combo->Items().Add("工作");
    combo->SetItemIndex(0);
    auto* memo = new TSeSkinMemo(form.get());
    memo->SetBounds(180, 120, 200, 60);
    memo->SetParent(form.get());
    memo->SetText("标题一\n标题二\n第三行\n第四行\n第五行");

    edit->SetFocus();
    Harness.ProcessMessages();
    const std::string path = Harness.SaveSnapshot(form->Handle(), "selfdrawn_controls");
    EXPECT_FALSE(path.empty());
}

TEST_F(SelfDrawnSnapshot, EditWithEveryPasswordKind)
{
    const TSePasswordKind kinds[] = { TSePasswordKind::pkNone, TSePasswordKind::pkChar, TSePasswordKind::pkRect,
        TSePasswordKind::pkRoundRect, TSePasswordKind::pkCircle, TSePasswordKind::pkTriangle };
    int top = 10;
    for (TSePasswordKind kind : kinds) {
        auto* edit = new TSeSkinEdit(form.get());
        edit->SetBounds(10, top, 160, 21);
        edit->SetParent(form.get());
        edit->SetText("password");
        if (kind == TSePasswordKind::pkChar)
            edit->SetPasswordWideChar(U'●');
        else
            edit->SetPasswordKind(kind);
        edit->SetHideSelection(false); // show the selection without the focus
        edit->SetSelStart(2);
        edit->SetSelLength(3);
        top += edit->Height() + 6;
    }
    Harness.ProcessMessages();
    EXPECT_FALSE(Harness.SaveSnapshot(form->Handle(), "selfdrawn_password_kinds").empty());
}

TEST_F(SelfDrawnSnapshot, ComboBoxStylesAndButtonSides)
{
    auto* free = new TSeSkinComboBox(form.get());
    free->SetBounds(10, 10, 150, 21);
    free->SetParent(form.get());
    free->SetText("自由文字");
    auto* left = new TSeSkinComboBox(form.get());
    left->SetBounds(10, 40, 150, 21);
    left->SetButtonAlign(TSeComboButtonAlign::cbaLeft);
    left->SetParent(form.get());
    left->SetText("left button");
    auto* pick = new TSeSkinComboBox(form.get());
    pick->SetBounds(10, 70, 150, 21);
    pick->SetParent(form.get());
    pick->Items().Add("只选列表");
    pick->SetComboStyle(TSeComboStyle::kcsDropDownList);
    pick->SetFocus();
    auto* disabled = new TSeSkinComboBox(form.get());
    disabled->SetBounds(10, 100, 150, 21);
    disabled->SetParent(form.get());
    disabled->SetText("disabled");
    disabled->SetEnabled(false);
    Harness.ProcessMessages();
    EXPECT_EQ(pick->Text(), "只选列表");
    EXPECT_FALSE(Harness.SaveSnapshot(form->Handle(), "selfdrawn_combo_styles").empty());
}
