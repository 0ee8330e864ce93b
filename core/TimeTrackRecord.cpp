#include "core/TimeTrackRecord.h"

#include <boost/make_shared.hpp>

namespace Quorvane {

TimeTrackRecord::TimeTrackRecord() : m_duration(0), m_billable(0), m_billed(0), m_leave(0) {}

TimeTrackRecord::TimeTrackRecord(int year, int month, int day, int minutes)
    : m_date(day, month, year), m_duration(minutes), m_billable(0), m_billed(0), m_leave(0)
{
}

std::wstring TimeTrackRecord::GetDescription(int level) const
{
    switch (level) {
    case 2:
    case 3: return GetProjectDescription();
    case 4: return GetCustomerDescription();
    default: return GetTaskDescription();
    }
}

const ServerItemTexts& TimeTrackRecord::Texts() const
{
    static const ServerItemTexts none;
    return m_serverItems ? *m_serverItems : none;
}

ServerItemTexts& TimeTrackRecord::EditableTexts()
{
    boost::shared_ptr<ServerItemTexts> own = boost::make_shared<ServerItemTexts>(Texts());
    m_serverItems = own;
    return *own;
}

const TimeTrackRecord::QuickBooksFields& TimeTrackRecord::QuickBooks() const
{
    static const QuickBooksFields none;
    return m_quickBooks ? *m_quickBooks : none;
}

TimeTrackRecord::QuickBooksFields& TimeTrackRecord::EditableQuickBooks()
{
    if (!m_quickBooks || m_quickBooks.use_count() > 1)
        m_quickBooks = boost::make_shared<QuickBooksFields>(QuickBooks());
    return *m_quickBooks;
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
