#pragma once

#include "report/objects/AddInRegistry.h"
#include "report/objects/TfrReport.h"

#include "platform/io/ByteReader.h"

#include <functional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace report {

// A template the reader refuses; what() is the message shown to the user.
class TemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kUnsupportedFormatMessage = "Unsupported FRF format";

// Reads a whole template stream into `report`, which should be fresh: its
// printer settings, pages with their objects, dictionary and info. Throws
// TemplateError for a stream it refuses (damaged, too new, or naming add-in
// classes that `add_ins` does not hold). Returns the format version read.
int ReadTemplate(std::span<const std::uint8_t> stream, TfrReport& report, const AddInRegistry& add_ins,
                  const std::function<bool(std::string_view)>& dataset_exists);

// A new object of a record's kind (for kind 10, of the add-in class named;
// an older class name is brought up to date), or null when the kind or class
// is unknown. Prepared pages rebuild their objects with it too.
std::unique_ptr<TfrView> CreateObject(std::uint8_t kind, std::string class_name, const AddInRegistry& add_ins);

// Writes the report as a template stream of the current version, exactly as it
// is (the info block's dates included). Throws std::length_error when a value
// does not fit the format (a text longer than 65535 bytes, objects on a page
// past the 256th).
void WriteTemplate(const TfrReport& report, io::ByteWriter& stream);

} // namespace report
