#include "app/TAboutBox1.h"

#include "app/AppFonts.h"
#include "app/TData.h"
#include "app/TForm1.h"
#include "platform/time/Calendar.h"

namespace app {

using namespace ctl;

TAboutBox1* AboutBox1 = nullptr;

TAboutBox1::TAboutBox1(TComponent* AOwner) : TForm(AOwner)
{
    SetName("AboutBox1");
    SetCaption("查询结果");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(298, 330);
    SetPosition(TPosition::poScreenCenter);
    SetFont(MakeFont("MS Sans Serif", -11));

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 8, 281, 289);
    Panel1->SetBevelOuter(TPanelBevel::bvLowered);
    Panel1->SetBevelInner(TPanelBevel::bvRaised);
    Panel1->SetCaption("");
    Panel1->SetParent(this);

    ListBox1 = new TListBox(this);
    ListBox1->SetName("ListBox1");
    ListBox1->SetAlign(TAlign::alClient);
    ListBox1->SetItemHeight(13);
    ListBox1->OnDblClick = [this](TObject* sender) { ListBox1DblClick(sender); };
    ListBox1->SetParent(Panel1);

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetCaption("OK");
    OKButton->SetBounds(207, 300, 75, 25);
    OKButton->SetDefault(true);
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
    OKButton->SetParent(this);

    FillTimer = new TTimer(this);
    FillTimer->SetName("FillTimer");
    FillTimer->SetEnabled(false);
    FillTimer->SetInterval(1);
    FillTimer->OnTimer = [this](TObject* sender) { FillTimerTimer(sender); };

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

namespace {

// Titles added per timer tick: a few milliseconds of reading, so the window
// answers in between.
constexpr int TitlesPerSlice = 1000;

} // namespace

// Fills the list with the titles of the last search's rows: the first screen
// now, the rest by the timer.
void TAboutBox1::FormShow(TObject*)
{
    ListBox1->Items().Clear();
    Data->ADOQuery3.First();
    AddFoundTitles(ListBox1->ClientHeight() / ListBox1->ItemHeight() + 1);
    FillTimer->SetEnabled(!Data->ADOQuery3.Eof());
}

void TAboutBox1::FillTimerTimer(TObject*)
{
    // The store closed meanwhile (the program ends): nothing more to list.
    if (!Data || !Data->ADOQuery3.Active()) {
        FillTimer->SetEnabled(false);
        return;
    }
    AddFoundTitles(TitlesPerSlice);
    if (Data->ADOQuery3.Eof())
        FillTimer->SetEnabled(false);
}

void TAboutBox1::AddFoundTitles(int count)
{
    db::TADOQuery& found = Data->ADOQuery3;
    if (found.Eof())
        return;
    const db::TField& title = found.FieldByName("标题");
    TStrings& titles = ListBox1->Items();
    titles.BeginUpdate();
    for (int i = 0; i < count && !found.Eof(); ++i) {
        titles.Add(title.AsString());
        found.Next();
    }
    titles.EndUpdate();
}

// Opens the chosen note in the main window as its current note.
void TAboutBox1::ListBox1DblClick(TObject*)
{
    const int index = ListBox1->ItemIndex();
    if (index < 0)
        return;
    Form1->SeSkinComboBox1->SetText("");
    Form1->DateTimePicker1->SetDateTime(dt::Now());
    Form1->SeSkinMemo1->SetText("");
    Form1->bsSkinMemo21->SetText("");
    Data->OpenSearchResult(ListBox1->Items()[index]);
    Form1->ShowNote(Data->ADOQuery4);
    Form1->Button1->Show();
    Form1->Button2->Hide();
    Form1->Button3->Hide();
    Form1->SetEditorsEnabled(true);
}

void TAboutBox1::OKButtonClick(TObject*)
{
    Close();
}

} // namespace app
