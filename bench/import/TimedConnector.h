#pragma once
// Passes every call to the real connector and adds up the time spent in it.
#include <windows.h>

#include "app/import/ImportConnector.h"

class TimedConnector : public Quorvane::IImportConnector {
public:
    explicit TimedConnector(const boost::shared_ptr<Quorvane::IImportConnector>& inner)
        : m_inner(inner), m_ticks(0), m_calls(0)
    {
    }

    double Seconds() const;
    int Calls() const { return m_calls; }

    int GetFirstDayOfWeek() override;
    int AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                     const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                     const std::wstring& notes, int billable, const Quorvane::DateTime& date, int minutes) override;
    int ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId, const std::wstring& editSequence,
                        int minutes) override;
    int DeleteTimeTrack(const std::wstring& txnId) override;
    int ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                              std::wstring& newEditSequence) override;
    int CreateEmployee(const std::wstring& firstName, const std::wstring& lastName, const std::wstring& middleName,
                       const std::wstring& payrollItemId, boost::shared_ptr<Quorvane::Employee>& created) override;
    int CreateCustomerJob(const std::wstring& name, const boost::shared_ptr<Quorvane::CustomerJob>& parent,
                          boost::shared_ptr<Quorvane::CustomerJob>& created) override;
    int CreateService(const std::wstring& name, const boost::shared_ptr<Quorvane::ServiceItem>& parent,
                      const std::wstring& accountId, boost::shared_ptr<Quorvane::ServiceItem>& created);
    bool CheckCustomerJobExist(const std::wstring& fullName) override;
    bool CheckServiceItemExist(const std::wstring& fullName) override;
    boost::shared_ptr<Quorvane::TimeTrackRecordCollection>
    GetTimeTrack(const std::wstring& entityId, const Quorvane::DateTime& start, const Quorvane::DateTime& end) override;
    boost::shared_ptr<Quorvane::ServiceItemCollection> GetServiceItem() override;

private:
    // Counts the time from its making to its end.
    class Stopwatch {
    public:
        explicit Stopwatch(TimedConnector& owner);
        ~Stopwatch();

    private:
        TimedConnector& m_owner;
        LARGE_INTEGER m_start;
    };

    boost::shared_ptr<Quorvane::IImportConnector> m_inner;
    LONGLONG m_ticks;
    int m_calls;
};
