#pragma once

#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TImageList.h"
#include "platform/controls/TPanel.h"
#include "platform/controls/TSplitter.h"
#include "platform/controls/TStatusBar.h"
#include "platform/controls/TTimer.h"
#include "platform/controls/TTreeView.h"
#include "platform/data/TCustomADODataSet.h"
#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinLabel.h"
#include "selfdrawn/TSeSkinMemo.h"
#include "selfdrawn/TSeSkinProgressBar.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinEdit.h"
#include "skinctrls/TbsSkinGroupBox.h"
#include "skinctrls/TbsSkinMemo2.h"
#include "skinctrls/TbsSkinPanel.h"
#include "skinctrls/TbsSkinScrollBar.h"
#include "skinctrls/TbsSkinSpeedButton.h"
#include "skinctrls/TbsSkinSplitter.h"
#include "skinctrls/TbsSkinToolBar.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skinform/TbsSkinForm.h"

#include <memory>
#include <string>

namespace app {

// The main window: the category tree on the left, the note panel on the right
// (category, date, title and body editors with the modify, save, discard and
// delete buttons), the tool bar across the top and the status bar with the
// clock and the note count.
class TForm1 : public ctl::TForm {
public:
    explicit TForm1(ctl::TComponent* AOwner);
    ~TForm1() override;

    // The frame: our skin, stored compressed with the window, read into the
    // skin data and painted by the skinned form component.
    std::unique_ptr<skin::TbsCompressedStoredSkin> bsCompressedStoredSkin1;
    std::unique_ptr<skin::TbsSkinData> bsSkinData1;
    skinform::TbsSkinForm* bsSkinForm1;

    // Tool bar.
    skinctrls::TbsSkinToolBar* bsSkinToolBar1;
    ctl::TImageList* ImageList1;
    skinctrls::TbsSkinBevel* bsSkinBevel2;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton1;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton7;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton2;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton3;
    skinctrls::TbsSkinBevel* bsSkinBevel1;
    skinctrls::TbsSkinEdit* bsSkinEdit1;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton4;
    skinctrls::TbsSkinBevel* bsSkinBevel3;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton5;
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton6;

    // Category tree.
    skinctrls::TbsSkinToolBar* bsSkinToolBar2;
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox1;
    ctl::TTreeView* TreeView1;
    ctl::TImageList* ImageList2;
    skinctrls::TbsSkinSplitter* bsSkinSplitter1;

    // Note panel.
    ctl::TPanel* Panel1;
    ctl::TPanel* Panel2;
    skinctrls::TbsSkinPanel* bsSkinPanel1;
    selfdrawn::TSeSkinLabel* SeSkinLabel1;
    selfdrawn::TSeSkinComboBox* SeSkinComboBox1;
    selfdrawn::TSeSkinLabel* SeSkinLabel2;
    ctl::TDateTimePicker* DateTimePicker1;
    skinctrls::TbsSkinButton* Button1;
    selfdrawn::TSeSkinButton* Button2;
    selfdrawn::TSeSkinButton* Button3;
    skinctrls::TbsSkinButton* Button4;
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox3;
    selfdrawn::TSeSkinMemo* SeSkinMemo1;
    ctl::TSplitter* Splitter1;
    ctl::TPanel* Panel3;
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox2;
    skinctrls::TbsSkinScrollBar* bsSkinScrollBar1;
    skinctrls::TbsSkinMemo2* bsSkinMemo21;

    // Status line.
    ctl::TStatusBar* StatusBar1;
    selfdrawn::TSeSkinProgressBar* SeSkinProgressBar1;
    ctl::TTimer* Timer1;

    // Start-up, refresh, clock and exit.
    void FormShow(ctl::TObject* Sender);
    void FormPaint(ctl::TObject* Sender);
    void FormClose(ctl::TObject* Sender, ctl::TCloseAction& Action);
    void Timer1Timer(ctl::TObject* Sender);
    void bsSkinSpeedButton6Click(ctl::TObject* Sender);

    // Note display and editing.
    void TreeView1Click(ctl::TObject* Sender);
    void Button1Click(ctl::TObject* Sender);
    void bsSkinSpeedButton1Click(ctl::TObject* Sender);
    void Button2Click(ctl::TObject* Sender);
    void Button4Click(ctl::TObject* Sender);
    void bsSkinSpeedButton7Click(ctl::TObject* Sender);

    // Category manager, search, printing, help.
    void bsSkinSpeedButton2Click(ctl::TObject* Sender);
    void bsSkinSpeedButton4Click(ctl::TObject* Sender);
    void bsSkinSpeedButton3Click(ctl::TObject* Sender);
    void bsSkinSpeedButton5Click(ctl::TObject* Sender);

    // Fills the editors from the current note of `query`'s first row.
    void ShowNote(db::TCustomADODataSet& query);
    // Empties and disables the category box and both memos.
    void ClearEditors();
    void SetEditorsEnabled(bool Value);

private:
    void CreateSkinFrame();
    void CreateToolBar();
    void CreateCategoryTree();
    void CreateNotePanel();
    void CreateStatusLine();
    skinctrls::TbsSkinSpeedButton* AddToolButton(const char* name, int left, int width, const char* caption,
        int imageIndex, void (TForm1::*handler)(ctl::TObject*));
    skinctrls::TbsSkinBevel* AddSpacer(const char* name, int left, int width);
    selfdrawn::TSeSkinLabel* AddLabel(const char* name, const char* caption);
    skinctrls::TbsSkinGroupBox* AddGroupBox(const char* name, ctl::TWinControl* parent, const char* caption);
};

extern TForm1* Form1;

} // namespace app
