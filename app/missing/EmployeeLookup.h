#pragma once
// Lookups of server users by id and of the QuickBooks employee a server user is mapped to, that
// do not walk the lists: each list is indexed when first asked and again once the model or the
// settings hand out another one or it grew. A rule's target is read from the rule itself, so a
// rule pointed at a newly created employee is followed at once.
#include <cstddef>
#include <string>
#include <unordered_map>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {

class Config;
class Employee;
class EmployeeCollection;
class Mapping;
class MappingCollection;

class EmployeeLookup {
public:
    EmployeeLookup(const boost::shared_ptr<MainModel>& model, const boost::shared_ptr<Config>& config);

    // The first server user with this id; null when the model holds none.
    boost::shared_ptr<Employee> ServerUser(const std::wstring& id);
    // The first employee rule of the server user; null when it has none.
    boost::shared_ptr<Mapping> Rule(const std::wstring& serverUserId);
    // The QuickBooks employee the server user's rule names; null when the rule or the employee is
    // missing.
    boost::shared_ptr<Employee> QuickBooksEmployee(const std::wstring& serverUserId);

private:
    template <typename Record>
    struct Index {
        // Indexes the list unless it is the one indexed last, with as many records.
        template <typename List, typename KeyOf>
        void Follow(const boost::shared_ptr<List>& list, KeyOf keyOf);
        boost::shared_ptr<Record> Find(const std::wstring& key) const;

        boost::shared_ptr<const void> list;  // held so that no later list can take its address
        size_t count = 0;
        std::unordered_map<std::wstring, boost::shared_ptr<Record>> byKey;
    };

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Config> m_config;
    Index<Employee> m_serverUsers;
    Index<Employee> m_quickBooksEmployees;
    Index<Mapping> m_rules;
};

}  // namespace Quorvane
