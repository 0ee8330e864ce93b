#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListQuery.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

Json AccountQuery(Company& company, const Json& request)
{
    std::vector<Json> rets = QueryList(company, kAccounts, Json(), AnyRecord);
    for (Json& ret : rets)
        ret = IncludeOnly(ret, request.Get(L"IncludeRetElementList"));
    return AnswerList(L"IAccountRetList", rets);
}

Json PayrollItemWageQuery(Company& company, const Json& request)
{
    std::vector<Json> rets = QueryList(company, kPayrollItemWages, request.GetPath(L"ORListQuery.ListFilter"), AnyRecord);
    for (Json& ret : rets)
        ret = IncludeOnly(ret, request.Get(L"IncludeRetElementList"));
    return AnswerList(L"IPayrollItemWageRetList", rets);
}

Json PreferencesQuery(Company& company, const Json& request)
{
    return Answer(L"IPreferencesRet", IncludeOnly(company.Preferences(), request.Get(L"IncludeRetElementList")));
}

Json CompanyQuery(Company& company, const Json& request)
{
    Json ret = Json::MakeObject();
    ret.Set(L"CompanyName", company.Name());
    return Answer(L"ICompanyRet", IncludeOnly(ret, request.Get(L"IncludeRetElementList")));
}

}  // namespace QbSim
