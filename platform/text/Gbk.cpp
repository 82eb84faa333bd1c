#include "platform/text/Gbk.h"

#include "platform/text/Utf8.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <stdexcept>
#include <vector>

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

// Prepared report pages write every note's text in GBK, character by
// character the same each time: each character of the Basic Multilingual
// Plane is converted once and its bytes kept, so long texts convert by table.
// The few characters beyond it go to the converter every time.
class Utf8ToGbkTable {
public:
    // Appends the GBK form of one well-formed character, '?' when it has none.
    void Append(std::string& gbk, char32_t codePoint, std::string_view utf8)
    {
        if (codePoint >= m_entries.size()) {
            gbk += Convert(utf8);
            return;
        }
        std::uint32_t& entry = m_entries[codePoint];
        if (entry == kUnknown)
            entry = Entry(Convert(utf8));
        if (entry == kUnknown) {
            gbk += Convert(utf8);
        } else if (entry > 0xFF) {
            gbk += static_cast<char>(entry >> 8);
            gbk += static_cast<char>(entry & 0xFF);
        } else {
            gbk += static_cast<char>(entry);
        }
    }

private:
    // Not converted yet, or a form the table cannot hold.
    static constexpr std::uint32_t kUnknown = 0xFFFF'FFFF;
    // Single bytes are kept as they are; two bytes as lead * 256 + trail,
    // which is above 0xFF because every GBK lead byte is.
    static std::uint32_t Entry(const std::string& gbk)
    {
        if (gbk.size() == 1)
            return static_cast<unsigned char>(gbk[0]);
        if (gbk.size() == 2 && IsGbkLeadByte(static_cast<unsigned char>(gbk[0])))
            return static_cast<std::uint32_t>(static_cast<unsigned char>(gbk[0])) << 8 | static_cast<unsigned char>(gbk[1]);
        return kUnknown;
    }
    std::string Convert(std::string_view utf8)
    {
        return m_converter.convert(utf8, "?", [](std::string_view rest) { return Utf8CharLength(rest, 0); });
    }

    Converter m_converter { "GBK", "UTF-8" };
    std::vector<std::uint32_t> m_entries = std::vector<std::uint32_t>(0x10000, kUnknown);
};

} // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    static Converter converter("UTF-8", "GBK");
    return converter.convert(gbk, "\xEF\xBF\xBD", [](std::string_view rest) -> size_t { return IsGbkLeadByte(static_cast<unsigned char>(rest[0])) ? 2 : 1; });
}

std::string Utf8ToGbk(std::string_view utf8)
{
    static Utf8ToGbkTable table;
    std::string gbk;
    gbk.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            gbk += static_cast<char>(byte);
            ++i;
            continue;
        }
        Utf8Char ch = DecodeUtf8(utf8, i);
        // A damaged byte is one '?' of its own, so the text after it is kept.
        if (ch.Valid)
            table.Append(gbk, ch.CodePoint, utf8.substr(i, ch.Length));
        else
            gbk += '?';
        i += ch.Length;
    }
    return gbk;
}

} // namespace text
