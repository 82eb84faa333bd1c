#include "report/preview/TfrPreviewForm.h"

#include "report/objects/PropertyValue.h"
#include "report/objects/TfrReport.h"
#include "report/output/EMFPagesPdf.h"
#include "report/output/PreparedReportFile.h"
#include "report/preview/TfrPBox.h"
#include "report/preview/TfrPreviewSearchForm.h"
#include "report/print/PdfFileDialog.h"
#include "report/printer/TfrPrinter.h"

#include "platform/controls/MessageDialog.h"
#include "platform/controls/TFileDialog.h"
#include "platform/settings/SettingsStore.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/Window.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

using ctl::TShiftKind;

constexpr int kLineStep = 10;
constexpr int kPageStep = 200;
constexpr int kToolBarHeight = 30;
constexpr int kButtonHeight = 24;

// The zoom factors the menu offers, in per cent.
constexpr int kZoomSteps[] = { 200, 150, 100, 75, 50, 25, 10 };

std::string ZoomText(double zoom)
{
    return std::to_string(static_cast<int>(std::lround(zoom * 100))) + "%";
}

bool ObjectTextHas(const TfrView& view, const PreviewSearch& search)
{
    if (view.Kind() != ObjectKind::Memo)
        return false;
    std::string text = JoinLines(view.Memo);
    if (!search.CaseSensitive)
        text = UpperCase(text);
    return text.find(search.Text) != std::string::npos;
}

} // namespace

const std::string TfrPreviewForm::kFileFilter = "Report file (*.frp)|*.frp";

TfrPreviewForm::TfrPreviewForm(TfrReport& Report, settings::SettingsStore* Settings)
    : TForm(nullptr), m_report(Report), m_settings(Settings)
{
    SetName("frPreviewForm");
    SetCaption("Preview");
    SetBounds(0, 0, 760, 560);
    SetPosition(ctl::TPosition::poScreenCenter);
    KeyPreview = true;
    if (!m_settings) {
        m_ownedSettings = std::make_unique<settings::SettingsStore>(settings::SettingsStore::DefaultFile());
        m_settings = m_ownedSettings.get();
    }
    m_pages = std::move(m_report.EMFPages);
    m_report.EMFPages.Clear();

    CreateToolBar();
    CreateZoomMenu();
    HorzScrollBar = new ctl::TScrollBar(this, ctl::TScrollBarKind::sbHorizontal);
    HorzScrollBar->SetAlign(ctl::TAlign::alBottom);
    HorzScrollBar->OnChange = [this](ctl::TObject*) { FollowScroll(); };
    HorzScrollBar->SetParent(this);
    VertScrollBar = new ctl::TScrollBar(this, ctl::TScrollBarKind::sbVertical);
    VertScrollBar->SetAlign(ctl::TAlign::alRight);
    VertScrollBar->OnChange = [this](ctl::TObject*) { FollowScroll(); };
    VertScrollBar->SetParent(this);
    PBox = new TfrPBox(this, *this);
    PBox->SetAlign(ctl::TAlign::alClient);
    PBox->SetParent(this);
    for (ctl::TScrollBar* bar : { HorzScrollBar, VertScrollBar }) {
        bar->SmallChange = kLineStep;
        bar->LargeChange = kPageStep;
    }
    UpdateButtons();
    LayOut();
}

TfrPreviewForm::~TfrPreviewForm()
{
    m_report.EMFPages = std::move(m_pages);
}

void TfrPreviewForm::CreateToolBar()
{
    ToolBar = new ctl::TPanel(this);
    ToolBar->SetAlign(ctl::TAlign::alTop);
    ToolBar->SetHeight(kToolBarHeight);
    ToolBar->SetParent(this);
    ZoomButton = AddButton("100%", 64, [this] { ShowZoomMenu(); });
    LoadButton = AddButton("Open", 64, [this] { LoadClick(); });
    SaveButton = AddButton("Save", 64, [this] { SaveClick(); });
    PrintButton = AddButton("Print", 64, [this] { Print(); });
    FindButton = AddButton("Find", 64, [this] { FindClick(); });
    PdfButton = AddButton("Export PDF", 84, [this] { PdfClick(); });
    HelpButton = AddButton("Help", 64, [this] {
        if (m_report.OnPreviewHelp)
            m_report.OnPreviewHelp();
    });
    ExitButton = AddButton("Close", 64, [this] { Close(); });
    PageLabel = new ctl::TLabel(this);
    PageLabel->SetAutoSize(true);
    PageLabel->SetParent(ToolBar);
    ArrangeToolBar();
}

