#include "Headless.h"

#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TForm.h"
#include "platform/time/Calendar.h"

#include <limits>
#include <memory>

using namespace ctl;

namespace {

// The calendar's geometry: a 22-pixel title with the month arrows, a row of
// day names, then weeks of 20-pixel cells inside a 1-pixel frame.
constexpr int kCell = 20;
constexpr int kTitle = 22;

class DateTimePicker : public HeadlessTest {
protected:
    DateTimePicker()
    {
        form->SetClientSize(300, 300);
        picker->SetBounds(10, 10, 186, 21);
        picker->SetParent(form.get());
        picker->OnChange = [this](TObject*) { ++changes; };
        form->Show();
    }

    // Where the open calendar shows `day` of the given month.
    gfx::TPoint DayCell(int year, int month, int day) const
    {
        const int slot = *dt::DayOfWeek(*dt::EncodeDate(year, month, 1)) - 1 + day - 1;
        const gfx::TPoint origin = CalendarOrigin();
        return { origin.X + 1 + (slot % 7) * kCell + kCell / 2, origin.Y + kTitle + kCell + (slot / 7) * kCell + kCell / 2 };
    }
    gfx::TPoint PreviousMonth() const { return { CalendarOrigin().X + kCell / 2, CalendarOrigin().Y + kTitle / 2 }; }
    gfx::TPoint NextMonth() const { return { CalendarOrigin().X + 7 * kCell - kCell / 2, CalendarOrigin().Y + kTitle / 2 }; }

    static dt::TDateTime At(int year, int month, int day, int hour = 0, int minute = 0)
    {
        return *dt::EncodeDateTime({ year, month, day }, { hour, minute, 0, 0 });
    }

    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TDateTimePicker* picker { new TDateTimePicker(form.get()) };
    int changes { 0 };

private:
    gfx::TPoint CalendarOrigin() const { return picker->ClientToScreen({ 0, picker->Height() }); }
};

TEST_F(DateTimePicker, PickingADayKeepsTheTimeOfDayAndEveryDropDownShowsTheCurrentMonth)
{
    picker->SetDateTime(At(2024, 2, 10, 15, 30));
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    Click(DayCell(2024, 2, 29));
    EXPECT_EQ(picker->DateTime(), At(2024, 2, 29, 15, 30));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->DisplayText(), "2024-2-29");

    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    Click(NextMonth());
    Click(DayCell(2024, 3, 1));
    EXPECT_EQ(picker->DateTime(), At(2024, 3, 1, 15, 30));
    EXPECT_EQ(changes, 2);

    // The form goes with its calendar still open; the calendar goes with it.
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    form.reset();
}

TEST_F(DateTimePicker, TheCalendarPagesNoFurtherThanTheYears1To9999)
{
    picker->SetDateTime(At(9999, 11, 15));
    picker->DropDown();
    for (int i = 0; i < 3; ++i)
        Click(NextMonth());
    Click(DayCell(9999, 12, 31));
    EXPECT_EQ(picker->DateTime(), At(9999, 12, 31));

    picker->SetDateTime(At(1, 2, 10));
    picker->DropDown();
    for (int i = 0; i < 3; ++i)
        Click(PreviousMonth());
    Click(DayCell(1, 1, 1));
    EXPECT_EQ(picker->DateTime(), At(1, 1, 1));
    EXPECT_EQ(changes, 2);
}

TEST_F(DateTimePicker, MomentsWithoutACalendarDateAreNotTaken)
{
    picker->SetDateTime(At(2007, 3, 9, 8, 5));
    for (double outside : { std::numeric_limits<double>::quiet_NaN(), 1e300, -1e7 })
        picker->SetDateTime(dt::TDateTime { outside });
    EXPECT_EQ(picker->DateTime(), At(2007, 3, 9, 8, 5));
    EXPECT_EQ(picker->DisplayText(), "2007-3-9");
    picker->SetKind(TDateTimeKind::dtkTime);
    EXPECT_EQ(picker->DisplayText(), "8:05:00");
    picker->SetKind(TDateTimeKind::dtkDate);
    picker->SetDateFormat(TDTDateFormat::dfLong);
    EXPECT_EQ(picker->DisplayText(), "2007年3月9日");
}

} // namespace
