#pragma once

#include <cstdint>
#include <vector>

namespace skin {

// The skin messages, in the user range of the windowing system (WM_USER 0x0400).
inline constexpr unsigned SKINMSG_BEFORELOAD = 0x0400 + 201; // the skin is about to be replaced
inline constexpr unsigned SKINMSG_LOADED = 0x0400 + 202;     // the skin is loaded (or left empty)
inline constexpr unsigned SKINMSG_AFTERLOAD = 0x0400 + 203;  // the load is finished
inline constexpr unsigned SKINMSG_MENUCLOSED = 0x0400 + 204; // a skinned menu closed
inline constexpr unsigned SKINMSG_MENUDONE = 0x0400 + 205;   // a skinned menu command ran
inline constexpr unsigned SKINMSG_STRINGS = 0x0400 + 250;    // the replaceable strings changed

// The second parameter every skin message carries.
inline constexpr std::intptr_t kSkinMessageTag = 1000;

// What the skin data needs of a form: a synchronous message call. The first
// parameter of a skin message is the sending TbsSkinData. A form whose window
// does not exist yet creates it before it handles the message.
class SkinMessageTarget {
public:
    virtual ~SkinMessageTarget() = default;
    virtual std::intptr_t Perform(unsigned message, std::intptr_t wparam, std::intptr_t lparam) = 0;
};

// The forms on the screen, in the order the skin messages reach them. A form
// adds itself when it is created and removes itself when it is destroyed.
class SkinFormList {
public:
    void Add(SkinMessageTarget* form);
    void Remove(SkinMessageTarget* form);
    bool Contains(const SkinMessageTarget* form) const;
    const std::vector<SkinMessageTarget*>& Forms() const { return m_forms; }

private:
    std::vector<SkinMessageTarget*> m_forms;
};

// The screen's form list, shared by every skin data.
SkinFormList& ScreenForms();

// Keeps a form in the screen's list for its own lifetime.
class ScopedSkinForm {
public:
    explicit ScopedSkinForm(SkinMessageTarget& form) : m_form(form) { ScreenForms().Add(&m_form); }
    ~ScopedSkinForm() { ScreenForms().Remove(&m_form); }
    ScopedSkinForm(const ScopedSkinForm&) = delete;
    ScopedSkinForm& operator=(const ScopedSkinForm&) = delete;

private:
    SkinMessageTarget& m_form;
};

} // namespace skin
