#pragma once

#include "report/objects/TfrView.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// An add-in object class: stored in templates as kind 10 with its class name.
struct AddInClass {
    std::string ClassName;
    std::function<std::unique_ptr<TfrView>()> Create;
    std::string Hint;
};

// The add-in classes a program has plugged in. Templates naming a class that is
// not registered are refused with the list of missing classes.
class AddInRegistry {
public:
    // The process-wide registry that program components register into.
    static AddInRegistry& Global();

    // Registering a class a second time has no effect.
    void Register(AddInClass add_in);
    // A new object of the class with exactly this name, or null.
    std::unique_ptr<TfrView> Create(std::string_view class_name) const;
    bool IsRegistered(std::string_view class_name) const;
    const std::vector<AddInClass>& Classes() const { return m_classes; }

private:
    std::vector<AddInClass> m_classes;
};

} // namespace report
