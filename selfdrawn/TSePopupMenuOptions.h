#pragma once

#include "selfdrawn/SeTypes.h"

#include <algorithm>
#include <string>

namespace selfdrawn {

// The drop shadow a pop-up menu could cast.
class TSeShadow {
public:
    bool Enabled() const { return m_enabled && m_size > 0; }
    void SetEnabled(bool Value) { m_enabled = Value; }
    int Size() const { return m_size; }
    void SetSize(int Value) { m_size = std::min(Value, 20); }

private:
    bool m_enabled { false };
    int m_size { 4 };
};

enum class TSeAnimationDirection { kdNone, kdLeft, kdTop, kdRight, kdBottom };

// The opening animation a pop-up menu could play.
class TSeAnimation {
public:
    bool Enabled { false };
    TSeAnimationDirection Direction { TSeAnimationDirection::kdNone };
    std::string EffectKind { "[ RANDOM ] - Random selection" };
    int Time() const { return m_time; }
    void SetTime(int Value) { m_time = std::clamp(Value, 50, 9000); }
    int Resolution() const { return m_resolution; }
    void SetResolution(int Value) { m_resolution = std::clamp(Value, 1, 10); }
    int TileCount() const { return m_tileCount; }
    void SetTileCount(int Value) { m_tileCount = std::clamp(Value, 1, 20); }

private:
    int m_time { 400 };
    int m_resolution { 1 };
    int m_tileCount { 1 };
};

// The effects of a pop-up menu. This program keeps them all off, and the
// menu opens without effects whatever they say.
struct TSePopupMenuOptions {
    TSeBlending Blending;
    TSeShadow Shadow;
    TSeAnimation Animation;
};

} // namespace selfdrawn
