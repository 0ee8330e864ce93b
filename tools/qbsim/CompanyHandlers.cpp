#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListQuery.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

Json AccountQuery(Company& company, const Json& request)
{
    return AnswerQuery(L"IAccountRetList", QueryList(company, kAccounts, Json(), AnyRecord), request);
}

Json PayrollItemWageQuery(Company& company, const Json& request)
{
    const Json& filter = request.GetPath(L"ORListQuery.ListFilter");
    return AnswerQuery(L"IPayrollItemWageRetList", QueryList(company, kPayrollItemWages, filter, AnyRecord), request);
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
