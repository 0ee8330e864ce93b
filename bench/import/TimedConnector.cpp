#include "TimedConnector.h"

using namespace Quorvane;

TimedConnector::Stopwatch::Stopwatch(TimedConnector& owner) : m_owner(owner)
{
    QueryPerformanceCounter(&m_start);
}

TimedConnector::Stopwatch::~Stopwatch()
{
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    m_owner.m_ticks += end.QuadPart - m_start.QuadPart;
    ++m_owner.m_calls;
}

double TimedConnector::Seconds() const
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(m_ticks) / frequency.QuadPart;
}

int TimedConnector::GetFirstDayOfWeek()
{
    Stopwatch watch(*this);
    return m_inner->GetFirstDayOfWeek();
}

int TimedConnector::AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                                 const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                                 const std::wstring& notes, int billable, const DateTime& date, int minutes)
{
    Stopwatch watch(*this);
    return m_inner->AddTimeTrack(entityId, customerJobFullName, serviceItemFullName, payrollItemId, notes, billable,
                                 date, minutes);
}

int TimedConnector::ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId,
                                    const std::wstring& editSequence, int minutes)
{
    Stopwatch watch(*this);
    return m_inner->ChangeTimeTrack(txnId, entityId, editSequence, minutes);
}

int TimedConnector::DeleteTimeTrack(const std::wstring& txnId)
{
    Stopwatch watch(*this);
    return m_inner->DeleteTimeTrack(txnId);
}

int TimedConnector::ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                                          std::wstring& newEditSequence)
{
    Stopwatch watch(*this);
    return m_inner->ChangeFlagUseTimeData(listId, editSequence, value, newEditSequence);
}

int TimedConnector::CreateEmployee(const std::wstring& firstName, const std::wstring& lastName,
                                   const std::wstring& middleName, const std::wstring& payrollItemId,
                                   boost::shared_ptr<Employee>& created)
{
    Stopwatch watch(*this);
    return m_inner->CreateEmployee(firstName, lastName, middleName, payrollItemId, created);
}

int TimedConnector::CreateCustomerJob(const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent,
                                      boost::shared_ptr<CustomerJob>& created)
{
    Stopwatch watch(*this);
    return m_inner->CreateCustomerJob(name, parent, created);
}

int TimedConnector::CreateService(const std::wstring& name, const boost::shared_ptr<ServiceItem>& parent,
                                  const std::wstring& accountId, boost::shared_ptr<ServiceItem>& created)
{
    Stopwatch watch(*this);
    return m_inner->CreateService(name, parent, accountId, created);
}

bool TimedConnector::CheckCustomerJobExist(const std::wstring& fullName)
{
    Stopwatch watch(*this);
    return m_inner->CheckCustomerJobExist(fullName);
}

bool TimedConnector::CheckServiceItemExist(const std::wstring& fullName)
{
    Stopwatch watch(*this);
    return m_inner->CheckServiceItemExist(fullName);
}

boost::shared_ptr<TimeTrackRecordCollection> TimedConnector::GetTimeTrack(const std::wstring& entityId,
                                                                          const DateTime& start, const DateTime& end)
{
    Stopwatch watch(*this);
    return m_inner->GetTimeTrack(entityId, start, end);
}

boost::shared_ptr<ServiceItemCollection> TimedConnector::GetServiceItem()
{
    Stopwatch watch(*this);
    return m_inner->GetServiceItem();
}
