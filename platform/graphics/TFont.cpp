#include "platform/graphics/TFont.h"

#include "platform/graphics/FontCache.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace gfx {
namespace {

// Families of the installed faces. Each list ends in a CJK face so that
// Chinese characters in a Latin font still draw.
constexpr const char* kSans = "Liberation Sans, WenQuanYi Micro Hei";
constexpr const char* kSerif = "Liberation Serif, AR PL UMing CN";
constexpr const char* kMono = "Liberation Mono, WenQuanYi Micro Hei Mono";
constexpr const char* kSong = "AR PL UMing CN, Liberation Serif";
constexpr const char* kHei = "WenQuanYi Micro Hei, Liberation Sans";

struct FaceMapping {
    std::string_view Name;
    const char* Family;
};

// The face names the program uses, and what draws them here.
constexpr std::array kFaceTable {
    FaceMapping { "宋体", kSong },
    FaceMapping { "新宋体", kSong },
    FaceMapping { "simsun", kSong },
    FaceMapping { "nsimsun", kSong },
    FaceMapping { "仿宋", kSong },
    FaceMapping { "仿宋_gb2312", kSong },
    FaceMapping { "楷体", kSong },
    FaceMapping { "楷体_gb2312", kSong },
    FaceMapping { "黑体", kHei },
    FaceMapping { "simhei", kHei },
    FaceMapping { "微软雅黑", kHei },
    FaceMapping { "microsoft yahei", kHei },
    FaceMapping { "tahoma", kSans },
    FaceMapping { "verdana", kSans },
    FaceMapping { "arial", kSans },
    FaceMapping { "ms sans serif", kSans },
    FaceMapping { "microsoft sans serif", kSans },
    FaceMapping { "ms shell dlg", kSans },
    FaceMapping { "ms shell dlg 2", kSans },
    FaceMapping { "system", kSans },
    FaceMapping { "segoe ui", kSans },
    FaceMapping { "times new roman", kSerif },
    FaceMapping { "ms serif", kSerif },
    FaceMapping { "courier new", kMono },
    FaceMapping { "courier", kMono },
    FaceMapping { "fixedsys", kMono },
    FaceMapping { "terminal", kMono },
    FaceMapping { "lucida console", kMono },
};

std::string Lower(std::string_view name)
{
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

int TFont::Size() const
{
    int height = Height == 0 ? -12 : Height;
    if (height > 0)
        height = -(height - GetTextMetrics(*this).tmInternalLeading);
    return static_cast<int>(std::lround(-height * 72.0 / kScreenDpi));
}

void TFont::SetSize(int points)
{
    Height = -static_cast<int>(std::lround(points * static_cast<double>(kScreenDpi) / 72.0));
}

std::string MapFontFamily(const std::string& name)
{
    std::string key = Lower(name);
    for (const FaceMapping& m : kFaceTable) {
        if (m.Name == key)
            return m.Family;
    }
    return kSans;
}

TTextMetric GetTextMetrics(const TFont& font) { return fonts::Resolve(font).Metrics; }

TSize TextExtent(const TFont& font, std::string_view text)
{
    return { fonts::TextWidth(font, text), GetTextMetrics(font).tmHeight };
}

} // namespace gfx
