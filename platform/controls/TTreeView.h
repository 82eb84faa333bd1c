#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/controls/TImageList.h"
#include "platform/controls/TScrollBarPart.h"
#include "platform/controls/TTreeNodes.h"

namespace ctl {

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

// Whether a control draws its sunken 2-pixel border (bsSingle) or none,
// leaving its whole client area to its content (bsNone).
enum class TBorderStyle { bsNone, bsSingle };

// A tree of labelled nodes with images, indented by level, with [+]/[-]
// buttons for branches and dotted lines between siblings. A click selects
// the node under the pointer (or opens/closes a branch on its button) and
// then runs OnClick, wherever it lands; the arrow keys walk the shown nodes
// (Left/Right close and open branches). Rows that do not fit scroll.
class TTreeView : public TCustomControl {
public:
    explicit TTreeView(TComponent* AOwner);

    TTreeNodes& Items() { return m_items; }
    const TTreeNodes& Items() const { return m_items; }
    TTreeNode* Selected() const { return m_items.Selected(); }
    void SetSelected(TTreeNode* Node);

    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* Value);
    int Indent() const { return m_indent; }
    void SetIndent(int Value);
    bool ShowButtons() const { return m_showButtons; }
    void SetShowButtons(bool Value);
    bool ShowLines() const { return m_showLines; }
    void SetShowLines(bool Value);
    bool ShowRoot() const { return m_showRoot; }
    void SetShowRoot(bool Value);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool Value);
    // Without a border (bsNone) the rows use the whole client area and the
    // tree paints no frame, for a container that draws its own.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // Labels cannot be edited here in any case; kept for the forms that set it.
    bool ReadOnly { false };
    // Whether the tree draws its own scroll bar when the rows do not fit
    // (a skinned tree turns it off and shows a scroll bar of its own).
    bool ScrollBars() const { return m_scroll.Enabled(); }
    void SetScrollBars(bool Value);

    // Scroll state by rows: the nodes shown (all ancestors expanded), the
    // first one in view and how many fit completely.
    int VisibleNodeCount() const;
    int TopIndex() const { return m_scroll.Position(); }
    void SetTopIndex(int Value);
    int PageRows() const;
    int RowHeight() const;
    // Horizontal scroll state in pixels: the width the shown rows need (up to
    // the end of the widest label), the width of the rows' area, and how far
    // the rows are scrolled to the left (0 .. MaxLeftOffset()). Shift with the
    // wheel scrolls sideways; a selected node is brought into view.
    int ContentWidth() const;
    int ViewWidth() const { return RowsRect().Width(); }
    int LeftOffset() const { return m_leftOffset; }
    void SetLeftOffset(int Value);
    int MaxLeftOffset() const { return std::max(0, ContentWidth() - ViewWidth()); }

    TTreeNode* GetNodeAt(int X, int Y) const;
    // The row of a node among the shown ones, -1 when it is hidden.
    int RowOf(const TTreeNode* Node) const;
    // The rectangle of a node's row in client coordinates (whole width).
    gfx::TRect NodeRect(const TTreeNode* Node) const;

    TTVChangedEvent OnChange;
    // Runs after the scroll position changed (for external scroll bars).
    TNotifyEvent OnScroll;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    unsigned WantedKeys() const override { return DLGC_WANTARROWS; }
    void KeyDown(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void Resize() override;
    void FontChanged() override;
    void DoEnter() override;
    void DoExit() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;

private:
    int BorderWidth() const;
    gfx::TRect FieldRect() const;
    gfx::TRect RowsRect() const;
    // Left edge of a node's image (or label when there are no images), as
    // shown, and where it lies in the unscrolled rows.
    int NodeLeft(const TTreeNode* Node) const;
    int UnscrolledNodeLeft(const TTreeNode* Node) const;
    // Where a node's label ends in the unscrolled rows.
    int LabelEnd(const TTreeNode* Node, gfx::TCanvas& Measure) const;
    TTreeNode* NodeOfRow(int Row) const;
    bool OnButton(const TTreeNode* Node, int X) const;
    void NodesChanged();
    void SelectionChanged(TTreeNode* Node);
    void MakeVisible(const TTreeNode* Node);
    void UpdateScroll();
    void PaintLines(gfx::TCanvas& Canvas, const TTreeNode* Node, const gfx::TRect& Row) const;

    TTreeNodes m_items;
    TImageList* m_images { nullptr };
    int m_indent { 19 };
    bool m_showButtons { true };
    bool m_showLines { true };
    bool m_showRoot { true };
    bool m_hideSelection { true };
    TBorderStyle m_borderStyle { TBorderStyle::bsSingle };
    TScrollBarPart m_scroll;
    gfx::TPoint m_lastDown;
    int m_leftOffset { 0 };
    mutable int m_contentWidth { -1 };
};

} // namespace ctl
