#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace report {

// A page list the user typed that holds something other than numbers,
// ranges and commas.
class PageListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Which of the chosen pages print: every one, or those with an odd or an
// even page number (page numbers count from 1 in the report).
enum class TfrPrintPages { ppAll, ppOdd, ppEven };

// The pages a page list selects out of `pageCount`, as page numbers from 1 in
// ascending order, each once. Blanks are ignored; the list is comma-separated
// items, each a number or two numbers joined by "-"; a range adds every page
// from the first to the second (none when the second is smaller). An empty
// list means every page. Numbers that name no page (0, or past the end) add
// nothing, and a range is cut to the pages that exist before it is walked, so
// "1-2000000000" costs no more than "1-<last page>". Anything else raises
// PageListError naming the item.
std::vector<int> ParsePageList(std::string_view text, int pageCount);

// The pages of `pages` that `kind` keeps.
std::vector<int> FilterPages(const std::vector<int>& pages, TfrPrintPages kind);

} // namespace report
