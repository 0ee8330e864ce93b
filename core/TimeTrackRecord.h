#pragma once
// One time-track entry of either side: a server entry (with its project, task and
// descriptions) or a QuickBooks time-tracking entry (with its TxnID and EditSequence).
#include <string>
#include <utility>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"
#include "core/CustomerJobService.h"
#include "core/DateTime.h"

namespace Quorvane {

// The server side's project and task names and customer, project and task descriptions. They
// belong to the entry's task, so all entries of one task share one set.
struct ServerItemTexts {
    std::wstring projectName;
    std::wstring taskName;
    std::wstring customerDescription;
    std::wstring projectDescription;
    std::wstring taskDescription;
};

class TimeTrackRecord {
public:
    TimeTrackRecord();
    TimeTrackRecord(int year, int month, int day, int minutes);

    DateTime GetDate() const { return m_date; }
    void SetDate(const DateTime& date) { m_date = date; }
    void SetDate(int year, int month, int day) { m_date = DateTime(day, month, year); }
    int GetDuration() const { return m_duration; }
    void SetDuration(int minutes) { m_duration = minutes; }
    int GetMinutes() const { return GetDuration(); }
    const std::wstring& GetNotes() const { return m_notes; }
    void SetNotes(std::wstring notes) { m_notes = std::move(notes); }
    int GetBillable() const { return m_billable; }
    void SetBillable(int billable) { m_billable = billable; }
    int IsBilled() const { return m_billed; }
    void SetBilled(int billed) { m_billed = billed; }
    // Nonzero marks a leave-time record.
    int IsLeave() const { return m_leave; }
    void SetLeave(int leave) { m_leave = leave; }
    const std::wstring& GetTxnId() const { return QuickBooks().txnId; }
    void SetTxnId(const std::wstring& txnId) { EditableQuickBooks().txnId = txnId; }
    const std::wstring& GetEditSequence() const { return QuickBooks().editSequence; }
    void SetEditSequence(const std::wstring& editSequence) { EditableQuickBooks().editSequence = editSequence; }
    // The QuickBooks payroll wage item; on a server leave record the leave type's name.
    const std::wstring& GetPayrollItemName() const { return QuickBooks().payrollItemName; }
    void SetPayrollItemName(const std::wstring& name) { EditableQuickBooks().payrollItemName = name; }
    // A server leave record names its leave type as its payroll item; a QuickBooks entry (one
    // with a TxnID, and every copy of one) names it in its notes, where the import wrote it.
    const std::wstring& GetLeaveTypeName() const { return GetTxnId().empty() ? GetPayrollItemName() : m_notes; }

    boost::shared_ptr<ICustomerJobService> GetNamingService() const { return m_namingService; }
    void SetNamingService(const boost::shared_ptr<ICustomerJobService>& service) { m_namingService = service; }
    // Both ask the naming service, which every creator of a record sets.
    std::wstring GetCustomerJobName(int level) const { return m_namingService->GetName(level); }
    std::wstring GetServiceItemName() const { return m_namingService->GetServiceItemName(); }

    std::wstring GetProjectName() const { return Texts().projectName; }
    void SetProjectName(const std::wstring& name) { EditableTexts().projectName = name; }
    std::wstring GetTaskName() const { return Texts().taskName; }
    void SetTaskName(const std::wstring& name) { EditableTexts().taskName = name; }
    std::wstring GetCustomerDescription() const { return Texts().customerDescription; }
    void SetCustomerDescription(const std::wstring& text) { EditableTexts().customerDescription = text; }
    std::wstring GetProjectDescription() const { return Texts().projectDescription; }
    void SetProjectDescription(const std::wstring& text) { EditableTexts().projectDescription = text; }
    std::wstring GetTaskDescription() const { return Texts().taskDescription; }
    void SetTaskDescription(const std::wstring& text) { EditableTexts().taskDescription = text; }
    // Sets all five at once, shared with whoever else holds them; nobody changes them afterwards.
    void SetServerItemTexts(const boost::shared_ptr<const ServerItemTexts>& texts) { m_serverItems = texts; }

    // The description of the server item that becomes the customer or job at a mapping level:
    // 1 task, 2 and 3 project, 4 customer. Any other level names Cu:Pr:Ta like level 1 does
    // (see QVCustomerJobService::GetName), so it gives the task description too.
    std::wstring GetDescription(int level) const;

private:
    // What only a QuickBooks entry has, and a server leave record's type name. A fetch holds
    // tens of thousands of server entries that have none of it, so it lives apart from them.
    struct QuickBooksFields {
        std::wstring txnId;
        std::wstring editSequence;
        std::wstring payrollItemName;
    };

    const ServerItemTexts& Texts() const;
    // A record's own copy of the texts, so that a change never reaches a record sharing them.
    ServerItemTexts& EditableTexts();
    const QuickBooksFields& QuickBooks() const;
    // Copies of a record share the fields until one of them changes its own.
    QuickBooksFields& EditableQuickBooks();

    DateTime m_date;
    int m_duration;
    std::wstring m_notes;
    int m_billable;
    int m_billed;
    int m_leave;
    boost::shared_ptr<QuickBooksFields> m_quickBooks;  // null: all three empty
    boost::shared_ptr<ICustomerJobService> m_namingService;
    boost::shared_ptr<const ServerItemTexts> m_serverItems;  // null: all five empty
};

class TimeTrackRecordCollection : public Collection<TimeTrackRecord> {
public:
    TimeTrackRecordCollection() {}
    template <typename Iterator>
    TimeTrackRecordCollection(Iterator first, Iterator last) : Collection<TimeTrackRecord>(first, last)
    {
    }

    // The records of one day, in order, shared with this collection.
    boost::shared_ptr<TimeTrackRecordCollection> SelectByDate(const DateTime& date) const;
};

}  // namespace Quorvane
