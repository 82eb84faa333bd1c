#pragma once

#include "platform/controls/TObject.h"

namespace ctl {

// An object whose published state can be copied from another object of a
// compatible class. Classes that can copy override Assign and hand anything
// they do not know to the base, which refuses it.
class TPersistent : public TObject {
public:
    virtual void Assign(const TPersistent& Source);
};

} // namespace ctl
