#include "skin/SkinText.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

namespace {

class PrimitiveText : public ::testing::Test {
protected:
    PrimitiveText() : m_canvas(m_bitmap)
    {
        m_canvas.Font.Name = "宋体";
        m_canvas.Font.Height = 12;
    }

    gfx::TBitmap m_bitmap { 10, 10 };
    gfx::TCanvas m_canvas;
};

} // namespace

TEST_F(PrimitiveText, TextThatFitsIsReturnedUnchanged)
{
    const std::string text = "笔记管理";
    const int width = m_canvas.TextWidth(text);
    EXPECT_EQ(skin::FitTextToWidth(m_canvas, text, width), text);
    EXPECT_EQ(skin::FitTextToWidth(m_canvas, "", 0), "");
}

TEST_F(PrimitiveText, ChineseTextLosesWholeCharacters)
{
    const std::string text = "笔记管理器主窗口";
    const int width = m_canvas.TextWidth("笔记管理...");
    const std::string fitted = skin::FitTextToWidth(m_canvas, text, width);
    EXPECT_EQ(fitted, "笔记管理...");
    EXPECT_LE(m_canvas.TextWidth(fitted), width);
    // One pixel less drops one more character, never half of one.
    EXPECT_EQ(skin::FitTextToWidth(m_canvas, text, width - 1), "笔记管...");
}

TEST_F(PrimitiveText, MixedTextAndTinyWidths)
{
    const std::string text = "Veltrin 笔记";
    const std::string fitted = skin::FitTextToWidth(m_canvas, text, m_canvas.TextWidth("Velt..."));
    EXPECT_EQ(fitted, "Velt...");
    // Nothing fits: all characters go and only the ellipsis is left.
    EXPECT_EQ(skin::FitTextToWidth(m_canvas, "笔记", 1), "...");
}
