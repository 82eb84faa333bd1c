#include "Headless.h"

#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPanel.h"
#include "platform/controls/TSplitter.h"
#include "platform/controls/TStatusBar.h"
#include "platform/controls/TTimer.h"
#include "platform/time/Calendar.h"

#include <memory>

using namespace ctl;

namespace {

// The frame of the main window: tool bar, status bar, category bar, splitter
// and the note panel with its title area, splitter and body area.
struct MainWindow {
    std::unique_ptr<TForm> form { std::make_unique<TForm>(nullptr) };
    TPanel* toolBar { new TPanel(form.get()) };
    TPanel* categoryBar { new TPanel(form.get()) };
    TSplitter* splitter { new TSplitter(form.get()) };
    TPanel* panel1 { new TPanel(form.get()) };
    TPanel* panel2 { new TPanel(form.get()) };
    TSplitter* splitter1 { new TSplitter(form.get()) };
    TPanel* panel3 { new TPanel(form.get()) };
    TStatusBar* statusBar { new TStatusBar(form.get()) };
    TDateTimePicker* picker { new TDateTimePicker(form.get()) };

    MainWindow()
    {
        form->SetCaption("Veltrin");
        form->SetClientSize(738, 505);
        // Added in an order unlike the layout on purpose: the alignment order decides.
        Add(panel1, TAlign::alClient, form.get(), gfx::Bounds(0, 0, 100, 100));
        Add(statusBar, TAlign::alBottom, form.get(), gfx::Bounds(0, 480, 738, 24));
        Add(splitter, TAlign::alLeft, form.get(), gfx::Bounds(150, 25, 9, 400));
        Add(categoryBar, TAlign::alLeft, form.get(), gfx::Bounds(0, 25, 150, 400));
        Add(toolBar, TAlign::alTop, form.get(), gfx::Bounds(0, 0, 738, 25));
        toolBar->SetBevelOuter(TPanelBevel::bvNone);
        categoryBar->SetBevelOuter(TPanelBevel::bvNone);
        splitter->SetBeveled(true);
        Add(panel2, TAlign::alTop, panel1, gfx::Bounds(1, 1, 577, 153));
        Add(splitter1, TAlign::alTop, panel1, gfx::Bounds(1, 200, 577, 8));
        splitter1->SetBeveled(true);
        Add(panel3, TAlign::alClient, panel1, {});
        for (int width : { 50, 150, 130, 130, 120 })
            statusBar->Panels().Add()->SetWidth(width);
        picker->SetBounds(451, 11, 113, 26);
        picker->SetEnabled(false);
        picker->SetDateTime(*dt::EncodeDateTime({ 2007, 3, 9 }, { 10, 0, 0, 0 }));
        picker->SetParent(panel2);
        form->Show();
    }

    static void Add(TControl* c, TAlign align, TWinControl* parent, gfx::TRect bounds)
    {
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        c->SetAlign(align);
        c->SetParent(parent);
    }
};

} // namespace

using MainWindowLayoutTest = HeadlessTest;

TEST_F(MainWindowLayoutTest, NestedPanelsTakeTheDesignedPositions)
{
    MainWindow w;
    EXPECT_EQ(w.toolBar->BoundsRect(), gfx::Bounds(0, 0, 738, 25));
    EXPECT_EQ(w.statusBar->BoundsRect(), gfx::Bounds(0, 481, 738, 24));
    EXPECT_EQ(w.categoryBar->BoundsRect(), gfx::Bounds(0, 25, 150, 456));
    EXPECT_EQ(w.splitter->BoundsRect(), gfx::Bounds(150, 25, 9, 456));
    EXPECT_EQ(w.panel1->BoundsRect(), gfx::Bounds(159, 25, 579, 456));
    // Inside Panel1's raised bevel.
    EXPECT_EQ(w.panel2->BoundsRect(), gfx::Bounds(1, 1, 577, 153));
    EXPECT_EQ(w.splitter1->BoundsRect(), gfx::Bounds(1, 154, 577, 8));
    EXPECT_EQ(w.panel3->BoundsRect(), gfx::Bounds(1, 162, 577, 293));
    // Status panels from x 0: panel 4 runs from 460 to 580.
    EXPECT_EQ(w.statusBar->PanelRect(4).Left, 460);

    // Sizing the window re-lays everything out.
    w.form->SetClientSize(838, 605);
    EXPECT_EQ(w.statusBar->Top(), 581);
    EXPECT_EQ(w.panel1->BoundsRect(), gfx::Bounds(159, 25, 679, 556));
    EXPECT_EQ(w.panel3->Height(), 393);
}

