#include "platform/controls/TDateTimePicker.h"

#include "platform/controls/StylePainter.h"
#include "platform/controls/TForm.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"
#include "platform/window/Input.h"

#include <algorithm>
#include <cmath>

namespace ctl {
namespace {

constexpr int kCell = 20;
constexpr int kHeader = 22;
constexpr const char* kDayNames[] = { "Su", "Mo", "Tu", "We", "Th", "Fr", "Sa" };

// The column of the month's first day in the calendar's weeks, 0 = Sunday.
int FirstColumn(int year, int month)
{
    return *dt::DayOfWeek(*dt::EncodeDate(year, month, 1)) - 1;
}

} // namespace

// The drop-down month calendar: a borderless form under the picker with the
// month's name, arrows to the previous and next month and the days in weeks.
class TMonthCalendarPopup : public TForm {
public:
    explicit TMonthCalendarPopup(TDateTimePicker& picker) : TForm(nullptr), m_picker(picker)
    {
        SetBorderStyle(TFormBorderStyle::bsNone);
        SetColor(gfx::clWindow);
        SetClientSize(7 * kCell + 2, kHeader + 7 * kCell + 2);
        const dt::TDateParts shown = *dt::DecodeDate(picker.DateTime());
        m_year = shown.Year;
        m_month = shown.Month;
        OnPaint = [this](TObject*) { PaintCalendar(); };
    }

    wnd::LRESULT WndProc(wnd::UINT Msg, wnd::WPARAM WParam, wnd::LPARAM LParam) override
    {
        if (Msg == wnd::WM_ACTIVATE && wnd::LOWORD(WParam) == wnd::WA_INACTIVE) {
            Hide();
            return 0;
        }
        return TForm::WndProc(Msg, WParam, LParam);
    }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TForm::MouseDown(Button, Shift, X, Y);
        if (Button != TMouseButton::mbLeft)
            return;
        if (Y < kHeader) {
            if (X < kCell)
                StepMonth(-1);
            else if (X >= ClientWidth() - kCell)
                StepMonth(1);
            return;
        }
        const int row = (Y - kHeader - kCell) / kCell;
        const int column = (X - 1) / kCell;
        if (Y < kHeader + kCell || column < 0 || column > 6 || row < 0 || row > 5)
            return;
        const int day = row * 7 + column - FirstColumn(m_year, m_month) + 1;
        if (day >= 1 && day <= dt::DaysInMonth(m_year, m_month))
            m_picker.DayPicked(*dt::EncodeDate(m_year, m_month, day));
    }

    bool DialogKey(int Key) override
    {
        if (Key == wnd::VK_ESCAPE) {
            Hide();
            return true;
        }
        return TForm::DialogKey(Key);
    }

private:
    // Pages by a month, no further than the calendar's first and last months.
    void StepMonth(int delta)
    {
        const int index = std::clamp(m_year * 12 + m_month - 1 + delta, 12, 9999 * 12 + 11);
        m_year = index / 12;
        m_month = index % 12 + 1;
        Invalidate();
    }

