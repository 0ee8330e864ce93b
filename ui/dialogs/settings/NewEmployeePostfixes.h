#pragma once
// The postfix that makes the name of a user's new QuickBooks employee unique: "" or "(n)",
// n >= 2, the first that neither a namesake user's new employee nor a QuickBooks employee of the
// same name already carries. The users and employees are indexed by name once, so a table of
// hundreds of rows asks cheaply.
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Config.h"

class MainModel;

namespace Quorvane {
class Employee;
}

class NewEmployeePostfixes {
public:
    NewEmployeePostfixes(const MainModel& model, const Quorvane::Config& config);

    std::wstring For(const Quorvane::Employee& user) const;

private:
    typedef std::tuple<std::wstring, std::wstring, std::wstring> Names;  // first, middle, last
    typedef std::pair<std::wstring, std::wstring> GivenNames;  // first, middle

    void AddNamesakePostfixes(const Quorvane::Employee& user, std::set<std::wstring>& taken) const;
    void AddQuickBooksNames(const Quorvane::Employee& user, std::set<std::wstring>& taken) const;

    std::map<Names, std::vector<std::wstring>> m_userIds;
    std::map<GivenNames, std::vector<std::wstring>> m_quickBooksLastNames;
    Quorvane::Config::NamePostfixes m_postfixes;
};
