#pragma once

#include "report/expr/TfrReportScope.h"

#include <cstdint>
#include <functional>
#include <string>

namespace report {

enum class TfrRangeBegin : std::uint8_t { rbFirst = 0, rbCurrent = 1 };
enum class TfrRangeEnd : std::uint8_t { reLast = 0, reCurrent = 1, reCount = 2 };

// A dataset the band engine walks: a record number with the range rules every
// dataset shares, and the events a program attaches to count or check records
// itself. Derived datasets move a real cursor along.
class TfrDataset {
public:
    explicit TfrDataset(std::string name = {}) : Name(std::move(name)) {}
    virtual ~TfrDataset() = default;
    TfrDataset(const TfrDataset&) = delete;
    TfrDataset& operator=(const TfrDataset&) = delete;

    virtual void Open() {}
    virtual void Close() {}
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();

    // The named field of the current record, or null; what the expression
    // engine reads as Dataset."Field". The pointer stays valid while the
    // dataset lives.
    virtual const TfrDataField* FindField(const std::string& /*name*/) { return nullptr; }

    int RecNo() const { return m_recNo; }

    std::string Name;
    TfrRangeBegin RangeBegin { TfrRangeBegin::rbFirst };
    TfrRangeEnd RangeEnd { TfrRangeEnd::reLast };
    std::int32_t RangeEndCount { 0 };

    std::function<void(bool& eof)> OnCheckEOF;
    std::function<void()> OnFirst;
    std::function<void()> OnNext;
    std::function<void()> OnPrior;

protected:
    bool CountReached() const { return RangeEnd == TfrRangeEnd::reCount && m_recNo >= RangeEndCount; }

private:
    int m_recNo { 0 };
};

// A dataset of the program's own making: the base rules alone, driven by the
// range settings and the events. A band named "3" runs over one of these.
class TfrUserDataset : public TfrDataset {
public:
    using TfrDataset::TfrDataset;
};

} // namespace report
