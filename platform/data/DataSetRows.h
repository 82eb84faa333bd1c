#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace db {

// The rows an open dataset walks: their keys (rowids) in the dataset's order,
// and their values.
//
// A set without a page reader holds every row's values (a snapshot). A set
// with one holds the keys of all its rows but the values of only one page of
// consecutive rows, about PageBytes of text: a result over every note then
// keeps eight bytes per note, not the note bodies. Asking for a row outside
// the page reads the page around it by key through the reader, so a row's
// values are those the file holds when its page is read; a row that is no
// longer in the file by then reads as nulls and keeps its place, so the
// number of rows and every row's place stay as they were when the keys were
// read.
//
// Rows are appended in order as they are read. The page takes the values of
// appended rows while it ends at the last row and is not full; a walk that
// reads rows as it goes starts a new page at the end (StartPageAtEnd), so
// that the rows it reads keep the values they were read with.
class DataSetRows {
public:
    using Value = std::optional<std::string>; // nullopt is SQL null
    // Fills `values` (`width` values per key, in the order of `keys`) with the
    // values of the rows that have these keys; leaves nulls for a key no row has.
    using PageReader = std::function<void(std::span<const std::int64_t> keys, std::span<Value> values)>;

    // How much text the page of a keyed set holds before further rows keep
    // only their keys.
    static constexpr std::size_t PageBytes = 512 * 1024;
    static constexpr std::size_t MaxPageRows = 2048;

    // A set with a reader holds one page of values; without one, all of them.
    DataSetRows(std::size_t width, PageReader reader);

    // Empties the set for the rows of another statement, of `width` values
    // each, paged with the set's reader or held whole. The set keeps the room
    // of its keys and values, whose text the values read next reuse, so that
    // a dataset reopened over and over reads into memory it already has.
    void Restart(std::size_t width, bool paged);

    std::size_t Size() const { return m_keys.size(); }
    bool Empty() const { return m_keys.empty(); }
    std::int64_t Rowid(std::size_t row) const { return m_keys[row]; }
    std::optional<std::size_t> Find(std::int64_t rowid) const;

    // The values of a row; reads the page around it when it is not held. The
    // span stays valid until another row is asked for.
    std::span<const Value> Values(std::size_t row) { return MutableValues(row); }
    std::span<Value> MutableValues(std::size_t row)
    {
        if (m_width != 0 && !PageHolds(row))
            ReadPageAround(row);
        return { m_pageValues.data() + (row - m_pageStart) * m_width, m_width };
    }
    // Whether the row's values are held, so that Values reads nothing.
    bool PageHolds(std::size_t row) const { return row - m_pageStart < PageRowCount(); }
    // The values of a row the page holds.
    std::span<const Value> HeldValues(std::size_t row) const
    {
        return { m_pageValues.data() + (row - m_pageStart) * m_width, m_width };
    }

    // Reading the rows, in order: AppendRow, then, when it answers true, the
    // row's `width` values with FillRow. A keyed set answers false while its
    // page does not take rows: once the page is full, or after another page
    // was read.
    bool AppendRow(std::int64_t rowid)
    {
        // Most rows go into the page that the rows before them went into.
        if (m_nextRowStartsPage || !m_pageTakesRows || PageFull())
            return AppendRowAtPageEdge(rowid);
        m_keys.push_back(rowid);
        ++m_rowsRead;
        return true;
    }
    // Unless the page still takes rows, the next row appended starts a new
    // page, and the rows appended after it go into that page.
    void StartPageAtEnd();
    // Lets `fill` write the values of the row appended last into their
    // `width` places (a std::span<Value>), which may still hold earlier values
    // whose room the new text reuses; `fill` gives the size of the text it
    // wrote. The page holds the row once `fill` returns. A value's own size
    // counts towards the page's bytes too, so that a page of many short or
    // null values is bounded as well.
    template <class Fill>
    void FillRow(Fill&& fill)
    {
        if (m_width == 0)
            return;
        if (m_pageValues.size() < m_pageSize + m_width)
            m_pageValues.resize(m_pageSize + m_width);
        const std::size_t textBytes = fill(std::span<Value>(m_pageValues.data() + m_pageSize, m_width));
        m_pageBytes += m_width * sizeof(Value) + textBytes;
        m_pageSize += m_width;
        ++m_pageRows;
    }
    // A row the dataset itself inserted, added at the end with its values.
    void AppendWritten(std::int64_t rowid, std::vector<Value> values);
    void Erase(std::size_t row);
    // How many rows' values have been read from the file so far (first page
    // and every page read since), for benchmarks and tests.
    std::size_t RowsRead() const { return m_rowsRead; }

private:
    std::size_t PageRowCount() const { return m_pageRows; }
    bool PageFull() const
    {
        return m_paged && (m_pageBytes >= PageBytes || PageRowCount() >= MaxPageRows);
    }
    // A row that starts a new page, or finds the page full or no longer
    // taking rows.
    bool AppendRowAtPageEdge(std::int64_t rowid);
    void ReadPageAround(std::size_t row);
    void ClearPage(std::size_t start);

    std::size_t m_width;
    PageReader m_reader;
    bool m_paged { false };
    std::vector<std::int64_t> m_keys;
    // The page: m_pageRows rows from m_pageStart on, `m_width` values each,
    // in the first m_pageSize values; the values after them are room for
    // values to come. A set of no columns keeps no page.
    std::size_t m_pageStart { 0 };
    std::size_t m_pageRows { 0 };
    std::vector<Value> m_pageValues;
    std::size_t m_pageSize { 0 };
    // Set once the first page is full: the rows a page read brings in.
    std::size_t m_pageCapacity { 0 };
    // Whether rows appended now go into the page, and the size of what it
    // took so far.
    bool m_pageTakesRows { true };
    bool m_nextRowStartsPage { false };
    std::size_t m_pageBytes { 0 };
    std::size_t m_rowsRead { 0 };
};

} // namespace db
