#include "report/objects/TfrRichView.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPageCanvas.h"
#include "platform/richtext/RichTextLayout.h"
#include "platform/richtext/RtfDocument.h"
#include "platform/text/Gbk.h"

#include <gtest/gtest.h>

namespace richtext {
namespace {

TEST(RtfReader, ParagraphsAlignmentAndCharacterFormats)
{
    auto doc = ParseRtf(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                        R"(\pard\qc\f1\fs32 Title\par)"
                        R"(\pard Plain {\b bold} {\i\cf1 red italic} \ul under\ulnone  done\par})");
    ASSERT_GE(doc.Paragraphs.size(), 2u);
    const Paragraph& title = doc.Paragraphs[0];
    EXPECT_EQ(title.Align, Alignment::Center);
    ASSERT_EQ(title.Runs.size(), 1u);
    EXPECT_EQ(title.Runs[0].Text, "Title");
    EXPECT_EQ(title.Runs[0].FontName, "Times New Roman");
    EXPECT_EQ(title.Runs[0].HalfPoints, 32);
    const Paragraph& body = doc.Paragraphs[1];
    EXPECT_EQ(body.Align, Alignment::Left);
    EXPECT_EQ(body.PlainText(), "Plain bold red italic under done");
    bool saw_bold = false, saw_red = false, saw_underline = false;
    for (const auto& run : body.Runs) {
        saw_bold |= run.Text == "bold" && run.Bold && !run.Italic;
        saw_red |= run.Text == "red italic" && run.Italic && run.Color == 0x0000FF;
        saw_underline |= run.Text == "under" && run.Underline;
        if (run.Text.find("done") != std::string::npos) {
            EXPECT_FALSE(run.Underline);
        }
    }
    EXPECT_TRUE(saw_bold);
    EXPECT_TRUE(saw_red);
    EXPECT_TRUE(saw_underline);
}

TEST(RtfReader, ChineseTextInGbkBytesAndUnicodeEscapes)
{
    std::string gbk_name = text::Utf8ToGbk("宋体");
    std::string hex;
    char buffer[8];
    for (unsigned char b : gbk_name) {
        std::snprintf(buffer, sizeof buffer, "\\'%02x", b);
        hex += buffer;
    }
    std::string body_hex;
    for (unsigned char b : text::Utf8ToGbk("笔记")) {
        std::snprintf(buffer, sizeof buffer, "\\'%02x", b);
        body_hex += buffer;
    }
    auto doc = ParseRtf("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 " + hex + ";}}\\f0 " + body_hex
                        + " \\u20013?\\u25991?\\uc2\\u-27059??}");
    ASSERT_EQ(doc.Paragraphs.size(), 1u);
    ASSERT_FALSE(doc.Paragraphs[0].Runs.empty());
    EXPECT_EQ(doc.Paragraphs[0].Runs[0].FontName, "宋体");
    EXPECT_EQ(doc.PlainText(), "笔记 中文\xE9\x99\x8D"); // U+964D written as -27059
}

TEST(RtfReader, EscapesLineBreaksAndSkippedDestinations)
{
    auto doc = ParseRtf(R"({\rtf1{\*\generator Some Writer;}{\info{\title hidden}}{\stylesheet{\s0 Normal;}})"
                        R"(a\{b\}c\\d\line e\tab f{\pict\pngblip 89504e47}\~g\par last})");
    EXPECT_EQ(doc.PlainText(), "a{b}c\\d\ne\tf\xC2\xA0g\nlast");
}

TEST(RtfReader, DamagedOrDeeplyNestedInputReadsWhatItCan)
{
    EXPECT_EQ(ParseRtf("{\\rtf1 unfinished \\b").PlainText(), "unfinished ");
    EXPECT_EQ(ParseRtf("{\\rtf1 a}}}}} b").PlainText(), "a b");
    EXPECT_EQ(ParseRtf("{\\rtf1 \\'4").PlainText(), "");
    EXPECT_EQ(ParseRtf("{\\rtf1 \\u99999999999 x\\fs-5 y}").Paragraphs.size(), 1u);
    std::string deep = "{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + "}";
    EXPECT_EQ(ParseRtf(deep).PlainText(), "deep");
}

TEST(RtfReader, TextThatIsNotRtfIsPlainText)
{
    auto doc = ParseRtf("first line\r\nsecond {not rtf}");
    ASSERT_EQ(doc.Paragraphs.size(), 2u);
    EXPECT_EQ(doc.PlainText(), "first line\nsecond {not rtf}");
}

TEST(RichTextLayout, WrapsIntoTheWidthAndGrowsWithItsText)
{
    auto one = ParseRtf("{\\rtf1\\fs24 short\\par}");
    std::string long_text = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 40; ++i)
        long_text += "word ";
    long_text += "}";
    auto many = ParseRtf(long_text);
    double line = RichTextLayout(one, 200).Height();
    EXPECT_GT(line, 10);
    EXPECT_GT(RichTextLayout(many, 200).Height(), 3 * line / 2 * 2);
}

