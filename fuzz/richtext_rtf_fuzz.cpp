// Feeds arbitrary bytes to the RTF reader. It must neither crash nor run
// unbounded, whatever the nesting, escapes or tables; every text it reads
// from RTF is valid UTF-8 (broken GBK or 8-bit bytes become replacement
// characters), and every run has a size the layout can use.

#include "platform/richtext/RtfDocument.h"
#include "platform/text/Utf8.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rtf(reinterpret_cast<const char*>(data), size);
    richtext::RtfDocument document = richtext::ParseRtf(rtf);
    if (document.Paragraphs.empty())
        std::abort();
    bool is_rtf = rtf.substr(0, 5) == "{\\rtf";
    for (const auto& paragraph : document.Paragraphs)
        for (const auto& run : paragraph.Runs) {
            if (run.HalfPoints < 1 || run.HalfPoints > 3276)
                std::abort();
            // Text converted by the reader always comes out as clean UTF-8.
            if (is_rtf && text::Utf32ToUtf8(text::Utf8ToUtf32(run.Text)) != run.Text)
                std::abort();
        }
    return 0;
}
