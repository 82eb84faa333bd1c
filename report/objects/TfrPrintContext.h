#pragma once

#include <cstdint>
#include <functional>

namespace report {

class TfrExpressionEngine;
class TfrView;

// A band as it is being shown: its place on the prepared page and its final
// (stretched) height, in report units.
struct TfrBandPlacement {
    std::int32_t Left { 0 };
    std::int32_t Top { 0 };
    std::int32_t Width { 0 };
    std::int32_t Height { 0 };
};

// What a report object needs from the running build while it is expanded and
// written to a prepared page. The band engine fills it for every band it
// shows; the object's Left and Top are already its place on the page.
struct TfrPrintContext {
    // Runs scripts, expands bracketed expressions and evaluates highlight
    // conditions. Without an engine texts are written as they stand.
    TfrExpressionEngine* Engine { nullptr };
    // The report's OnBeforePrint event. It may set the object's PrintMemo;
    // when it does not, the brackets of the text are expanded.
    std::function<void(TfrView&)> OnBeforePrint;
    // The band the object belongs to, for `BandAlign`.
    TfrBandPlacement Band;
    // The second or a later part of a split object: its script is not run
    // again and its remaining text is not expanded again.
    bool Continuation { false };
    // Write only the lines of a memo that fit its Height, and keep the rest
    // for the next part (see TfrStretcheable::HasRemainder).
    bool Partial { false };
    // False in the first pass of a two-pass build, which only counts pages:
    // objects are expanded, measured and split as in the final pass, but no
    // record is written, since those pages are thrown away.
    bool WriteRecord { true };
};

} // namespace report
