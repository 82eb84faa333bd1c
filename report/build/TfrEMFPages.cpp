#include "report/build/TfrEMFPages.h"

#include "report/template/TemplateFormat.h"
#include "report/template/TemplateStream.h"

#include <stdexcept>
#include <string>

namespace report {
namespace {

// A prepared page keeps the paper and margins of the template page it was
// formed on, and gives them back to the page rebuilt for display.
template<typename From, typename To>
void CopyPaper(const From& from, To& to)
{
    to.PaperSize = from.PaperSize;
    to.PaperWidth = from.PaperWidth;
    to.PaperHeight = from.PaperHeight;
    to.Orientation = from.Orientation;
    to.PaperBin = from.PaperBin;
    to.MarginsUsed = from.MarginsUsed;
    to.LeftMargin = from.LeftMargin;
    to.TopMargin = from.TopMargin;
    to.RightMargin = from.RightMargin;
    to.BottomMargin = from.BottomMargin;
}

} // namespace

TfrPreparedPage& TfrEMFPages::Add(const TfrPage& layout)
{
    auto page = std::make_unique<TfrPreparedPage>();
    CopyPaper(layout, *page);
    page->Stream.push_back(static_cast<std::uint8_t>(kTemplateVersion));
    m_pages.push_back(std::move(page));
    return *m_pages.back();
}

TfrPreparedPage& TfrEMFPages::AddPrepared()
{
    m_pages.push_back(std::make_unique<TfrPreparedPage>());
    return *m_pages.back();
}

void TfrEMFPages::AddObject(int index, TfrView& view, TfrPrintContext& context)
{
    TfrPreparedPage& page = (*this)[index];
    // The record goes straight onto the page, so the end offsets some
    // records carry count from the start of the page, as they are read.
    std::size_t before = page.Stream.size();
    io::ByteWriter out(std::move(page.Stream));
    TemplateWriter writer(out, 0);
    try {
        view.WriteToPage(writer, context);
    } catch (...) {
        page.Stream = out.Take();
        page.Stream.resize(before);
        throw;
    }
    page.Stream = out.Take();
    page.Page.reset();
}

TfrPage& TfrEMFPages::PageObjects(int index, const AddInRegistry& add_ins)
{
    TfrPreparedPage& prepared = (*this)[index];
    if (prepared.Page)
        return *prepared.Page;
    auto page = std::make_unique<TfrPage>();
    CopyPaper(prepared, *page);
    page->Visible = prepared.Visible;
    try {
        TemplateReader reader(prepared.Stream);
        io::ByteReader& in = reader.Bytes();
        reader.SetVersion(in.U8());
        while (!in.AtEnd()) {
            std::uint8_t kind = in.U8();
            std::string class_name = kind == static_cast<std::uint8_t>(ObjectKind::AddIn) ? reader.String() : "";
            auto view = CreateObject(kind, class_name, add_ins);
            if (!view)
                throw TemplateError("The prepared page " + std::to_string(index + 1) + " holds an object of unknown kind "
                                    + std::to_string(kind) + (class_name.empty() ? "" : " (" + class_name + ")"));
            view->PrintMode = true;
            view->LoadFromStream(reader);
            page->PageObjects.push_back(std::move(view));
        }
    } catch (const io::FormatError& error) {
        throw TemplateError("The prepared page " + std::to_string(index + 1) + " is damaged: " + error.what());
    }
    prepared.Page = std::move(page);
    return *prepared.Page;
}

void TfrEMFPages::Finish(int index)
{
    (*this)[index].Stream.shrink_to_fit();
}

std::size_t TfrEMFPages::StreamBytes() const
{
    std::size_t total = 0;
    for (const auto& page : m_pages)
        total += page->Stream.size();
    return total;
}

} // namespace report
