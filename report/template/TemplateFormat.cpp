#include "report/template/TemplateFormat.h"

#include "report/objects/PropertyValue.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/objects/TfrSubReportView.h"
#include "report/template/DictionaryStream.h"
#include "report/template/PageStream.h"
#include "report/template/ReportInfoStream.h"
#include "report/template/TemplateStream.h"

#include <limits>
#include <optional>

namespace report {
namespace {

// Record tags of the page section.
constexpr std::uint8_t kPageTag = 255;
constexpr std::uint8_t kDictionaryTag = 254;
constexpr std::uint8_t kExtensionTag = 253;
constexpr std::uint8_t kEndOfPagesTag = 252;
constexpr std::uint8_t kLastObjectTag = 10;

// The legacy framed memo is read as a plain memo followed by 8 bytes of frame
// data that the plain memo has no use for.
constexpr std::size_t kFramedMemoExtraBytes = 8;

std::string Offset(std::size_t position) { return "at offset " + std::to_string(position); }

struct CreatedView {
    std::unique_ptr<TfrView> view;
    bool framed_memo { false };
};

// Older class names of add-ins: two lookup controls that were renamed, and a
// framed memo that became the plain memo.
CreatedView CreateAddIn(std::string& class_name, const AddInRegistry& add_ins)
{
    std::string upper = UpperCase(class_name);
    if (upper == "TFRFRAMEDMEMOVIEW")
        return { std::make_unique<TfrMemoView>(), true };
    if (upper == "TFRBDELOOKUPCONTROL" || upper == "TFRIBXLOOKUPCONTROL")
        class_name = "TfrDBLookupControl";
    return { add_ins.Create(class_name) };
}

CreatedView CreateView(std::uint8_t kind, std::string& class_name, const AddInRegistry& add_ins)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Memo:
        return { std::make_unique<TfrMemoView>() };
    case ObjectKind::Picture:
        return { std::make_unique<TfrPictureView>() };
    case ObjectKind::Band:
        return { std::make_unique<TfrBandView>() };
    case ObjectKind::SubReport:
        return { std::make_unique<TfrSubReportView>() };
    case ObjectKind::Line:
        return { std::make_unique<TfrLineView>() };
    case ObjectKind::AddIn:
        return CreateAddIn(class_name, add_ins);
    }
    return {};
}

std::string NonPluggedMessage(const std::string& missing)
{
    return "Report contains the following non-plugged components:\r" + missing
           + "You must include these components into your project.";
}

class TemplateParser {
public:
    TemplateParser(std::span<const std::uint8_t> stream, TfrReport& report, const AddInRegistry& add_ins,
                   const std::function<bool(std::string_view)>& dataset_exists)
        : m_reader(stream), m_in(m_reader.Bytes()), m_report(report), m_addIns(add_ins),
          m_datasetExists(dataset_exists)
    {
    }

    int Parse()
    {
        ReadVersion();
        m_report.IgnoreStoredPrinter = m_reader.WordBool();
        m_report.TwoPass = m_reader.WordBool();
        m_report.PrinterName = m_reader.String();
        ReadPageSection();
        if (!m_missingClasses.empty())
            throw TemplateError(NonPluggedMessage(m_missingClasses));
        CheckSubReportPages();
        if (m_in.AtEnd())
            m_report.Info = ReportInfo::Defaults();
        else
            ReadReportInfo(m_reader, m_report.Info);
        return m_reader.Version();
    }

private:
    void ReadVersion()
    {
        int version = m_in.U8();
        if (version < kOldestTemplateVersion) {
            // The oldest layout has no version byte: its first byte is data.
            version = kOldestTemplateVersion;
            m_in.Seek(0);
        }
        if (version > kTemplateVersion)
            throw TemplateError(std::string(kUnsupportedFormatMessage) + "\nThe template has format version "
                                + std::to_string(version) + "; this program reads versions up to "
                                + std::to_string(kTemplateVersion) + ".");
        m_reader.SetVersion(version);
    }

    void ReadPageSection()
    {
        while (!m_in.AtEnd()) {
            std::size_t at = m_in.Position();
            std::uint8_t tag = m_in.U8();
            if (tag == kPageTag) {
                auto page = std::make_unique<TfrPage>();
                ReadPage(m_reader, *page);
                m_report.Pages.push_back(std::move(page));
            } else if (tag == kDictionaryTag) {
                ReadDictionary(m_reader, m_report.Dictionary, m_datasetExists);
            } else if (tag == kExtensionTag || tag == kEndOfPagesTag) {
                return;
            } else if (tag <= kLastObjectTag) {
                ReadObjectRecord(tag, at);
            } else {
                throw io::FormatError("unknown record tag " + std::to_string(tag) + " " + Offset(at));
            }
        }
    }

