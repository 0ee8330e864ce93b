#include "tools/demo-settings/DemoConfig.h"

#include "core/CompanyConfig.h"
#include "core/DateRange.h"

using namespace Quorvane;

namespace demo {

namespace {

// "Construction Income" in the demo company.
const wchar_t kServiceItemAccount[] = L"80000002-1197423841";
// The demo users who are new in QuickBooks, and the two who are not imported (an old duplicate
// login and a user who left).
const wchar_t* const kNewEmployees[] = { L"7", L"15", L"21", L"23", L"26", L"28" };
const wchar_t* const kNotImported[] = { L"12", L"30" };
const int kTwoPreviousWeeks = 16;

void AddRule(MappingCollection& rules, const wchar_t* source, int state)
{
    boost::shared_ptr<Mapping> rule(new Mapping());
    rule->SetSource(source);
    rule->SetTarget(L"", state);
    rules.Add(rule);
}

}  // namespace

boost::shared_ptr<Config> ConnectionConfig(const std::wstring& url, const std::wstring& user,
                                           const std::wstring& password)
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = url;
    options.userName = user;
    options.password = password;
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    return config;
}

boost::shared_ptr<Config> DemoConfig(const std::wstring& url, const std::wstring& user, const std::wstring& password)
{
    boost::shared_ptr<Config> config = ConnectionConfig(url, user, password);
    config->SetMappingType(2);
    config->SetServiceItemAccount(kServiceItemAccount);
    config->SetAutoCreationFlags(Config::CreateEmployees | Config::CreateCustomers | Config::CreateJobs |
                                 Config::CreateServiceItems);
    config->SetImportLeaveType(false);
    config->SetPeriod(DateRange(kTwoPreviousWeeks));
    for (const wchar_t* id : kNewEmployees) {
        AddRule(*config->GetEmployeeMappings(), id, 4);
        AddRule(*config->GetPayrollTypeMappings(), id, 5);
    }
    for (const wchar_t* id : kNotImported)
        AddRule(*config->GetEmployeeMappings(), id, Mapping::DoNotImport);
    return config;
}

bool SeedDemoSettings(const std::wstring& company, const std::wstring& url, const std::wstring& user,
                      const std::wstring& password)
{
    boost::shared_ptr<Config> config(new Config());
    if (LoadConfig(company, config))
        config->SetConnectionOptions(*ConnectionConfig(url, user, password)->GetConnectionOptions());
    else
        config = DemoConfig(url, user, password);
    return SaveConfig(company, config);
}

}  // namespace demo
