// A bookkeeper's first start and set-up: the login panel, then the settings.
#include <algorithm>

#include "core/DateRange.h"
#include "core/Mapping.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tools/scenario/DemoChoices.h"
#include "tools/scenario/SimulatedCompany.h"

using namespace scenario;

namespace {

const wchar_t kWrongPasswordMessage[] =
    L"The specified username and/or password are incorrect. Please make sure you are specifying them correctly.";

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

int CountRules(const Quorvane::MappingCollection& rules, int state, const std::wstring& target = std::wstring())
{
    return static_cast<int>(
        std::count_if(rules.begin(), rules.end(), [&](const boost::shared_ptr<Quorvane::Mapping>& rule) {
            return rule->GetState() == state && (target.empty() || rule->GetTarget() == target);
        }));
}

}  // namespace

TEST_F(AcceptanceTest, FirstStartAsksForTheLoginAndTheRightPasswordLeadsOnToTheMappingProblems)
{
    Bookkeeper& bookkeeper = Start();
    Login login = DemoLogin();
    EXPECT_EQ(kWrongPasswordMessage, bookkeeper.LogIn(login, L"not-the-password"));
    bookkeeper.WaitForMappingProblems();
    Quorvane::Config::ConnectionOptions saved = *SavedSettings()->GetConnectionOptions();
    EXPECT_EQ(login.url, saved.url);
    EXPECT_EQ(login.user, saved.userName);
}

TEST_F(AcceptanceTest, SettingsMadeInTheDialogReloadTheSummaryAndAreSavedInTheSettingsFile)
{
    WriteConnectionSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForMappingProblems();
    bookkeeper.ChangeSettings(FirstSetUp());
    bookkeeper.WaitForSummary();
    std::vector<std::wstring> shown = bookkeeper.SummaryEmployees();
    EXPECT_TRUE(Contains(shown, kMappedEmployee)) << "the mapped user shows as the QuickBooks employee";
    EXPECT_FALSE(Contains(shown, L"Ana María Núñez")) << "the user who is not imported still shows";

    boost::shared_ptr<Quorvane::Config> settings = SavedSettings();
    std::wstring employeeId = SimulatedCompany(m_stage->CompanyFile()).ListId(L"Employees", kMappedEmployee);
    EXPECT_EQ(1, CountRules(*settings->GetEmployeeMappings(), Quorvane::Mapping::Mapped, employeeId));
    EXPECT_EQ(1, CountRules(*settings->GetEmployeeMappings(), Quorvane::Mapping::DoNotImport));
    EXPECT_TRUE(settings->GetImportLeaveType());
    std::wstring payrollId = SimulatedCompany(m_stage->CompanyFile()).ListId(L"PayrollItemWages", kLeavePayrollItem);
    EXPECT_EQ(1, CountRules(*settings->GetLeaveTypeMappings(), Quorvane::Mapping::Mapped, payrollId));
}

TEST_F(AcceptanceTest, TheImportPeriodChangesByItsMenuAndByATypedDateAndIsLoadedAndKept)
{
    WriteDemoSettings();
    Bookkeeper& bookkeeper = Start();
    bookkeeper.WaitForSummary();
    size_t loads = m_server.Requests(L"QBService_v1.getUserTimeTrack").size();
    bookkeeper.ChooseDateRange(L"Previous month");
    Quorvane::DateRange previousMonth(3);
    EXPECT_EQ(previousMonth.GetStart().ToString(), bookkeeper.MainWindow().Text(L"#dateStart"));
    EXPECT_EQ(previousMonth.GetEnd().ToString(), bookkeeper.MainWindow().Text(L"#dateEnd"));
    EXPECT_GT(m_server.Requests(L"QBService_v1.getUserTimeTrack").size(), loads) << "the new period was not loaded";

    Quorvane::DateTime typed = previousMonth.GetStart().Add(Quorvane::DateSpan::Days(7));
    bookkeeper.TypePeriodDate(true, typed.ToString());
    Quorvane::DateRange kept = SavedSettings()->GetPeriod();
    EXPECT_EQ(Quorvane::DateRange::CustomType, kept.GetRangeType());
    EXPECT_EQ(typed.ToString(), kept.GetStart().ToString());
    EXPECT_EQ(previousMonth.GetEnd().ToString(), kept.GetEnd().ToString());
}
