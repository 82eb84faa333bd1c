#include "platform/controls/TStringList.h"

namespace ctl {

void TStringList::CheckIndex(int Index, int Limit) const
{
    if (Index < 0 || Index > Limit)
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

const std::string& TStringList::Get(int Index) const
{
    CheckIndex(Index, Count() - 1);
    return m_lines[static_cast<std::size_t>(Index)];
}

void TStringList::Put(int Index, const std::string& S)
{
    CheckIndex(Index, Count() - 1);
    m_lines[static_cast<std::size_t>(Index)] = S;
    Changed();
}

void TStringList::Insert(int Index, const std::string& S)
{
    CheckIndex(Index, Count());
    m_lines.insert(m_lines.begin() + Index, S);
    Changed();
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index, Count() - 1);
    m_lines.erase(m_lines.begin() + Index);
    Changed();
}

void TStringList::Clear()
{
    if (m_lines.empty())
        return;
    m_lines.clear();
    Changed();
}

void TStringList::Changed()
{
    if (Updating()) {
        m_changedWhileUpdating = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (!Updating && m_changedWhileUpdating) {
        m_changedWhileUpdating = false;
        Changed();
    }
}

} // namespace ctl
