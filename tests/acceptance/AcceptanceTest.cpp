#include "tests/acceptance/AcceptanceTest.h"

#include <cstdio>

#include "core/CompanyConfig.h"
#include "core/TextCodec.h"
#include "tools/demo-settings/DemoConfig.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/WindowShot.h"
#include "tools/scenario/TextFile.h"

namespace {

// A case of the demo company on a loaded machine takes well under a minute.
const DWORD kCaseTimeoutMs = 90000;

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = L"";
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length < MAX_PATH ? value : L"";
}

std::wstring CaseFolder()
{
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    return std::wstring(temporary) + L"pellworth-acceptance\\" +
           Quorvane::Utf8ToWide(::testing::UnitTest::GetInstance()->current_test_info()->name(), 0).c_str();
}

}  // namespace

AcceptanceTest::AcceptanceTest() : m_server("plain") {}

void AcceptanceTest::SetUp()
{
    ASSERT_FALSE(Variable(L"PELLWORTH_PROGRAM").empty()) << "run through tests/acceptance/run_acceptance.sh";
    m_server.Reset();
    m_stage.reset(new scenario::Stage(CaseFolder(), Variable(L"PELLWORTH_COMPANY_TEMPLATE")));
}

// What the program showed when the case failed, for the person reading the failure.
void AcceptanceTest::KeepPictures()
{
    if (!m_program || !m_program->Process().Running())
        return;
    for (const auto& saved : driver::SaveShownWindowShots(m_program->Process().Id(), m_stage->Folder() + L"\\failure"))
        std::printf("the window \"%s\" as it was: %s\n", driver::Narrow(saved.first).c_str(),
                    driver::Narrow(saved.second).c_str());
}

void AcceptanceTest::TearDown()
{
    if (HasFailure())
        KeepPictures();
    bool fired = m_watchdog && m_watchdog->Fired();
    m_watchdog.reset();
    m_bookkeeper.reset();
    m_program.reset();
    EXPECT_FALSE(fired) << "the watchdog ended the program";
}

scenario::Login AcceptanceTest::DemoLogin() const
{
    return { m_server.Address(), L"JSmith", L"secret" };
}

void AcceptanceTest::WriteConnectionSettings()
{
    scenario::Login login = DemoLogin();
    ASSERT_TRUE(
        Quorvane::SaveConfig(m_stage->CompanyName(), demo::ConnectionConfig(login.url, login.user, login.password)));
}

void AcceptanceTest::WriteDemoSettings()
{
    scenario::Login login = DemoLogin();
    ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), demo::DemoConfig(login.url, login.user, login.password)));
}

boost::shared_ptr<Quorvane::Config> AcceptanceTest::SavedSettings() const
{
    boost::shared_ptr<Quorvane::Config> config(new Quorvane::Config());
    EXPECT_TRUE(Quorvane::LoadConfig(m_stage->CompanyName(), config)) << "no settings file for the company";
    return config;
}

scenario::Bookkeeper& AcceptanceTest::Start(driver::EnvironmentAdditions extra)
{
    driver::EnvironmentAdditions environment = m_stage->ProgramEnvironment();
    environment.insert(environment.end(), extra.begin(), extra.end());
    m_program.reset(new driver::Program(Variable(L"PELLWORTH_PROGRAM"), environment));
    m_watchdog.reset(new Watchdog(m_program->Process(), kCaseTimeoutMs));
    m_bookkeeper.reset(new scenario::Bookkeeper(*m_program));
    return *m_bookkeeper;
}

std::vector<std::wstring> AcceptanceTest::Requests(const std::wstring& kind) const
{
    std::vector<std::wstring> found;
    std::wstring all;
    if (!scenario::ReadUtf8File(m_stage->TraceFile(), 64 * 1024 * 1024, all))
        return found;
    const std::wstring marker = L" " + kind + L":";
    for (size_t start = 0, end; start < all.size(); start = end + 1) {
        end = all.find(L'\n', start);
        if (end == std::wstring::npos)
            end = all.size();
        std::wstring line = all.substr(start, end - start);
        if (line.find(marker) != std::wstring::npos)
            found.push_back(line);
    }
    return found;
}
