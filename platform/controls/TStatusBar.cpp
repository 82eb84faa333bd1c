#include "platform/controls/TStatusBar.h"

#include "platform/controls/TForm.h"
#include "platform/graphics/EdgePainter.h"

namespace ctl {
namespace {

constexpr int kPanelGap = 2;
constexpr int kTextInset = 3;

} // namespace

void TStatusPanel::SetWidth(int Value)
{
    m_width = Value;
    m_owner->PanelChanged();
}

void TStatusPanel::SetText(const std::string& Value)
{
    if (Value == m_text)
        return;
    m_text = Value;
    m_owner->PanelChanged();
}

TStatusPanel* TStatusPanels::Add()
{
    m_panels.push_back(std::make_unique<TStatusPanel>(*m_owner));
    m_owner->PanelChanged();
    return m_panels.back().get();
}

TStatusPanel* TStatusPanels::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("Status panel index out of bounds (" + std::to_string(Index) + ")");
    return m_panels[static_cast<std::size_t>(Index)].get();
}

void TStatusPanels::Clear()
{
    m_panels.clear();
    m_owner->PanelChanged();
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), m_panels(*this)
{
    TControl::SetBounds(0, 0, 200, 19);
    SetAlign(TAlign::alBottom);
}

void TStatusBar::PanelChanged()
{
    Invalidate();
}

gfx::TRect TStatusBar::PanelRect(int Index) const
{
    int left = 0;
    for (int i = 0; i < Index; ++i)
        left += m_panels.Items(i)->Width();
    const int width = m_panels.Items(Index)->Width();
    return gfx::Rect(left, kPanelGap, left + width - kPanelGap, Height());
}

void TStatusBar::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    canvas.Font = Font();
    for (int i = 0; i < m_panels.Count(); ++i) {
        gfx::TRect r = PanelRect(i);
        gfx::Frame3D(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight, 1);
        canvas.Brush.Style = gfx::TBrushStyle::bsClear;
        gfx::TRect text = gfx::Rect(r.Left + kTextInset - 1, r.Top, r.Right, r.Bottom);
        canvas.DrawText(m_panels[i]->Text(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    }
    const TForm* form = GetParentForm();
    if (SizeGrip && form && form->BorderStyle() == TFormBorderStyle::bsSizeable) {
        // Three diagonal ridges in the bottom right corner.
        const int right = Width() - 1;
        const int bottom = Height() - 1;
        for (int k = 0; k < 3; ++k) {
            const int d = 3 + k * 4;
            for (int i = 0; i < d; ++i) {
                canvas.Pixels(right - i, bottom - d + i, gfx::clBtnShadow);
                canvas.Pixels(right - i, bottom - d + i + 1, gfx::clBtnHighlight);
            }
        }
    }
}

} // namespace ctl
