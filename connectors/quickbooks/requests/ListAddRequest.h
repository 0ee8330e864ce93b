#pragma once
// What the employee, customer:job and service item adds share: the answer is the entry
// QuickBooks created, or the status with which it refused.
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

// Result: 0 with the created entry, QuickBooks's status when refused, and the marker 1 that
// BuildRequest leaves when no entry of the expected kind could be read.
template <typename Ret, typename Entry>
class ListAddRequest : public QuickBookWrite {
public:
    boost::shared_ptr<Entry> GetCreated() const { return m_created; }

    void ProcessResponse(Qbfc::IMsgSetResponse response) override
    {
        try {
            m_created = ReadCreated(FindResponseDetail<Ret>(response));
            SetResult(0);
        } catch (const QuickBooksException& refusal) {
            SetResult(refusal.GetStatusCode());
        } catch (...) {
        }
    }

protected:
    virtual boost::shared_ptr<Entry> ReadCreated(Ret ret) const = 0;

private:
    boost::shared_ptr<Entry> m_created;
};

}  // namespace Connectors
}  // namespace Quorvane
