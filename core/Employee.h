#pragma once
// A QuickBooks employee, or a server user turned into an employee.
#include <string>
#include <utility>
#include <vector>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"
#include "core/TimeTrackRecord.h"

namespace Quorvane {

class Employee {
public:
    // QuickBooks's time-data value before anything was read; the import switches only
    // employees whose value QuickBooks actually gave.
    enum { UnknownTimeDataValue = -1 };

    Employee();

    // The QuickBooks ListID, or the server user id as decimal text.
    std::wstring GetId() const { return m_id; }
    void SetId(const std::wstring& id) { m_id = id; }
    std::wstring GetFirstName() const { return m_firstName; }
    void SetFirstName(const std::wstring& name) { m_firstName = name; }
    std::wstring GetLastName() const { return m_lastName; }
    void SetLastName(const std::wstring& name) { m_lastName = name; }
    std::wstring GetMiddleName() const { return m_middleName; }
    void SetMiddleName(const std::wstring& name) { m_middleName = name; }
    // The server login; set on server-side employees only.
    std::wstring GetUserName() const { return m_userName; }
    void SetUserName(const std::wstring& name) { m_userName = name; }
    std::wstring GetEditSequence() const { return m_editSequence; }
    void SetEditSequence(const std::wstring& editSequence) { m_editSequence = editSequence; }

    // "First Middle Last"; an empty middle name leaves two blanks side by side.
    std::wstring GetFullName() const;

    // The ListIDs of the employee's own payroll wage items.
    void AddToNameList(const std::wstring& listId) { m_nameList.push_back(listId); }
    std::vector<std::wstring> GetNameList() const { return m_nameList; }
    void SetNameList(const std::vector<std::wstring>& list) { m_nameList = list; }

    bool GetUsesTimeData() const { return m_usesTimeData; }
    void SetUsesTimeData(bool uses) { m_usesTimeData = uses; }
    int GetUsesTimeDataValue() const { return m_usesTimeDataValue; }
    void SetUsesTimeDataValue(int value) { m_usesTimeDataValue = value; }

    void AddTimeTrackRecord(boost::shared_ptr<TimeTrackRecord> record) { m_timeTrack->Add(std::move(record)); }
    boost::shared_ptr<TimeTrackRecordCollection> GetTimeTrackRecords() const { return m_timeTrack; }
    void SetTimeTrackRecords(const boost::shared_ptr<TimeTrackRecordCollection>& records) { m_timeTrack = records; }

private:
    std::wstring m_id;
    std::wstring m_firstName;
    std::wstring m_lastName;
    std::wstring m_middleName;
    std::wstring m_userName;
    std::wstring m_editSequence;
    std::vector<std::wstring> m_nameList;
    bool m_usesTimeData;
    boost::shared_ptr<TimeTrackRecordCollection> m_timeTrack;
    int m_usesTimeDataValue;
};

class EmployeeCollection : public Collection<Employee> {
public:
    EmployeeCollection() {}
    template <typename Iterator>
    EmployeeCollection(Iterator first, Iterator last) : Collection<Employee>(first, last)
    {
    }
};

}  // namespace Quorvane
