#pragma once

#include "report/objects/TfrView.h"

namespace report {

// A view whose height can follow its content: the band engine stretches
// bands to it and splits it across pages.
class TfrStretcheable : public TfrView {
public:
    // The height its current (expanded) content needs at its width.
    virtual std::int32_t ContentHeight() = 0;
    // The least height a part of it may have when it is split.
    virtual std::int32_t MinPartHeight() = 0;
    // The height a part needs beyond whole lines: what is left over when the
    // height is split into parts.
    virtual std::int32_t SplitRemainder() = 0;

protected:
    TfrStretcheable() = default;
};

} // namespace report
