#include "platform/controls/TTreeView.h"

#include "platform/controls/StylePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>

namespace ctl {
namespace {

constexpr int kSingleBorder = 2;
constexpr int kTextGap = 3;

} // namespace

TTreeView::TTreeView(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    TControl::SetBounds(0, 0, 121, 97);
    m_items.OnChange = [this] { NodesChanged(); };
    m_items.OnSelect = [this](TTreeNode* node) { SelectionChanged(node); };
}

void TTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == m_images)
        SetImages(nullptr);
    TCustomControl::Notification(AComponent, Operation);
}

void TTreeView::SetImages(TImageList* Value)
{
    if (m_images)
        m_images->RemoveFreeNotification(this);
    m_images = Value;
    if (m_images)
        m_images->FreeNotification(this);
    NodesChanged();
}

void TTreeView::SetIndent(int Value)
{
    if (Value < 0)
        return;
    m_indent = Value;
    m_contentWidth = -1;
    Invalidate();
}

void TTreeView::SetShowButtons(bool Value)
{
    m_showButtons = Value;
    Invalidate();
}

void TTreeView::SetShowLines(bool Value)
{
    m_showLines = Value;
    Invalidate();
}

void TTreeView::SetShowRoot(bool Value)
{
    m_showRoot = Value;
    m_contentWidth = -1;
    Invalidate();
}

void TTreeView::SetHideSelection(bool Value)
{
    m_hideSelection = Value;
    Invalidate();
}

void TTreeView::SetScrollBars(bool Value)
{
    m_scroll.SetEnabled(Value);
    Invalidate();
}

void TTreeView::SetBorderStyle(TBorderStyle Value)
{
    if (Value == m_borderStyle)
        return;
    m_borderStyle = Value;
    // The rows gain or lose the border's width: the page and scroll range change.
    UpdateScroll();
    Invalidate();
}

void TTreeView::SetSelected(TTreeNode* Node)
{
    m_items.SetSelected(Node);
}

int TTreeView::RowHeight() const
{
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas canvas(scratch);
    canvas.Font = Font();
    const int text = canvas.TextHeight("Wg");
    const int image = m_images ? m_images->Height() : 0;
    return std::max(text, image) + 2;
}

int TTreeView::BorderWidth() const
{
    return m_borderStyle == TBorderStyle::bsSingle ? kSingleBorder : 0;
}

gfx::TRect TTreeView::FieldRect() const
{
    return gfx::Inflate(ClientRect(), -BorderWidth(), -BorderWidth());
}

gfx::TRect TTreeView::RowsRect() const
{
    return m_scroll.RowsRect(FieldRect());
}

int TTreeView::PageRows() const
{
    return std::max(1, FieldRect().Height() / RowHeight());
}

int TTreeView::VisibleNodeCount() const
{
    int count = 0;
    for (TTreeNode* n = m_items.GetFirstNode(); n; n = n->GetNextVisible())
        ++count;
    return count;
}

void TTreeView::UpdateScroll()
{
    const int before = m_scroll.Position();
    const int beforeLeft = m_leftOffset;
    m_contentWidth = -1;
    m_scroll.SetRange(VisibleNodeCount(), PageRows());
    m_leftOffset = std::clamp(m_leftOffset, 0, MaxLeftOffset());
    if ((m_scroll.Position() != before || m_leftOffset != beforeLeft) && OnScroll)
        OnScroll(this);
}

int TTreeView::LabelEnd(const TTreeNode* Node, gfx::TCanvas& Measure) const
{
    const int image = m_images ? m_images->Width() + kTextGap : 0;
    return UnscrolledNodeLeft(Node) + image + Measure.TextWidth(Node->Text()) + 4;
}

int TTreeView::ContentWidth() const
{
    if (m_contentWidth < 0) {
        gfx::TBitmap scratch(1, 1);
        gfx::TCanvas measure(scratch);
        measure.Font = Font();
        const int rowsLeft = RowsRect().Left;
        m_contentWidth = 0;
        for (TTreeNode* n = m_items.GetFirstNode(); n; n = n->GetNextVisible())
            m_contentWidth = std::max(m_contentWidth, LabelEnd(n, measure) - rowsLeft);
    }
    return m_contentWidth;
}

void TTreeView::SetLeftOffset(int Value)
{
    Value = std::clamp(Value, 0, MaxLeftOffset());
    if (Value == m_leftOffset)
        return;
    m_leftOffset = Value;
    Invalidate();
    if (OnScroll)
        OnScroll(this);
}

void TTreeView::SetTopIndex(int Value)
{
    if (!m_scroll.SetPosition(Value))
        return;
    Invalidate();
    if (OnScroll)
        OnScroll(this);
}

void TTreeView::NodesChanged()
{
    UpdateScroll();
    Invalidate();
}

void TTreeView::Resize()
{
    UpdateScroll();
    TCustomControl::Resize();
}

void TTreeView::FontChanged()
{
    m_contentWidth = -1;
    UpdateScroll();
    TCustomControl::FontChanged();
}

void TTreeView::SelectionChanged(TTreeNode* Node)
{
    UpdateScroll();
    MakeVisible(Node);
    Invalidate();
    if (OnChange)
        OnChange(this, Node);
}

