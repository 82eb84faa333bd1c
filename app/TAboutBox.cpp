#include "app/TAboutBox.h"

#include "app/AppFonts.h"

namespace app {

using namespace ctl;

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner)
{
    SetName("AboutBox");
    SetCaption("About");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons({});
    SetClientSize(298, 213);
    SetPosition(TPosition::poScreenCenter);
    SetFont(MakeFont("MS Sans Serif", -11));

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 8, 281, 161);
    Panel1->SetBevelOuter(TPanelBevel::bvLowered);
    Panel1->SetBevelInner(TPanelBevel::bvRaised);
    Panel1->SetParent(this);

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetBounds(8, 8, 65, 57);
    ProgramIcon->SetPicture(LoadPicture("veltrin32"));
    ProgramIcon->SetStretch(true);
    ProgramIcon->SetTransparent(true);
    ProgramIcon->SetParent(Panel1);

    ProductName = AddLabel("ProductName", 88, 16, "Quorvane");
    ProductName->SetAutoSize(false);
    ProductName->SetWidth(73);
    Version = AddLabel("Version", 88, 40, "V1.1");
    Description = AddLabel("Description", 8, 80, "可以方便管理你的笔记,也可以作为备忘录.  ");
    Description->SetAutoSize(false);
    Description->SetWidth(265);
    Comments = AddLabel("Comments", 8, 104, "作者: 开发组");
    Comments->SetAutoSize(false);
    Comments->SetWidth(89);
    Comments->SetWordWrap(true);
    Label1 = AddLabel("Label1", 8, 120, "联系: notes@veltrin.example");
    Label1->SetWordWrap(true);

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetCaption("OK");
    OKButton->SetBounds(111, 180, 75, 25);
    OKButton->SetDefault(true);
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
    OKButton->SetParent(this);
}

TLabel* TAboutBox::AddLabel(const char* name, int x, int y, const std::string& text)
{
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetBounds(x, y, label->Width(), label->Height());
    label->SetCaption(text);
    label->SetParent(Panel1);
    return label;
}

void TAboutBox::OKButtonClick(TObject*)
{
    Close();
}

} // namespace app
