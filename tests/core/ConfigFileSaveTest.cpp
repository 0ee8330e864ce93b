#include <windows.h>
#include <thread>
#include <gtest/gtest.h>
#include "ConfigFileGolden.h"
#include "ScratchFolders.h"
#include "core/CompanyConfig.h"
#include "core/ConfigFile.h"
#include "core/ConfigFileFormat.h"
#include "core/Exceptions.h"
#include "core/File.h"
#include "core/KnownFolders.h"

using namespace Quorvane;

namespace {

std::wstring NoLowIntegrityFolder(KnownFolder folder)
{
    return folder == LocalAppDataFolder ? TestSupport::ScratchRoot() + L"\\Local" : L"";
}

class ConfigFileSave : public ::testing::Test {
protected:
    void SetUp() override { m_path = TestSupport::NewScratchFolder(L"save") + L"\\Acme.conf"; }
    void TearDown() override { TestSupport::RestoreScratchFolders(); }

    static boost::shared_ptr<Config> WithUuid(const std::wstring& uuid)
    {
        boost::shared_ptr<Config> config = CreateDefaultConfig();
        config->SetServerUuid(uuid);
        return config;
    }

    std::wstring m_path;
};

}  // namespace

TEST_F(ConfigFileSave, ASaveReplacesTheWholeFileAndLeavesNoTemporaryFile)
{
    TestSupport::WriteBytes(m_path, std::string(4096, 'x'));
    ASSERT_TRUE(WriteConfigFile(m_path, WithUuid(L"new")));
    std::string bytes = TestSupport::ReadBytes(m_path);
    EXPECT_EQ(120u, bytes.size());  // no stale tail behind the new content
    EXPECT_FALSE(TestSupport::FileExists(m_path + L".tmp"));
    boost::shared_ptr<Config> read = CreateDefaultConfig();
    ASSERT_TRUE(ReadConfigFile(m_path, read));
    EXPECT_EQ(L"new", read->GetServerUuid());
}

TEST_F(ConfigFileSave, AnUnreadableFileIsKeptBesideTheNewOne)
{
    TestSupport::WriteBytes(m_path, "not a settings file");
    ASSERT_FALSE(ReadConfigFile(m_path, CreateDefaultConfig()));
    ASSERT_TRUE(WriteConfigFile(m_path, WithUuid(L"new")));
    EXPECT_EQ("not a settings file", TestSupport::ReadBytes(m_path + L".bad"));
    EXPECT_NE("not a settings file", TestSupport::ReadBytes(m_path));
}

TEST_F(ConfigFileSave, AMissingFileIsNoDamage)
{
    EXPECT_FALSE(ReadConfigFile(m_path, CreateDefaultConfig()));
    EXPECT_FALSE(TestSupport::FileExists(m_path + L".bad"));
}

// A file another program holds is not damaged: the read says why it failed and nothing is
// copied aside or replaced.
TEST_F(ConfigFileSave, AFileThatCannotBeOpenedStopsTheReadAndStaysAsItIs)
{
    ASSERT_TRUE(WriteConfigFile(m_path, WithUuid(L"old")));
    std::string old = TestSupport::ReadBytes(m_path);
    HANDLE exclusive = CreateFileW(m_path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, exclusive);
    boost::shared_ptr<Config> read = WithUuid(L"unchanged");
    try {
        ReadConfigFile(m_path, read);
        ADD_FAILURE() << "the read must fail";
    } catch (const SettingsFileUnavailableException& unavailable) {
        EXPECT_EQ(m_path, unavailable.GetPath());
        EXPECT_FALSE(unavailable.GetReason().empty());
    }
    EXPECT_EQ(L"unchanged", read->GetServerUuid());
    EXPECT_FALSE(WriteConfigFile(m_path, WithUuid(L"defaults")));
    CloseHandle(exclusive);
    EXPECT_EQ(old, TestSupport::ReadBytes(m_path));
    EXPECT_FALSE(TestSupport::FileExists(m_path + L".bad"));
}

