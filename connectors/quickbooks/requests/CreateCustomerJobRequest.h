#pragma once
#include <string>
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/ListAddRequest.h"
#include "core/CustomerJob.h"

namespace Quorvane {
namespace Connectors {

// Adds a customer, or a job under the given parent. The created entry hangs under the same
// parent, so its full name is the parent's, ":" and the name QuickBooks returned.
class CreateCustomerJobRequest : public ListAddRequest<Qbfc::ICustomerRet, CustomerJob> {
public:
    void SetName(const std::wstring& name) { m_name = name; }
    void SetParent(const boost::shared_ptr<CustomerJob>& parent) { m_parent = parent; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    boost::shared_ptr<CustomerJob> ReadCreated(Qbfc::ICustomerRet ret) const override;

private:
    std::wstring m_name;
    boost::shared_ptr<CustomerJob> m_parent;
};

}  // namespace Connectors
}  // namespace Quorvane
