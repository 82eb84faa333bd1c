#include "report/print/PageList.h"

#include "platform/text/IntegerText.h"

#include <algorithm>
#include <string>

namespace report {
namespace {

int ParseNumber(std::string_view item, std::string_view whole)
{
    const std::optional<int> number = text::ParseInteger(item);
    if (!number)
        throw PageListError("'" + std::string(whole) + "' is not a valid page number or range");
    return *number;
}

// Marks the pages from `first` to `last` that exist.
void Select(std::vector<bool>& selected, int first, int last)
{
    const int count = static_cast<int>(selected.size());
    first = std::max(first, 1);
    last = std::min(last, count);
    for (int page = first; page <= last; ++page)
        selected[static_cast<std::size_t>(page - 1)] = true;
}

} // namespace

std::vector<int> ParsePageList(std::string_view text, int pageCount)
{
    pageCount = std::max(pageCount, 0);
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t')
            compact += c;
    std::vector<bool> selected(static_cast<std::size_t>(pageCount), compact.empty());
    std::string_view rest = compact;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (item.empty())
            continue; // "1,,2" and a trailing comma add nothing
        const std::size_t dash = item.find('-', 1);
        if (dash == std::string_view::npos) {
            const int page = ParseNumber(item, item);
            Select(selected, page, page);
        } else {
            Select(selected, ParseNumber(item.substr(0, dash), item), ParseNumber(item.substr(dash + 1), item));
        }
    }
    std::vector<int> pages;
    for (int page = 1; page <= pageCount; ++page)
        if (selected[static_cast<std::size_t>(page - 1)])
            pages.push_back(page);
    return pages;
}

std::vector<int> FilterPages(const std::vector<int>& pages, TfrPrintPages kind)
{
    if (kind == TfrPrintPages::ppAll)
        return pages;
    const int remainder = kind == TfrPrintPages::ppOdd ? 1 : 0;
    std::vector<int> kept;
    std::copy_if(pages.begin(), pages.end(), std::back_inserter(kept), [remainder](int page) { return page % 2 == remainder; });
    return kept;
}

} // namespace report
