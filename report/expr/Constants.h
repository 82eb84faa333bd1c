#pragma once

#include "report/expr/TfrVariables.h"

namespace report {

// Fills `constants` with the fixed names expressions may use: colours (system
// colours as their 0x800000nn codes, kept as the signed 32-bit values that
// object properties hold), modal results, CRLF, Null, font styles, frame sides,
// text alignments, band alignments, pen styles, message box flags and picture
// blob types.
void AddStandardConstants(TfrVariables& constants);

} // namespace report
