#include "report/template/ReportInfoStream.h"

#include "platform/text/Gbk.h"

#include <limits>
#include <stdexcept>

namespace report {
namespace {

// Info texts are a length and the bytes, without the terminating byte of
// counted strings.
std::string ReadInfoBytes(io::ByteReader& in)
{
    std::uint16_t length = in.U16();
    return in.String(length);
}

void WriteInfoBytes(io::ByteWriter& out, const std::string& bytes)
{
    if (bytes.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("a report info text of " + std::to_string(bytes.size()) + " bytes is too long");
    out.U16(static_cast<std::uint16_t>(bytes.size()));
    out.String(bytes);
}

int HexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        digit = static_cast<char>(digit - 'a' + 'A');
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

} // namespace

std::string EncodePassword(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string DecodePassword(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        throw io::FormatError("the stored password has an odd number of digits");
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = HexDigitValue(hex[i]);
        int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0)
            throw io::FormatError("the stored password holds a character that is no hexadecimal digit");
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

void ReadReportInfo(TemplateReader& reader, ReportInfo& info)
{
    io::ByteReader& in = reader.Bytes();
    for (std::string* field : { &info.Comment, &info.Name, &info.Author, &info.VersionMajor, &info.VersionMinor,
                                &info.VersionRelease, &info.VersionBuild })
        *field = text::GbkToUtf8(ReadInfoBytes(in));
    info.Password = text::GbkToUtf8(DecodePassword(ReadInfoBytes(in)));
    info.Constant = in.U8();
    info.PasswordProtected = in.U8() != 0;
    info.CreationDate = { in.F64() };
    info.LastChange = { in.F64() };
}

void WriteReportInfo(TemplateWriter& writer, const ReportInfo& info)
{
    io::ByteWriter& out = writer.Bytes();
    for (const std::string* field : { &info.Comment, &info.Name, &info.Author, &info.VersionMajor,
                                      &info.VersionMinor, &info.VersionRelease, &info.VersionBuild })
        WriteInfoBytes(out, text::Utf8ToGbk(*field));
    WriteInfoBytes(out, EncodePassword(text::Utf8ToGbk(info.Password)));
    out.U8(info.Constant);
    out.U8(info.PasswordProtected ? 1 : 0);
    out.F64(info.CreationDate.value);
    out.F64(info.LastChange.value);
}

} // namespace report
