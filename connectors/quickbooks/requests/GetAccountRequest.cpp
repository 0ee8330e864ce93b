#include "connectors/quickbooks/requests/GetAccountRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

namespace {

enum { NoAccountType = -1 };

struct AccountTypeName {
    const wchar_t* name;
    int value;
};

// Read by name, and kept in the later versions' numbering: early versions number differently.
const AccountTypeName kAcceptedAccountTypes[] = {
    { L"Equity", atEquity },
    { L"Expense", atExpense },
    { L"FixedAsset", atFixedAsset },
    { L"Income", atIncome },
    { L"OtherAsset", atOtherAsset },
    { L"OtherCurrentAsset", atOtherCurrentAsset },
    { L"OtherExpense", atOtherExpense },
    { L"OtherIncome", atOtherIncome },
};

// An account of a type a service item cannot post to reads as one without a type.
int ReadAccountType(Qbfc::IQBEnumType accountType)
{
    if (accountType.IsNull() || !accountType.IsSet())
        return NoAccountType;
    std::wstring name = accountType.GetAsString();
    for (const AccountTypeName& accepted : kAcceptedAccountTypes) {
        if (name == accepted.name)
            return accepted.value;
    }
    return NoAccountType;
}

}  // namespace

bool GetAccountRequest::IsAccountTypeAccepted(int accountType)
{
    switch (accountType) {
    case atEquity:
    case atExpense:
    case atFixedAsset:
    case atIncome:
    case atOtherAsset:
    case atOtherCurrentAsset:
    case atOtherExpense:
    case atOtherIncome: return true;
    default: return false;
    }
}

void GetAccountRequest::ReadRecord(Qbfc::IAccountRet ret, AccountCollection& result)
{
    boost::shared_ptr<Account> account(new Account());
    account->SetId(ReadIdIfSet(ret.ListID()));
    account->SetName(ReadTextIfSet(ret.FullName()));
    account->SetType(ReadAccountType(ret.AccountType()));
    if (IsAccountTypeAccepted(account->GetType()))
        result.Add(account);
}

}  // namespace Connectors
}  // namespace Quorvane
