#include "report/objects/TfrReport.h"

#include "report/objects/PropertyValue.h"

#include <set>

namespace report {

TfrReport::TfrReport() = default;
TfrReport::~TfrReport() = default;

TfrPage& TfrReport::AddPage()
{
    auto page = std::make_unique<TfrPage>();
    page->Name = FreePageName();
    Pages.push_back(std::move(page));
    return *Pages.back();
}

TfrView* TfrReport::FindObject(std::string_view name) const
{
    for (const auto& page : Pages)
        if (TfrView* view = page->FindObject(name))
            return view;
    return nullptr;
}

namespace {

std::string FirstFreeName(std::string_view prefix, const std::set<std::string>& used_upper)
{
    for (int number = 1;; ++number) {
        std::string name = std::string(prefix) + std::to_string(number);
        if (!used_upper.contains(UpperCase(name)))
            return name;
    }
}

} // namespace

std::string TfrReport::FreeObjectName(std::string_view prefix) const
{
    std::set<std::string> used;
    for (const auto& page : Pages)
        for (const auto& view : page->PageObjects)
            used.insert(UpperCase(view->Name));
    return FirstFreeName(prefix, used);
}

std::string TfrReport::FreePageName() const
{
    std::set<std::string> used;
    for (const auto& page : Pages)
        used.insert(UpperCase(page->Name));
    return FirstFreeName("Page", used);
}

void TfrReport::TakeTemplate(TfrReport& loaded)
{
    IgnoreStoredPrinter = loaded.IgnoreStoredPrinter;
    TwoPass = loaded.TwoPass;
    PrinterName = std::move(loaded.PrinterName);
    Pages = std::move(loaded.Pages);
    Dictionary = std::move(loaded.Dictionary);
    Info = std::move(loaded.Info);
}

void TfrReport::Refuse(std::string message)
{
    LoadError = std::move(message);
    if (OnLoadError)
        OnLoadError(LoadError, "Error");
}

} // namespace report
