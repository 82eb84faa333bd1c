// Damaged and hostile template streams end in a clear refusal that leaves the
// report as it was; files, passwords and the form property.
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrSubReportView.h"
#include "report/template/PageTemplate.h"
#include "report/template/TemplateFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace report {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Write(const TfrReport& report)
{
    io::ByteWriter out;
    WriteTemplate(report, out);
    return out.Take();
}

// A small template: one page, a memo, a picture and a line.
ByteList SmallTemplate()
{
    TfrReport report;
    auto& page = report.AddPage();
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = "Memo1";
    memo->Memo = { "[标题]" };
    page.Add(std::move(memo));
    auto picture = std::make_unique<TfrPictureView>();
    picture->Name = "Picture1";
    picture->Graphic = GraphicKind::Bitmap;
    picture->PictureData = { 'B', 'M', 0, 0 };
    page.Add(std::move(picture));
    auto line = std::make_unique<TfrLineView>();
    line->Name = "Line1";
    page.Add(std::move(line));
    report.Info.CreationDate = report.Info.LastChange = { 46000.0 };
    return Write(report);
}

// The offset of the first object record: right after the only page record.
std::size_t FirstObject()
{
    std::size_t page = 1 + 2 + 2 + 4;
    return page + 91;
}

std::string Refusal(const ByteList& bytes)
{
    TfrReport report;
    AddInRegistry add_ins;
    try {
        ReadTemplate(bytes, report, add_ins, {});
    } catch (const TemplateError& error) {
        return error.what();
    }
    return {};
}

void Put32(ByteList& bytes, std::size_t at, std::int64_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

class TemplateDamage : public ::testing::Test {
protected:
    TemplateDamage()
    {
        auto& page = m_report.AddPage();
        page.Name = "Before";
        m_report.Dictionary.Variables = { { "kept", "1" } };
        m_report.OnLoadError = [this](const std::string& text, const std::string&) { m_shown.push_back(text); };
    }

    void ExpectUnchanged() const
    {
        ASSERT_EQ(m_report.Pages.size(), 1u);
        EXPECT_EQ(m_report.Pages[0]->Name, "Before");
        EXPECT_EQ(m_report.Dictionary.Variables.size(), 1u);
    }

    TfrReport m_report;
    std::vector<std::string> m_shown;
};

TEST_F(TemplateDamage, EveryTruncationIsReadOrRefusedAndARefusalChangesNothing)
{
    ByteList bytes = SmallTemplate();
    std::size_t refused = 0;
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        ByteList cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        if (!m_report.LoadTemplateFromStream(cut)) {
            ++refused;
            ExpectUnchanged();
        } else {
            m_report.Pages.resize(1);
            m_report.Pages[0] = std::make_unique<TfrPage>();
            m_report.Pages[0]->Name = "Before";
            m_report.Dictionary.Variables = { { "kept", "1" } };
        }
    }
    EXPECT_GT(refused, bytes.size() / 2);
    EXPECT_EQ(m_shown.size(), refused);
}

TEST_F(TemplateDamage, EveryByteSetToExtremesIsSurvived)
{
    ByteList bytes = PageTemplateBytes();
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (std::uint8_t value : { 0x00, 0xFF }) {
            ByteList damaged = bytes;
            damaged[at] = value;
            TfrReport report;
            report.LoadTemplateFromStream(damaged);
        }
    }
}

