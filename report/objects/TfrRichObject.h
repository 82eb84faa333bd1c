#pragma once

#include "report/objects/AddInRegistry.h"

namespace report {

// The component a program places to bring rich text into its reports: creating
// it registers `TfrRichView` as an add-in class.
class TfrRichObject {
public:
    explicit TfrRichObject(AddInRegistry& registry = AddInRegistry::Global());
};

} // namespace report
