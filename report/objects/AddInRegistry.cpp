#include "report/objects/AddInRegistry.h"

namespace report {

AddInRegistry& AddInRegistry::Global()
{
    static AddInRegistry registry;
    return registry;
}

void AddInRegistry::Register(AddInClass add_in)
{
    if (!IsRegistered(add_in.ClassName))
        m_classes.push_back(std::move(add_in));
}

std::unique_ptr<TfrView> AddInRegistry::Create(std::string_view class_name) const
{
    for (const auto& add_in : m_classes)
        if (add_in.ClassName == class_name)
            return add_in.Create();
    return nullptr;
}

bool AddInRegistry::IsRegistered(std::string_view class_name) const
{
    for (const auto& add_in : m_classes)
        if (add_in.ClassName == class_name)
            return true;
    return false;
}

} // namespace report