TEST(RichView, DrawsItsTextInsideItsRectangle)
{
    report::TfrRichView view;
    view.Left = 10;
    view.Top = 10;
    view.Width = 150;
    view.Height = 60;
    view.RichText = "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}\\cf1\\fs28 Rich \\b text\\par}";
    gfx::TBitmap bitmap(200, 100);
    bitmap.Fill(gfx::clWhite);
    {
        gfx::TPageCanvas canvas(bitmap);
        view.Draw(canvas);
    }
    int inside = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (bitmap.GetPixel(x, y) != gfx::clWhite)
                (x >= 10 && x <= 161 && y >= 10 && y <= 71 ? inside : outside)++;
    EXPECT_GT(inside, 30);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(view.ContentHeight(), 14);
    EXPECT_LT(view.ContentHeight(), 60);
}

} // namespace
} // namespace richtext

namespace richtext {
namespace {

TEST(RtfWriter, WhatItWritesReadsBackToTheSameParagraphsRunsAndFormats)
{
    RtfDocument document;
    Paragraph& title = document.Paragraphs.emplace_back();
    title.Align = Alignment::Center;
    title.Runs.push_back({ "标题 {braces} back\\slash", "宋体", 32, true, false, false, 0x0000FF });
    Paragraph& body = document.Paragraphs.emplace_back();
    body.Align = Alignment::Justify;
    body.Runs.push_back({ "plain ", "Arial", 20, false, false, false, 0 });
    body.Runs.push_back({ "italic underlined", "Arial", 20, false, true, true, 0x00FF00 });
    body.Runs.push_back({ " line\nbreak\ttab 😀", "", 24, false, false, false, 0 });
    document.Paragraphs.emplace_back();

    RtfDocument read = ParseRtf(WriteRtf(document));
    ASSERT_EQ(read.Paragraphs.size(), document.Paragraphs.size());
    for (std::size_t index = 0; index < document.Paragraphs.size(); ++index) {
        const Paragraph& written = document.Paragraphs[index];
        const Paragraph& back = read.Paragraphs[index];
        EXPECT_EQ(back.Align, written.Align) << "paragraph " << index;
        ASSERT_EQ(back.Runs.size(), written.Runs.size()) << "paragraph " << index;
        for (std::size_t run = 0; run < written.Runs.size(); ++run) {
            EXPECT_EQ(back.Runs[run].Text, written.Runs[run].Text);
            EXPECT_TRUE(back.Runs[run].SameFormat(written.Runs[run])) << back.Runs[run].Text;
        }
    }
}

TEST(RichTextLayout, SplittingKeepsWholeLinesInTheHeightAndTheRestInOrder)
{
    std::string rtf = "{\\rtf1\\fs24 ";
    for (int word = 0; word < 60; ++word)
        rtf += "word" + std::to_string(word) + " ";
    rtf += "\\par {\\b second} paragraph}";
    RtfDocument document = ParseRtf(rtf);
    RichTextLayout layout(document, 200);
    double line = layout.FirstLineHeight();
    ASSERT_GT(line, 10);

    auto parts = layout.SplitAt(3.5 * line);
    EXPECT_EQ(parts.Head.Paragraphs.size(), 1u);
    EXPECT_LE(RichTextLayout(parts.Head, 200).Height(), 3.5 * line);
    EXPECT_GT(RichTextLayout(parts.Head, 200).Height(), 2.5 * line);
    EXPECT_EQ(parts.Head.PlainText() + parts.Rest.PlainText(), document.PlainText());
    ASSERT_EQ(parts.Rest.Paragraphs.size(), 2u);
    EXPECT_TRUE(parts.Rest.Paragraphs[1].Runs[0].Bold);

    // Too little room still takes one line; room for all leaves no rest.
    EXPECT_FALSE(layout.SplitAt(1).Head.Paragraphs.empty());
    EXPECT_TRUE(layout.SplitAt(layout.Height() + 1).Rest.Paragraphs.empty());
}

} // namespace
} // namespace richtext
