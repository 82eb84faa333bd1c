#include "report/build/TfrEMFPages.h"

#include "report/template/TemplateFormat.h"
#include "report/template/TemplateStream.h"

#include <stdexcept>
#include <string>

namespace report {

TfrPreparedPage& TfrEMFPages::Add(const TfrPage& layout)
{
    auto page = std::make_unique<TfrPreparedPage>();
    page->PaperSize = layout.PaperSize;
    page->PaperWidth = layout.PaperWidth;
    page->PaperHeight = layout.PaperHeight;
    page->Orientation = layout.Orientation;
    page->PaperBin = layout.PaperBin;
    page->MarginsUsed = layout.MarginsUsed;
    page->LeftMargin = layout.LeftMargin;
    page->TopMargin = layout.TopMargin;
    page->RightMargin = layout.RightMargin;
    page->BottomMargin = layout.BottomMargin;
    page->Stream.push_back(static_cast<std::uint8_t>(kTemplateVersion));
    m_pages.push_back(std::move(page));
    return *m_pages.back();
}

void TfrEMFPages::AddObject(int index, TfrView& view, TfrPrintContext& context)
{
    TfrPreparedPage& page = (*this)[index];
    io::ByteWriter out;
    TemplateWriter writer(out);
    view.WriteToPage(writer, context);
    const auto& bytes = out.Data();
    page.Stream.insert(page.Stream.end(), bytes.begin(), bytes.end());
    page.Page.reset();
}

TfrPage& TfrEMFPages::PageObjects(int index, const AddInRegistry& add_ins)
{
    TfrPreparedPage& prepared = (*this)[index];
    if (prepared.Page)
        return *prepared.Page;
    auto page = std::make_unique<TfrPage>();
    page->PaperSize = prepared.PaperSize;
    page->PaperWidth = prepared.PaperWidth;
    page->PaperHeight = prepared.PaperHeight;
    page->Orientation = prepared.Orientation;
    page->PaperBin = prepared.PaperBin;
    page->MarginsUsed = prepared.MarginsUsed;
    page->LeftMargin = prepared.LeftMargin;
    page->TopMargin = prepared.TopMargin;
    page->RightMargin = prepared.RightMargin;
    page->BottomMargin = prepared.BottomMargin;
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
