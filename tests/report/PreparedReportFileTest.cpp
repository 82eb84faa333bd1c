// Prepared-report files: what is written reads back page for page, a file
// without a version byte is read in the versionless layout, and damaged,
// compressed or older-layout files are refused without touching the pages
// held before.
#include "BandEngineSupport.h"

#include "report/output/PreparedReportFile.h"

#include <gtest/gtest.h>

namespace report {
namespace {

using Bytes = std::vector<std::uint8_t>;

class PreparedReportFile : public ::testing::Test {
protected:
    PreparedReportFile()
    {
        code.Band(BandType::MasterData, 100, 300, "7");
        code.Memo("第 [LINE#] 行 Row", 100);
        EXPECT_TRUE(code.Build());
    }

    Bytes Written(const TfrEMFPages& pages, const std::string& printer = "HP LaserJet 打印机")
    {
        io::ByteWriter out;
        WritePreparedReport(pages, { printer }, out);
        return out.Take();
    }

    // Pages that a refused file must leave alone.
    static TfrEMFPages HeldPages()
    {
        TfrEMFPages pages;
        pages.AddPrepared().PaperSize = 11;
        return pages;
    }

    static void ExpectRefused(const Bytes& file, const std::string& wording)
    {
        TfrEMFPages pages = HeldPages();
        try {
            ReadPreparedReport(file, pages);
            ADD_FAILURE() << "the file was read";
        } catch (const PreparedReportError& error) {
            EXPECT_NE(std::string(error.what()).find(wording), std::string::npos) << error.what();
        }
        ASSERT_EQ(pages.Count(), 1);
        EXPECT_EQ(pages[0].PaperSize, 11);
    }

    testing::ReportInCode code;
};

// Offset of the first page record: version, flag, counted printer name, count.
std::size_t FirstPageAt(const Bytes& file)
{
    // A counted string: its length, its bytes and a closing zero.
    return 2 + 2 + (file[2] | (file[3] << 8)) + 1 + 4;
}

void PutI32(Bytes& file, std::size_t at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

TEST_F(PreparedReportFile, PagesPaperMarginsAndPrinterReadBackAsWritten)
{
    code.report.EMFPages[0].Orientation = poLandscape;
    code.report.EMFPages[0].PaperBin = 4;
    code.report.EMFPages[1].MarginsUsed = false;
    const Bytes file = Written(code.report.EMFPages);
    EXPECT_EQ(file.front(), 25);
    EXPECT_EQ(file[1], 0);
    EXPECT_EQ(file.back(), 77);

    TfrEMFPages read;
    const PreparedReportHeader header = ReadPreparedReport(file, read);
    EXPECT_EQ(header.PrinterName, "HP LaserJet 打印机");
    ASSERT_EQ(read.Count(), code.PageCount());
    for (int index = 0; index < read.Count(); ++index) {
        const TfrPreparedPage& a = code.report.EMFPages[index];
        const TfrPreparedPage& b = read[index];
        EXPECT_EQ(b.Stream, a.Stream) << index;
        EXPECT_EQ(std::tie(b.PaperSize, b.PaperWidth, b.PaperHeight, b.Orientation, b.PaperBin, b.MarginsUsed),
            std::tie(a.PaperSize, a.PaperWidth, a.PaperHeight, a.Orientation, a.PaperBin, a.MarginsUsed));
        EXPECT_EQ(std::tie(b.LeftMargin, b.TopMargin, b.RightMargin, b.BottomMargin),
            std::tie(a.LeftMargin, a.TopMargin, a.RightMargin, a.BottomMargin));
    }
    // The objects come back too.
    const auto& first = read.PageObjects(0).PageObjects;
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front()->Memo, code.report.EMFPages.PageObjects(0).PageObjects.front()->Memo);
    EXPECT_EQ(Written(read), file);
}

// A versionless file: its first byte is already the compressed flag.
Bytes VersionlessFile(std::uint8_t flag, const Bytes& stream)
{
    io::ByteWriter out;
    out.U8(flag);
    out.U8(0); // an empty printer name: zero-terminated in this layout
    out.I32(1);
    const std::size_t end = out.Size();
    out.I32(0);
    out.U16(9);
    out.I32(2100);
    out.I32(2970);
    out.U8(poPortrait);
    out.U8(1); // margins used; no bin, no margins
    out.Bytes(stream);
    out.PatchU32(end, static_cast<std::uint32_t>(out.Size()));
    out.U8(77);
    return out.Take();
}

TEST_F(PreparedReportFile, AFirstByteOutsideTheVersionsIsReadAsTheFlagOfAVersionlessFile)
{
    const Bytes stream = { 25 };
    TfrEMFPages read;
    ReadPreparedReport(VersionlessFile(0, stream), read);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(read[0].PaperSize, 9);
    EXPECT_EQ(read[0].PaperBin, kDefaultBin);
    EXPECT_TRUE(read[0].MarginsUsed);
    EXPECT_EQ(read[0].Stream, stream);

    // 20 is no version: it is the flag of the older layout, which is refused
    // rather than read as something it is not.
    ExpectRefused(VersionlessFile(20, stream), "older");
    ExpectRefused(VersionlessFile(1, stream), "compressed");
}

TEST_F(PreparedReportFile, CompressedAndOlderLayoutsAreRefusedAndTheHeldPagesStay)
{
    Bytes file = Written(code.report.EMFPages);
    file[1] = 1;
    ExpectRefused(file, "compressed");
    for (int flag : { 2, 100, 254, 255 }) {
        file[1] = static_cast<std::uint8_t>(flag);
        ExpectRefused(file, "older");
    }
}

TEST_F(PreparedReportFile, DamagedPageRecordsAreRefusedAndTheHeldPagesStay)
{
    const Bytes good = Written(code.report.EMFPages);
    const std::size_t first = FirstPageAt(good);

    Bytes pastEnd = good;
    PutI32(pastEnd, first, static_cast<std::int32_t>(good.size()) + 1000);
    ExpectRefused(pastEnd, "shorter");

    Bytes backwards = good;
    PutI32(backwards, first, static_cast<std::int32_t>(first));
    ExpectRefused(backwards, "before its start");

    Bytes negative = good;
    PutI32(negative, first, -5);
    ExpectRefused(negative, "before its start");

    Bytes hugeCount = good;
    PutI32(hugeCount, first - 4, 2000000000);
    ExpectRefused(hugeCount, "damaged");

    Bytes negativeCount = good;
    PutI32(negativeCount, first - 4, -1);
    ExpectRefused(negativeCount, "negative");

    ExpectRefused(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(first + 10)), "damaged");
    ExpectRefused({}, "damaged");
}

TEST_F(PreparedReportFile, AFileEndingAfterItsLastPageWithoutTheConstantByteIsRead)
{
    Bytes file = Written(code.report.EMFPages);
    file.pop_back();
    TfrEMFPages read;
    ReadPreparedReport(file, read);
    EXPECT_EQ(read.Count(), code.PageCount());
}

} // namespace
} // namespace report
