#include "platform/data/DataSetRows.h"

#include <algorithm>
#include <utility>

namespace db {

DataSetRows::DataSetRows(std::size_t width, PageReader reader)
    : m_reader(std::move(reader))
{
    Restart(width, m_reader != nullptr);
}

void DataSetRows::Restart(std::size_t width, bool paged)
{
    m_width = width;
    m_paged = paged && m_reader;
    m_keys.clear();
    ClearPage(0);
    m_pageCapacity = 0;
    m_pageTakesRows = true;
    m_nextRowStartsPage = false;
    m_rowsRead = 0;
    // Most results are a few rows (a category's notes, a note by its title):
    // room for them at once spares the growing of both arrays.
    constexpr std::size_t FewRows = 16;
    m_keys.reserve(FewRows);
    m_pageValues.reserve(FewRows * m_width);
}

std::optional<std::size_t> DataSetRows::Find(std::int64_t rowid) const
{
    const auto found = std::ranges::find(m_keys, rowid);
    if (found == m_keys.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - m_keys.begin());
}

bool DataSetRows::AppendRowAtPageEdge(std::int64_t rowid)
{
    if (std::exchange(m_nextRowStartsPage, false)) {
        ClearPage(m_keys.size());
        m_pageTakesRows = true;
    }
    m_keys.push_back(rowid);
    if (m_pageTakesRows && PageFull()) {
        m_pageTakesRows = false;
        if (m_pageCapacity == 0)
            m_pageCapacity = PageRowCount();
    }
    if (!m_pageTakesRows)
        return false;
    ++m_rowsRead;
    return true;
}

void DataSetRows::StartPageAtEnd()
{
    // The page is dropped only when a row comes: a walk at the last row keeps
    // the page that holds it.
    m_nextRowStartsPage = !m_pageTakesRows || PageFull();
}

void DataSetRows::ClearPage(std::size_t start)
{
    m_pageSize = 0;
    m_pageRows = 0;
    m_pageStart = start;
    m_pageBytes = 0;
}

void DataSetRows::AppendWritten(std::int64_t rowid, std::vector<Value> values)
{
    // The page takes the row when it reaches the end of the set; otherwise the
    // row's values are read by key when asked for.
    const bool pageReachesEnd = m_pageStart + PageRowCount() == m_keys.size();
    m_keys.push_back(rowid);
    if (pageReachesEnd) {
        m_pageValues.resize(m_pageSize);
        m_pageSize += values.size();
        if (m_width != 0)
            ++m_pageRows;
        std::ranges::move(values, std::back_inserter(m_pageValues));
    }
}

void DataSetRows::Erase(std::size_t row)
{
    m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(row));
    if (PageHolds(row)) {
        const auto first = m_pageValues.begin() + static_cast<std::ptrdiff_t>((row - m_pageStart) * m_width);
        m_pageValues.erase(first, first + static_cast<std::ptrdiff_t>(m_width));
        m_pageSize -= m_width;
        --m_pageRows;
    } else if (row < m_pageStart) {
        --m_pageStart;
    }
}

// Walking forwards reads the page that starts at the row, walking backwards
// the one that ends at it, so that each page is read once either way.
void DataSetRows::ReadPageAround(std::size_t row)
{
    const std::size_t capacity = m_pageCapacity != 0 ? m_pageCapacity : MaxPageRows;
    const std::size_t start = row >= m_pageStart ? row : (row + 1 >= capacity ? row + 1 - capacity : 0);
    const std::size_t count = std::min(capacity, m_keys.size() - start);
    // A read that fails leaves no page behind, rather than a page of nulls.
    ClearPage(start);
    m_pageTakesRows = false;
    m_nextRowStartsPage = false;
    std::vector<Value> values(count * m_width);
    m_reader(std::span(m_keys).subspan(start, count), values);
    m_pageValues = std::move(values);
    m_pageSize = m_pageValues.size();
    m_pageRows = count;
    m_rowsRead += count;
}

} // namespace db
