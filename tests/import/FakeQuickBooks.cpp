#include "FakeQuickBooks.h"

#include <sstream>

#include "../app/TestCompany.h"
#include "app/missing/NameLevels.h"
#include "core/CustomerJobService.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

std::wstring Describe(const wchar_t* operation, const std::wstring& what, int minutes)
{
    std::wostringstream line;
    line << operation << L" " << what << L" " << minutes;
    return line.str();
}

boost::shared_ptr<CustomerJobCollection> CustomerJobsOf(const std::set<std::wstring>& fullNames)
{
    boost::shared_ptr<CustomerJobCollection> customerJobs(new CustomerJobCollection);
    // In name order, so that a parent is filed before its jobs.
    for (std::set<std::wstring>::const_iterator it = fullNames.begin(); it != fullNames.end(); ++it) {
        const std::wstring parent = ParentName(*it);
        customerJobs->Add(boost::shared_ptr<CustomerJob>(
            new CustomerJob(L"C-" + *it, LastLevel(*it),
                            parent.empty() ? boost::shared_ptr<CustomerJob>() : customerJobs->FindByFullName(parent))));
    }
    return customerJobs;
}

boost::shared_ptr<ServiceItemCollection> ServiceItemsOf(const std::map<std::wstring, std::wstring>& fullNames)
{
    boost::shared_ptr<ServiceItemCollection> items(new ServiceItemCollection);
    for (std::map<std::wstring, std::wstring>::const_iterator it = fullNames.begin(); it != fullNames.end(); ++it) {
        boost::shared_ptr<ServiceItem> item(new ServiceItem);
        item->SetId(L"S-" + it->second);
        item->SetName(LastLevel(it->second));
        const std::wstring parent = ParentName(it->second);
        if (!parent.empty())
            item->SetParent(items->GetByFullName(parent));
        items->Add(item);
    }
    return items;
}

boost::shared_ptr<ItemTypeCollection> AllItemsOf(const ServiceItemCollection& serviceItems)
{
    boost::shared_ptr<ItemTypeCollection> items(new ItemTypeCollection);
    for (ServiceItemCollection::const_iterator it = serviceItems.begin(); it != serviceItems.end(); ++it) {
        boost::shared_ptr<ItemType> item(new ItemType);
        item->SetId((*it)->GetId());
        item->SetName((*it)->GetFullName());
        items->Add(item);
    }
    return items;
}

}  // namespace

FakeQuickBooks::FakeQuickBooks() : m_timeDataFlagFailure(0), m_firstDayOfWeek(0), m_writes(0), m_nextId(100) {}

std::wstring FakeQuickBooks::NewId(const wchar_t* prefix)
{
    std::wostringstream id;
    id << prefix << m_nextId++;
    return id.str();
}

void FakeQuickBooks::AddEmployee(const std::wstring& listId, const std::wstring& first, const std::wstring& last,
                                 int usesTimeData)
{
    EmployeeRecord employee = { first, last, usesTimeData, 1 };
    m_employees[listId] = employee;
}

void FakeQuickBooks::AddCustomerJob(const std::wstring& fullName)
{
    m_customerJobs.insert(fullName);
}

void FakeQuickBooks::AddServiceItem(const std::wstring& fullName)
{
    m_serviceItems[ToLower(fullName)] = fullName;
}

void FakeQuickBooks::AddPayrollItem(const std::wstring& listId, const std::wstring& name)
{
    m_payrollItems[listId] = name;
}

std::wstring FakeQuickBooks::AddEntry(const std::wstring& employeeId, int marchDay, int minutes,
                                      const std::wstring& customerJob, const std::wstring& serviceItem,
                                      const std::wstring& notes, int billing, const std::wstring& payrollItemId)
{
    Entry entry = { NewId(L"T"),   1,     employeeId,           customerJob,          serviceItem,
                    payrollItemId, notes, billing == 1 ? 1 : 0, billing == 2 ? 1 : 0, March(marchDay),
                    minutes };
    m_entries.push_back(entry);
    return entry.txnId;
}

void FakeQuickBooks::TouchEntry(const std::wstring& txnId)
{
    ++FindEntry(txnId)->editSequence;
}

void FakeQuickBooks::BillEntry(const std::wstring& txnId)
{
    FindEntry(txnId)->billed = 1;
}

