#include "SkinDataTestSkin.h"

#include "skin/StoredSkinStream.h"
#include "skin/TbsSkinData.h"

#include <gtest/gtest.h>

using skin::SKINMSG_AFTERLOAD;
using skin::SKINMSG_BEFORELOAD;
using skin::SKINMSG_LOADED;
using skin::SKINMSG_STRINGS;
using skin::TbsCompressedStoredSkin;
using skin::TbsSkinData;
using skintest::BuildStream;
using skintest::ReceivedMessage;
using skintest::RecordingForm;
using skintest::StreamParts;

namespace {

TbsCompressedStoredSkin Container(const std::vector<std::uint8_t>& stream)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(skin::CompressSkinStream(stream));
    return stored;
}

std::vector<unsigned> Messages(const std::vector<ReceivedMessage>& log, const std::string& form)
{
    std::vector<unsigned> messages;
    for (const ReceivedMessage& m : log)
        if (m.Form == form)
            messages.push_back(m.Message);
    return messages;
}

// A main form owning the skin data and a second form on the screen; the main
// form is listed after the other one, so the owner-first rule is visible.
struct Screen {
    std::vector<ReceivedMessage> log;
    RecordingForm other { "other", log };
    RecordingForm main { "main", log };
    skin::ScopedSkinForm otherOnScreen { other };
    skin::ScopedSkinForm mainOnScreen { main };
    TbsSkinData data { &main };
    std::vector<std::string> errors;

    Screen()
    {
        data.OnLoadError = [this](const std::string& error) { errors.push_back(error); };
    }
};

const std::vector<unsigned> kFullSequence { SKINMSG_BEFORELOAD, SKINMSG_LOADED, SKINMSG_AFTERLOAD };

} // namespace

TEST(SkinDataLoad, ALoadTellsTheOwnerFirstThenEveryOtherFormWithItselfAnd1000)
{
    Screen screen;
    TbsCompressedStoredSkin stored = Container(BuildStream(StreamParts()));
    screen.data.SetCompressedStoredSkin(&stored);

    ASSERT_EQ(screen.log.size(), 6u);
    const char* order[] = { "main", "other", "main", "other", "main", "other" };
    for (std::size_t i = 0; i < screen.log.size(); ++i) {
        EXPECT_EQ(screen.log[i].Form, order[i]);
        EXPECT_EQ(screen.log[i].Message, kFullSequence[i / 2]);
        EXPECT_EQ(screen.log[i].WParam, reinterpret_cast<std::intptr_t>(&screen.data));
        EXPECT_EQ(screen.log[i].LParam, 1000);
    }
    EXPECT_FALSE(screen.data.IsEmpty());
    EXPECT_TRUE(screen.errors.empty());
    EXPECT_EQ(screen.data.CompressedStoredSkin(), &stored);
}

