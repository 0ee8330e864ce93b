#include "tools/scenario/SimulatedCompany.h"

#include <cwchar>

#include <windows.h>

#include "tools/programdriver/DriverError.h"
#include "tools/qbsim/CompanyStore.h"

namespace scenario {

namespace {

const int kServiceItemKind = 0;

const QbSim::Json* Record(const QbSim::Json& list, const std::wstring& listId)
{
    for (const QbSim::Json& record : list.Items())
        if (record.Get(L"ListID").AsString() == listId)
            return &record;
    return nullptr;
}

std::wstring Joined(const std::vector<std::wstring>& parts)
{
    std::wstring text;
    for (const std::wstring& part : parts)
        text += (text.empty() ? L"" : L" ") + part;
    return text;
}

}  // namespace

QbSim::Json ReadCompany(const std::wstring& companyFile)
{
    try {
        if (GetFileAttributesW(companyFile.c_str()) != INVALID_FILE_ATTRIBUTES)
            return QbSim::ReadCompanyFile(companyFile);
    } catch (const std::exception&) {
    }
    throw driver::DriverError(L"cannot read the company file " + companyFile);
}

SimulatedCompany::SimulatedCompany(const std::wstring& companyFile) : m_company(ReadCompany(companyFile)) {}

std::wstring SimulatedCompany::Name() const
{
    return m_company.Get(L"CompanyName").AsString();
}

std::wstring SimulatedCompany::FullName(const wchar_t* list, const std::wstring& listId) const
{
    const QbSim::Json* record = Record(m_company.Get(list), listId);
    if (!record)
        return L"?" + listId;
    std::wstring parent = record->GetPath(L"ParentRef.ListID").AsString();
    std::wstring name = record->Get(L"Name").AsString();
    return parent.empty() ? name : FullName(list, parent) + L":" + name;
}

std::wstring SimulatedCompany::EmployeeName(const std::wstring& listId) const
{
    const QbSim::Json* employee = Record(m_company.Get(L"Employees"), listId);
    if (!employee)
        return L"?" + listId;
    std::vector<std::wstring> parts;
    for (const wchar_t* part : { L"FirstName", L"MiddleName", L"LastName" })
        if (!employee->Get(part).AsString().empty())
            parts.push_back(employee->Get(part).AsString());
    return Joined(parts);
}

std::vector<std::wstring> SimulatedCompany::Employees() const
{
    std::vector<std::wstring> names;
    for (const QbSim::Json& employee : m_company.Get(L"Employees").Items())
        names.push_back(EmployeeName(employee.Get(L"ListID").AsString()));
    return names;
}

std::vector<std::wstring> SimulatedCompany::CustomerJobs() const
{
    std::vector<std::wstring> names;
    for (const QbSim::Json& customer : m_company.Get(L"Customers").Items())
        names.push_back(FullName(L"Customers", customer.Get(L"ListID").AsString()));
    return names;
}

std::vector<std::wstring> SimulatedCompany::ServiceItems() const
{
    std::vector<std::wstring> names;
    for (const QbSim::Json& item : m_company.Get(L"Items").Items())
        if (item.Get(L"Kind").AsInt(-1) == kServiceItemKind)
            names.push_back(FullName(L"Items", item.Get(L"ListID").AsString()));
    return names;
}

std::vector<TimeEntry> SimulatedCompany::TimeEntries() const
{
    std::vector<TimeEntry> entries;
    for (const QbSim::Json& entry : m_company.Get(L"TimeEntries").Items())
        entries.push_back({ entry.Get(L"TxnDate").AsString(),
                            EmployeeName(entry.GetPath(L"EntityRef.ListID").AsString()),
                            FullName(L"Customers", entry.GetPath(L"CustomerRef.ListID").AsString()),
                            FullName(L"Items", entry.GetPath(L"ItemServiceRef.ListID").AsString()),
                            DurationMinutes(entry.Get(L"Duration").AsString()) });
    return entries;
}

std::wstring SimulatedCompany::ListId(const wchar_t* list, const std::wstring& fullName) const
{
    bool employees = std::wstring(list) == L"Employees";
    for (const QbSim::Json& record : m_company.Get(list).Items()) {
        std::wstring listId = record.Get(L"ListID").AsString();
        if ((employees ? EmployeeName(listId) : FullName(list, listId)) == fullName)
            return listId;
    }
    return std::wstring();
}

int DurationMinutes(const std::wstring& duration)
{
    int hours = 0, minutes = 0, seconds = 0;
    if (swscanf(duration.c_str(), L"PT%dH%dM%dS", &hours, &minutes, &seconds) < 2)
        return 0;
    return hours * 60 + minutes;
}

}  // namespace scenario
