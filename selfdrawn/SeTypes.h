#pragma once

#include <algorithm>
#include <functional>
#include <string>

namespace selfdrawn {

// How a control is buffered while it paints.
enum class TSePerformance { kspNoBuffer, kspSharedBuffer, kspDoubleBuffer };
// The look of one bevel ring.
enum class TSeBevelCut { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };
// A shortcut that sets both bevel cuts at once.
enum class TSeBevelKind { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };
enum class TSeBevelSide : unsigned { kbsLeft = 1, kbsTop = 2, kbsRight = 4, kbsBottom = 8 };

// The sides of a control that get bevels.
class TSeBevelSides {
public:
    constexpr TSeBevelSides() = default;
    constexpr TSeBevelSides(std::initializer_list<TSeBevelSide> sides)
    {
        for (TSeBevelSide s : sides)
            m_bits |= static_cast<unsigned>(s);
    }
    static constexpr TSeBevelSides All()
    {
        return { TSeBevelSide::kbsLeft, TSeBevelSide::kbsTop, TSeBevelSide::kbsRight, TSeBevelSide::kbsBottom };
    }
    constexpr bool Contains(TSeBevelSide s) const { return (m_bits & static_cast<unsigned>(s)) != 0; }
    friend constexpr bool operator==(const TSeBevelSides&, const TSeBevelSides&) = default;

private:
    unsigned m_bits { 0 };
};

// Mixing of a control's finished picture with its parent's background.
// Any change notifies the owning control through OnChange.
class TSeBlending {
public:
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value)
    {
        m_enabled = Value;
        Changed();
    }
    // The opacity, 0 (invisible) to 255 (opaque).
    int Value() const { return m_value; }
    void SetValue(int Value)
    {
        m_value = std::clamp(Value, 0, 255);
        Changed();
    }
    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
    bool m_enabled { false };
    int m_value { 150 };
};

// A skin engine that could take over the looks of the "skin" controls. This
// program never loads skins into it, so every control paints its default look.
class TSeSkinProvider {
public:
    virtual ~TSeSkinProvider() = default;
};

// The skin hook every "skin" class carries: the provider, the name of the
// skin object it would paint from, and the control family's version.
class TSeSkinHook {
public:
    explicit TSeSkinHook(std::string skinObject) : m_skinObject(std::move(skinObject)) { }
    TSeSkinProvider* SkinProvider() const { return m_provider; }
    void SetSkinProvider(TSeSkinProvider* Value) { m_provider = Value; }
    const std::string& SkinObject() const { return m_skinObject; }
    void SetSkinObject(const std::string& Value) { m_skinObject = Value; }
    static std::string Version() { return "3.4.7"; }

private:
    TSeSkinProvider* m_provider { nullptr };
    std::string m_skinObject;
};

} // namespace selfdrawn