TEST(SkinDataLoad, TheModelComesFromThePicturesAndTheGbkText)
{
    Screen screen;
    StreamParts parts;
    screen.data.LoadFromStoredSkin(Container(BuildStream(parts)));
    const TbsSkinData& data = screen.data;

    EXPECT_EQ(data.Picture(), *parts.Picture);
    EXPECT_TRUE(data.InActivePicture().Empty());
    EXPECT_TRUE(data.Mask().Empty());
    ASSERT_EQ(data.ActivePictureCount(), 2);
    EXPECT_EQ(*data.ActivePicture(1), parts.ActivePictures[1]);
    EXPECT_EQ(data.ActivePicture(-1), nullptr);
    EXPECT_EQ(data.ActivePicture(2), nullptr);
    EXPECT_EQ(data.PictureName(), "main.bmp");
    EXPECT_EQ(data.ActivePictureNames(), (std::vector<std::string> { "pw.bmp", "controls.bmp" }));
    EXPECT_EQ(data.VersionInfo().SkinName, "Test skin");
    EXPECT_EQ(data.HintWindow().FontName, "宋体");
    EXPECT_EQ(data.PopupWindow().ItemsRect, gfx::Rect(12, 2, 97, 61));

    const skin::SkinFormInfo& info = data.FormInfo();
    EXPECT_EQ(info.LTPoint, gfx::Point(8, 30));
    EXPECT_EQ(info.RBPoint, gfx::Point(154, 139));
    EXPECT_EQ(info.ClientRect, gfx::Rect(4, 26, 156, 141));
    EXPECT_TRUE(info.TopStretch);
    EXPECT_FALSE(info.BottomStretch);
    EXPECT_EQ(info.HitTestLTPoint, gfx::Point(6, 7));
    EXPECT_EQ(info.HitTestRBPoint, gfx::Point(0, 0)); // no mask: no fallback to the corner
    EXPECT_EQ(info.BorderWidth, 3);

    // Entries of unknown kind or without ":" create no record, so the indexes
    // count only the records that exist.
    ASSERT_EQ(data.SkinObjects().size(), 3u);
    EXPECT_EQ(data.IndexOfSkinObject("caption1"), 1);
    EXPECT_EQ(data.IndexOfSkinObject("closebutton"), 2);
    EXPECT_EQ(data.IndexOfSkinObject("strange"), -1);
    auto& caption = dynamic_cast<const skin::TbsDataSkinCaption&>(*data.SkinObjects()[1]);
    EXPECT_EQ(caption.TextRect, gfx::Rect(5, 0, 152, 17));
    EXPECT_EQ(caption.Alignment, skin::TAlignment::taLeftJustify);
    EXPECT_EQ(caption.ActiveFontColor, 16777215);
    EXPECT_EQ(dynamic_cast<const skin::TbsDataSkinMenuItem&>(*data.SkinObjects()[0]).FontName, "宋体");

    ASSERT_EQ(data.SkinControls().size(), 5u);
    EXPECT_EQ(data.IndexOfSkinControl("vsplitter"), 1);
    EXPECT_EQ(data.IndexOfSkinControl("Vsplitter"), -1);
    EXPECT_EQ(data.IndexOfSkinControl("bevel"), 2);
    EXPECT_EQ(data.IndexOfSkinControl("button"), 0); // the first of two equal names
    EXPECT_EQ(data.SkinControls()[4]->Kind(), skin::SkinControlKind::Panel);
    EXPECT_EQ(data.SkinControls()[1]->Kind(), skin::SkinControlKind::Splitter);
    auto& splitter = dynamic_cast<const skin::TbsDataSkinCustomControl&>(*data.SkinControls()[1]);
    EXPECT_EQ(splitter.LBPoint, gfx::Point(4, 16));
    EXPECT_EQ(dynamic_cast<const skin::TbsDataSkinBevel&>(*data.SkinControls()[2]).DarkColor, 12632256);
}

TEST(SkinDataLoad, AnEmptyContainerChangesNothingAndSendsNothing)
{
    Screen screen;
    screen.data.LoadFromStoredSkin(Container(BuildStream(StreamParts())));
    screen.log.clear();
    TbsCompressedStoredSkin empty;
    screen.data.SetCompressedStoredSkin(&empty);
    EXPECT_TRUE(screen.log.empty());
    EXPECT_FALSE(screen.data.IsEmpty());
    EXPECT_EQ(screen.data.SkinControls().size(), 5u);
}

TEST(SkinDataLoad, ANewerVersionLeavesTheSkinEmptyAfterBeforeLoadAlone)
{
    Screen screen;
    screen.data.LoadFromStoredSkin(Container(BuildStream(StreamParts())));
    screen.log.clear();
    StreamParts parts;
    parts.Version = 4;
    screen.data.LoadFromStoredSkin(Container(BuildStream(parts)));
    EXPECT_EQ(Messages(screen.log, "main"), std::vector<unsigned> { SKINMSG_BEFORELOAD });
    EXPECT_EQ(Messages(screen.log, "other"), std::vector<unsigned> { SKINMSG_BEFORELOAD });
    EXPECT_TRUE(screen.data.IsEmpty());
    EXPECT_TRUE(screen.data.SkinControls().empty());
    EXPECT_TRUE(screen.data.Picture().Empty());
    EXPECT_TRUE(screen.errors.empty());
}

