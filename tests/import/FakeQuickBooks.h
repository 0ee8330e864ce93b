#pragma once
// An in-memory QuickBooks company behind the import's connector interface: it keeps the
// time entries, refuses what QuickBooks refuses (unknown employee 3120, unknown customer:job or
// service item 3140, unknown payroll item 31201, stale EditSequence of an entry or an employee
// 3200), fails the writes a
// test asks it to, and traces every write.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/import/ImportConnector.h"

struct TestCompany;

class FakeQuickBooks : public Quorvane::IImportConnector {
public:
    struct Entry {
        std::wstring txnId;
        int editSequence;
        std::wstring employeeId;
        std::wstring customerJob;
        std::wstring serviceItem;
        std::wstring payrollItemId;
        std::wstring notes;
        int billable;
        int billed;
        Quorvane::DateTime date;
        int minutes;
    };

    FakeQuickBooks();

    void AddEmployee(const std::wstring& listId, const std::wstring& first, const std::wstring& last,
                     int usesTimeData = 1);
    void AddCustomerJob(const std::wstring& fullName);
    void AddServiceItem(const std::wstring& fullName);
    void AddPayrollItem(const std::wstring& listId, const std::wstring& name);
    // billing: 0 not billable, 1 billable, 2 billed. Returns the TxnID.
    std::wstring AddEntry(const std::wstring& employeeId, int marchDay, int minutes, const std::wstring& customerJob,
                          const std::wstring& serviceItem, const std::wstring& notes, int billing,
                          const std::wstring& payrollItemId);
    // A change made in QuickBooks behind the program's back.
    void TouchEntry(const std::wstring& txnId);
    // Billed on an invoice, leaving the EditSequence as it was.
    void BillEntry(const std::wstring& txnId);

    // Reads the company into the model, as a load does.
    void LoadInto(TestCompany& company) const;

    // The n-th write (adds, changes and deletes, counted from 1) answers status and changes nothing.
    void FailWrite(int n, int status) { m_failures[n] = status; }
    void FailCreate(const std::wstring& name, int status) { m_createFailures[name] = status; }
    // The n-th write is carried out, and QuickBooks gives this warning with it.
    void WarnAtWrite(int n, const std::wstring& text) { m_warnings[n] = text; }
    // Every change of an employee's use-time-data setting answers status and changes nothing.
    void FailTimeDataFlag(int status) { m_timeDataFlagFailure = status; }
    void SetFirstDayOfWeek(int day) { m_firstDayOfWeek = day; }

    const std::vector<std::wstring>& Trace() const { return m_trace; }
    void ClearTrace() { m_trace.clear(); }
    int WriteCount() const { return m_writes; }
    const std::vector<Entry>& Entries() const { return m_entries; }

    // The connector interface.
    int GetFirstDayOfWeek() override { return m_firstDayOfWeek; }
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
    bool CheckCustomerJobExist(const std::wstring& fullName) override { return m_customerJobs.count(fullName) != 0; }
    bool CheckServiceItemExist(const std::wstring& fullName) override;
    boost::shared_ptr<Quorvane::TimeTrackRecordCollection>
    GetTimeTrack(const std::wstring& entityId, const Quorvane::DateTime& start, const Quorvane::DateTime& end) override;
    boost::shared_ptr<Quorvane::ServiceItemCollection> GetServiceItem() override;
    std::vector<std::wstring> TakeWriteWarnings() override;

private:
    struct EmployeeRecord {
        std::wstring first;
        std::wstring last;
        int usesTimeData;
        int editSequence;
    };

    // The injected status of this write, or 0.
    int NextWrite();
    int CreationRefusal(const std::wstring& name);
    std::vector<Entry>::iterator FindEntry(const std::wstring& txnId);
    boost::shared_ptr<Quorvane::TimeTrackRecord> ToRecord(const Entry& entry) const;
    std::wstring NewId(const wchar_t* prefix);

    std::map<std::wstring, EmployeeRecord> m_employees;
    std::set<std::wstring> m_customerJobs;
    // By the lower-cased full name: QuickBooks names are unique regardless of case.
    std::map<std::wstring, std::wstring> m_serviceItems;
    std::map<std::wstring, std::wstring> m_payrollItems;
    std::vector<Entry> m_entries;
    std::map<int, int> m_failures;
    std::map<int, std::wstring> m_warnings;
    std::vector<std::wstring> m_pendingWarnings;
    std::map<std::wstring, int> m_createFailures;
    std::vector<std::wstring> m_trace;
    int m_timeDataFlagFailure;
    int m_firstDayOfWeek;
    int m_writes;
    int m_nextId;
};