std::vector<FakeQuickBooks::Entry>::iterator FakeQuickBooks::FindEntry(const std::wstring& txnId)
{
    for (std::vector<Entry>::iterator it = m_entries.begin(); it != m_entries.end(); ++it)
        if (it->txnId == txnId)
            return it;
    return m_entries.end();
}

boost::shared_ptr<TimeTrackRecord> FakeQuickBooks::ToRecord(const Entry& entry) const
{
    boost::shared_ptr<TimeTrackRecord> record(
        new TimeTrackRecord(2012, entry.date.GetMonth(), entry.date.GetDay(), entry.minutes));
    record->SetNamingService(
        boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(entry.customerJob, entry.serviceItem)));
    record->SetNotes(entry.notes);
    record->SetBillable(entry.billable);
    record->SetBilled(entry.billed);
    record->SetTxnId(entry.txnId);
    record->SetEditSequence(std::to_wstring(entry.editSequence));
    std::map<std::wstring, std::wstring>::const_iterator payroll = m_payrollItems.find(entry.payrollItemId);
    record->SetPayrollItemName(payroll == m_payrollItems.end() ? L"" : payroll->second);
    return record;
}

void FakeQuickBooks::LoadInto(TestCompany& company) const
{
    company.model->SetCustomerJobs(CustomerJobsOf(m_customerJobs));
    company.model->SetServiceItems(ServiceItemsOf(m_serviceItems));
    company.model->SetAllItems(AllItemsOf(*company.model->GetServiceItems()));
    for (std::map<std::wstring, std::wstring>::const_iterator it = m_payrollItems.begin(); it != m_payrollItems.end();
         ++it)
        company.AddPayrollItem(it->first, it->second);
    for (std::map<std::wstring, EmployeeRecord>::const_iterator it = m_employees.begin(); it != m_employees.end();
         ++it) {
        TestCompany::EmployeePtr employee = company.AddQuickBooksEmployee(it->first, it->second.first, it->second.last);
        employee->SetUsesTimeDataValue(it->second.usesTimeData);
        employee->SetEditSequence(std::to_wstring(it->second.editSequence));
        for (std::vector<Entry>::const_iterator entry = m_entries.begin(); entry != m_entries.end(); ++entry)
            if (entry->employeeId == it->first)
                employee->AddTimeTrackRecord(ToRecord(*entry));
    }
}

int FakeQuickBooks::NextWrite()
{
    const std::map<int, int>::const_iterator failure = m_failures.find(++m_writes);
    const std::map<int, std::wstring>::const_iterator warning = m_warnings.find(m_writes);
    if (warning != m_warnings.end())
        m_pendingWarnings.push_back(warning->second);
    return failure == m_failures.end() ? 0 : failure->second;
}

std::vector<std::wstring> FakeQuickBooks::TakeWriteWarnings()
{
    std::vector<std::wstring> warnings;
    warnings.swap(m_pendingWarnings);
    return warnings;
}

int FakeQuickBooks::AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                                 const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                                 const std::wstring& notes, int billable, const DateTime& date, int minutes)
{
    m_trace.push_back(Describe(L"add",
                               entityId + L" " + date.ToString() + L" " + customerJobFullName + L" " +
                                   serviceItemFullName + L" '" + notes + L"'",
                               minutes));
    if (const int injected = NextWrite())
        return injected;
    if (!m_employees.count(entityId))
        return 3120;
    if ((!customerJobFullName.empty() && !m_customerJobs.count(customerJobFullName)) ||
        (!serviceItemFullName.empty() && !CheckServiceItemExist(serviceItemFullName)))
        return 3140;
    if (!payrollItemId.empty() && !m_payrollItems.count(payrollItemId))
        return 31201;
    // Only an entry with both names can be billable.
    const int billing = billable && !customerJobFullName.empty() && !serviceItemFullName.empty() ? 1 : 0;
    Entry entry = {
        NewId(L"T"), 1,    entityId, customerJobFullName, serviceItemFullName, payrollItemId, notes, billing,
        0,           date, minutes
    };
    m_entries.push_back(entry);
    return 0;
}

