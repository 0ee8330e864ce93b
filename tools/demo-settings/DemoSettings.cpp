// Writes the demo company's settings file as a bookkeeper leaves it after setting the program
// up once: the demo server's address and account with a remembered password, the customer and
// job rules, and a rule for each of the demo data set's users. Run it in the demo's prefix:
//     demo_settings.exe COMPANY URL USER PASSWORD
#include <windows.h>

#include <cstdio>

#include <boost/shared_ptr.hpp>

#include "core/CompanyConfig.h"
#include "core/Config.h"
#include "core/DateRange.h"

using namespace Quorvane;

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

boost::shared_ptr<Config> DemoConfig(const wchar_t* url, const wchar_t* user, const wchar_t* password)
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = url;
    options.userName = user;
    options.password = password;
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
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

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: demo_settings.exe COMPANY URL USER PASSWORD\n");
        return 2;
    }
    if (!SaveConfig(argv[1], DemoConfig(argv[2], argv[3], argv[4]))) {
        std::fprintf(stderr, "demo_settings: could not write %ls\n", GetConfigFilePath(argv[1]).c_str());
        return 1;
    }
    std::printf("%ls\n", GetConfigFilePath(argv[1]).c_str());
    return 0;
}