    void ReadObjectRecord(std::uint8_t kind, std::size_t at)
    {
        std::string class_name = kind == static_cast<std::uint8_t>(ObjectKind::AddIn) ? m_reader.String() : "";
        std::uint8_t page_index = m_in.U8();
        std::optional<std::size_t> end;
        if (m_reader.Version() > 23)
            end = m_reader.EndOffset();
        if (page_index >= m_report.Pages.size())
            throw io::FormatError("the object record " + Offset(at) + " belongs to page " + std::to_string(page_index)
                                  + ", which the template has not defined before it");
        CreatedView created = CreateView(kind, class_name, m_addIns);
        if (!created.view) {
            SkipUnknownObject(kind, class_name, at, end);
            return;
        }
        created.view->LoadFromStream(m_reader);
        if (created.framed_memo)
            m_in.Skip(kFramedMemoExtraBytes);
        if (end) {
            if (m_in.Position() > *end)
                throw io::FormatError("the object record " + Offset(at) + " runs past its end offset " + std::to_string(*end));
            m_in.Seek(*end);
        }
        m_report.Pages[page_index]->PageObjects.push_back(std::move(created.view));
    }

    // Objects of kinds 5 to 9 and of add-in classes this program lacks are
    // passed over by their end offset; without one, the rest of the stream
    // cannot be found.
    void SkipUnknownObject(std::uint8_t kind, const std::string& class_name, std::size_t at,
                           std::optional<std::size_t> end)
    {
        bool add_in = kind == static_cast<std::uint8_t>(ObjectKind::AddIn);
        if (add_in)
            m_missingClasses += class_name + "\r";
        if (end) {
            m_in.Seek(*end);
            return;
        }
        if (add_in)
            throw TemplateError(NonPluggedMessage(m_missingClasses));
        throw io::FormatError("unknown object kind " + std::to_string(kind) + " " + Offset(at));
    }

    void CheckSubReportPages() const
    {
        for (const auto& page : m_report.Pages)
            for (const auto& view : page->PageObjects)
                if (auto* sub_report = dynamic_cast<const TfrSubReportView*>(view.get());
                    sub_report && (sub_report->SubPage < 0 || static_cast<std::size_t>(sub_report->SubPage) >= m_report.Pages.size()))
                    throw io::FormatError("the sub-report " + sub_report->Name + " refers to page "
                                          + std::to_string(sub_report->SubPage) + ", which the template does not have");
    }

    TemplateReader m_reader;
    io::ByteReader& m_in;
    TfrReport& m_report;
    const AddInRegistry& m_addIns;
    const std::function<bool(std::string_view)>& m_datasetExists;
    std::string m_missingClasses;
};

} // namespace

std::unique_ptr<TfrView> CreateObject(std::uint8_t kind, std::string class_name, const AddInRegistry& add_ins)
{
    return CreateView(kind, class_name, add_ins).view;
}

namespace {

void WriteObjectRecord(TemplateWriter& writer, const TfrView& view, std::size_t page_index)
{
    if (page_index > std::numeric_limits<std::uint8_t>::max())
        throw std::length_error("objects on page " + std::to_string(page_index + 1)
                                + " cannot be stored: a template addresses at most 256 pages");
    io::ByteWriter& out = writer.Bytes();
    out.U8(static_cast<std::uint8_t>(view.Kind()));
    if (view.Kind() == ObjectKind::AddIn)
        writer.String(view.ClassName());
    out.U8(static_cast<std::uint8_t>(page_index));
    std::size_t end = writer.BeginEndOffset();
    view.SaveToStream(writer);
    writer.PatchEndOffset(end);
}

} // namespace

int ReadTemplate(std::span<const std::uint8_t> stream, TfrReport& report, const AddInRegistry& add_ins,
                 const std::function<bool(std::string_view)>& dataset_exists)
{
    try {
        return TemplateParser(stream, report, add_ins, dataset_exists).Parse();
    } catch (const io::FormatError& error) {
        throw TemplateError(std::string(kUnsupportedFormatMessage) + "\n" + error.what());
    }
}

void WriteTemplate(const TfrReport& report, io::ByteWriter& stream)
{
    TemplateWriter writer(stream);
    stream.U8(kTemplateVersion);
    writer.WordBool(report.IgnoreStoredPrinter);
    writer.WordBool(report.TwoPass);
    writer.String(report.PrinterName);
    for (const auto& page : report.Pages) {
        stream.U8(kPageTag);
        WritePage(writer, *page);
    }
    for (std::size_t index = 0; index < report.Pages.size(); ++index)
        for (const auto& view : report.Pages[index]->PageObjects)
            WriteObjectRecord(writer, *view, index);
    stream.U8(kDictionaryTag);
    WriteDictionary(writer, report.Dictionary);
    stream.U8(kEndOfPagesTag);
    WriteReportInfo(writer, report.Info);
}

} // namespace report
