#include "DemoChloe.h"

#include "TestCompany.h"
#include "core/DateRange.h"

using namespace Quorvane;

const wchar_t kChloe[] = L"23";
const DateTime kMonday(23, 11, 2026);

void ImportOnlyChloe(const boost::shared_ptr<Config>& config)
{
    config->SetMappingType(2);
    config->SetServiceItemAccount(L"A-INC");
    config->SetAutoCreationFlags(Config::CreateCustomers | Config::CreateJobs | Config::CreateServiceItems);
    DateRange period;
    period.SetStart(kMonday);
    period.SetEnd(kMonday.Add(DateSpan::OneDay()));
    config->SetPeriod(period);
    TestCompany rules;
    rules.config = config;
    for (const wchar_t* id : { L"7", L"12", L"15", L"21", L"26", L"28", L"30" })
        rules.MapEmployee(id, L"", Mapping::DoNotImport);
    rules.MapEmployee(kChloe, L"E-CHLOE");
    rules.MapPayroll(kChloe, L"P-HOURLY");
}
