#pragma once

#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TStrings.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace ctl {

class TMemoLines;

// A multi-line text box. Enter starts a new line, Up/Down/PageUp/PageDown
// move between display lines, and with WordWrap long lines wrap at blanks
// (or between CJK characters, or anywhere when one word is too long).
// The text scrolls vertically by display lines and, when it does not wrap,
// horizontally by pixels; it draws no scroll bar of its own: TopLine,
// LineCount and VisibleLineCount, LeftOffset and ContentWidth are the scroll
// state separate scroll bars show, and OnScroll tells them when the
// position changed. Shift with the wheel scrolls sideways.
// Text uses CR LF between lines.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    // The text as lines (paragraphs, not display lines).
    TStrings& Lines();

    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);

    // Display lines after wrapping.
    int LineCount() const;
    int VisibleLineCount() const;
    int TopLine() const { return m_topLine; }
    // Clamped to 0 .. LineCount() - VisibleLineCount().
    void SetTopLine(int Value);
    int MaxTopLine() const { return std::max(0, LineCount() - VisibleLineCount()); }
    // Width of the widest display line in pixels, and of the text area.
    int ContentWidth() const;
    int ViewWidth() const { return TextArea().Width(); }
    // Pixels the text is scrolled to the left; clamped to 0 .. MaxLeftOffset(),
    // which leaves room for the caret after the widest line.
    int LeftOffset() const { return m_leftOffset; }
    void SetLeftOffset(int Value);
    int MaxLeftOffset() const { return std::max(0, ContentWidth() + 1 - ViewWidth()); }
    // Runs when TopLine, LineCount or VisibleLineCount changed.
    TNotifyEvent OnScroll;

protected:
    gfx::TPoint CaretPoint(int Index) const override;
    int IndexAt(int X, int Y) const override;
    void ScrollToCaret() override;
    void PaintText(gfx::TCanvas& Canvas) override;
    bool MultiLine() const override { return true; }
    int VerticalTarget(int Key) const override;
    int LineStartOf(int Index) const override;
    int LineEndOf(int Index) const override;
    void LayoutChanged() override;
    void FontChanged() override;
    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override;
    // The scroll state changed; runs OnScroll.
    virtual void ScrollChanged();

private:
    struct DisplayLine {
        int start; // first character
        int end; // one past the last character shown
        bool wrapped; // the paragraph continues on the next display line
    };

    void EnsureLayout() const;
    // Wraps the paragraphs of the text from Start (a paragraph start) to the
    // paragraph that ends at Last (a line break, or the end of the text).
    void WrapParagraphs(std::size_t Start, std::size_t Last, int Width) const;
    // Wraps again only the paragraphs that differ from the text laid out
    // before; the display lines of the others are kept (moved when the
    // change before them altered the length).
    void RewrapChangedParagraphs(int Width) const;
    void WrapParagraph(int Start, int End, int Width) const;
    int CharWidth(char32_t C) const;
    int LineOf(int Index) const;
    int XInLine(int Line, int Index) const;
    int IndexInLine(int Line, int X) const;
    void NotifyScroll();

    std::unique_ptr<TMemoLines> m_lines;
    bool m_wordWrap { true };
    int m_topLine { 0 };
    int m_leftOffset { 0 };
    mutable int m_contentWidth { -1 };
    struct ScrollState {
        int top { -1 }, count { -1 }, visible { -1 }, left { -1 };
        bool operator==(const ScrollState&) const = default;
    };
    ScrollState m_notified;
    mutable std::vector<DisplayLine> m_display;
    mutable bool m_layoutValid { false };
    // What m_display was built from: a text change re-wraps only what differs.
    mutable std::u32string m_laidOutText;
    mutable int m_laidOutWidth { -1 };
    mutable std::unordered_map<char32_t, int> m_widths;
};

} // namespace ctl
