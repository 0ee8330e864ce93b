#pragma once
#include <string>
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/ListAddRequest.h"
#include "core/ServiceItem.h"

namespace Quorvane {
namespace Connectors {

// Adds a service item that posts to the given account, under the parent item when one is given.
class CreateServiceRequest : public ListAddRequest<Qbfc::IItemServiceRet, ServiceItem> {
public:
    void SetName(const std::wstring& name) { m_name = name; }
    void SetParent(const boost::shared_ptr<ServiceItem>& parent) { m_parent = parent; }
    void SetAccountId(const std::wstring& id) { m_accountId = id; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    boost::shared_ptr<ServiceItem> ReadCreated(Qbfc::IItemServiceRet ret) const override;

private:
    std::wstring m_name;
    boost::shared_ptr<ServiceItem> m_parent;
    std::wstring m_accountId;
};

}  // namespace Connectors
}  // namespace Quorvane
