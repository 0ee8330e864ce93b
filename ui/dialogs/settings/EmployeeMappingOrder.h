#pragma once
// The order in which the employee mapping and working-time tables list server users: users that
// were new at the last load first, then by "Last, First M. (login)" lower-cased A-Z and compared
// unit by unit; users without an employee mapping go last. Equal users keep their order. The
// model's own collection is never reordered: the tables sort a copy.
#include <vector>

#include <boost/shared_ptr.hpp>

namespace Quorvane {
class Employee;
class EmployeeCollection;
class MappingCollection;
}  // namespace Quorvane

class EmployeeMappingOrder {
public:
    typedef boost::shared_ptr<Quorvane::Employee> EmployeePtr;

    explicit EmployeeMappingOrder(const Quorvane::MappingCollection& mappings) : m_mappings(mappings) {}

    // A sorted copy that shares the users.
    std::vector<EmployeePtr> Sort(const Quorvane::EmployeeCollection& users) const;

private:
    const Quorvane::MappingCollection& m_mappings;
};
