#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/MainModel.h"
#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "FakeMainView.h"

using namespace Quorvane;

namespace {

std::wstring ScratchFolder(KnownFolder)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"pellworth-app-start";
}

void LoadACompany(FakeMainView& view)
{
    view.GetModel()->SetCompanyInformation(L"Exit Co");
    view.GetModel()->SetConfig(boost::shared_ptr<Config>(new Config()));
}

class Application : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetKnownFolderProvider(&ScratchFolder);
        DeleteFileW(GetConfigFilePath(L"Exit Co").c_str());
    }
    void TearDown() override { SetKnownFolderProvider(NULL); }
};

TEST_F(Application, SavesTheCurrentCompanyAtExitAndLetsGoOfTheView)
{
    boost::shared_ptr<FakeMainView> view(new FakeMainView());
    view->whileRunning = &LoadACompany;
    EXPECT_EQ(0, RunApplication(view));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(GetConfigFilePath(L"Exit Co").c_str()));
    EXPECT_FALSE(view->GetModel());
    EXPECT_FALSE(view->GetNotification());
    EXPECT_EQ(std::vector<std::string>(1, "Run(true)"), view->Calls());
}

TEST_F(Application, SavesNothingWhenQuickBooksWasNeverReached)
{
    boost::shared_ptr<FakeMainView> view(new FakeMainView());
    EXPECT_EQ(0, RunApplication(view));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(GetConfigFilePath(L"Exit Co").c_str()));
}

}  // namespace
