#pragma once

#include "report/objects/AddInRegistry.h"
#include "report/objects/TfrPage.h"
#include "report/objects/TfrPrintContext.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace report {

// One prepared page: the paper it is printed on and the objects to draw,
// kept as a compact stream of object records until the page is shown.
struct TfrPreparedPage {
    std::int32_t PaperSize { kPaperA4 };
    std::int32_t PaperWidth { 2100 };  // tenths of a millimetre
    std::int32_t PaperHeight { 2970 }; // tenths of a millimetre
    std::uint8_t Orientation { poPortrait };
    std::int32_t PaperBin { kDefaultBin };
    bool MarginsUsed { true };
    std::int32_t LeftMargin { 0 };
    std::int32_t TopMargin { 0 };
    std::int32_t RightMargin { 0 };
    std::int32_t BottomMargin { 0 };
    bool Visible { true };
    // The version byte, then per object its kind, its class name for add-ins,
    // and its fields as written in print mode.
    std::vector<std::uint8_t> Stream;
    // The page object rebuilt from the stream, once it is needed for display.
    std::unique_ptr<TfrPage> Page;
    // Whether the page footer has been shown on this page.
    bool FooterShown { false };
};

// The prepared pages of a build, in page order.
class TfrEMFPages {
public:
    int Count() const { return static_cast<int>(m_pages.size()); }
    bool Empty() const { return m_pages.empty(); }
    TfrPreparedPage& operator[](int index) { return *m_pages.at(static_cast<std::size_t>(index)); }
    const TfrPreparedPage& operator[](int index) const { return *m_pages.at(static_cast<std::size_t>(index)); }

    // A new empty page at the end with the paper and margins of `layout`.
    TfrPreparedPage& Add(const TfrPage& layout);
    // A new page at the end with default paper and an empty stream, for a
    // reader that fills in a stored page.
    TfrPreparedPage& AddPrepared();
    // Writes the object onto the page as the build placed it (the object
    // expands its text and aligns itself first). A text the page cannot
    // store (a line over 65535 bytes) throws std::length_error.
    void AddObject(int index, TfrView& view, TfrPrintContext& context);
    // The page's objects read back from its stream, each in print mode;
    // kept on the page until DropRebuiltPage or Clear. Throws TemplateError for
    // a damaged stream.
    TfrPage& PageObjects(int index, const AddInRegistry& add_ins = AddInRegistry::Global());
    // Drops a page's rebuilt objects; its stream stays.
    void DropRebuiltPage(int index) { (*this)[index].Page.reset(); }
    // Frees the stream space a finished page no longer grows into.
    void Finish(int index);
    void Clear() { m_pages.clear(); }
    // Bytes held by all page streams.
    std::size_t StreamBytes() const;

private:
    std::vector<std::unique_ptr<TfrPreparedPage>> m_pages;
};

} // namespace report
