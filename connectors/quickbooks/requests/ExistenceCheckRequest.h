#pragma once
// What the customer:job and service item checks share: a query for one full name among active
// and inactive entries, true only when exactly one entry answers. Every failure reads as
// "absent", which stops an import rather than writing to an entry that may not be there.
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

template <typename RetList>
class ExistenceCheckRequest : public QuickBookQuery {
public:
    void SetFullName(const std::wstring& fullName) { m_fullName = fullName; }
    bool GetResult() const { return m_result; }

    void ProcessResponse(Qbfc::IMsgSetResponse response) override
    {
        try {
            m_result = FindResponseDetail<RetList>(response).Count() == 1;
        } catch (...) {
            m_result = false;
        }
    }

protected:
    // Asks the list filter for every entry, active or not, named exactly the full name.
    template <typename ListFilter>
    void FilterByFullName(ListFilter filter) const
    {
        filter.ActiveStatus().SetValue(asAll);
        Qbfc::INameRangeFilter range = filter.ORNameFilter().NameRangeFilter();
        range.FromName().SetValue(m_fullName);
        range.ToName().SetValue(m_fullName);
    }

private:
    std::wstring m_fullName;
    bool m_result = false;
};

}  // namespace Connectors
}  // namespace Quorvane
