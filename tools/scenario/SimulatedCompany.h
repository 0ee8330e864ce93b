#pragma once
// What the simulated QuickBooks company holds, read from its company file: for the tests'
// checks and for the tour's closing report.
#include <string>
#include <vector>

#include "tools/qbsim/Json.h"

namespace scenario {

struct TimeEntry {
    std::wstring date;  // yyyy-mm-dd
    std::wstring employee;
    std::wstring customerJob;  // full name, "Customer:Job"
    std::wstring serviceItem;  // full name
    int minutes;
};

class SimulatedCompany {
public:
    // DriverError when the file cannot be read.
    explicit SimulatedCompany(const std::wstring& companyFile);

    std::wstring Name() const;
    // Full names: "First M Last" for employees, "Parent:Child" for customers, jobs and items.
    std::vector<std::wstring> Employees() const;
    std::vector<std::wstring> CustomerJobs() const;
    std::vector<std::wstring> ServiceItems() const;
    std::vector<TimeEntry> TimeEntries() const;
    // The ListID of the record of the list ("Employees", "PayrollItemWages") with that full
    // name; empty when there is none.
    std::wstring ListId(const wchar_t* list, const std::wstring& fullName) const;

private:
    std::wstring FullName(const wchar_t* list, const std::wstring& listId) const;
    std::wstring EmployeeName(const std::wstring& listId) const;

    QbSim::Json m_company;
};

// The company a company file holds with the changes of its journal, as the simulator sees it;
// DriverError when the file cannot be read.
QbSim::Json ReadCompany(const std::wstring& companyFile);

// "PT8H30M0S" in minutes.
int DurationMinutes(const std::wstring& duration);

}  // namespace scenario
