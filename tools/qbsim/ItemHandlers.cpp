#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListAdd.h"
#include "tools/qbsim/ListQuery.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

const long long kServiceItem = 0;
const long long kNoItem = -1;
const HierarchyRules kServiceItemRules = { kItems, L"Item Service", 31, kServiceItem };

// The Ret element of each ENORItemRet kind, 0 to 11.
const wchar_t* const kItemRets[] = {
    L"ItemServiceRet",           L"ItemNonInventoryRet", L"ItemOtherChargeRet",   L"ItemInventoryRet",
    L"ItemInventoryAssemblyRet", L"ItemFixedAssetRet",   L"ItemSubtotalRet",      L"ItemDiscountRet",
    L"ItemPaymentRet",           L"ItemSalesTaxRet",     L"ItemSalesTaxGroupRet", L"ItemGroupRet",
};

Json AsOrItemRet(const Json& item)
{
    long long kind = item.Get(L"Kind").AsInt(kServiceItem);
    Json entry = Json::MakeObject();
    entry.Set(L"ortype", kind);
    if (kind >= 0 && kind < static_cast<long long>(sizeof(kItemRets) / sizeof(kItemRets[0])))
        entry.Set(kItemRets[kind], item);
    return entry;
}

bool IsServiceItem(const Json& item)
{
    return item.Get(L"Kind").AsInt(kServiceItem) == kServiceItem;
}

}  // namespace

// The list filter of the query as the simulated QBFC offers it (Schema.cpp).
Json ItemServiceQuery(Company& company, const Json& request)
{
    const Json& withClass = request.GetPath(L"ORListQueryWithOwnerIDAndClass.ListWithClassFilter");
    const Json& filter = request.Has(L"ORListQuery") ? request.GetPath(L"ORListQuery.ListFilter") : withClass;
    return AnswerQuery(L"IItemServiceRetList", QueryList(company, kItems, filter, IsServiceItem), request);
}

Json ItemQuery(Company& company, const Json& request)
{
    std::vector<Json> rets = QueryList(company, kItems, request.GetPath(L"ORListQuery.ListFilter"), AnyRecord);
    for (Json& ret : rets)
        ret = AsOrItemRet(IncludeOnly(ret, request.Get(L"IncludeRetElementList")));
    return AnswerList(L"IORItemRetList", rets);
}

Json ItemServiceAdd(Company& company, const Json& request)
{
    Json item = Json::MakeObject();
    item.Set(L"Kind", kServiceItem);
    Json refusal = PrepareHierarchyElement(company, kServiceItemRules, request, item);
    if (!refusal.IsNull())
        return refusal;
    Json account = request.GetPath(L"ORSalesPurchase.SalesOrPurchase.AccountRef");
    if (!company.Resolve(kAccounts, account) || account.Get(L"ListID").AsString().empty())
        return InvalidReference(L"Account", account.Get(L"ListID").AsString(account.Get(L"FullName").AsString()));
    Json salesOrPurchase = Json::MakeObject();
    salesOrPurchase.Set(L"AccountRef", account);
    Json orSalesPurchase = Json::MakeObject();
    orSalesPurchase.Set(L"SalesOrPurchase", salesOrPurchase);
    item.Set(L"ORSalesPurchase", orSalesPurchase);
    return Answer(L"IItemServiceRet", company.Insert(kItems, item));
}

}  // namespace QbSim
