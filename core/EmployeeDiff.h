#pragma once
// The preview of one server user over the whole period.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"
#include "core/Employee.h"
#include "core/TimeTrackDiff.h"

namespace Quorvane {

class EmployeeDiff {
public:
    EmployeeDiff() {}

    boost::shared_ptr<Employee> GetServerUser() const { return m_serverUser; }
    void SetServerUser(const boost::shared_ptr<Employee>& user) { m_serverUser = user; }
    boost::shared_ptr<TimeTrackDiffCollection> GetTimeTrackDiffs() const { return m_diffs; }
    void SetTimeTrackDiffs(const boost::shared_ptr<TimeTrackDiffCollection>& diffs) { m_diffs = diffs; }

private:
    boost::shared_ptr<Employee> m_serverUser;
    boost::shared_ptr<TimeTrackDiffCollection> m_diffs;
};

class EmployeeDiffCollection : public Collection<EmployeeDiff> {
public:
    EmployeeDiffCollection() {}
    template <typename Iterator>
    EmployeeDiffCollection(Iterator first, Iterator last) : Collection<EmployeeDiff>(first, last)
    {
    }

    // The first diff whose server user has that id; NotFoundException when none.
    Pointer FindByEmployeeId(const std::wstring& id) const;
};

inline EmployeeDiffCollection::Pointer DiffCollectionFindByEntityId(const EmployeeDiffCollection& diffs,
                                                                    const std::wstring& id)
{
    return diffs.FindByEmployeeId(id);
}

}  // namespace Quorvane