    void PaintCalendar()
    {
        gfx::TCanvas& c = Canvas();
        gfx::TRect frame = ClientRect();
        gfx::Frame3D(c, frame, gfx::clWindowFrame, gfx::clWindowFrame, 1);
        c.Brush.Style = gfx::TBrushStyle::bsSolid;
        c.Brush.Color = gfx::clActiveCaption;
        c.FillRect(gfx::Rect(1, 1, ClientWidth() - 1, kHeader));
        c.Brush.Style = gfx::TBrushStyle::bsClear;
        c.Font.Color = gfx::clCaptionText;
        gfx::TRect title = gfx::Rect(1, 1, ClientWidth() - 1, kHeader);
        c.DrawText(dt::FormatSettings.LongMonthNames[m_month - 1] + " " + std::to_string(m_year), title,
            gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        gfx::TRect prev = gfx::Rect(1, 1, kCell, kHeader);
        c.DrawText("<", prev, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        gfx::TRect next = gfx::Rect(ClientWidth() - kCell, 1, ClientWidth() - 1, kHeader);
        c.DrawText(">", next, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        c.Font.Color = gfx::clGrayText;
        for (int d = 0; d < 7; ++d) {
            gfx::TRect cell = gfx::Bounds(1 + d * kCell, kHeader, kCell, kCell);
            c.DrawText(kDayNames[d], cell, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        }
        const dt::TDateParts chosen = *dt::DecodeDate(m_picker.DateTime());
        const int offset = FirstColumn(m_year, m_month);
        for (int day = 1; day <= dt::DaysInMonth(m_year, m_month); ++day) {
            const int slot = offset + day - 1;
            gfx::TRect cell = gfx::Bounds(1 + (slot % 7) * kCell, kHeader + kCell + (slot / 7) * kCell, kCell, kCell);
            const bool isChosen = chosen.Year == m_year && chosen.Month == m_month && chosen.Day == day;
            if (isChosen) {
                c.Brush.Style = gfx::TBrushStyle::bsSolid;
                c.Brush.Color = gfx::clHighlight;
                c.FillRect(cell);
                c.Brush.Style = gfx::TBrushStyle::bsClear;
            }
            c.Font.Color = isChosen ? gfx::clHighlightText : gfx::clWindowText;
            c.DrawText(std::to_string(day), cell, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        }
    }

    TDateTimePicker& m_picker;
    int m_year { 2000 };
    int m_month { 1 };
};

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(gfx::clWindow);
    TControl::SetBounds(0, 0, 186, 21);
    m_value = dt::Now();
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::SetDateTime(dt::TDateTime Value)
{
    if (Value == m_value || !dt::HasCalendarDate(Value))
        return;
    m_value = Value;
    Invalidate();
}

dt::TDateTime TDateTimePicker::Date() const
{
    return dt::TDateTime { std::trunc(m_value.value) };
}

void TDateTimePicker::SetDate(dt::TDateTime Value)
{
    SetDateTime(dt::CombineDateTime(Value, m_value));
}

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    m_kind = Value;
    Invalidate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value)
{
    m_dateFormat = Value;
    Invalidate();
}

std::string TDateTimePicker::DisplayText() const
{
    if (m_kind == TDateTimeKind::dtkTime)
        return dt::TimeToStr(m_value);
    if (m_dateFormat == TDTDateFormat::dfLong)
        return dt::FormatDateTime("yyyy年m月d日", m_value);
    return dt::DateToStr(m_value);
}

gfx::TRect TDateTimePicker::ButtonRect() const
{
    const int size = std::max(0, Height() - 4);
    return gfx::Rect(Width() - 2 - size, 2, Width() - 2, Height() - 2);
}

bool TDateTimePicker::DroppedDown() const
{
    return m_popup && m_popup->Visible();
}

void TDateTimePicker::DropDown()
{
    if (!Enabled() || m_kind != TDateTimeKind::dtkDate || DroppedDown())
        return;
    m_popup = std::make_unique<TMonthCalendarPopup>(*this);
    const gfx::TPoint below = ClientToScreen({ 0, Height() });
    m_popup->SetBounds(below.X, below.Y, m_popup->Width(), m_popup->Height());
    m_popup->Show();
}

void TDateTimePicker::CloseUp()
{
    if (m_popup)
        m_popup->Hide();
}

void TDateTimePicker::DayPicked(dt::TDateTime Day)
{
    SetDate(Day);
    CloseUp();
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::EnabledChanged()
{
    if (!Enabled())
        CloseUp();
    TCustomControl::EnabledChanged();
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && ButtonRect().Contains({ X, Y }))
        DroppedDown() ? CloseUp() : DropDown();
}

void TDateTimePicker::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == wnd::VK_DOWN && Shift.Contains(TShiftKind::ssAlt)) || Key == wnd::VK_F4)
        DropDown();
}

void TDateTimePicker::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    gfx::TRect field = ClientRect();
    StylePainter::DrawSunkenField(canvas, field, Enabled() ? Color() : gfx::clBtnFace);
    StylePainter::DrawDropDownButton(canvas, ButtonRect(), Enabled());
    canvas.Font = Font();
    canvas.Brush.Style = gfx::TBrushStyle::bsClear;
    gfx::TRect text = gfx::Rect(field.Left + 2, field.Top, ButtonRect().Left - 1, field.Bottom);
    if (!Enabled())
        canvas.Font.Color = gfx::clGrayText;
    canvas.DrawText(DisplayText(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
    if (Focused() && Enabled())
        canvas.DrawFocusRect(gfx::Inflate(text, 0, -1));
}

} // namespace ctl
