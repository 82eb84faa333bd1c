// The prepared-report file (.frp), in the order of its fields:
//
//   UInt8  format version   25 written; a value outside 24..31 means the file
//                           has no version byte (version 0): read from offset 0
//   UInt8  compressed       0 plain page streams (1 compressed, 2..254 an
//                           older layout: both refused, there is no
//                           decompressor in this program)
//   counted string          printer name
//   Int32  page count
//   per page:
//     Int32  end offset     absolute position just after the page
//     UInt16 paper code
//     Int32  paper width, Int32 paper height (tenths of a millimetre)
//     UInt8  orientation
//     Int32  bin            only above version 23, else -1
//     UInt8  margins used
//     4 x Int32 margins     only above version 23
//     bytes  object stream  up to the end offset
//   UInt8  77               the report's constant byte
#include "report/output/PreparedReportFile.h"

#include "report/template/TemplateStream.h"

#include <fstream>
#include <iterator>

namespace report {
namespace {

constexpr std::uint8_t kFileVersion = 25;
constexpr int kOldestVersionByte = 24;
constexpr int kNewestVersionByte = 31;
constexpr std::uint8_t kConstantByte = 77;
// The fixed fields of a page record: end offset, paper code, width, height,
// orientation, (bin), margins used, (four margins).
constexpr std::size_t kPageRecordFields = 4 + 2 + 4 + 4 + 1 + 4 + 1 + 16;
constexpr std::size_t kVersionlessPageRecordFields = 4 + 2 + 4 + 4 + 1 + 1;

std::string PageText(int index)
{
    return "page " + std::to_string(index + 1);
}

void ReadPage(TemplateReader& reader, int version, int index, TfrEMFPages& pages)
{
    io::ByteReader& in = reader.Bytes();
    const std::size_t start = in.Position();
    const std::int64_t end = in.I32();
    TfrPreparedPage& page = pages.AddPrepared();
    page.PaperSize = in.U16();
    page.PaperWidth = in.I32();
    page.PaperHeight = in.I32();
    page.Orientation = in.U8();
    page.PaperBin = version > 23 ? in.I32() : kDefaultBin;
    page.MarginsUsed = in.U8() != 0;
    if (version > 23) {
        page.LeftMargin = in.I32();
        page.TopMargin = in.I32();
        page.RightMargin = in.I32();
        page.BottomMargin = in.I32();
    }
    if (end < static_cast<std::int64_t>(in.Position()))
        throw PreparedReportError("The end of " + PageText(index) + " lies before its start (offset "
            + std::to_string(end) + ", the page begins at " + std::to_string(start) + ")");
    if (end > static_cast<std::int64_t>(in.Size()))
        throw PreparedReportError(
            "The file ends inside " + PageText(index) + ": it is shorter than its page records say");
    const auto stream = in.Bytes(static_cast<std::size_t>(end) - in.Position());
    page.Stream.assign(stream.begin(), stream.end());
}

} // namespace

void WritePreparedReport(const TfrEMFPages& pages, const PreparedReportHeader& header, io::ByteWriter& out)
{
    TemplateWriter writer(out);
    out.U8(kFileVersion);
    out.U8(0);
    writer.String(header.PrinterName);
    out.I32(pages.Count());
    for (int index = 0; index < pages.Count(); ++index) {
        const TfrPreparedPage& page = pages[index];
        const std::size_t end = out.Size();
        out.I32(0);
        out.U16(static_cast<std::uint16_t>(page.PaperSize));
        out.I32(page.PaperWidth);
        out.I32(page.PaperHeight);
        out.U8(page.Orientation);
        out.I32(page.PaperBin);
        out.U8(page.MarginsUsed ? 1 : 0);
        out.I32(page.LeftMargin);
        out.I32(page.TopMargin);
        out.I32(page.RightMargin);
        out.I32(page.BottomMargin);
        out.Bytes(page.Stream);
        out.PatchU32(end, static_cast<std::uint32_t>(out.Size()));
    }
    out.U8(kConstantByte);
}

PreparedReportHeader ReadPreparedReport(std::span<const std::uint8_t> file, TfrEMFPages& pages)
{
    TemplateReader reader(file);
    io::ByteReader& in = reader.Bytes();
    PreparedReportHeader header;
    TfrEMFPages read;
    try {
        int version = in.U8();
        if (version < kOldestVersionByte || version > kNewestVersionByte) {
            version = 0;
            in.Seek(0);
        }
        reader.SetVersion(version);
        const std::uint8_t compressed = in.U8();
        if (compressed == 1)
            throw PreparedReportError("The file holds compressed pages, which this program cannot read");
        if (compressed != 0)
            throw PreparedReportError(
                "The file is of an older prepared-report layout (" + std::to_string(compressed) + "), which this program cannot read");
        header.PrinterName = reader.String();
        const std::int32_t count = in.I32();
        if (count < 0)
            throw PreparedReportError("The file names a negative page count");
        in.Count(count, version > 23 ? kPageRecordFields : kVersionlessPageRecordFields);
        for (int index = 0; index < count; ++index)
            ReadPage(reader, version, index, read);
    } catch (const io::FormatError& error) {
        throw PreparedReportError(std::string("The prepared report is damaged: ") + error.what());
    }
    pages = std::move(read);
    return header;
}

PreparedReportHeader LoadPreparedReportFile(const std::filesystem::path& file_name, TfrEMFPages& pages)
{
    std::ifstream in(file_name, std::ios::binary);
    if (!in)
        throw std::runtime_error("The file " + file_name.string() + " cannot be opened.");
    const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    return ReadPreparedReport(bytes, pages);
}

void SavePreparedReportFile(
    const std::filesystem::path& file_name, const TfrEMFPages& pages, const PreparedReportHeader& header)
{
    io::ByteWriter out;
    WritePreparedReport(pages, header, out);
    std::ofstream file(file_name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.Data().data()), static_cast<std::streamsize>(out.Size()));
    file.close();
    if (!file)
        throw std::runtime_error("The file " + file_name.string() + " cannot be written.");
}

} // namespace report
