#include "SelfDrawnTestSupport.h"

#include "platform/window/SystemInfo.h"
#include "selfdrawn/TSeSkinComboBox.h"
#include "selfdrawn/TSeSkinListBox.h"
#include "selfdrawn/TSeSkinMemo.h"

using namespace selfdrawn;

// Settings and sizes of zero that would divide by zero have defined results.
class SelfDrawnZeroDivisors : public SelfDrawnTest {
protected:
    ~SelfDrawnZeroDivisors() override { wnd::SetWheelScrollLines(3); }
    void WheelDown(const ctl::TControl& Control) { Harness.Wheel(Middle(Control).X, Middle(Control).Y, -wnd::WHEEL_DELTA); }
};

TEST_F(SelfDrawnZeroDivisors, NoLinesPerWheelNotchLeavesTheMemoAndListStillAndTheComboStepsByOne)
{
    ASSERT_TRUE(wnd::SetWheelScrollLines(0));
    auto* memo = new TSeSkinMemo(form.get());
    memo->SetBounds(10, 10, 150, 60);
    memo->SetParent(form.get());
    std::string lines = "0";
    for (int i = 1; i < 30; ++i)
        lines += "\n" + std::to_string(i);
    memo->SetText(lines);
    Ctrl(wnd::VK_HOME);
    WheelDown(*memo);
    EXPECT_EQ(memo->TopLine(), 0);

    auto* list = new TSeSkinListBox(form.get());
    list->SetBounds(10, 100, 150, 50);
    list->SetParent(form.get());
    for (int i = 0; i < 20; ++i)
        list->Items().Add("item " + std::to_string(i));
    list->SetFocus();
    WheelDown(*list);
    EXPECT_EQ(list->TopIndex(), 0);

    auto* combo = new TSeSkinComboBox(form.get());
    combo->SetBounds(200, 10, 150, 21);
    combo->SetParent(form.get());
    combo->Items().Add("工作");
    combo->Items().Add("生活");
    combo->Items().Add("学习");
    combo->SetComboStyle(TSeComboStyle::kcsDropDownList);
    combo->SetFocus();
    WheelDown(*combo);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(SelfDrawnZeroDivisors, ItemHeightOfZeroBecomesOnePixel)
{
    auto* list = new TSeSkinListBox(form.get());
    list->SetBounds(10, 10, 150, 50);
    list->SetParent(form.get());
    list->Items().Add("a");
    list->Items().Add("b");
    list->SetItemHeight(0);
    EXPECT_EQ(list->ItemHeight(), 1);
    const gfx::TPoint p = At(*list, 20, 25);
    EXPECT_NO_THROW(Harness.Click(p.X, p.Y));
}
