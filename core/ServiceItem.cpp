#include "core/ServiceItem.h"

#include "core/TextUtils.h"

namespace Quorvane {

namespace {

struct HasFullNameIgnoringCase {
    explicit HasFullNameIgnoringCase(const std::wstring& fullName) : lowered(ToLower(fullName)) {}
    bool operator()(const ServiceItem& item) const { return ToLower(item.GetFullName()) == lowered; }
    std::wstring lowered;
};

}  // namespace

ServiceItemCollection::Pointer ServiceItemCollection::GetByFullName(const std::wstring& fullName) const
{
    return FindFirst(HasFullNameIgnoringCase(fullName));
}

}  // namespace Quorvane