ctl::TButton* TfrPreviewForm::AddButton(const std::string& Caption, int Width, std::function<void()> Action)
{
    auto* button = new ctl::TButton(this);
    button->SetCaption(Caption);
    button->SetBounds(0, (kToolBarHeight - kButtonHeight) / 2, Width, kButtonHeight);
    button->SetTabStop(false);
    button->OnClick = [Action = std::move(Action)](ctl::TObject*) { Action(); };
    button->SetParent(ToolBar);
    return button;
}

// Places the shown buttons left to right and the page label after them.
void TfrPreviewForm::ArrangeToolBar()
{
    int left = 4;
    for (ctl::TButton* button :
        { ZoomButton, LoadButton, SaveButton, PrintButton, FindButton, PdfButton, HelpButton, ExitButton }) {
        if (!button->Visible())
            continue;
        button->SetLeft(left);
        left += button->Width() + 2;
    }
    PageLabel->SetBounds(left + 10, (kToolBarHeight - 16) / 2, PageLabel->Width(), 16);
}

void TfrPreviewForm::CreateZoomMenu()
{
    ZoomMenu = new ctl::TPopupMenu(this);
    for (int percent : kZoomSteps)
        AddZoomItem(std::to_string(percent) + "%", [this, percent] { SetZoom(percent / 100.0); });
    AddZoomItem("-", nullptr);
    AddZoomItem("Page width", [this] { SetZoomMode(TfrZoomMode::PageWidth); });
    AddZoomItem("Whole page", [this] { SetZoomMode(TfrZoomMode::WholePage); });
    AddZoomItem("Two pages", [this] { SetZoomMode(TfrZoomMode::TwoPages); });
}

void TfrPreviewForm::AddZoomItem(const std::string& Caption, std::function<void()> Action)
{
    auto* item = new ctl::TMenuItem(ZoomMenu);
    item->SetCaption(Caption);
    if (Action)
        item->OnClick = [Action = std::move(Action)](ctl::TObject*) { Action(); };
    ZoomMenu->Items()->Add(item);
}

void TfrPreviewForm::Configure(TfrPreviewButtons Buttons, TfrPreviewZoom InitialZoom)
{
    m_buttons = Buttons;
    switch (InitialZoom) {
    case TfrPreviewZoom::pzDefault:
        break;
    case TfrPreviewZoom::pzPageWidth:
        ProcessZoom().Mode = TfrZoomMode::PageWidth;
        break;
    case TfrPreviewZoom::pzOnePage:
        ProcessZoom().Mode = TfrZoomMode::WholePage;
        break;
    case TfrPreviewZoom::pzTwoPages:
        ProcessZoom().Mode = TfrZoomMode::TwoPages;
        break;
    }
    UpdateButtons();
    LayOut();
}

void TfrPreviewForm::UpdateButtons()
{
    using enum TfrPreviewButton;
    ZoomButton->SetVisible(m_buttons.Contains(pbZoom));
    LoadButton->SetVisible(m_buttons.Contains(pbLoad));
    SaveButton->SetVisible(m_buttons.Contains(pbSave));
    PrintButton->SetVisible(m_buttons.Contains(pbPrint));
    FindButton->SetVisible(m_buttons.Contains(pbFind));
    HelpButton->SetVisible(m_buttons.Contains(pbHelp));
    ExitButton->SetVisible(m_buttons.Contains(pbExit));
    const bool hasPages = !m_pages.Empty();
    PrintButton->SetEnabled(hasPages && static_cast<bool>(m_report.OnPrintPreparedReport) && !m_printing);
    SaveButton->SetEnabled(hasPages);
    PdfButton->SetEnabled(hasPages);
    FindButton->SetEnabled(hasPages);
    HelpButton->SetEnabled(static_cast<bool>(m_report.OnPreviewHelp));
    ArrangeToolBar();
}

