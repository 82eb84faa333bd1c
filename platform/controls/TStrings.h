#pragma once

#include "platform/controls/TPersistent.h"

#include <string>
#include <string_view>

namespace ctl {

// A list of text lines as controls expose it (a list box's Items, a memo's
// Lines). Storage is left to the descendant; the common operations are built
// here on the few that a descendant provides. Text joins the lines with
// CR LF; assigning Text splits at CR LF, CR or LF.
class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual const std::string& Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S) = 0;
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    const std::string& operator[](int Index) const { return Get(Index); }
    int Add(const std::string& S);
    int IndexOf(std::string_view S) const;
    void Exchange(int Index1, int Index2);

    std::string Text() const;
    void SetText(std::string_view Value);
    // Appends every line of Strings, reported as one change.
    void AddStrings(const TStrings& Strings);

    // Between BeginUpdate and the matching EndUpdate, changes are reported
    // once, at the end.
    void BeginUpdate();
    void EndUpdate();

    void Assign(const TPersistent& Source) override;

protected:
    bool Updating() const { return m_updateCount > 0; }
    virtual void SetUpdateState(bool Updating);

private:
    int m_updateCount { 0 };
};

} // namespace ctl
