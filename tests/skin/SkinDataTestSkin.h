#pragma once

// A small skin synthesised in code for the stored-skin and skin-data tests:
// pictures whose every pixel has its own colour, and an INI text in GBK that
// carries the frame values of the program's skin.

#include "platform/graphics/TBitmap.h"
#include "platform/io/ByteReader.h"
#include "platform/text/Gbk.h"
#include "skin/SkinMessages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skintest {

inline gfx::TBitmap DistinctPicture(int width, int height, int seed)
{
    gfx::TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, gfx::RGB(x, y, seed));
    return picture;
}

// The INI text (UTF-8 here, stored as GBK) of the test skin: 2 active
// pictures, 4 object entries of which one has an unknown kind, 6 control
// entries of which one has no ":".
inline std::string TestIniUtf8()
{
    return "; a skin made for the tests\r\n"
           "[VERSION]\r\n"
           "skinname=Test skin\r\n"
           "skinauthor=Veltrin\r\n"
           "[PICTURES]\r\n"
           "picture=main.bmp\r\n"
           "inactivepicture=\r\n"
           "mask=\r\n"
           "activepicturescount=2\r\n"
           "0=pw.bmp\r\n"
           "1=controls.bmp\r\n"
           "[FORMINFO]\r\n"
           "lefttoppoint=8,30\r\n"
           "righttoppoint=150,31\r\n"
           "leftbottompoint=6,137\r\n"
           "rightbottompoint=154,139\r\n"
           "clientrect=4,26,156,141\r\n"
           "bgpictureindex=-1\r\n"
           "leftstretch=1\r\n"
           "rightstretch=1\r\n"
           "topstretch=1\r\n"
           "bottomstretch=0\r\n"
           "maskrectarea=4,34,197,169\r\n"
           "hittestlefttoppoint=6,7\r\n"
           "captionrect=4,4,156,21\r\n"
           "buttonsoffset=2\r\n"
           "borderwidth=3\r\n"
           "inactiveeffect=iebrightness\r\n"
           "[POPUPWINDOW]\r\n"
           "windowpictureindex=0\r\n"
           "itemsrect=12,2,97,61\r\n"
           "[HINTWINDOW]\r\n"
           "fontname=宋体\r\n"
           "fontheight=12\r\n"
           "[SKINOBJECTS]\r\n"
           "count=4\r\n"
           "0=MENUITEM:menuitem\r\n"
           "1=caption1:caption\r\n"
           "2=strange:notakind\r\n"
           "3=closebutton:stdbutton\r\n"
           "[MENUITEM]\r\n"
           "activepictureindex=1\r\n"
           "skinrect=0,0,48,20\r\n"
           "fontname=宋体\r\n"
           "[caption1]\r\n"
           "textrect=5,0,152,17\r\n"
           "alignment=taleftjustify\r\n"
           "fontstyle=fsbold\r\n"
           "activefontcolor=16777215\r\n"
           "fontcolor=12632256\r\n"
           "shadow=1\r\n"
           "[closebutton]\r\n"
           "command=cmclose\r\n"
           "skinrect=130,5,146,19\r\n"
           "[SKINCONTROLS]\r\n"
           "count=6\r\n"
           "0=button:button\r\n"
           "1=vsplitter:splitter\r\n"
           "2=no colon here\r\n"
           "3=bevel:bevel\r\n"
           "4=gauge:gauge\r\n"
           "5=button:panel\r\n"
           "[button]\r\n"
           "pictureindex=1\r\n"
           "skinrect=0,0,69,25\r\n"
           "righttoppoint=60,0\r\n"
           "activeskinrect=70,0,139,25\r\n"
           "morphing=1\r\n"
           "[vsplitter]\r\n"
           "skinrect=276,228,286,250\r\n"
           "lefttoppoint=5,5\r\n"
           "leftbottompoint=4,16\r\n"
           "[bevel]\r\n"
           "lightcolor=16777215\r\n"
           "darkcolor=12632256\r\n";
}

inline std::string TestIniText() { return text::Utf8ToGbk(TestIniUtf8()); }

// The parts of a stored skin stream, written the way each version lays them out.
struct StreamParts {
    int Version { 3 };
    std::optional<gfx::TBitmap> Picture { DistinctPicture(160, 145, 1) };
    std::optional<gfx::TBitmap> InactivePicture;
    std::optional<gfx::TBitmap> Mask;
    std::vector<std::optional<gfx::TBitmap>> VersionTwoExtras; // written only for version 2
    std::vector<gfx::TBitmap> ActivePictures { DistinctPicture(99, 63, 2), DistinctPicture(30, 20, 3) };
    std::string IniText { TestIniText() };
};

inline void WriteFlagged(io::ByteWriter& writer, const std::optional<gfx::TBitmap>& picture)
{
    writer.U8(picture ? 0 : 1);
    if (picture)
        picture->SaveToStream(writer);
}

inline std::vector<std::uint8_t> BuildStream(const StreamParts& parts)
{
    io::ByteWriter writer;
    writer.I32(parts.Version);
    WriteFlagged(writer, parts.Picture);
    WriteFlagged(writer, parts.InactivePicture);
    WriteFlagged(writer, parts.Mask);
    if (parts.Version == 2)
        for (const auto& extra : parts.VersionTwoExtras)
            WriteFlagged(writer, extra);
    writer.I32(static_cast<std::int32_t>(parts.ActivePictures.size()));
    for (const gfx::TBitmap& picture : parts.ActivePictures)
        picture.SaveToStream(writer);
    writer.String(parts.IniText);
    return writer.Take();
}

// A form that writes down every skin message it gets.
struct ReceivedMessage {
    std::string Form;
    unsigned Message;
    std::intptr_t WParam;
    std::intptr_t LParam;
};

class RecordingForm : public skin::SkinMessageTarget {
public:
    RecordingForm(std::string name, std::vector<ReceivedMessage>& log) : m_name(std::move(name)), m_log(log) {}
    std::intptr_t Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam) override
    {
        m_log.push_back({ m_name, message, wparam, lparam });
        return 0;
    }

private:
    std::string m_name;
    std::vector<ReceivedMessage>& m_log;
};

} // namespace skintest
