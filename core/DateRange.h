#pragma once
// A date range: one of sixteen predefined ranges computed from today, or a custom one.
#include "core/DateTime.h"

namespace Quorvane {

class DateRange {
public:
    enum { FirstPredefinedType = 1, LastPredefinedType = 16, CustomType = 65535 };

    DateRange() : m_type(0) {}
    // A predefined type computes its dates from today; any other type computes none.
    explicit DateRange(int rangeType);
    // The same with "today" given, so one range never reads the clock twice.
    static DateRange Compute(int rangeType, const DateTime& today);

    // A predefined type recomputes the dates; any other type keeps them.
    void SetRangeType(int rangeType);
    // Setting a date makes the range custom.
    void SetStart(const DateTime& start);
    void SetEnd(const DateTime& end);

    const DateTime& GetStart() const { return m_start; }
    const DateTime& GetEnd() const { return m_end; }
    int GetRangeType() const { return m_type; }

    bool operator==(const DateRange& other) const;
    bool operator!=(const DateRange& other) const { return !(*this == other); }

private:
    DateTime m_start;
    DateTime m_end;
    int m_type;
};

}  // namespace Quorvane