TEST(SkinDataLoad, ADamagedSkinLeavesItEmptyReportsOnceAndLetsFormsFallBack)
{
    std::vector<std::uint8_t> good = BuildStream(StreamParts());
    std::vector<std::uint8_t> compressed = skin::CompressSkinStream(good);
    StreamParts badValue;
    badValue.IniText.replace(badValue.IniText.find("4,26,156,141"), 12, "4,26,156");

    struct Damage {
        const char* what;
        TbsCompressedStoredSkin stored;
    };
    std::vector<Damage> damages;
    damages.push_back({ "short stream", Container(std::vector<std::uint8_t>(good.begin(), good.begin() + 300)) });
    damages.push_back({ "bad picture", Container([&] { auto s = good; s[5] = 'X'; return s; }()) });
    damages.push_back({ "bad value", Container(BuildStream(badValue)) });
    damages.push_back({ "truncated inflate", {} });
    damages.back().stored.SetCompressedData(std::span(compressed).first(compressed.size() - 10));
    damages.push_back({ "failed inflate", {} });
    damages.back().stored.SetCompressedData(std::vector<std::uint8_t> { 0x78, 0xDA, 0xFF, 0xFF, 0xFF });

    for (Damage& damage : damages) {
        Screen screen;
        screen.data.LoadFromStoredSkin(Container(good));
        screen.log.clear();
        screen.data.LoadFromStoredSkin(damage.stored);
        EXPECT_TRUE(screen.data.IsEmpty()) << damage.what;
        EXPECT_TRUE(screen.data.SkinObjects().empty()) << damage.what;
        EXPECT_EQ(screen.data.ActivePictureCount(), 0) << damage.what;
        EXPECT_EQ(screen.data.FormInfo().ClientRect, gfx::TRect {}) << damage.what;
        EXPECT_EQ(screen.errors.size(), 1u) << damage.what;
        EXPECT_EQ(screen.data.LoadError(), screen.errors.empty() ? "" : screen.errors[0]);
        EXPECT_EQ(Messages(screen.log, "main"), kFullSequence) << damage.what;
        EXPECT_EQ(Messages(screen.log, "other"), kFullSequence) << damage.what;
    }
}

TEST(SkinDataLoad, AValueErrorIsReportedWithTheConversionMessage)
{
    Screen screen;
    StreamParts parts;
    std::string ini = skintest::TestIniUtf8();
    ini.replace(ini.find("skinrect=276,228,286,250"), 24, "skinrect=276,228,286");
    parts.IniText = text::Utf8ToGbk(ini);
    screen.data.LoadFromStoredSkinStream(BuildStream(parts));
    ASSERT_EQ(screen.errors.size(), 1u);
    EXPECT_NE(screen.errors[0].find("'' is not a valid integer value"), std::string::npos);
    EXPECT_TRUE(screen.data.IsEmpty());
}

TEST(SkinDataLoad, AReloadReplacesTheWholeSkin)
{
    Screen screen;
    screen.data.LoadFromStoredSkin(Container(BuildStream(StreamParts())));
    StreamParts smaller;
    smaller.ActivePictures.clear();
    smaller.IniText = "[VERSION]\r\nskinname=Second\r\n[SKINCONTROLS]\r\ncount=1\r\n0=memo:memo\r\n";
    screen.data.LoadFromStoredSkinStream(BuildStream(smaller));
    EXPECT_FALSE(screen.data.IsEmpty());
    EXPECT_EQ(screen.data.VersionInfo().SkinName, "Second");
    EXPECT_EQ(screen.data.ActivePictureCount(), 0);
    EXPECT_TRUE(screen.data.SkinObjects().empty());
    ASSERT_EQ(screen.data.SkinControls().size(), 1u);
    EXPECT_EQ(screen.data.IndexOfSkinControl("memo"), 0);
    EXPECT_EQ(screen.data.FormInfo().BorderWidth, 0);
    EXPECT_EQ(screen.data.PictureName(), "");
}

