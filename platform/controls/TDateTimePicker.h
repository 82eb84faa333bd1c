#pragma once

#include "platform/controls/TCustomControl.h"
#include "platform/time/TDateTime.h"

#include <memory>

namespace ctl {

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };

class TForm;

// Shows a date (or a time) in a sunken field with a drop-down button. When
// enabled, the button (or Alt+Down) opens a month calendar below the field;
// picking a day sets the date and runs OnChange. Disabled, it shows the value
// greyed and does not open. A moment without a calendar date is not taken.
class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    dt::TDateTime DateTime() const { return m_value; }
    void SetDateTime(dt::TDateTime Value);
    dt::TDateTime Date() const;
    void SetDate(dt::TDateTime Value);
    TDateTimeKind Kind() const { return m_kind; }
    void SetKind(TDateTimeKind Value);
    TDTDateFormat DateFormat() const { return m_dateFormat; }
    void SetDateFormat(TDTDateFormat Value);

    // The text the field shows for the current value.
    std::string DisplayText() const;
    bool DroppedDown() const;
    void DropDown();
    void CloseUp();

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void EnabledChanged() override;

private:
    friend class TMonthCalendarPopup;
    gfx::TRect ButtonRect() const;
    void DayPicked(dt::TDateTime Day);

    dt::TDateTime m_value;
    TDateTimeKind m_kind { TDateTimeKind::dtkDate };
    TDTDateFormat m_dateFormat { TDTDateFormat::dfShort };
    std::unique_ptr<TForm> m_popup;
};

} // namespace ctl
