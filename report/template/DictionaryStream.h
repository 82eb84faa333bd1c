#pragma once

#include "report/objects/DataDictionary.h"
#include "report/template/TemplateStream.h"

#include <functional>
#include <string_view>

namespace report {

// The dictionary block (what follows the tag 254), in the current layout or
// the two older ones. `dataset_exists` decides which field aliases of the
// previous layout survive.
void ReadDictionary(TemplateReader& reader, DataDictionary& dictionary,
                    const std::function<bool(std::string_view)>& dataset_exists);
void WriteDictionary(TemplateWriter& writer, const DataDictionary& dictionary);

} // namespace report
