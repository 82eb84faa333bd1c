#include "TestSupport.h"

#include "platform/graphics/FontCache.h"

#include <gtest/gtest.h>

#include <string>

namespace gfx {
namespace {

TFont MakeFont(const std::string& name, int height)
{
    TFont f;
    f.Name = name;
    f.Height = height;
    return f;
}

// The family of the face pango picked for the first character of the text.
std::string FaceOf(const TFont& font, std::string_view text)
{
    PangoLayout* layout = fonts::Layout(font, text);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    auto* run = static_cast<PangoGlyphItem*>(line->runs->data);
    PangoFontDescription* d = pango_font_describe(run->item->analysis.font);
    std::string family = pango_font_description_get_family(d);
    pango_font_description_free(d);
    return family;
}

TEST(FontMapping, NamesOfTheProgramMapToInstalledFaces)
{
    EXPECT_EQ(MapFontFamily("宋体").rfind("AR PL UMing CN", 0), 0u);
    EXPECT_EQ(MapFontFamily("Tahoma").rfind("Liberation Sans", 0), 0u);
    EXPECT_EQ(MapFontFamily("MS Sans Serif"), MapFontFamily("arial"));
    EXPECT_EQ(MapFontFamily("Times New Roman").rfind("Liberation Serif", 0), 0u);
    EXPECT_EQ(MapFontFamily("Courier New").rfind("Liberation Mono", 0), 0u);
    EXPECT_EQ(MapFontFamily("No Such Face"), MapFontFamily("Arial"));
}

TEST(FontMapping, ChineseDrawsWithACjkFaceAlsoInLatinFonts)
{
    EXPECT_EQ(FaceOf(MakeFont("宋体", 12), "笔记"), "AR PL UMing CN");
    EXPECT_EQ(FaceOf(MakeFont("Tahoma", -11), "Notes"), "Liberation Sans");
    std::string cjk_in_latin = FaceOf(MakeFont("Tahoma", -11), "笔记");
    EXPECT_NE(cjk_in_latin.find("WenQuanYi"), std::string::npos) << cjk_in_latin;
}

TEST(FontHeight, NegativeIsCharacterHeightPositiveIsCellHeight)
{
    for (const char* face : { "宋体", "Arial", "Tahoma", "Times New Roman", "Courier New" }) {
        for (int h : { 9, 12, 14, 20 }) {
            TTextMetric character = GetTextMetrics(MakeFont(face, -h));
            EXPECT_EQ(character.tmHeight - character.tmInternalLeading, h) << face << " " << h;
            EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
            TTextMetric cell = GetTextMetrics(MakeFont(face, h));
            EXPECT_EQ(cell.tmHeight, h) << face << " " << h;
            EXPECT_EQ(cell.tmAscent + cell.tmDescent, h);
            EXPECT_LE(cell.tmHeight, character.tmHeight);
        }
    }
    // Latin faces have internal leading: the cell is taller than the characters.
    TTextMetric arial = GetTextMetrics(MakeFont("Arial", -14));
    EXPECT_GT(arial.tmInternalLeading, 0);
    EXPECT_GT(arial.tmAveCharWidth, 0);
    EXPECT_GE(arial.tmMaxCharWidth, arial.tmAveCharWidth);
}

TEST(FontHeight, TextHeightIsTheCellHeight)
{
    TBitmap bmp(10, 10);
    TCanvas& c = bmp.Canvas();
    c.Font = MakeFont("宋体", 12);
    EXPECT_EQ(c.TextHeight("类别"), 12);
    c.Font = MakeFont("Arial", 14);
    EXPECT_EQ(c.TextHeight("Search"), 14);
    c.Font = MakeFont("Arial", -14);
    EXPECT_GT(c.TextHeight("Search"), 14);
    EXPECT_EQ(TextExtent(c.Font, "Search"), c.TextExtent("Search"));
    EXPECT_EQ(TextExtent(c.Font, "").cx, 0);
}

TEST(FontSize, PointsAtNinetySixDpi)
{
    TFont f;
    f.SetSize(9);
    EXPECT_EQ(f.Height, -12);
    EXPECT_EQ(f.Size(), 9);
    f.Height = -16;
    EXPECT_EQ(f.Size(), 12);
}

TEST(FontStyle, BoldIsWiderAndMetricsReportStyles)
{
    TFont plain = MakeFont("Arial", -13);
    TFont bold = plain;
    bold.Style = { TFontStyle::fsBold, TFontStyle::fsItalic };
    EXPECT_GT(fonts::TextWidth(bold, "Notes Notes"), fonts::TextWidth(plain, "Notes Notes"));
    EXPECT_EQ(GetTextMetrics(bold).tmWeight, 700);
    EXPECT_TRUE(GetTextMetrics(bold).tmItalic);
    EXPECT_TRUE(bold.Style.Contains(TFontStyle::fsItalic));
    EXPECT_FALSE(bold.Style.Contains(TFontStyle::fsUnderline));
}

} // namespace
} // namespace gfx
