#include "report/objects/TfrRichObject.h"

#include "report/objects/TfrRichView.h"

namespace report {

TfrRichObject::TfrRichObject(AddInRegistry& registry)
{
    registry.Register({ "TfrRichView", [] { return std::make_unique<TfrRichView>(); }, "Insert RichText object" });
}

} // namespace report
