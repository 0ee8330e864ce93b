#include "core/EmployeeDiff.h"

namespace Quorvane {

namespace {

struct OfServerUser {
    explicit OfServerUser(const std::wstring& id) : id(id) {}
    bool operator()(const EmployeeDiff& diff) const
    {
        return diff.GetServerUser() && diff.GetServerUser()->GetId() == id;
    }
    const std::wstring& id;
};

}  // namespace

EmployeeDiffCollection::Pointer EmployeeDiffCollection::FindByEmployeeId(const std::wstring& id) const
{
    return FindFirst(OfServerUser(id));
}

}  // namespace Quorvane
