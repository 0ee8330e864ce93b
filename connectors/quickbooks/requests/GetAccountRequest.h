#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/Account.h"

namespace Quorvane {
namespace Connectors {

// The accounts a new service item may post to.
class GetAccountRequest : public ListReaderRequest<Qbfc::IAccountRetList, Qbfc::IAccountRet, AccountCollection> {
public:
    // Equity, expense, fixed asset, income, other asset, other current asset, other expense and
    // other income accounts; an account without a type is none of them.
    static bool IsAccountTypeAccepted(int accountType);

    void BuildRequest(Qbfc::IMsgSetRequest request) override { request.AppendAccountQueryRq(); }

protected:
    void ReadRecord(Qbfc::IAccountRet ret, AccountCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
