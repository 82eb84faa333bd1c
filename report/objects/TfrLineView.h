#pragma once

#include "report/objects/TfrStretcheable.h"

namespace report {

// A line: drawn as the top side of a flat rectangle or the left side of a tall
// one. It stores nothing beyond the common fields.
class TfrLineView : public TfrStretcheable {
public:
    TfrLineView()
    {
        FrameTyp = frftLeft;
        FillColor = clWhite;
    }

    ObjectKind Kind() const override { return ObjectKind::Line; }
    std::string ClassName() const override { return "TfrLineView"; }
    std::string NamePrefix() const override { return "Line"; }

    void Draw(gfx::TPageCanvas& canvas) override;
    std::int32_t ContentHeight() override { return Height; }
    std::int32_t MinPartHeight() override { return 1; }
    std::int32_t SplitRemainder() override { return 0; }
};

} // namespace report
