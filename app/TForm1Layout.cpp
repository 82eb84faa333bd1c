// The main window's controls, created in the order and with the positions,
// sizes, fonts and texts of its stored layout.

#include "app/TForm1.h"

#include "app/AppFonts.h"
#include "app/AppConstants.h"
#include "app/SkinnedControls.h"
#include "skin/EmbeddedSkin.h"

namespace app {

using namespace ctl;
using namespace skinctrls;
using namespace selfdrawn;

TForm1* Form1 = nullptr;

namespace {

template <typename T>
T* Make(TComponent* owner, const char* name, TWinControl* parent)
{
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

} // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner)
{
    SetName("Form1");
    SetCaption("Veltrin");
    CreateSkinFrame();
    SetClientSize(738, 505);
    SetPosition(TPosition::poScreenCenter);
    SetFont(MakeFont("Tahoma", -11));

    CreateToolBar();
    CreateCategoryTree();
    CreateNotePanel();
    CreateStatusLine();
    HandSkinToControls(*this, bsSkinData1.get());
    CreateReport();

    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnPaint = [this](TObject* sender) { FormPaint(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TForm1::~TForm1()
{
    // The components (the frame among them) go while the skin they paint
    // from is still there.
    DestroyComponents();
}

// The skinned frame with the caption buttons for the system menu, minimize,
// maximize and roll-up, and no caption icon. A skin that cannot be read was
// reported by the skin data already; the frame then keeps its default look.
void TForm1::CreateSkinFrame()
{
    bsCompressedStoredSkin1 = std::make_unique<skin::TbsCompressedStoredSkin>();
    bsCompressedStoredSkin1->FileName = "skin.ini";
    bsCompressedStoredSkin1->SetCompressedData(skin::EmbeddedSkinBytes());
    bsSkinForm1 = new skinform::TbsSkinForm(this);
    bsSkinForm1->SetName("bsSkinForm1");
    bsSkinForm1->AlphaBlendAnimation = true;
    bsSkinForm1->DefMenuItemHeight = 20;
    bsSkinForm1->UseSkinFontInMenu = true;
    bsSkinData1 = std::make_unique<skin::TbsSkinData>(&bsSkinForm1->MessageTarget());
    bsSkinData1->SetCompressedStoredSkin(bsCompressedStoredSkin1.get());
    bsSkinForm1->SetMenusSkinData(bsSkinData1.get());
    bsSkinForm1->SetSkinData(bsSkinData1.get());
    // The tool buttons' and the caption buttons' hints.
    bsSkinHint1 = new skinctrls::TbsSkinHint(this);
    bsSkinHint1->SetName("bsSkinHint1");
    bsSkinHint1->SetSkinData(bsSkinData1.get());
    bsSkinForm1->SetSkinHint(bsSkinHint1);
    bsSkinForm1->ShowObjectHint = true;
}

TbsSkinSpeedButton* TForm1::AddToolButton(const char* name, int left, int width, const char* caption, int imageIndex,
    void (TForm1::*handler)(TObject*))
{
    auto* button = new TbsSkinSpeedButton(this);
    button->SetName(name);
    button->SetBounds(left, 0, width, 25);
    button->SetAlign(TAlign::alLeft);
    button->SetCaption(caption);
    button->SetHint(caption);
    button->ShowHint = true;
    button->SetImageIndex(imageIndex);
    button->SetShowCaption(true);
    button->SetSpacing(1);
    button->SetDefaultFont(MakeFont("宋体", 12));
    button->SetSkinDataName("toolbutton");
    button->OnClick = [this, handler](TObject* sender) { (this->*handler)(sender); };
    button->SetParent(bsSkinToolBar1);
    return button;
}

TbsSkinBevel* TForm1::AddSpacer(const char* name, int left, int width)
{
    auto* bevel = new TbsSkinBevel(this);
    bevel->SetName(name);
    bevel->SetBounds(left, 0, width, 25);
    bevel->SetAlign(TAlign::alLeft);
    bevel->SetShape(TBevelShape::bsSpacer);
    bevel->SetDividerMode(true);
    bevel->SetParent(bsSkinToolBar1);
    return bevel;
}

// The note panel's labels: painted straight onto the window, opaque on the
// button face.
TSeSkinLabel* TForm1::AddLabel(const char* name, const char* caption)
{
    auto* label = Make<TSeSkinLabel>(this, name, bsSkinPanel1);
    label->SetPerformance(TSePerformance::kspNoBuffer);
    label->SetTransparent(false);
    label->SetColor(gfx::clBtnFace);
    label->SetCaption(caption);
    return label;
}

TbsSkinGroupBox* TForm1::AddGroupBox(const char* name, TWinControl* parent, const char* caption)
{
    auto* box = Make<TbsSkinGroupBox>(this, name, parent);
    box->SetAlign(TAlign::alClient);
    box->SetCaption(caption);
    box->SetCaptionMode(true);
    box->SetBorderStyle(TbsSkinBorderStyle::bvFrame);
    return box;
}

void TForm1::CreateToolBar()
{
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->SetSize(16, 16);
    ImageList1->AddMasked(LoadPicture("toolbar"), kPictureMaskColor);

    bsSkinToolBar1 = Make<TbsSkinToolBar>(this, "bsSkinToolBar1", this);
    bsSkinToolBar1->SetAlign(TAlign::alTop);
    bsSkinToolBar1->SetHeight(25);
    bsSkinToolBar1->SetImages(ImageList1);

    // Left to right; each item is aligned left after the one before it.
    int x = 0;
    auto next = [&x](int width) { int left = x; x += width; return left; };
    bsSkinBevel2 = AddSpacer("bsSkinBevel2", next(25), 25);
    bsSkinSpeedButton1 = AddToolButton("bsSkinSpeedButton1", next(75), 75, "新增笔记", 1, &TForm1::bsSkinSpeedButton1Click);
    bsSkinSpeedButton7 = AddToolButton("bsSkinSpeedButton7", next(75), 75, "刷新", 13, &TForm1::bsSkinSpeedButton7Click);
    bsSkinSpeedButton2 = AddToolButton("bsSkinSpeedButton2", next(75), 75, "分类管理", 10, &TForm1::bsSkinSpeedButton2Click);
    bsSkinSpeedButton3 = AddToolButton("bsSkinSpeedButton3", next(75), 75, "打印", 14, &TForm1::bsSkinSpeedButton3Click);
    bsSkinBevel1 = AddSpacer("bsSkinBevel1", next(23), 23);

    bsSkinEdit1 = new TbsSkinEdit(this);
    bsSkinEdit1->SetName("bsSkinEdit1");
    bsSkinEdit1->SetBounds(next(200), 0, 200, 25);
    bsSkinEdit1->SetAlign(TAlign::alLeft);
    bsSkinEdit1->SetSkinDataName("tooledit");
    bsSkinEdit1->SetFont(MakeFont("Arial", 14));
    bsSkinEdit1->SetText("请输入关键字");
    bsSkinEdit1->SetImeName(kInputMethodName);
    bsSkinEdit1->SetParent(bsSkinToolBar1);

    bsSkinSpeedButton4 = AddToolButton("bsSkinSpeedButton4", next(56), 56, "搜索", 12, &TForm1::bsSkinSpeedButton4Click);
    bsSkinBevel3 = AddSpacer("bsSkinBevel3", next(18), 18);
    bsSkinSpeedButton5 = AddToolButton("bsSkinSpeedButton5", next(56), 56, "帮助", 11, &TForm1::bsSkinSpeedButton5Click);
    bsSkinSpeedButton6 = AddToolButton("bsSkinSpeedButton6", next(56), 56, "退出", 15, &TForm1::bsSkinSpeedButton6Click);
    // A window made narrower than the row scrolls it instead of cutting off its last buttons.
    bsSkinToolBar1->SetCanScroll(true);
}

void TForm1::CreateCategoryTree()
{
    ImageList2 = new TImageList(this);
    ImageList2->SetName("ImageList2");
    ImageList2->SetSize(16, 16);
    ImageList2->AddMasked(LoadPicture("tree"), kPictureMaskColor);

    bsSkinToolBar2 = Make<TbsSkinToolBar>(this, "bsSkinToolBar2", this);
    bsSkinToolBar2->SetAlign(TAlign::alLeft);
    bsSkinToolBar2->SetWidth(150);

    bsSkinGroupBox1 = AddGroupBox("bsSkinGroupBox1", bsSkinToolBar2, "笔记分类");

    TreeView1 = Make<TTreeView>(this, "TreeView1", bsSkinGroupBox1);
    TreeView1->SetAlign(TAlign::alClient);
    TreeView1->SetFont(MakeFont("Tahoma", -16));
    TreeView1->SetImages(ImageList2);
    TreeView1->SetIndent(19);
    TreeView1->ReadOnly = true;
    TreeView1->OnClick = [this](TObject* sender) { TreeView1Click(sender); };

    bsSkinSplitter1 = Make<TbsSkinSplitter>(this, "bsSkinSplitter1", this);
    bsSkinSplitter1->SetBounds(150, 0, 9, 100);
    bsSkinSplitter1->SetAlign(TAlign::alLeft);
    bsSkinSplitter1->SetBeveled(true);
    bsSkinSplitter1->ResizeStyle = TResizeStyle::rsLine;
}

void TForm1::CreateNotePanel()
{
    Panel1 = Make<TPanel>(this, "Panel1", this);
    Panel1->SetAlign(TAlign::alClient);
    Panel1->SetCaption("");

    Panel2 = Make<TPanel>(this, "Panel2", Panel1);
    Panel2->SetAlign(TAlign::alTop);
    Panel2->SetHeight(153);
    Panel2->SetCaption("");

    bsSkinPanel1 = Make<TbsSkinPanel>(this, "bsSkinPanel1", Panel2);
    bsSkinPanel1->SetAlign(TAlign::alTop);
    bsSkinPanel1->SetHeight(56);
    bsSkinPanel1->SetBorderStyle(TbsSkinBorderStyle::bvFrame);

    SeSkinLabel1 = AddLabel("SeSkinLabel1", "所在类别");
    SeSkinLabel1->SetLeft(210);
    SeSkinLabel1->SetTop(18);

    SeSkinComboBox1 = Make<TSeSkinComboBox>(this, "SeSkinComboBox1", bsSkinPanel1);
    SeSkinComboBox1->SetBounds(264, 14, 121, 24);
    SeSkinComboBox1->SetFont(MakeFont("Tahoma", -12));
    SeSkinComboBox1->DropDownCount = 8;
    SeSkinComboBox1->SetItemHeight(15);
    SeSkinComboBox1->SetImeName(kInputMethodName);
    SeSkinComboBox1->SetEnabled(false);

    SeSkinLabel2 = AddLabel("SeSkinLabel2", "记录日期");
    SeSkinLabel2->SetAutoSize(false);
    SeSkinLabel2->SetBounds(392, 18, 62, SeSkinLabel2->Height());

    DateTimePicker1 = Make<TDateTimePicker>(this, "DateTimePicker1", bsSkinPanel1);
    DateTimePicker1->SetBounds(451, 11, 113, 26);
    DateTimePicker1->SetFont(MakeFont("Tahoma", -15));
    DateTimePicker1->SetImeName(kInputMethodName);
    DateTimePicker1->SetEnabled(false);

    Button1 = Make<TbsSkinButton>(this, "Button1", bsSkinPanel1);
    Button1->SetBounds(16, 9, 49, 38);
    Button1->SetCaption("修改");
    Button1->SetSpacing(1);
    Button1->SetVisible(false);
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };

    Button2 = Make<TSeSkinButton>(this, "Button2", bsSkinPanel1);
    Button2->SetBounds(16, 7, 49, 41);
    Button2->SetCaption("保存");
    Button2->SetVisible(false);
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };

    // The discard button has no click action: leaving the New state is done
    // with the tree or the refresh button.
    Button3 = Make<TSeSkinButton>(this, "Button3", bsSkinPanel1);
    Button3->SetBounds(64, 7, 49, 41);
    Button3->SetCaption("放弃");
    Button3->SetVisible(false);

    Button4 = Make<TbsSkinButton>(this, "Button4", bsSkinPanel1);
    Button4->SetBounds(66, 9, 49, 38);
    Button4->SetCaption("删除");
    Button4->SetSpacing(1);
    Button4->OnClick = [this](TObject* sender) { Button4Click(sender); };

    bsSkinGroupBox3 = AddGroupBox("bsSkinGroupBox3", Panel2, "笔记标题");
    SeSkinMemo1 = Make<TSeSkinMemo>(this, "SeSkinMemo1", bsSkinGroupBox3);
    SeSkinMemo1->SetAlign(TAlign::alClient);
    SeSkinMemo1->SetFont(MakeFont("Tahoma", -15));
    SeSkinMemo1->SetImeName(kInputMethodName);
    SeSkinMemo1->SetEnabled(false);

    Splitter1 = Make<TSplitter>(this, "Splitter1", Panel1);
    Splitter1->SetAlign(TAlign::alTop);
    Splitter1->SetBounds(0, 153, Panel1->ClientWidth(), 8);
    Splitter1->SetBeveled(true);

    Panel3 = Make<TPanel>(this, "Panel3", Panel1);
    Panel3->SetAlign(TAlign::alClient);
    Panel3->SetCaption("");

    bsSkinGroupBox2 = AddGroupBox("bsSkinGroupBox2", Panel3, "详细内容");
    bsSkinScrollBar1 = Make<TbsSkinScrollBar>(this, "bsSkinScrollBar1", bsSkinGroupBox2);
    bsSkinScrollBar1->SetKind(TScrollBarKind::sbVertical);
    bsSkinScrollBar1->SetAlign(TAlign::alRight);
    bsSkinScrollBar1->SetWidth(19);
    bsSkinScrollBar1->SetSkinDataName("vscrollbar");
    bsSkinScrollBar1->SetRangeValues(0, 0, 0, 0);
    bsSkinScrollBar1->SetEnabled(false);

    bsSkinMemo21 = Make<TbsSkinMemo2>(this, "bsSkinMemo21", bsSkinGroupBox2);
    bsSkinMemo21->SetAlign(TAlign::alClient);
    bsSkinMemo21->SetFont(MakeFont("Arial", -15));
    bsSkinMemo21->SetDefaultFont(bsSkinMemo21->Font());
    bsSkinMemo21->SetVScrollBar(bsSkinScrollBar1);
    bsSkinMemo21->SetImeName(kInputMethodName);
    bsSkinMemo21->SetEnabled(false);
}

void TForm1::CreateStatusLine()
{
    StatusBar1 = Make<TStatusBar>(this, "StatusBar1", this);
    StatusBar1->SetAlign(TAlign::alBottom);
    StatusBar1->SetHeight(24);
    for (int width : { 50, 150, 130, 130, 120 })
        StatusBar1->Panels().Add()->SetWidth(width);
    StatusBar1->Panels()[3]->SetText(kContactLine);

    // A child of the window itself; FormPaint keeps it on the status bar.
    SeSkinProgressBar1 = Make<TSeSkinProgressBar>(this, "SeSkinProgressBar1", this);
    SeSkinProgressBar1->SetBounds(472, StatusBar1->Top() + 5, 250, 16);
    SeSkinProgressBar1->SetPosition(0);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
}

} // namespace app
