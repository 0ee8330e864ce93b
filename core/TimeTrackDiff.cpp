#include "core/TimeTrackDiff.h"

namespace Quorvane {

namespace {

// Compares the date fields themselves: the same order as OLE dates for valid dates, and no
// conversion that could turn an invalid date into a plausible one.
struct DatedWithin {
    DatedWithin(const DateTime& start, const DateTime& end) : start(start), end(end) {}
    bool operator()(const TimeTrackDiff& diff) const
    {
        if (!diff.HasDate())
            return false;
        DateTime date = diff.GetDate();
        return !(date < start) && !(date > end);
    }
    DateTime start;
    DateTime end;
};

}  // namespace

DateTime TimeTrackDiff::GetDate() const
{
    if (m_quickBooksSide)
        return m_quickBooksSide->GetDate();
    return m_importSide ? m_importSide->GetDate() : DateTime();
}

boost::shared_ptr<TimeTrackDiffCollection> TimeTrackDiffCollection::SelectByDate(const DateTime& date) const
{
    return SelectByDateRange(date, date);
}

boost::shared_ptr<TimeTrackDiffCollection> TimeTrackDiffCollection::SelectByDateRange(const DateTime& firstDay,
                                                                                      const DateTime& lastDay) const
{
    boost::shared_ptr<TimeTrackDiffCollection> selection(new TimeTrackDiffCollection);
    DatedWithin selects(firstDay, lastDay);
    for (const_iterator it = begin(); it != end(); ++it)
        if (selects(**it))
            selection->Add(*it);
    return selection;
}

}  // namespace Quorvane
