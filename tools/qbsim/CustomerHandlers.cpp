#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListAdd.h"
#include "tools/qbsim/ListQuery.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

const HierarchyRules kCustomerRules = { kCustomers, L"Customer", 41, -1 };

}  // namespace

Json CustomerQuery(Company& company, const Json& request)
{
    std::vector<Json> rets = QueryList(company, kCustomers, request.GetPath(L"ORCustomerListQuery.CustomerListFilter"),
                                       AnyRecord);
    for (Json& ret : rets)
        ret = IncludeOnly(ret, request.Get(L"IncludeRetElementList"));
    return AnswerList(L"ICustomerRetList", rets);
}

Json CustomerAdd(Company& company, const Json& request)
{
    Json customer = Json::MakeObject();
    Json refusal = PrepareHierarchyElement(company, kCustomerRules, request, customer);
    if (!refusal.IsNull())
        return refusal;
    return Answer(L"ICustomerRet", company.Insert(kCustomers, customer));
}

}  // namespace QbSim
