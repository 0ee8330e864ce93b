#include "tools/scenario/DemoChoices.h"

namespace scenario {

const wchar_t kMappedUser[] = L"Smith, John Q.";
const wchar_t kMappedEmployee[] = L"Ben T Okafor";
const wchar_t kNotImportedUser[] = L"Núñez, Ana María";
const wchar_t kImportedLeaveType[] = L"Vacation";
const wchar_t kLeavePayrollItem[] = L"Hourly Regular";

SettingsChoices FirstSetUp()
{
    SettingsChoices choices;
    choices.customersAndJobs = L"Import clients, projects and tasks";
    choices.serviceItemAccount = L"Construction Income";
    choices.employees = { { kMappedUser, kMappedEmployee },
                          { kNotImportedUser, L"--do not import--" },
                          { L"Lefèvre-Coeur, Chloë", L"--new-- (Chloë Lefèvre-Coeur)" },
                          { L"Müller, Jörg", L"--new-- (Jörg Müller)" },
                          { L"O'Connor, Siobhán M.", L"--new-- (Siobhán M O'Connor)" } };
    choices.importLeaveTime = true;
    choices.leaveTypes = { { kImportedLeaveType, kLeavePayrollItem },
                           { L"Sick Leave", L"-- do not import --" },
                           { L"Public Holiday", L"-- do not import --" },
                           { L"Parental Leave - unpaid", L"-- do not import --" } };
    choices.workingTimePayroll = { { L"Lefèvre-Coeur, Chloë", kLeavePayrollItem },
                                   { L"Müller, Jörg", kLeavePayrollItem },
                                   { L"O'Connor, Siobhán M.", kLeavePayrollItem } };
    return choices;
}

}  // namespace scenario
