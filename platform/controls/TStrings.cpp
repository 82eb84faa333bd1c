#include "platform/controls/TStrings.h"

#include "platform/text/LineBreaks.h"

namespace ctl {

int TStrings::Add(const std::string& S)
{
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::IndexOf(std::string_view S) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == S)
            return i;
    return -1;
}

void TStrings::Exchange(int Index1, int Index2)
{
    const std::string first = Get(Index1);
    BeginUpdate();
    Put(Index1, Get(Index2));
    Put(Index2, first);
    EndUpdate();
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view Value)
{
    BeginUpdate();
    Clear();
    std::size_t start = 0;
    while (start < Value.size()) {
        std::size_t end = text::FindLineBreak(Value, start);
        if (end == std::string_view::npos)
            end = Value.size();
        Add(std::string(Value.substr(start, end - start)));
        start = end < Value.size() ? end + text::LineBreakLength(Value, end) : end;
    }
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& Strings)
{
    BeginUpdate();
    for (int i = 0; i < Strings.Count(); ++i)
        Add(Strings.Get(i));
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (m_updateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool)
{
}

void TStrings::Assign(const TPersistent& Source)
{
    if (auto* strings = dynamic_cast<const TStrings*>(&Source)) {
        if (strings == this)
            return;
        BeginUpdate();
        Clear();
        AddStrings(*strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace ctl
