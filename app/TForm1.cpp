// The main window's refresh routine, clock, paint hook and ways out.

#include "app/TForm1.h"

#include "app/TData.h"
#include "platform/controls/MessageDialog.h"
#include "platform/controls/TApplication.h"
#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"

namespace app {

using namespace ctl;

namespace {

const char* const kExitQuestion = "感谢您的使用！\r\r现在是否退出本系统！                ";

} // namespace

// Rebuilds the category tree, the category list of the combo box and the note
// count. Runs on every show and after every change.
void TForm1::FormShow(TObject*)
{
    DateTimePicker1->SetDateTime(dt::Now());
    RebuildCategoryTree();

    SeSkinComboBox1->SetText("");
    SeSkinComboBox1->Items().Clear();
    Data->LB.First();
    const int listed = Data->LB.RecordCount();
    const db::TField& listedName = Data->LB.FieldByName("类别");
    for (int i = 0; i < listed; ++i) {
        SeSkinComboBox1->Items().Add(listedName.AsString());
        Data->LB.Next();
    }

    // Each visible step lets pending messages run, so the bar is seen filling.
    for (int position = 1; position <= 100; ++position)
        SeSkinProgressBar1->SetPosition(position);

    Button4->Hide();
    Button1->Hide();
    Button2->Hide();
    Button3->Hide();

    StatusBar1->Panels()[2]->SetText("现共有记录: " + std::to_string(Data->NoteCount()) + " 个");
}

// One root per category, every one collapsed and none selected, as if the
// tree were made anew. Roots whose category is still there at the same place
// are kept and only emptied, so a refresh after an edit does not make the
// tree again; a category's note titles are read only when its branch is first
// opened or walked, so a refresh costs the categories, not the notes, and
// what is read is what the store holds then. When the store refuses a
// statement, the tree holds the branches placed before it, as a tree made
// anew would.
void TForm1::RebuildCategoryTree()
{
    TTreeNodes& tree = TreeView1->Items();
    TTreeNodesUpdate treeUpdate(tree);
    // The categories and whether each has notes, read from one state of the file.
    db::ReadTransaction snapshot(Data->ADOConnection1);
    tree.SetSelected(nullptr);
    int placed = 0;
    try {
        Data->LB.SetActive(false);
        Data->LB.SetActive(true);
        Data->LB.First();
        const int categories = Data->LB.RecordCount();
        const db::TField& name = Data->LB.FieldByName("类别");
        while (placed < categories) {
            const std::string category = name.AsString();
            TTreeNode* root = PlaceCategoryRoot(tree, placed, category);
            ++placed;
            if (Data->CategoryHasNotes(category))
                root->SetChildrenSource([this, category](TTreeNode& branch) { AddCategoryNotes(branch, category); });
            Data->LB.Next();
        }
    } catch (...) {
        DeleteRootsFrom(tree, placed);
        throw;
    }
    DeleteRootsFrom(tree, placed);
}

// The root for `category` at `index`, emptied and collapsed: the root already
// there when it carries that label; else a later root with that label, the
// ones between (categories gone since the last refresh) removed; else a new
// root put in at `index`.
TTreeNode* TForm1::PlaceCategoryRoot(TTreeNodes& tree, int index, const std::string& category)
{
    int match = index;
    while (match < tree.RootCount() && tree.Root(match)->Text() != category)
        ++match;
    if (match == tree.RootCount())
        return tree.Insert(index < tree.RootCount() ? tree.Root(index) : nullptr, category);
    while (match-- > index)
        tree.Delete(tree.Root(index));
    TTreeNode* root = tree.Root(index);
    root->DeleteChildren();
    root->Collapse(false);
    return root;
}

void TForm1::DeleteRootsFrom(TTreeNodes& tree, int index)
{
    while (tree.RootCount() > index)
        tree.Delete(tree.Root(tree.RootCount() - 1));
}

void TForm1::AddCategoryNotes(TTreeNode& branch, const std::string& category)
{
    Data->OpenCategoryNotes(category);
    const int notes = Data->QBZ.RecordCount();
    if (notes == 0)
        return;
    const db::TField& title = Data->QBZ.FieldByName("标题");
    for (int j = 0; j < notes; ++j) {
        TTreeNode* note = TreeView1->Items().AddChild(&branch, title.AsString());
        note->SetImageIndex(1);
        Data->QBZ.Next();
    }
}

// Keeps the progress bar on the status bar when the window's height changes.
void TForm1::FormPaint(TObject*)
{
    SeSkinProgressBar1->SetTop(StatusBar1->Top() + 5);
}

// Closing the main window by any way (exit button, frame, system menu,
// keyboard) ends the program at once; the window itself goes with the
// application at the end of the message loop.
void TForm1::FormClose(TObject*, TCloseAction&)
{
    Application->Terminate();
}

void TForm1::Timer1Timer(TObject*)
{
    StatusBar1->Panels()[1]->SetText("  " + dt::DateTimeToStr(dt::Now()));
}

void TForm1::bsSkinSpeedButton6Click(TObject*)
{
    if (Application->MessageBox(kExitQuestion, Application->Title(), MB_YESNO) == IDYES)
        Close();
}

} // namespace app
