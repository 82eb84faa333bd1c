#pragma once

#include "report/objects/TfrView.h"

namespace report {

// A line: drawn as the top side of a flat rectangle or the left side of a tall
// one. It stores nothing beyond the common fields.
class TfrLineView : public TfrView {
public:
    TfrLineView()
    {
        FrameTyp = frftLeft;
        FillColor = clWhite;
    }

    ObjectKind Kind() const override { return ObjectKind::Line; }
    std::string ClassName() const override { return "TfrLineView"; }
    std::string NamePrefix() const override { return "Line"; }
};

} // namespace report