void TfrPreviewForm::LayOut()
{
    if (!PBox)
        return;
    std::vector<gfx::TSize> sizes;
    sizes.reserve(static_cast<std::size_t>(m_pages.Count()));
    for (int index = 0; index < m_pages.Count(); ++index) {
        const TfrPreparedPage& page = m_pages[index];
        const bool landscape = page.Orientation == poLandscape;
        const TfrPageGeometry geometry = VirtualPageGeometry(
            landscape ? page.PaperHeight : page.PaperWidth, landscape ? page.PaperWidth : page.PaperHeight);
        sizes.push_back({ geometry.PageWidth, geometry.PageHeight });
    }
    const PreviewZoomState& zoom = ProcessZoom();
    m_layout = LayOutPages(sizes, m_currentPage, zoom.Mode, zoom.Factor,
        { PBox->ClientWidth(), PBox->ClientHeight() });
    if (zoom.Mode != TfrZoomMode::Explicit)
        ProcessZoom().Factor = m_layout.Zoom;
    ZoomButton->SetCaption(ZoomText(m_layout.Zoom));
    m_scrollingToPage = true;
    HorzScrollBar->SetRange(m_layout.ScrollWidth, std::max(1, PBox->ClientWidth()));
    VertScrollBar->SetRange(m_layout.ScrollHeight, std::max(1, PBox->ClientHeight()));
    m_scrollingToPage = false;
    UpdatePageLabel();
    PBox->Invalidate();
}

gfx::TPoint TfrPreviewForm::ScrollPosition() const
{
    return gfx::Point(HorzScrollBar->Position(), VertScrollBar->Position());
}

void TfrPreviewForm::ScrollTo(int X, int Y)
{
    HorzScrollBar->SetPosition(X);
    VertScrollBar->SetPosition(Y);
}

void TfrPreviewForm::ScrollBy(int DX, int DY)
{
    ScrollTo(HorzScrollBar->Position() + DX, VertScrollBar->Position() + DY);
}

void TfrPreviewForm::GotoPage(int Index)
{
    if (m_pages.Empty())
        return;
    Index = std::clamp(Index, 0, m_pages.Count() - 1);
    const bool rowsChange = ProcessZoom().Mode != TfrZoomMode::Explicit && Index != m_currentPage;
    m_currentPage = Index;
    // A fitted zoom follows the current page's size.
    if (rowsChange)
        LayOut();
    const gfx::TRect& rect = m_layout.Pages[static_cast<std::size_t>(Index)];
    const gfx::TPoint at = ScrollPosition();
    const bool seenAcross = rect.Left >= at.X && rect.Right <= at.X + PBox->ClientWidth();
    m_scrollingToPage = true;
    ScrollTo(seenAcross ? at.X : rect.Left - kPageGap, rect.Top - kPageGap);
    m_scrollingToPage = false;
    UpdatePageLabel();
    PBox->Invalidate();
}

// The page whose middle is nearest the middle of the area becomes current.
void TfrPreviewForm::FollowScroll()
{
    PBox->Invalidate();
    if (m_scrollingToPage || m_layout.Pages.empty())
        return;
    const gfx::TPoint at = ScrollPosition();
    const long long midX = at.X + PBox->ClientWidth() / 2;
    const long long midY = at.Y + PBox->ClientHeight() / 2;
    int nearest = m_currentPage;
    long long best = -1;
    for (std::size_t index = 0; index < m_layout.Pages.size(); ++index) {
        const gfx::TRect& r = m_layout.Pages[index];
        const long long dx = (r.Left + r.Right) / 2 - midX;
        const long long dy = (r.Top + r.Bottom) / 2 - midY;
        const long long distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = static_cast<int>(index);
        }
    }
    if (nearest != m_currentPage) {
        m_currentPage = nearest;
        UpdatePageLabel();
    }
}

void TfrPreviewForm::UpdatePageLabel()
{
    const int shown = m_pages.Empty() ? 0 : m_currentPage + 1;
    PageLabel->SetCaption("Page " + std::to_string(shown) + "/" + std::to_string(m_pages.Count()));
}

bool TfrPreviewForm::SetZoom(double Factor)
{
    if (!(Factor > 0) || !std::isfinite(Factor))
        return false;
    ProcessZoom() = { Factor, TfrZoomMode::Explicit };
    LayOut();
    GotoPage(m_currentPage);
    return true;
}

void TfrPreviewForm::SetZoomMode(TfrZoomMode Mode)
{
    ProcessZoom().Mode = Mode;
    LayOut();
    GotoPage(m_currentPage);
}

void TfrPreviewForm::ShowZoomMenu()
{
    const gfx::TPoint at = ZoomButton->ClientToScreen(gfx::Point(0, ZoomButton->Height()));
    ZoomMenu->Popup(at.X, at.Y);
}

