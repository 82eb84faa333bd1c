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

    // Splitting over pages. A divisible view written in partial mode (see
    // TfrPrintContext::Partial) writes what fits its Height and keeps the
    // rest, which the next part, a continuation, writes.
    virtual bool Divisible() const { return false; }
    virtual bool HasRemainder() const { return false; }
    // The height the part not written yet needs.
    virtual std::int32_t RemainderHeight() { return 0; }

protected:
    TfrStretcheable() = default;
};

} // namespace report
