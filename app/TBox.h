#pragma once

#include "platform/controls/TForm.h"
#include "platform/controls/TImageList.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinTreeView.h"
#include "skin/SkinnedControlWalk.h"

namespace app {

// The category manager: adds, renames and deletes categories. Its mode is
// the save button's caption: "保存" adds a category, any other text (the
// manager sets "修改") renames the current category.
class TBox : public ctl::TForm {
public:
    explicit TBox(ctl::TComponent* AOwner);

    ctl::TPanel* Panel1 { nullptr };
    skinctrls::TbsSkinTreeView* bsSkinTreeView1 { nullptr };
    ctl::TImageList* ImageList2 { nullptr };
    selfdrawn::TSeSkinEdit* SeSkinEdit1 { nullptr };
    ctl::TLabel* Label1 { nullptr };
    skinctrls::TbsSkinButton* bsSkinButton3 { nullptr };
    skinctrls::TbsSkinButton* bsSkinButton4 { nullptr };
    skinctrls::TbsSkinButton* bsSkinButton1 { nullptr };
    skinctrls::TbsSkinButton* bsSkinButton2 { nullptr };

    void FormShow(ctl::TObject* Sender);
    void bsSkinTreeView1Click(ctl::TObject* Sender);
    void bsSkinButton3Click(ctl::TObject* Sender);
    void bsSkinButton1Click(ctl::TObject* Sender);
    void bsSkinButton4Click(ctl::TObject* Sender);
    void bsSkinButton2Click(ctl::TObject* Sender);

private:
    skinctrls::TbsSkinButton* AddButton(const char* name, int left, const char* caption,
        void (TBox::*handler)(ctl::TObject*));
    void EnterAddMode();

    // The manager has no skinned frame; its controls follow the skin's changes all the same.
    skin::SkinChangeListener m_skinChanges { *this };
};

extern TBox* Box;

} // namespace app
