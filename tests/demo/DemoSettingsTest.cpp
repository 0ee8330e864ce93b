// Every start of the demo seeds the company's settings; a start must never undo what an earlier
// run mapped or imported.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>

#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "tools/demo-settings/DemoConfig.h"

using namespace Quorvane;

namespace {

const wchar_t kCompany[] = L"Harbor Lane Builders";
// A user who is new in QuickBooks: the demo's rule creates the employee at the first import.
const wchar_t kNewUser[] = L"7";

std::wstring ScratchFolder(KnownFolder)
{
    wchar_t path[MAX_PATH + 64];
    const DWORD length = GetTempPathW(MAX_PATH, path);
    swprintf(path + length, 64, L"pellworth-demo-settings-%lu", GetCurrentProcessId());
    return path;
}

class DemoSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetKnownFolderProvider(&ScratchFolder);
        DeleteFileW(GetConfigFilePath(kCompany).c_str());
    }
    void TearDown() override
    {
        DeleteFileW(GetConfigFilePath(kCompany).c_str());
        SetKnownFolderProvider(nullptr);
    }

    static boost::shared_ptr<Config> Saved()
    {
        boost::shared_ptr<Config> config(new Config());
        EXPECT_TRUE(LoadConfig(kCompany, config));
        return config;
    }
};

TEST_F(DemoSettings, ALaterStartMovesOnlyTheConnectionAndKeepsWhatAnImportMapped)
{
    ASSERT_TRUE(demo::SeedDemoSettings(kCompany, L"http://127.0.0.1:4001/", L"JSmith", L"secret"));
    boost::shared_ptr<Config> first = Saved();
    EXPECT_EQ(Mapping::CreateNew, first->GetEmployeeMappings()->GetBySource(kNewUser)->GetState());

    // What the first run left: the user mapped to the employee its import created, and leave
    // imported as the bookkeeper chose in the settings.
    first->GetEmployeeMappings()->GetBySource(kNewUser)->SetTarget(L"80000031-1700000000", Mapping::Mapped);
    first->SetImportLeaveType(true);
    ASSERT_TRUE(SaveConfig(kCompany, first));

    ASSERT_TRUE(demo::SeedDemoSettings(kCompany, L"http://127.0.0.1:4002/", L"JSmith", L"secret"));
    boost::shared_ptr<Config> second = Saved();
    EXPECT_EQ(L"http://127.0.0.1:4002/", second->GetConnectionOptions()->url);
    EXPECT_EQ(L"secret", second->GetConnectionOptions()->password);
    EXPECT_TRUE(second->GetConnectionOptions()->GetRememberPassword());
    boost::shared_ptr<Mapping> kept = second->GetEmployeeMappings()->GetBySource(kNewUser);
    EXPECT_EQ(Mapping::Mapped, kept->GetState());
    EXPECT_EQ(L"80000031-1700000000", kept->GetTarget());
    EXPECT_TRUE(second->GetImportLeaveType());
}

}  // namespace