TEST_F(MainWindowLayoutTest, SplitterResizesItsNeighbourOnRelease)
{
    MainWindow w;
    const gfx::TPoint from = w.splitter->ClientToScreen({ 4, 200 });
    Harness.MouseDown(from.X, from.Y);
    Harness.MoveMouse(from.X + 40, from.Y);
    EXPECT_EQ(w.categoryBar->Width(), 150); // only the line moves while dragging
    Harness.MouseUp(from.X + 40, from.Y);
    EXPECT_EQ(w.categoryBar->Width(), 190);
    EXPECT_EQ(w.splitter->Left(), 190);
    EXPECT_EQ(w.panel1->Left(), 199);
    // Dragging far left snaps the bar closed.
    const gfx::TPoint again = w.splitter->ClientToScreen({ 4, 200 });
    Harness.Drag(again, { again.X - 185, again.Y });
    EXPECT_EQ(w.categoryBar->Width(), 0);
}

TEST_F(MainWindowLayoutTest, BeveledSplitterAndDisabledDatePickerPaintTheirLooks)
{
    MainWindow w;
    Harness.ProcessMessages();
    Harness.SaveSnapshot(w.form->Handle(), "controls-main-frame");
    const gfx::TBitmap pixels = Harness.Capture(w.form->Handle());
    const gfx::TPoint c = wnd::GetClientRectInWindow(w.form->Handle()).TopLeft();
    const int y = c.Y + 25 + 100;
    EXPECT_EQ(pixels.GetPixel(c.X + 150 + 0, y), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(pixels.GetPixel(c.X + 150 + 6, y), gfx::ColorToRGB(gfx::clBtnShadow));
    EXPECT_EQ(pixels.GetPixel(c.X + 150 + 2, y), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(pixels.GetPixel(c.X + 150 + 8, y), gfx::ColorToRGB(gfx::clBtnHighlight));
    EXPECT_EQ(pixels.GetPixel(c.X + 150 + 4, y), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(w.picker->DisplayText(), "2007-3-9");
    w.picker->DropDown();
    EXPECT_FALSE(w.picker->DroppedDown()); // disabled: display only
    w.picker->SetEnabled(true);
    const gfx::TPoint button = w.picker->ClientToScreen({ w.picker->Width() - 8, 12 });
    Click(button);
    EXPECT_TRUE(w.picker->DroppedDown());
}

TEST_F(MainWindowLayoutTest, LabelsSizeToTheirText)
{
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("该项有下级内容,不能删除,");
    const int oneLine = label->Height();
    const int wide = label->Width();
    label->SetCaption("该项有下级内容,不能删除,\r否则会遗失数据.");
    EXPECT_EQ(label->Height(), 2 * oneLine);
    EXPECT_EQ(label->Width(), wide);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), oneLine); // an empty label keeps one line
    auto* wrapped = new TLabel(&form);
    wrapped->SetParent(&form);
    wrapped->SetWidth(89);
    wrapped->SetWordWrap(true);
    wrapped->SetCaption("a credit line long enough to need three lines here");
    EXPECT_EQ(wrapped->Width(), 89);
    EXPECT_GE(wrapped->Height(), 3 * oneLine);
}

TEST_F(MainWindowLayoutTest, TimerTicksThroughTheMessageLoop)
{
    TForm form(nullptr);
    auto* timer = new TTimer(&form);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    Harness.AdvanceTime(999);
    EXPECT_EQ(ticks, 0);
    Harness.AdvanceTime(1);
    EXPECT_EQ(ticks, 1);
    Harness.AdvanceTime(2000);
    EXPECT_EQ(ticks, 3);
    timer->SetEnabled(false);
    Harness.AdvanceTime(5000);
    EXPECT_EQ(ticks, 3);
}
