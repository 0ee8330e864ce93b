#include "core/TimeTrackRecord.h"

namespace Quorvane {

TimeTrackRecord::TimeTrackRecord() : m_duration(0), m_billable(0), m_billed(0), m_leave(0)
{
}

TimeTrackRecord::TimeTrackRecord(int year, int month, int day, int minutes)
    : m_date(day, month, year), m_duration(minutes), m_billable(0), m_billed(0), m_leave(0)
{
}

std::wstring TimeTrackRecord::GetDescription(int level) const
{
    switch (level) {
    case 2:
    case 3: return m_projectDescription;
    case 4: return m_customerDescription;
    default: return m_taskDescription;
    }
}

boost::shared_ptr<TimeTrackRecordCollection> TimeTrackRecordCollection::SelectByDate(const DateTime& date) const
{
    boost::shared_ptr<TimeTrackRecordCollection> selection(new TimeTrackRecordCollection);
    for (const_iterator it = begin(); it != end(); ++it)
        if ((*it)->GetDate() == date)
            selection->Add(*it);
    return selection;
}

}  // namespace Quorvane
