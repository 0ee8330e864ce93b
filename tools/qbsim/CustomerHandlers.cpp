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
    const Json& filter = request.GetPath(L"ORCustomerListQuery.CustomerListFilter");
    return AnswerQuery(L"ICustomerRetList", QueryList(company, kCustomers, filter, AnyRecord), request);
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
