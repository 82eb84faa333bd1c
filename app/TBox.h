#pragma once

#include "platform/controls/TForm.h"
#include "platform/controls/TImageList.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"
#include "selfdrawn/TSeSkinEdit.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinTreeView.h"

namespace app {

// The category manager: adds, renames and deletes categories. Its mode is
// the save button's caption: "保存" adds a category, any other text (the
// manager sets "修改") renames the current category.
class TBox : public ctl::TForm {
public:
    explicit TBox(ctl::TComponent* AOwner);

    ctl::TPanel* Panel1;
    skinctrls::TbsSkinTreeView* bsSkinTreeView1;
    ctl::TImageList* ImageList2;
    selfdrawn::TSeSkinEdit* SeSkinEdit1;
    ctl::TLabel* Label1;
    skinctrls::TbsSkinButton* bsSkinButton3;
    skinctrls::TbsSkinButton* bsSkinButton4;
    skinctrls::TbsSkinButton* bsSkinButton1;
    skinctrls::TbsSkinButton* bsSkinButton2;

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
};

extern TBox* Box;

} // namespace app
