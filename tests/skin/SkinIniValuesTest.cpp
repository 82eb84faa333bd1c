#include "skin/SkinIniFile.h"
#include "skin/SkinIniValues.h"

#include <gtest/gtest.h>

using skin::SkinIniFile;

namespace {

SkinIniFile Ini(const std::string& text) { return SkinIniFile(skin::SplitTextLines(text)); }

SkinIniFile OneValue(const std::string& value) { return Ini("[s]\nk=" + value + "\n"); }

} // namespace

TEST(SkinIniFile, NamesIgnoreCaseLinesAreTrimmedAndTheFirstOfEqualKeysCounts)
{
    SkinIniFile ini = Ini("orphan=1\r\n"
                          "  [ Forminfo ]  \r\n"
                          "; clientrect=9,9,9,9\r\n"
                          "\r\n"
                          "  ClientRect =  4,26,156,141  \r\n"
                          "clientrect=1,1,1,1\r\n"
                          "no equals sign\r\n"
                          "[other]\n"
                          "a=b=c\r"
                          "[FORMINFO]\n"
                          "later=7\n");
    EXPECT_EQ(ini.ReadString("FORMINFO", "clientrect", ""), "4,26,156,141");
    EXPECT_EQ(ini.ReadString("other", "A", ""), "b=c");
    EXPECT_EQ(ini.ReadInteger("forminfo", "later", 0), 7);
    EXPECT_EQ(ini.FindValue("forminfo", "orphan"), nullptr);
    EXPECT_EQ(ini.FindValue("forminfo", "no equals sign"), nullptr);
    EXPECT_FALSE(ini.SectionExists("missing"));
    EXPECT_EQ(ini.ReadString("missing", "x", "fallback"), "fallback");
    EXPECT_EQ(ini.FindValue("forminfo", "clientrect")->size(), 12u);
}

