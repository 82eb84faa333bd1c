// Showing, modifying, adding and deleting notes in the main window.

#include "app/TForm1.h"

#include "app/TData.h"
#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"
#include "platform/time/Calendar.h"

namespace app {

using namespace ctl;

namespace {

const char* const kDeleteQuestion = "是否确实要删除该记录! ";

} // namespace

void TForm1::SetEditorsEnabled(bool Value)
{
    SeSkinComboBox1->SetEnabled(Value);
    SeSkinMemo1->SetEnabled(Value);
    bsSkinMemo21->SetEnabled(Value);
}

void TForm1::ClearEditors()
{
    SeSkinComboBox1->SetText("");
    SeSkinMemo1->SetText("");
    bsSkinMemo21->SetText("");
    SetEditorsEnabled(false);
}

void TForm1::ShowNote(db::TCustomADODataSet& query)
{
    SeSkinComboBox1->SetText(query.FieldByName("类别").AsString());
    DateTimePicker1->SetDateTime(query.FieldByName("日期").AsDateTime());
    SeSkinMemo1->SetText(query.FieldByName("标题").AsString());
    bsSkinMemo21->SetText(query.FieldByName("内容").AsString());
}

// A click on a note title loads that note as the current note.
void TForm1::TreeView1Click(TObject*)
{
    TTreeNode* node = TreeView1->Selected();
    if (!node || node->Level() != 1)
        return;
    Data->OpenCurrentNote(node->Text());
    ShowNote(Data->ADOQuery1);
    Button1->Show();
    Button4->Show();
    Button2->Hide();
    Button3->Hide();
    SetEditorsEnabled(true);
}

// Modify: writes the editors into the current note.
void TForm1::Button1Click(TObject*)
{
    Data->ADOQuery1.Edit();
    Data->ADOQuery1.FieldByName("类别").SetAsString(SeSkinComboBox1->Text());
    Data->ADOQuery1.FieldByName("标题").SetAsString(SeSkinMemo1->Text());
    Data->ADOQuery1.FieldByName("内容").SetAsString(bsSkinMemo21->Text());
    Data->ADOQuery1.Post();
    Button1->Hide();
    Button4->Hide();
    ClearEditors();
    FormShow(this);
}

// New note: empty, enabled editors with the save and discard buttons.
void TForm1::bsSkinSpeedButton1Click(TObject*)
{
    DateTimePicker1->SetDateTime(dt::Now());
    Button1->Hide();
    Button2->Show();
    Button3->Show();
    Button4->Hide();
    SetEditorsEnabled(true);
    SeSkinComboBox1->SetText("");
    SeSkinMemo1->SetText("");
    bsSkinMemo21->SetText("");
}

// Save: stores the new note, dated now; refused silently when all is empty.
void TForm1::Button2Click(TObject*)
{
    if (SeSkinComboBox1->Text().empty() && SeSkinMemo1->Text().empty() && bsSkinMemo21->Text().empty())
        return;
    Data->BZ.SetActive(false);
    Data->BZ.SetActive(true);
    Data->BZ.Insert();
    Data->BZ.FieldByName("类别").SetAsString(SeSkinComboBox1->Text());
    Data->BZ.FieldByName("日期").SetAsDateTime(dt::Now());
    Data->BZ.FieldByName("标题").SetAsString(SeSkinMemo1->Text());
    Data->BZ.FieldByName("内容").SetAsString(bsSkinMemo21->Text());
    Data->BZ.Post();
    ClearEditors();
    FormShow(this);
}

// Delete: removes the current note after the question.
void TForm1::Button4Click(TObject*)
{
    if (Application->MessageBox(kDeleteQuestion, Application->Title(), MB_YESNO) != IDYES)
        return;
    Data->ADOQuery1.Delete();
    Button1->Hide();
    Button4->Hide();
    ClearEditors();
    FormShow(this);
}

// Refresh: back to Idle with the tree read anew.
void TForm1::bsSkinSpeedButton7Click(TObject*)
{
    SetEditorsEnabled(false);
    SeSkinComboBox1->SetText("");
    SeSkinMemo1->SetText("");
    bsSkinMemo21->SetText("");
    FormShow(this);
}

} // namespace app
