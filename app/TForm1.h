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
#include "report/data/TfrDBDataSet.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrRichObject.h"
#include "selfdrawn/TSeSkinButton.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinLabel.h"
#include "selfdrawn/TSeSkinMemo.h"
#include "selfdrawn/TSeSkinProgressBar.h"
#include "skinctrls/TbsSkinBevel.h"
#include "skinctrls/TbsSkinButton.h"
#include "skinctrls/TbsSkinEdit.h"
#include "skinctrls/TbsSkinGroupBox.h"
#include "skinctrls/TbsSkinHint.h"
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
// clock and the note count. Every control is created with the form as its
// owner, which frees it; the members below only point at them.
class TForm1 : public ctl::TForm {
public:
    explicit TForm1(ctl::TComponent* AOwner);
    ~TForm1() override;

    // The frame: our skin, stored compressed with the window, read into the
    // skin data and painted by the skinned form component.
    std::unique_ptr<skin::TbsCompressedStoredSkin> bsCompressedStoredSkin1;
    std::unique_ptr<skin::TbsSkinData> bsSkinData1;
    skinctrls::TbsSkinHint* bsSkinHint1 { nullptr };
    skinform::TbsSkinForm* bsSkinForm1;

    // Tool bar.
    skinctrls::TbsSkinToolBar* bsSkinToolBar1 { nullptr };
    ctl::TImageList* ImageList1 { nullptr };
    skinctrls::TbsSkinBevel* bsSkinBevel2 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton1 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton7 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton2 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton3 { nullptr };
    skinctrls::TbsSkinBevel* bsSkinBevel1 { nullptr };
    skinctrls::TbsSkinEdit* bsSkinEdit1 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton4 { nullptr };
    skinctrls::TbsSkinBevel* bsSkinBevel3 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton5 { nullptr };
    skinctrls::TbsSkinSpeedButton* bsSkinSpeedButton6 { nullptr };

    // Category tree.
    skinctrls::TbsSkinToolBar* bsSkinToolBar2 { nullptr };
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox1 { nullptr };
    ctl::TTreeView* TreeView1 { nullptr };
    ctl::TImageList* ImageList2 { nullptr };
    skinctrls::TbsSkinSplitter* bsSkinSplitter1 { nullptr };

    // Note panel.
    ctl::TPanel* Panel1 { nullptr };
    ctl::TPanel* Panel2 { nullptr };
    skinctrls::TbsSkinPanel* bsSkinPanel1 { nullptr };
    selfdrawn::TSeSkinLabel* SeSkinLabel1 { nullptr };
    selfdrawn::TSeSkinComboBox* SeSkinComboBox1 { nullptr };
    selfdrawn::TSeSkinLabel* SeSkinLabel2 { nullptr };
    ctl::TDateTimePicker* DateTimePicker1 { nullptr };
    skinctrls::TbsSkinButton* Button1 { nullptr };
    selfdrawn::TSeSkinButton* Button2 { nullptr };
    selfdrawn::TSeSkinButton* Button3 { nullptr };
    skinctrls::TbsSkinButton* Button4 { nullptr };
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox3 { nullptr };
    selfdrawn::TSeSkinMemo* SeSkinMemo1 { nullptr };
    ctl::TSplitter* Splitter1 { nullptr };
    ctl::TPanel* Panel3 { nullptr };
    skinctrls::TbsSkinGroupBox* bsSkinGroupBox2 { nullptr };
    skinctrls::TbsSkinScrollBar* bsSkinScrollBar1 { nullptr };
    skinctrls::TbsSkinMemo2* bsSkinMemo21 { nullptr };

    // Printing: the report, its dataset over Data->ADOQuery5 and the
    // rich-text add-in.
    std::unique_ptr<report::TfrReport> frReport1;
    std::unique_ptr<report::TfrDBDataSet> frDBDataSet1;
    std::unique_ptr<report::TfrRichObject> frRichObject1;

    // Status line.
    ctl::TStatusBar* StatusBar1 { nullptr };
    selfdrawn::TSeSkinProgressBar* SeSkinProgressBar1 { nullptr };
    ctl::TTimer* Timer1 { nullptr };

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
    void RebuildCategoryTree();
    ctl::TTreeNode* PlaceCategoryRoot(ctl::TTreeNodes& tree, int index, const std::string& category);
    void DeleteRootsFrom(ctl::TTreeNodes& tree, int index);
    // Adds the note titles filed under `category` to its branch of the tree.
    void AddCategoryNotes(ctl::TTreeNode& branch, const std::string& category);
    void CreateSkinFrame();
    void CreateToolBar();
    void CreateCategoryTree();
    void CreateNotePanel();
    void CreateStatusLine();
    void CreateReport();
    skinctrls::TbsSkinSpeedButton* AddToolButton(const char* name, int left, int width, const char* caption,
        int imageIndex, void (TForm1::*handler)(ctl::TObject*));
    skinctrls::TbsSkinBevel* AddSpacer(const char* name, int left, int width);
    selfdrawn::TSeSkinLabel* AddLabel(const char* name, const char* caption);
    skinctrls::TbsSkinGroupBox* AddGroupBox(const char* name, ctl::TWinControl* parent, const char* caption);
};

extern TForm1* Form1;

} // namespace app
