#include "report/objects/TfrReport.h"

#include "report/objects/PropertyValue.h"

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

std::string TfrReport::FreeObjectName(std::string_view prefix) const
{
    for (int number = 1;; ++number) {
        std::string name = std::string(prefix) + std::to_string(number);
        if (!FindObject(name))
            return name;
    }
}

std::string TfrReport::FreePageName() const
{
    for (int number = 1;; ++number) {
        std::string name = "Page" + std::to_string(number);
        bool used = false;
        for (const auto& page : Pages)
            used = used || SameText(page->Name, name);
        if (!used)
            return name;
    }
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