TTreeNode* TTreeView::NodeOfRow(int Row) const
{
    if (Row < 0)
        return nullptr;
    TTreeNode* n = m_items.GetFirstNode();
    for (int i = 0; n && i < Row; ++i)
        n = n->GetNextVisible();
    return n;
}

int TTreeView::RowOf(const TTreeNode* Node) const
{
    if (!Node || !Node->IsVisible())
        return -1;
    int row = 0;
    for (TTreeNode* n = m_items.GetFirstNode(); n; n = n->GetNextVisible(), ++row)
        if (n == Node)
            return row;
    return -1;
}

void TTreeView::MakeVisible(const TTreeNode* Node)
{
    const int row = RowOf(Node);
    if (row < 0)
        return;
    if (row < TopIndex())
        SetTopIndex(row);
    else if (row >= TopIndex() + PageRows())
        SetTopIndex(row - PageRows() + 1);
    // Across, the node's button, image and label come into view, its start first.
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas measure(scratch);
    measure.Font = Font();
    const int rowsLeft = RowsRect().Left;
    const int start = std::max(0, UnscrolledNodeLeft(Node) - m_indent - 1 - rowsLeft);
    const int end = LabelEnd(Node, measure) - rowsLeft;
    int left = m_leftOffset;
    if (end - left > ViewWidth())
        left = std::min(start, end - ViewWidth());
    if (start < left)
        left = start;
    SetLeftOffset(left);
}

gfx::TRect TTreeView::NodeRect(const TTreeNode* Node) const
{
    const int row = RowOf(Node);
    const gfx::TRect rows = RowsRect();
    const int top = rows.Top + (row - TopIndex()) * RowHeight();
    return gfx::Rect(rows.Left, top, rows.Right, top + RowHeight());
}

int TTreeView::UnscrolledNodeLeft(const TTreeNode* Node) const
{
    const int depth = Node->Level() + (m_showRoot ? 1 : 0);
    return RowsRect().Left + depth * m_indent + 1;
}

