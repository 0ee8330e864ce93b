#include "connectors/quickbooks/requests/GetAccountRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

namespace {

enum { NoAccountType = -1 };

}  // namespace

bool GetAccountRequest::IsAccountTypeAccepted(int accountType) {
    switch (accountType) {
    case atEquity:
    case atExpense:
    case atFixedAsset:
    case atIncome:
    case atOtherAsset:
    case atOtherCurrentAsset:
    case atOtherExpense:
    case atOtherIncome:
        return true;
    default:
        return false;
    }
}

void GetAccountRequest::ReadRecord(Qbfc::IAccountRet ret, AccountCollection& result) {
    boost::shared_ptr<Account> account(new Account());
    account->SetId(ReadIdIfSet(ret.ListID()));
    account->SetName(ReadTextIfSet(ret.FullName()));
    account->SetType(ReadIfSet(ret.AccountType(), int(NoAccountType)));
    if (IsAccountTypeAccepted(account->GetType()))
        result.Add(account);
}

}  // namespace Connectors
}  // namespace Quorvane