// One over-long text must not stop every save: it is cut to what the file can hold, between
// whole characters.
TEST_F(ConfigFileSave, AnOverLongTextIsCutToTheLimit)
{
    const size_t limit = kMaxConfigStringBytes / 2;
    const struct {
        const char* name;
        std::wstring text;
        size_t kept;
    } cases[] = {
        { "at the limit", std::wstring(limit, L'a'), limit },
        { "past the limit", std::wstring(limit + 10, L'a'), limit },
        { "a surrogate pair across the limit", std::wstring(limit - 1, L'a') + L"\xD83D\xDE00", limit - 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteConfigFile(m_path, WithUuid(c.text)));
        boost::shared_ptr<Config> read = CreateDefaultConfig();
        ASSERT_TRUE(ReadConfigFile(m_path, read));
        EXPECT_EQ(c.text.substr(0, c.kept), read->GetServerUuid());
    }
}

TEST_F(ConfigFileSave, SavesFromTwoThreadsAtOnceAllSucceed)
{
    // An import saves the rules it added while the main window may save its own settings.
    volatile LONG failures = 0;
    auto saveRepeatedly = [&](const wchar_t* uuid) {
        for (int i = 0; i < 40; ++i)
            if (!WriteConfigFile(m_path, WithUuid(uuid)))
                InterlockedIncrement(&failures);
    };
    std::thread import(saveRepeatedly, L"import");
    std::thread window(saveRepeatedly, L"window");
    import.join();
    window.join();
    EXPECT_EQ(0, failures);
    boost::shared_ptr<Config> read = CreateDefaultConfig();
    ASSERT_TRUE(ReadConfigFile(m_path, read));
    EXPECT_TRUE(read->GetServerUuid() == L"import" || read->GetServerUuid() == L"window");
    EXPECT_FALSE(TestSupport::FileExists(m_path + L".tmp"));
}

TEST_F(ConfigFileSave, FilesHeldByOthersOrReadOnlyStillLoad)
{
    ASSERT_TRUE(WriteConfigFile(m_path, WithUuid(L"held")));
    {
        File writer;
        ASSERT_TRUE(writer.Open(m_path, OPEN_EXISTING, File::ReadWrite));
        boost::shared_ptr<Config> read = CreateDefaultConfig();
        EXPECT_TRUE(ReadConfigFile(m_path, read));
        EXPECT_EQ(L"held", read->GetServerUuid());
    }
    SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(ReadConfigFile(m_path, CreateDefaultConfig()));
    SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ConfigFileSave, CompanyFilesLiveInTheLowIntegrityFolderOrItsFallback)
{
    std::wstring slash = GetConfigFilePath(L"Acme/Main");
    EXPECT_EQ(TestSupport::ScratchRoot() + L"\\LocalLow\\Quorvane\\Acme%2FMain.conf", slash);
    EXPECT_NE(slash, GetConfigFilePath(L"Acme:Main"));
    ASSERT_TRUE(SaveConfig(L"Acme/Main", WithUuid(L"saved")));
    boost::shared_ptr<Config> read = CreateDefaultConfig();
    ASSERT_TRUE(LoadConfig(L"Acme/Main", read));
    EXPECT_EQ(L"saved", read->GetServerUuid());
    EXPECT_FALSE(LoadConfig(L"Acme:Main", CreateDefaultConfig()));

    SetKnownFolderProvider(&NoLowIntegrityFolder);
    EXPECT_EQ(TestSupport::ScratchRoot() + L"\\Local\\Quorvane\\Acme.conf", GetConfigFilePath(L"Acme"));
    EXPECT_TRUE(SaveConfig(L"Acme", WithUuid(L"fallback")));

    TestSupport::UseNoKnownFolders();
    EXPECT_EQ(L"", GetConfigFilePath(L"Acme"));
    EXPECT_FALSE(SaveConfig(L"Acme", WithUuid(L"nowhere")));
    EXPECT_FALSE(LoadConfig(L"Acme", CreateDefaultConfig()));
}