TEST(SkinDataLoad, ClearSkinEmptiesEverythingAndResetsTheWindowPictures)
{
    Screen screen;
    screen.data.LoadFromStoredSkin(Container(BuildStream(StreamParts())));
    ASSERT_EQ(screen.data.PopupWindow().WindowPictureIndex, 0);
    screen.data.ClearSkin();
    EXPECT_TRUE(screen.data.IsEmpty());
    EXPECT_EQ(screen.data.PopupWindow().WindowPictureIndex, -1);
    EXPECT_EQ(screen.data.HintWindow().WindowPictureIndex, -1);
    EXPECT_TRUE(screen.data.SkinControls().empty());
    EXPECT_TRUE(screen.data.ActivePictureNames().empty());
    EXPECT_TRUE(screen.data.Picture().Empty());
    EXPECT_EQ(screen.data.FormInfo().BGPictureIndex, -1);
}

TEST(SkinDataMessages, ResourceStringsAreAnnouncedAndRemovedComponentsForgotten)
{
    Screen screen;
    skin::TbsResourceStrData strings;
    screen.data.SetResourceStrData(&strings);
    EXPECT_EQ(Messages(screen.log, "main"), std::vector<unsigned> { SKINMSG_STRINGS });
    EXPECT_EQ(Messages(screen.log, "other"), std::vector<unsigned> { SKINMSG_STRINGS });

    TbsCompressedStoredSkin stored = Container(BuildStream(StreamParts()));
    screen.data.SetCompressedStoredSkin(&stored);
    screen.log.clear();
    screen.data.ComponentRemoved(&stored);
    screen.data.ComponentRemoved(&strings);
    EXPECT_EQ(screen.data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(screen.data.ResourceStrData(), nullptr);
    EXPECT_FALSE(screen.data.IsEmpty());
    EXPECT_TRUE(screen.log.empty());
}

namespace {

// A form that closes another form when the skin is about to change.
class ClosingForm : public skin::SkinMessageTarget {
public:
    ClosingForm(std::vector<ReceivedMessage>& log, skin::SkinMessageTarget& victim) : m_log(log), m_victim(victim) {}
    std::intptr_t Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam) override
    {
        m_log.push_back({ "closer", message, wparam, lparam });
        skin::ScreenForms().Remove(&m_victim);
        return 0;
    }

private:
    std::vector<ReceivedMessage>& m_log;
    skin::SkinMessageTarget& m_victim;
};

} // namespace

TEST(SkinDataMessages, AFormClosedDuringTheAnnouncementGetsNoFurtherMessage)
{
    std::vector<ReceivedMessage> log;
    RecordingForm victim("victim", log);
    ClosingForm closer(log, victim);
    skin::ScopedSkinForm closerOnScreen(closer);
    skin::ScopedSkinForm victimOnScreen(victim);
    TbsSkinData data;
    data.NotifySkinForms(SKINMSG_BEFORELOAD);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Form, "closer");
}

TEST(ResourceStrings, DefaultLinesAndLookupByNameWithoutCase)
{
    skin::TbsResourceStrData strings;
    EXPECT_EQ(strings.ResStrings.size(), 73u);
    EXPECT_EQ(strings.ResStrings.front(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(strings.ResStrings.back().substr(0, 14), "FLV_FREESPACE=");
    EXPECT_EQ(strings.CharSet, 1);
    EXPECT_EQ(strings.GetResString("mi_rollupcaption"), "Ro&llUp");
    EXPECT_EQ(strings.GetResString("MENUBUTTON_HINT"), "System menu");
    EXPECT_EQ(strings.GetResString("NO_SUCH_NAME"), "");

    strings.ResStrings = { "no equals", "A=b=c", "a=second" };
    EXPECT_EQ(strings.GetResString("a"), "b=c");
    EXPECT_EQ(strings.GetResString("no equals"), "");
}
