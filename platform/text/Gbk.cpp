#include "platform/text/Gbk.h"

#include "platform/text/Utf8.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace text {
namespace {

// One iconv descriptor per direction; the program runs its user interface on one
// thread, and the descriptors are reset before each use.
class Converter {
public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("text conversion from ") + from + " to " + to + " is not available");
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; on a byte sequence it cannot convert it appends
    // `replacement` and skips `skip_length(rest)` bytes of the rest of the input.
    template<typename SkipLength>
    std::string convert(std::string_view input, std::string_view replacement, SkipLength skip_length)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        output.reserve(input.size() * 2);
        char* in = const_cast<char*>(input.data());
        size_t in_left = input.size();
        char buffer[1024];
        while (in_left > 0) {
            char* out = buffer;
            size_t out_left = sizeof buffer;
            size_t result = iconv(m_handle, &in, &in_left, &out, &out_left);
            output.append(buffer, static_cast<size_t>(out - buffer));
            if (result != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: an unconvertible or truncated sequence.
            output.append(replacement);
            size_t skip = std::min(in_left, skip_length(std::string_view(in, in_left)));
            in += skip;
            in_left -= skip;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return output;
    }

private:
    iconv_t m_handle;
};

} // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    static Converter converter("UTF-8", "GBK");
    return converter.convert(gbk, "\xEF\xBF\xBD", [](std::string_view rest) -> size_t { return IsGbkLeadByte(static_cast<unsigned char>(rest[0])) ? 2 : 1; });
}

std::string Utf8ToGbk(std::string_view utf8)
{
    static Converter converter("GBK", "UTF-8");
    // A damaged byte is one '?' of its own, so the text after it is kept.
    return converter.convert(utf8, "?", [](std::string_view rest) { return Utf8CharLength(rest, 0); });
}

} // namespace text