TEST_F(TemplateDamage, HostileCountsAndOffsetsAreRefusedWithTheirPlace)
{
    ByteList bytes = SmallTemplate();
    std::size_t object = FirstObject();
    ASSERT_EQ(bytes[object], 0); // the memo

    ByteList backward = bytes;
    Put32(backward, object + 2, static_cast<std::int64_t>(object));
    EXPECT_NE(Refusal(backward).find("end offset"), std::string::npos);

    ByteList beyond = bytes;
    Put32(beyond, object + 2, 0x7FFFFFFF);
    EXPECT_NE(Refusal(beyond).find("end offset"), std::string::npos);

    ByteList wrong_page = bytes;
    wrong_page[object + 1] = 3;
    EXPECT_NE(Refusal(wrong_page).find("belongs to page 3"), std::string::npos);

    ByteList unknown_tag = bytes;
    unknown_tag[object] = 100;
    EXPECT_NE(Refusal(unknown_tag).find("unknown record tag 100"), std::string::npos);

    // A dictionary that claims two thousand million entries.
    ByteList dictionary = bytes;
    const std::uint8_t marker[] = { 254, 0xFE, 0xFF }; // the tag and the -2 marker
    auto tag = std::search(dictionary.begin(), dictionary.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(tag, dictionary.end());
    std::size_t at = static_cast<std::size_t>(tag - dictionary.begin());
    Put32(dictionary, at + 3, 0x7FFFFFFF);
    EXPECT_NE(Refusal(dictionary).find("exceeds what the stream holds"), std::string::npos);
}

TEST_F(TemplateDamage, ObjectsThatOverrunTheirRecordAreRefused)
{
    ByteList bytes = SmallTemplate();
    std::size_t object = FirstObject();
    // The memo's record claims to end one byte after its own end offset field.
    Put32(bytes, object + 2, static_cast<std::int64_t>(object + 7));
    EXPECT_NE(Refusal(bytes).find("runs past its end offset"), std::string::npos);
}

TEST_F(TemplateDamage, SubReportsMustNameAPageOfTheTemplate)
{
    TfrReport report;
    auto& page = report.AddPage();
    auto sub_report = std::make_unique<TfrSubReportView>();
    sub_report->Name = "SubReport1";
    sub_report->SubPage = 1;
    page.Add(std::move(sub_report));
    EXPECT_NE(Refusal(Write(report)).find("refers to page 1"), std::string::npos);
    report.AddPage();
    EXPECT_EQ(Refusal(Write(report)), "");
}

TEST_F(TemplateDamage, AStoredPasswordThatIsNoHexIsRefused)
{
    TfrReport report;
    report.AddPage();
    report.Info.Password = "pw";
    ByteList bytes = Write(report);
    // The hexadecimal password "7077" sits after seven empty info texts.
    auto at = std::search(bytes.begin(), bytes.end(), std::begin("7077"), std::end("7077") - 1);
    ASSERT_NE(at, bytes.end());
    *at = 'x';
    EXPECT_NE(Refusal(bytes).find("hexadecimal"), std::string::npos);
}

TEST_F(TemplateDamage, WritingObjectsOnPagesPastTheAddressableRangeIsRefused)
{
    TfrReport report;
    for (int i = 0; i < 257; ++i)
        report.AddPage();
    io::ByteWriter fine;
    EXPECT_NO_THROW(WriteTemplate(report, fine));
    report.Pages.back()->Add(std::make_unique<TfrLineView>());
    io::ByteWriter out;
    EXPECT_THROW(WriteTemplate(report, out), std::length_error);
}

class TemplateFiles : public TemplateDamage {
protected:
    TemplateFiles()
    {
        m_dir = std::filesystem::temp_directory_path() / ("veltrin-template-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    ~TemplateFiles() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path WriteFile(const std::string& name, const ByteList& bytes) const
    {
        auto path = m_dir / name;
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path m_dir;
};

TEST_F(TemplateFiles, AMissingFileReturnsFalseSilentlyAndChangesNothing)
{
    EXPECT_FALSE(m_report.LoadTemplateFromFile(m_dir / "PAGE.frf"));
    EXPECT_TRUE(m_shown.empty());
    ExpectUnchanged();
    EXPECT_EQ(m_report.FileName, "");
}

TEST_F(TemplateFiles, AReadableFileReplacesTheTemplateAndIsRemembered)
{
    auto path = WriteFile("PAGE.frf", PageTemplateBytes());
    EXPECT_TRUE(m_report.LoadTemplateFromFile(path));
    EXPECT_EQ(m_report.FileName, path.string());
    ASSERT_EQ(m_report.Pages.size(), 1u);
    EXPECT_EQ(m_report.Pages[0]->Name, "Page1");
    EXPECT_TRUE(m_report.Dictionary.Variables.empty());
}

TEST_F(TemplateFiles, ADamagedFileIsReportedAndChangesNothing)
{
    ByteList bytes = SmallTemplate();
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(m_report.LoadTemplateFromFile(WriteFile("bad.frf", bytes)));
    ASSERT_EQ(m_shown.size(), 1u);
    EXPECT_EQ(m_shown[0].substr(0, 22), "Unsupported FRF format");
    EXPECT_EQ(m_report.LoadError, m_shown[0]);
    ExpectUnchanged();
    EXPECT_EQ(m_report.FileName, "");

    EXPECT_FALSE(m_report.LoadTemplateFromFile(m_dir));
    EXPECT_EQ(m_shown.size(), 2u);
    ExpectUnchanged();
}

TEST_F(TemplateFiles, SavedFilesLoadBack)
{
    auto report = MakePageTemplate();
    auto path = m_dir / "saved.frf";
    report->SaveTemplateToFile(path);
    EXPECT_EQ(report->FileName, path.string());
    EXPECT_TRUE(m_report.LoadTemplateFromFile(path));
    EXPECT_EQ(m_report.Pages[0]->PageObjects.size(), report->Pages[0]->PageObjects.size());
    EXPECT_THROW(report->SaveTemplateToFile(m_dir / "missing" / "x.frf"), std::runtime_error);
}

TEST_F(TemplateFiles, AProtectedFileLoadsOnlyWithItsPassword)
{
    auto report = MakePageTemplate();
    report->Info.Password = "秘密";
    report->Info.PasswordProtected = true;
    io::ByteWriter out;
    WriteTemplate(*report, out);
    auto path = WriteFile("locked.frf", out.Data());

    EXPECT_FALSE(m_report.LoadTemplateFromFile(path)); // nobody to ask
    ExpectUnchanged();
    int asked = 0;
    m_report.OnPasswordRequest = [&asked]() -> std::optional<std::string> {
        ++asked;
        return "wrong";
    };
    EXPECT_FALSE(m_report.LoadTemplateFromFile(path));
    ExpectUnchanged();
    m_report.OnPasswordRequest = [&asked]() -> std::optional<std::string> {
        ++asked;
        return std::nullopt;
    };
    EXPECT_FALSE(m_report.LoadTemplateFromFile(path));
    ExpectUnchanged();
    m_report.OnPasswordRequest = [&asked]() -> std::optional<std::string> {
        ++asked;
        return "秘密";
    };
    EXPECT_TRUE(m_report.LoadTemplateFromFile(path));
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(m_shown.empty());

    // Streams in memory never ask.
    TfrReport from_memory;
    EXPECT_TRUE(from_memory.LoadTemplateFromStream(out.Data()));
}

TEST_F(TemplateFiles, TheFormPropertyHoldsTheTemplateOnlyWhenStoredInTheForm)
{
    EXPECT_TRUE(m_report.ReadReportForm(ByteList { 0x19, 0, 0, 0 }));
    EXPECT_FALSE(m_report.StoreInDFM);
    ExpectUnchanged();
    EXPECT_EQ(m_report.WriteReportForm(), (ByteList { 0x19, 0, 0, 0 }));

    auto report = MakePageTemplate();
    report->StoreInDFM = true;
    ByteList property = report->WriteReportForm();
    ASSERT_GT(property.size(), 8u);
    EXPECT_EQ(property.size(), 8u + (property[4] | property[5] << 8 | property[6] << 16 | property[7] << 24));
    TfrReport restored;
    EXPECT_TRUE(restored.ReadReportForm(property));
    EXPECT_TRUE(restored.StoreInDFM);
    EXPECT_EQ(restored.Pages.size(), 1u);

    ByteList truncated(property.begin(), property.begin() + 20);
    EXPECT_FALSE(m_report.ReadReportForm(truncated));
    ExpectUnchanged();
}

} // namespace
} // namespace report
