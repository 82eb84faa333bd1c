#include "app/TBox.h"

#include "app/AppConstants.h"
#include "app/AppFonts.h"
#include "app/SkinnedControls.h"
#include "app/TData.h"
#include "app/TForm1.h"

namespace app {

using namespace ctl;
using namespace skinctrls;

TBox* Box = nullptr;

namespace {

const char* const kAddCaption = "保存";
const char* const kRenameCaption = "修改";
const char* const kCategoryInUse = "该项有下级内容,不能删除,               \r否则会遗失数据.";

} // namespace

TBox::TBox(TComponent* AOwner) : TForm(AOwner)
{
    SetName("Box");
    SetCaption("管理");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(353, 234);
    SetPosition(TPosition::poScreenCenter);
    SetFont(MakeFont("MS Sans Serif", -11));

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 8, 337, 185);
    Panel1->SetBevelOuter(TPanelBevel::bvLowered);
    Panel1->SetBevelInner(TPanelBevel::bvRaised);
    Panel1->SetParentColor(true);
    Panel1->SetCaption("");
    Panel1->SetParent(this);

    // The main window's pictures, here on a white background.
    ImageList2 = new TImageList(this);
    ImageList2->SetName("ImageList2");
    ImageList2->SetSize(16, 16);
    ImageList2->AddMasked(LoadPicture("tree"), kPictureMaskColor);

    bsSkinTreeView1 = new TbsSkinTreeView(this);
    bsSkinTreeView1->SetName("bsSkinTreeView1");
    bsSkinTreeView1->SetBounds(2, 2, 129, 179);
    bsSkinTreeView1->SetDefaultFont(MakeFont("宋体", 12));
    bsSkinTreeView1->SetImages(ImageList2);
    bsSkinTreeView1->SetIndent(19);
    bsSkinTreeView1->ReadOnly = true;
    bsSkinTreeView1->OnClick = [this](TObject* sender) { bsSkinTreeView1Click(sender); };
    bsSkinTreeView1->SetParent(Panel1);

    SeSkinEdit1 = new selfdrawn::TSeSkinEdit(this);
    SeSkinEdit1->SetName("SeSkinEdit1");
    SeSkinEdit1->SetBounds(152, 48, 153, 34);
    SeSkinEdit1->SetFont(MakeFont("MS Sans Serif", -20, gfx::clRed));
    SeSkinEdit1->SetImeName(kInputMethodName);
    SeSkinEdit1->SetParent(Panel1);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetBounds(145, 104, 0, 0);
    Label1->SetFont(MakeFont("MS Sans Serif", -13, gfx::clFuchsia));
    Label1->SetCaption("");
    Label1->SetParent(Panel1);

    bsSkinButton3 = AddButton("bsSkinButton3", 140, "新增", &TBox::bsSkinButton3Click);
    bsSkinButton4 = AddButton("bsSkinButton4", 191, "删除", &TBox::bsSkinButton4Click);
    bsSkinButton4->SetEnabled(false);
    bsSkinButton1 = AddButton("bsSkinButton1", 242, kAddCaption, &TBox::bsSkinButton1Click);
    bsSkinButton2 = AddButton("bsSkinButton2", 294, "关闭", &TBox::bsSkinButton2Click);
    // The manager is drawn from the main window's skin.
    if (Form1)
        HandSkinToControls(*this, Form1->bsSkinData1.get());

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

TbsSkinButton* TBox::AddButton(const char* name, int left, const char* caption, void (TBox::*handler)(TObject*))
{
    auto* button = new TbsSkinButton(this);
    button->SetName(name);
    button->SetBounds(left, 200, 50, 25);
    button->SetCaption(caption);
    button->SetSpacing(1);
    button->OnClick = [this, handler](TObject* sender) { (this->*handler)(sender); };
    button->SetParent(this);
    return button;
}

// Fills the list with one root node per category row.
void TBox::FormShow(TObject*)
{
    bsSkinTreeView1->Items().Clear();
    Data->LB.SetActive(false);
    Data->LB.SetActive(true);
    Data->LB.First();
    const int categories = Data->LB.RecordCount();
    const db::TField& name = Data->LB.FieldByName("类别");
    for (int i = 0; i < categories; ++i) {
        bsSkinTreeView1->Items().Add(nullptr, name.AsString());
        Data->LB.Next();
    }
}

// A click on a category makes it the current category, ready to be renamed.
void TBox::bsSkinTreeView1Click(TObject*)
{
    TTreeNode* node = bsSkinTreeView1->Selected();
    if (!node || node->Level() != 0)
        return;
    Data->OpenCurrentCategory(node->Text());
    SeSkinEdit1->SetText(Data->QLB.FieldByName("类别").AsString());
    bsSkinButton1->SetCaption(kRenameCaption);
    bsSkinButton4->SetEnabled(true);
    Label1->SetCaption("");
}

void TBox::EnterAddMode()
{
    bsSkinButton1->SetCaption(kAddCaption);
    bsSkinButton4->SetEnabled(false);
}

void TBox::bsSkinButton3Click(TObject*)
{
    SeSkinEdit1->SetText("");
    EnterAddMode();
    Label1->SetCaption("");
}

// Save: adds a category, or renames the current one together with its notes.
void TBox::bsSkinButton1Click(TObject*)
{
    const std::string name = SeSkinEdit1->Text();
    if (name.empty())
        return;
    if (bsSkinButton1->Caption() == kAddCaption) {
        Data->LB.SetActive(false);
        Data->LB.SetActive(true);
        Data->LB.Insert();
        Data->LB.FieldByName("类别").SetAsString(name);
        Data->LB.Post();
    } else {
        Data->RenameCurrentCategory(name);
    }
    FormShow(this);
    SeSkinEdit1->SetText("");
    Form1->FormShow(this);
}

// Delete: removes the current category unless notes are still filed under it.
void TBox::bsSkinButton4Click(TObject*)
{
    if (SeSkinEdit1->Text().empty())
        return;
    if (Data->CategoryHasNotes(Data->QLB.FieldByName("类别").AsString()))
        Label1->SetCaption(kCategoryInUse);
    else
        Data->QLB.Delete();
    SeSkinEdit1->SetText("");
    EnterAddMode();
    FormShow(this);
    Form1->FormShow(this);
}

void TBox::bsSkinButton2Click(TObject*)
{
    Close();
}

} // namespace app