int TTreeView::NodeLeft(const TTreeNode* Node) const
{
    return UnscrolledNodeLeft(Node) - m_leftOffset;
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const
{
    const gfx::TRect rows = RowsRect();
    if (!rows.Contains({ X, Y }))
        return nullptr;
    return NodeOfRow(TopIndex() + (Y - rows.Top) / RowHeight());
}

bool TTreeView::OnButton(const TTreeNode* Node, int X) const
{
    if (!m_showButtons || !Node->HasChildren() || (Node->Level() == 0 && !m_showRoot))
        return false;
    const int centre = NodeLeft(Node) - m_indent / 2 - 1;
    return X >= centre - 6 && X <= centre + 6;
}

void TTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    bool changed = false;
    const bool onBar = m_scroll.MouseDown(Button == TMouseButton::mbLeft, { X, Y }, FieldRect(), changed);
    if (changed) {
        Invalidate();
        if (OnScroll)
            OnScroll(this);
    }
    m_lastDown = { X, Y };
    if (!onBar && Button == TMouseButton::mbLeft) {
        if (TTreeNode* node = GetNodeAt(X, Y)) {
            if (OnButton(node, X))
                node->SetExpanded(!node->Expanded());
            else if (X >= NodeLeft(node) - m_indent / 2 + 6)
                SetSelected(node);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTreeView::MouseMove(TShiftState Shift, int X, int Y)
{
    bool changed = false;
    if (m_scroll.MouseMove({ X, Y }, FieldRect(), changed) && changed) {
        Invalidate();
        if (OnScroll)
            OnScroll(this);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    m_scroll.MouseUp();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTreeView::DblClick()
{
    // A double click on a branch's label opens or closes it.
    const gfx::TPoint p = m_lastDown;
    if (TTreeNode* node = GetNodeAt(p.X, p.Y); node && node->HasChildren() && !OnButton(node, p.X))
        node->SetExpanded(!node->Expanded());
    TCustomControl::DblClick();
}

wnd::LRESULT TTreeView::WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam)
{
    if (Msg == wnd::WM_MOUSEWHEEL) {
        if (wnd::LOWORD(WParam) & wnd::MK_SHIFT)
            SetLeftOffset(m_leftOffset - wnd::GET_WHEEL_DELTA_WPARAM(WParam) / wnd::WHEEL_DELTA * 3 * m_indent);
        else
            SetTopIndex(m_scroll.WheelPosition(WParam));
        return 0;
    }
    // A click on the scroll bar is no click on the tree.
    if (Msg == wnd::WM_LBUTTONUP && m_scroll.EndPress())
        CancelClick();
    return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TTreeView::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    TTreeNode* node = Selected();
    if (!node) {
        if (Key == wnd::VK_DOWN || Key == wnd::VK_HOME || Key == wnd::VK_UP)
            SetSelected(m_items.GetFirstNode());
        return;
    }
    switch (Key) {
    case wnd::VK_UP:
        if (TTreeNode* prev = node->GetPrevVisible())
            SetSelected(prev);
        break;
    case wnd::VK_DOWN:
        if (TTreeNode* next = node->GetNextVisible())
            SetSelected(next);
        break;
    case wnd::VK_LEFT:
        if (node->Expanded() && node->HasChildren())
            node->Collapse(false);
        else if (node->Parent())
            SetSelected(node->Parent());
        break;
    case wnd::VK_RIGHT:
        if (!node->HasChildren())
            break;
        if (!node->Expanded())
            node->Expand(false);
        else
            SetSelected(node->GetFirstChild());
        break;
    case wnd::VK_HOME:
        SetSelected(m_items.GetFirstNode());
        break;
    case wnd::VK_END:
        SetSelected(NodeOfRow(VisibleNodeCount() - 1));
        break;
    case wnd::VK_PRIOR:
        SetSelected(NodeOfRow(std::max(0, RowOf(node) - PageRows() + 1)));
        break;
    case wnd::VK_NEXT:
        SetSelected(NodeOfRow(std::min(VisibleNodeCount() - 1, RowOf(node) + PageRows() - 1)));
        break;
    default:
        break;
    }
}

void TTreeView::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TTreeView::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

void TTreeView::PaintLines(gfx::TCanvas& Canvas, const TTreeNode* Node, const gfx::TRect& Row) const
{
    auto dottedV = [&](int x, int top, int bottom) {
        for (int y = top + ((top + x) & 1); y < bottom; y += 2)
            Canvas.Pixels(x, y, gfx::clGray);
    };
    auto dottedH = [&](int left, int right, int y) {
        for (int x = left + ((left + y) & 1); x < right; x += 2)
            Canvas.Pixels(x, y, gfx::clGray);
    };
    const int midY = (Row.Top + Row.Bottom) / 2;
    const bool rootLevelLine = Node->Level() > 0 || m_showRoot;
    if (rootLevelLine) {
        const int x = NodeLeft(Node) - m_indent / 2 - 1;
        dottedH(x, NodeLeft(Node) - 1, midY);
        const bool hasAbove = Node->GetPrevSibling() || Node->Parent();
        dottedV(x, hasAbove ? Row.Top : midY, Node->GetNextSibling() ? Row.Bottom : midY);
    }
    // Lines of the ancestors that have siblings further down pass through this row.
    for (const TTreeNode* a = Node->Parent(); a; a = a->Parent()) {
        if (a->Level() == 0 && !m_showRoot)
            break;
        if (a->GetNextSibling())
            dottedV(NodeLeft(a) - m_indent / 2 - 1, Row.Top, Row.Bottom);
    }
}

void TTreeView::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect field = FieldRect();
    if (m_borderStyle == TBorderStyle::bsSingle) {
        StylePainter::DrawSunkenField(canvas, ClientRect(), Color());
    } else {
        canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
        canvas.Brush.Color = Color();
        canvas.FillRect(field);
    }
    if (m_scroll.Shown())
        m_scroll.Paint(canvas, field);
    const gfx::TRect rows = RowsRect();
    const std::optional<gfx::TRegion> savedClip = canvas.ClipRegion();
    canvas.IntersectClipRect(rows);
    const int rowHeight = RowHeight();
    TTreeNode* node = NodeOfRow(TopIndex());
    for (int top = rows.Top; node && top < rows.Bottom; top += rowHeight, node = node->GetNextVisible()) {
        const gfx::TRect row = gfx::Rect(rows.Left, top, rows.Right, top + rowHeight);
        if (m_showLines)
            PaintLines(canvas, node, row);
        const int midY = top + rowHeight / 2;
        if (m_showButtons && node->HasChildren() && (node->Level() > 0 || m_showRoot))
            StylePainter::DrawExpandButton(canvas, NodeLeft(node) - m_indent / 2 - 1, midY, node->Expanded());
        int x = NodeLeft(node);
        if (m_images) {
            const int index = node->Selected() ? node->SelectedIndex() : node->ImageIndex();
            m_images->Draw(canvas, x, top + (rowHeight - m_images->Height()) / 2, index, Enabled());
            x += m_images->Width() + kTextGap;
        }
        canvas.Font = Font();
        const int textWidth = canvas.TextWidth(node->Text());
        gfx::TRect label = gfx::Rect(x, top, x + textWidth + 4, top + rowHeight);
        const bool showSelected = node->Selected() && (Focused() || !m_hideSelection);
        if (showSelected) {
            canvas.Brush.Style = gfx::TBrushStyle::bsSolid;
            canvas.Brush.Color = Focused() ? gfx::clHighlight : gfx::clBtnFace;
            canvas.FillRect(label);
            canvas.Font.Color = Focused() ? gfx::clHighlightText : Font().Color;
        } else if (!Enabled()) {
            canvas.Font.Color = gfx::clGrayText;
        }
        canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect text = gfx::Rect(label.Left + 2, label.Top, label.Right, label.Bottom);
        canvas.DrawText(node->Text(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
        if (showSelected && Focused())
            canvas.DrawFocusRect(label);
    }
    if (savedClip)
        canvas.SetClipRegion(*savedClip);
    else
        canvas.ClearClipRegion();
}

} // namespace ctl
