#include "platform/controls/TPersistent.h"

#include <typeinfo>

namespace ctl {

void TPersistent::Assign(const TPersistent& Source)
{
    throw EComponentError(std::string("Cannot assign a ") + typeid(Source).name() + " to a "
                          + typeid(*this).name());
}

} // namespace ctl
