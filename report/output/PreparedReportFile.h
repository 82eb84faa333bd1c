#pragma once

#include "report/build/TfrEMFPages.h"

#include "platform/io/ByteReader.h"

#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

namespace report {

// A prepared-report file the reader refuses; what() is the message shown to
// the user.
class PreparedReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a prepared-report file holds besides its pages.
struct PreparedReportHeader {
    std::string PrinterName;
};

// Writes prepared pages as a prepared-report file (.frp) of version 25,
// uncompressed. Throws std::length_error when the printer name does not fit.
void WritePreparedReport(const TfrEMFPages& pages, const PreparedReportHeader& header, io::ByteWriter& out);

// Reads a prepared-report file into `pages`, which are replaced only when the
// whole file was read: a refused file (damaged, compressed, of the older
// layout) throws PreparedReportError and leaves `pages` as they were. The
// pages' object streams are taken as stored and checked when a page is shown.
PreparedReportHeader ReadPreparedReport(std::span<const std::uint8_t> file, TfrEMFPages& pages);

// The same on files. Loading throws PreparedReportError for a refused file
// and std::runtime_error when it cannot be opened; saving throws
// std::runtime_error when the file cannot be written.
PreparedReportHeader LoadPreparedReportFile(const std::filesystem::path& file_name, TfrEMFPages& pages);
void SavePreparedReportFile(
    const std::filesystem::path& file_name, const TfrEMFPages& pages, const PreparedReportHeader& header);

} // namespace report