int FakeQuickBooks::ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId,
                                    const std::wstring& editSequence, int minutes)
{
    m_trace.push_back(Describe(L"change", txnId, minutes));
    if (const int injected = NextWrite())
        return injected;
    std::vector<Entry>::iterator entry = FindEntry(txnId);
    if (entry == m_entries.end() || entry->employeeId != entityId)
        return 3120;
    if (std::to_wstring(entry->editSequence) != editSequence)
        return 3200;
    entry->minutes = minutes;
    ++entry->editSequence;
    return 0;
}

int FakeQuickBooks::DeleteTimeTrack(const std::wstring& txnId)
{
    m_trace.push_back(L"delete " + txnId);
    if (const int injected = NextWrite())
        return injected;
    std::vector<Entry>::iterator entry = FindEntry(txnId);
    if (entry == m_entries.end())
        return 3120;
    m_entries.erase(entry);
    return 0;
}

int FakeQuickBooks::ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                                          std::wstring& newEditSequence)
{
    m_trace.push_back(Describe(L"use-time-data", listId, value));
    if (m_timeDataFlagFailure)
        return m_timeDataFlagFailure;
    EmployeeRecord& employee = m_employees[listId];
    if (editSequence != std::to_wstring(employee.editSequence))
        return 3200;
    employee.usesTimeData = value;
    newEditSequence = std::to_wstring(++employee.editSequence);
    return 0;
}

int FakeQuickBooks::CreationRefusal(const std::wstring& name)
{
    const std::map<std::wstring, int>::const_iterator failure = m_createFailures.find(name);
    return failure == m_createFailures.end() ? 0 : failure->second;
}

int FakeQuickBooks::CreateEmployee(const std::wstring& firstName, const std::wstring& lastName,
                                   const std::wstring& middleName, const std::wstring& payrollItemId,
                                   boost::shared_ptr<Employee>& created)
{
    m_trace.push_back(L"create employee " + firstName + L" " + lastName + L" payroll '" + payrollItemId + L"'");
    if (const int refusal = CreationRefusal(lastName))
        return refusal;
    const std::wstring listId = NewId(L"E");
    AddEmployee(listId, firstName, lastName, 2);
    created.reset(new Employee);
    created->SetId(listId);
    created->SetFirstName(firstName);
    created->SetLastName(lastName);
    created->SetMiddleName(middleName);
    created->SetUsesTimeDataValue(2);
    created->SetEditSequence(L"1");
    return 0;
}

int FakeQuickBooks::CreateCustomerJob(const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent,
                                      boost::shared_ptr<CustomerJob>& created)
{
    const std::wstring fullName = parent ? parent->GetFullName() + L":" + name : name;
    m_trace.push_back(L"create customer:job " + fullName);
    if (const int refusal = CreationRefusal(fullName))
        return refusal;
    AddCustomerJob(fullName);
    created.reset(new CustomerJob(L"C-" + fullName, name, parent));
    return 0;
}

int FakeQuickBooks::CreateService(const std::wstring& name, const boost::shared_ptr<ServiceItem>& parent,
                                  const std::wstring& accountId, boost::shared_ptr<ServiceItem>& created)
{
    const std::wstring fullName = parent ? parent->GetFullName() + L":" + name : name;
    m_trace.push_back(L"create service item " + fullName + L" account " + accountId);
    if (const int refusal = CreationRefusal(fullName))
        return refusal;
    AddServiceItem(fullName);
    created.reset(new ServiceItem);
    created->SetId(L"S-" + fullName);
    created->SetName(name);
    created->SetParent(parent);
    return 0;
}

bool FakeQuickBooks::CheckServiceItemExist(const std::wstring& fullName)
{
    return m_serviceItems.count(ToLower(fullName)) != 0;
}

boost::shared_ptr<TimeTrackRecordCollection> FakeQuickBooks::GetTimeTrack(const std::wstring& entityId,
                                                                          const DateTime& start, const DateTime& end)
{
    boost::shared_ptr<TimeTrackRecordCollection> records;
    for (std::vector<Entry>::const_iterator it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->employeeId != entityId || it->date < start || end < it->date)
            continue;
        if (!records)
            records.reset(new TimeTrackRecordCollection);
        records->Add(ToRecord(*it));
    }
    return records;
}

boost::shared_ptr<ServiceItemCollection> FakeQuickBooks::GetServiceItem()
{
    return ServiceItemsOf(m_serviceItems);
}