bool TfrPreviewForm::Find(const std::string& Text, bool CaseSensitive, bool FromBegin)
{
    m_search.CaseSensitive = CaseSensitive;
    m_search.Text = CaseSensitive ? Text : UpperCase(Text);
    m_search.Page = FromBegin ? 0 : m_currentPage;
    m_search.Object = 0;
    m_search.Hit.reset();
    return FindNext();
}

bool TfrPreviewForm::FindNext()
{
    if (m_search.Text.empty())
        return false;
    for (int page = m_search.Page; page < m_pages.Count(); ++page) {
        const auto& objects = m_pages.PageObjects(page).PageObjects;
        const int first = page == m_search.Page ? m_search.Object : 0;
        for (int index = first; index < static_cast<int>(objects.size()); ++index) {
            if (!ObjectTextHas(*objects[static_cast<std::size_t>(index)], m_search))
                continue;
            m_search.Hit = std::make_pair(page, index);
            m_search.Page = page;
            m_search.Object = index + 1;
            GotoPage(page);
            return true;
        }
    }
    m_search.Hit.reset();
    m_search.Page = m_pages.Count();
    m_search.Object = 0;
    PBox->Invalidate();
    return false;
}

void TfrPreviewForm::FindClick()
{
    if (m_pages.Empty())
        return;
    TfrPreviewSearchForm dialog;
    if (dialog.ShowModal() != ctl::mrOk || dialog.FindText().empty())
        return;
    bool found = false;
    try {
        found = Find(dialog.FindText(), dialog.CaseSensitive(), dialog.FromBegin());
    } catch (const std::exception& error) {
        ShowError(error.what());
        return;
    }
    if (!found)
        ctl::MessageBox("The text was not found.", "Find", ctl::MB_OK | ctl::MB_ICONINFORMATION);
}