TEST(SkinIniFile, LinesSplitAtEveryKindOfLineBreakWithoutATrailingEmptyLine)
{
    EXPECT_EQ(skin::SplitTextLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(skin::SplitTextLines("a\r\n\r\nb"), (std::vector<std::string> { "a", "", "b" }));
    EXPECT_TRUE(skin::SplitTextLines("").empty());
}

TEST(SkinIniValues, IntegersAreDecimalOrHexAfterAPrefixAndOtherwiseTheDefault)
{
    struct Case {
        const char* text;
        int expected;
    };
    for (const Case& c : { Case { "8421504", 8421504 }, Case { "-12", -12 }, Case { "0x1F", 31 }, Case { "0XfF", 255 },
             Case { "$10", 16 }, Case { "$FFFFFFFF", -1 }, Case { "2147483647", 2147483647 },
             Case { "-2147483648", static_cast<int>(-2147483648LL) }, Case { "2147483648", 99 }, Case { "12a", 99 },
             Case { "", 99 }, Case { "0x", 99 }, Case { "1 2", 99 }, Case { "$100000000", 99 } })
        EXPECT_EQ(OneValue(c.text).ReadInteger("s", "k", 99), c.expected) << c.text;
}

TEST(SkinIniValues, RectanglesDropEveryNonDigitAndRefuseEmptyFields)
{
    EXPECT_EQ(skin::ReadSkinRect(OneValue("-5,2,10,20"), "s", "k"), gfx::Rect(5, 2, 10, 20));
    EXPECT_EQ(skin::ReadSkinRect(OneValue(" 1 , 2x,3 ,4,99,zz"), "s", "k"), gfx::Rect(1, 2, 3, 4));
    EXPECT_EQ(skin::ReadSkinRect(OneValue("1,2,3,4"), "s", "missing"), gfx::Rect(0, 0, 0, 0));
    try {
        skin::ReadSkinRect(OneValue("1,2,3"), "s", "k");
        FAIL() << "three fields were read as a rectangle";
    } catch (const skin::SkinValueError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
    EXPECT_THROW(skin::ReadSkinRect(OneValue("1,-,3,4"), "s", "k"), skin::SkinValueError);
    EXPECT_THROW(skin::ReadSkinRect(OneValue(""), "s", "k"), skin::SkinValueError);
    EXPECT_THROW(skin::ReadSkinRect(OneValue("1,2,3,99999999999"), "s", "k"), skin::SkinValueError);

    EXPECT_EQ(skin::ReadSkinPoint(OneValue("-6,7,8"), "s", "k"), gfx::Point(6, 7));
    EXPECT_EQ(skin::ReadSkinPoint(OneValue("6,7"), "s", "missing"), gfx::Point(0, 0));
    EXPECT_THROW(skin::ReadSkinPoint(OneValue("6"), "s", "k"), skin::SkinValueError);
}

TEST(SkinIniValues, FlagIsTrueOnlyForTheValueOne)
{
    EXPECT_TRUE(skin::ReadSkinFlag(OneValue("1"), "s", "k"));
    EXPECT_TRUE(skin::ReadSkinFlag(OneValue("0x1"), "s", "k"));
    EXPECT_FALSE(skin::ReadSkinFlag(OneValue("2"), "s", "k"));
    EXPECT_FALSE(skin::ReadSkinFlag(OneValue("true"), "s", "k"));
    EXPECT_FALSE(skin::ReadSkinFlag(OneValue("1"), "s", "missing"));
}

TEST(SkinIniValues, FontStyleWordsAreFoundAnywhereButOnlyInLowerCase)
{
    gfx::TFontStyles styles = skin::ReadSkinFontStyle(OneValue("fsbold,fsitalic"), "s", "k");
    EXPECT_EQ(styles, (gfx::TFontStyles { gfx::TFontStyle::fsBold, gfx::TFontStyle::fsItalic }));
    EXPECT_TRUE(skin::ReadSkinFontStyle(OneValue("FSBOLD,FSITALIC"), "s", "k").Empty());
    EXPECT_EQ(skin::ReadSkinFontStyle(OneValue("xfsstrikeouty fsunderline"), "s", "k"),
        (gfx::TFontStyles { gfx::TFontStyle::fsUnderline, gfx::TFontStyle::fsStrikeOut }));
    EXPECT_EQ(skin::FontStyleToText({ gfx::TFontStyle::fsStrikeOut, gfx::TFontStyle::fsBold }), "fsbold,fsstrikeout");
}

TEST(SkinIniValues, WordValuesFallBackAsTheSkinFormatDefines)
{
    using skin::TAlignment;
    EXPECT_EQ(skin::ReadSkinAlignment(OneValue("taright"), "s", "k"), TAlignment::taRightJustify);
    EXPECT_EQ(skin::ReadSkinAlignment(OneValue("taleftjustify"), "s", "k"), TAlignment::taLeftJustify);
    EXPECT_EQ(skin::ReadSkinAlignment(OneValue("TACENTER"), "s", "k"), TAlignment::taRightJustify);
    EXPECT_EQ(skin::ReadSkinAlignment(OneValue(""), "s", "missing"), TAlignment::taCenter);

    using skin::TbsMorphKind;
    EXPECT_EQ(skin::ReadMorphKind(OneValue("mkpush"), "s", "k"), TbsMorphKind::mkPush);
    EXPECT_EQ(skin::ReadMorphKind(OneValue("mkwobble"), "s", "k"), TbsMorphKind::mkDefault);
    EXPECT_EQ(skin::ReadMorphKind(OneValue(""), "s", "missing"), TbsMorphKind::mkDefault);

    using skin::TbsInactiveEffect;
    EXPECT_EQ(skin::ReadInactiveEffect(OneValue("ieinvert"), "s", "k"), TbsInactiveEffect::ieInvert);
    EXPECT_EQ(skin::ReadInactiveEffect(OneValue("iesepia"), "s", "k"), TbsInactiveEffect::ieGrayScale);
    EXPECT_EQ(skin::ReadInactiveEffect(OneValue(""), "s", "missing"), TbsInactiveEffect::ieBrightness);

    using skin::TbsStdCommand;
    EXPECT_EQ(skin::ReadSkinCommand(OneValue("cmrollup"), "s", "k"), TbsStdCommand::cmRollUp);
    EXPECT_EQ(skin::ReadSkinCommand(OneValue("cmfly"), "s", "k"), TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(skin::ReadSkinCommand(OneValue(""), "s", "missing"), TbsStdCommand::cmDefault);

    for (int i = 0; i <= 6; ++i) {
        auto kind = static_cast<TbsMorphKind>(i);
        EXPECT_EQ(skin::ReadMorphKind(OneValue(std::string(skin::ToWord(kind))), "s", "k"), kind);
    }
}

TEST(SkinIniValues, TextListsReadTheirCountAndThenNumberedKeys)
{
    SkinIniFile ini = Ini("[PICTURES]\nactivepicturescount=3\n0=pw.bmp\n2=hw.bmp\n1x=no\n");
    EXPECT_EQ(skin::ReadSkinList(ini, "PICTURES", "activepictures"),
        (std::vector<std::string> { "pw.bmp", "", "hw.bmp" }));
    EXPECT_TRUE(skin::ReadSkinList(ini, "PICTURES", "other").empty());
    EXPECT_THROW(skin::ReadSkinList(Ini("[p]\nlistcount=2000000000\n"), "p", "list"), io::FormatError);
}
