#include "report/data/TfrDataset.h"

namespace report {

void TfrDataset::First()
{
    m_recNo = 0;
    if (OnFirst)
        OnFirst();
}

void TfrDataset::Next()
{
    ++m_recNo;
    if (!CountReached() && OnNext)
        OnNext();
}

void TfrDataset::Prior()
{
    if (m_recNo > 0)
        --m_recNo;
    if (OnPrior)
        OnPrior();
}

bool TfrDataset::Eof()
{
    bool eof = CountReached();
    if (OnCheckEOF)
        OnCheckEOF(eof);
    return eof;
}

} // namespace report
