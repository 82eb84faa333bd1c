#pragma once

#include "platform/controls/TStrings.h"

#include <vector>

namespace ctl {

// Lines kept in memory. OnChange runs after every change (once per
// BeginUpdate/EndUpdate bracket), which is how list controls learn that their
// items changed.
class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(m_lines.size()); }
    const std::string& Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

    TNotifyEvent OnChange;

protected:
    void SetUpdateState(bool Updating) override;

private:
    void CheckIndex(int Index, int Limit) const;
    void Changed();

    std::vector<std::string> m_lines;
    bool m_changedWhileUpdating { false };
};

} // namespace ctl