void TfrPreviewForm::FindNextClick()
{
    if (m_search.Text.empty()) {
        FindClick();
        return;
    }
    try {
        if (!FindNext())
            ctl::MessageBox("The text was not found.", "Find", ctl::MB_OK | ctl::MB_ICONINFORMATION);
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
}

bool TfrPreviewForm::LoadFromFile(const std::filesystem::path& FileName)
{
    try {
        m_report.PrinterName = LoadPreparedReportFile(FileName, m_pages).PrinterName;
    } catch (const std::runtime_error& error) {
        ShowError(FileName.string() + "\n" + error.what());
        return false;
    }
    m_search = {};
    m_currentPage = 0;
    UpdateButtons();
    LayOut();
    GotoPage(0);
    return true;
}

bool TfrPreviewForm::SaveToFile(std::filesystem::path FileName)
{
    if (!FileName.has_extension())
        FileName += ".frp";
    try {
        SavePreparedReportFile(FileName, m_pages, { m_report.PrinterName });
    } catch (const std::exception& error) {
        ShowError(error.what());
        return false;
    }
    return true;
}

bool TfrPreviewForm::ExportPdf(const std::filesystem::path& FileName)
{
    try {
        WritePreparedPagesPdf(m_pages, FileName);
    } catch (const std::exception& error) {
        ShowError(error.what());
        return false;
    }
    return true;
}

void TfrPreviewForm::LoadClick()
{
    ctl::TOpenDialog dialog;
    dialog.Filter = kFileFilter;
    if (dialog.Execute())
        LoadFromFile(dialog.FileName);
}

void TfrPreviewForm::SaveClick()
{
    if (m_pages.Empty())
        return;
    ctl::TSaveDialog dialog;
    dialog.Filter = kFileFilter;
    if (dialog.Execute())
        SaveToFile(dialog.FileName);
}

void TfrPreviewForm::PdfClick()
{
    if (m_pages.Empty())
        return;
    if (const std::optional<std::filesystem::path> file = AskPdfFileName("Export PDF"))
        ExportPdf(*file);
}

// The printing code works on the report's pages, so they go back to the
// report while it runs; the button does nothing while a print is running.
void TfrPreviewForm::Print()
{
    if (m_printing || m_pages.Empty() || !m_report.OnPrintPreparedReport)
        return;
    m_printing = true;
    PrintButton->SetEnabled(false);
    m_report.EMFPages = std::move(m_pages);
    m_report.CurrentPreviewPage = m_currentPage + 1;
    auto takeBack = [this] {
        m_pages = std::move(m_report.EMFPages);
        m_report.EMFPages.Clear();
        m_report.CurrentPreviewPage = 0;
        m_printing = false;
        UpdateButtons();
        LayOut();
    };
    try {
        m_report.OnPrintPreparedReport();
    } catch (...) {
        takeBack();
        throw;
    }
    takeBack();
}

void TfrPreviewForm::KeyDown(int& Key, ctl::TShiftState Shift)
{
    const bool ctrl = Shift.Contains(TShiftKind::ssCtrl);
    const int key = Key;
    Key = 0;
    switch (key) {
    case wnd::VK_UP: ScrollBy(0, -kLineStep); break;
    case wnd::VK_DOWN: ScrollBy(0, kLineStep); break;
    case wnd::VK_LEFT: ScrollBy(-kLineStep, 0); break;
    case wnd::VK_RIGHT: ScrollBy(kLineStep, 0); break;
    case wnd::VK_PRIOR:
        if (ctrl)
            GotoPage(m_currentPage - 1);
        else
            ScrollBy(0, -kPageStep);
        break;
    case wnd::VK_NEXT:
        if (ctrl)
            GotoPage(m_currentPage + 1);
        else
            ScrollBy(0, kPageStep);
        break;
    case wnd::VK_HOME:
        if (ctrl)
            GotoPage(0);
        else
            Key = key;
        break;
    case wnd::VK_END:
        if (ctrl)
            GotoPage(m_pages.Count() - 1);
        else
            Key = key;
        break;
    case wnd::VK_SPACE:
        if (ZoomButton->Visible())
            ShowZoomMenu();
        break;
    case wnd::VK_ESCAPE: Close(); break;
    case wnd::VK_F3:
        if (FindButton->Visible() && FindButton->Enabled())
            FindNextClick();
        break;
    default:
        if (ctrl && key == 'O' && LoadButton->Visible())
            LoadClick();
        else if (ctrl && key == 'S' && SaveButton->Visible())
            SaveClick();
        else if (ctrl && key == 'P' && PrintButton->Visible() && PrintButton->Enabled())
            Print();
        else if (ctrl && key == 'F' && FindButton->Visible() && FindButton->Enabled())
            FindClick();
        else
            Key = key;
    }
    if (Key)
        TForm::KeyDown(Key, Shift);
}

void TfrPreviewForm::DoShow()
{
    if (!m_placementRestored) {
        m_placementRestored = true;
        RestorePlacement();
    }
    TForm::DoShow();
    LayOut();
    GotoPage(m_currentPage);
    if (PBox->CanFocus())
        PBox->SetFocus();
}

void TfrPreviewForm::DoHide()
{
    StorePlacement();
    TForm::DoHide();
}

void TfrPreviewForm::Resize()
{
    TForm::Resize();
    LayOut();
}

std::string TfrPreviewForm::SettingsKey() const
{
    return "Software\\Lumvexa\\Form\\TfrPreviewForm";
}

void TfrPreviewForm::RestorePlacement()
{
    const std::string key = SettingsKey();
    const int left = m_settings->ReadInteger(key, "XPosition", Left());
    const int top = m_settings->ReadInteger(key, "YPosition", Top());
    const int width = m_settings->ReadInteger(key, "Width", Width());
    const int height = m_settings->ReadInteger(key, "Height", Height());
    if (width > 0 && height > 0)
        SetBounds(left, top, width, height);
    SetPosition(ctl::TPosition::poDesigned);
    if (m_settings->ReadBool(key, "Maximized", true))
        wnd::ShowWindow(Handle(), wnd::SW_MAXIMIZE);
}

void TfrPreviewForm::StorePlacement()
{
    const std::string key = SettingsKey();
    const bool maximized = wnd::IsZoomed(Handle());
    const gfx::TRect normal = maximized ? wnd::GetNormalRect(Handle()) : BoundsRect();
    m_settings->WriteInteger(key, "XPosition", normal.Left);
    m_settings->WriteInteger(key, "YPosition", normal.Top);
    m_settings->WriteInteger(key, "Width", normal.Width());
    m_settings->WriteInteger(key, "Height", normal.Height());
    m_settings->WriteBool(key, "Maximized", maximized);
    m_settings->Save();
}

void TfrPreviewForm::ShowError(const std::string& Text)
{
    ctl::MessageBox(Text, "Error", ctl::MB_OK | ctl::MB_ICONERROR);
}

} // namespace report
