// A company file with its journal: every answered change is on disk before it is answered, so
// a process killed afterwards loses none, and every process sharing the file sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tools/qbsim/CompanyStore.h"

namespace {

using QbSim::Company;
using QbSim::CompanyStore;
using QbSim::Json;

const int kKilledAfterAnswering = 3;

class CompanyJournal : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        // One name for the killed child too, which runs the test from its start.
        m_path = std::wstring(folder) + L"qbsim-journal-test.json";
        RemoveFiles();
        CompanyStore store;
        store.UseFile(m_path);
        store.Replace(
            Json::Parse(L"{\"CompanyName\":\"Journal Co\",\"Employees\":[{\"ListID\":\"E-1\",\"Name\":\"Ann\"}]}"));
    }
    void TearDown() override { RemoveFiles(); }

    void RemoveFiles() const
    {
        DeleteFileW(m_path.c_str());
        DeleteFileW((m_path + L".journal").c_str());
    }

    static void AddEntry(CompanyStore& store, const std::wstring& notes)
    {
        store.Use([&](Company& company) {
            Json entry = Json::Parse(
                L"{\"TxnDate\":\"2026-11-02\",\"EntityRef\":{\"ListID\":\"E-1\"},\"Duration\":\"PT1H0M0S\"}");
            entry.Set(L"TxnID", company.NewId());
            entry.Set(L"Notes", notes);
            company.AddEntry(entry);
        });
    }

    // Someone who knows nothing of the journal writes a company without entries over the file.
    void ReplaceFromOutside() const
    {
        Sleep(20);  // a write time of its own
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
        DWORD written = 0;
        WriteFile(file, "{\"CompanyName\":\"Replaced\"}", 26, &written, 0);
        CloseHandle(file);
    }

    size_t EntriesOnDisk() const { return QbSim::ReadCompanyFile(m_path).Get(L"TimeEntries").Size(); }

    ULONGLONG FileBytes(const std::wstring& path) const
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
    }

    std::wstring m_path;
};

TEST_F(CompanyJournal, KeepsEveryAnsweredChangeOfAProcessKilledRightAfter)
{
    ULONGLONG fileBefore = FileBytes(m_path);
    EXPECT_EXIT(
        {
            CompanyStore store;
            store.UseFile(m_path);
            for (int i = 0; i < 20; ++i)
                AddEntry(store, L"line one\nline " + std::to_wstring(i));
            TerminateProcess(GetCurrentProcess(), kKilledAfterAnswering);
        },
        ::testing::ExitedWithCode(kKilledAfterAnswering), "");
    EXPECT_EQ(fileBefore, FileBytes(m_path));  // nothing was saved whole: all of it is in the journal
    Json company = QbSim::ReadCompanyFile(m_path);
    ASSERT_EQ(20u, company.Get(L"TimeEntries").Size());
    EXPECT_EQ(L"line one\nline 19", company.Get(L"TimeEntries").At(19).Get(L"Notes").AsString());
}

// A line cut short was never answered: it is dropped, and the journal goes on after it.
TEST_F(CompanyJournal, DropsALineCutShortAndGoesOn)
{
    CompanyStore writer;
    writer.UseFile(m_path);
    AddEntry(writer, L"answered");
    HANDLE journal = CreateFileW((m_path + L".journal").c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0, OPEN_EXISTING, 0, 0);
    ASSERT_NE(INVALID_HANDLE_VALUE, journal);
    DWORD written = 0;
    WriteFile(journal, "{\"Header\":{\"Compa", 17, &written, 0);
    CloseHandle(journal);

    EXPECT_EQ(1u, EntriesOnDisk());
    AddEntry(writer, L"after the cut");
    EXPECT_EQ(2u, EntriesOnDisk());
}

TEST_F(CompanyJournal, StoresSharingAFileSeeEachOthersChangesAndCompactionKeepsThem)
{
    CompanyStore first;
    first.UseFile(m_path);
    CompanyStore second;
    second.UseFile(m_path);
    AddEntry(first, L"from the first");
    AddEntry(second, L"from the second");
    std::wstring txnId = first.Snapshot().Get(L"TimeEntries").At(1).Get(L"TxnID").AsString();
    first.Use([&](Company& company) { company.RemoveEntry(txnId); });
    EXPECT_EQ(1u, second.Snapshot().Get(L"TimeEntries").Size());

    second.Compact();
    EXPECT_EQ(0u, FileBytes(m_path + L".journal"));
    AddEntry(first, L"after compaction");
    Json company = QbSim::ReadCompanyFile(m_path);
    ASSERT_EQ(2u, company.Get(L"TimeEntries").Size());
    EXPECT_EQ(L"after compaction", company.Get(L"TimeEntries").At(1).Get(L"Notes").AsString());
}

// Someone who knows nothing of the journal replaced the file: the journal no longer applies.
TEST_F(CompanyJournal, AFileReplacedFromOutsideVoidsTheJournal)
{
    CompanyStore store;
    store.UseFile(m_path);
    AddEntry(store, L"before");
    ReplaceFromOutside();
    EXPECT_EQ(0u, EntriesOnDisk());
    AddEntry(store, L"after");
    EXPECT_EQ(1u, EntriesOnDisk());
}

// Two processes both read a journal the replaced file made void: each change either makes
// reaches the other, and neither wipes the other's.
TEST_F(CompanyJournal, StoresSharingAVoidJournalKeepEachOthersChanges)
{
    CompanyStore first;
    first.UseFile(m_path);
    CompanyStore second;
    second.UseFile(m_path);
    AddEntry(first, L"before");
    EXPECT_EQ(1u, second.Snapshot().Get(L"TimeEntries").Size());
    ReplaceFromOutside();
    EXPECT_EQ(0u, first.Snapshot().Get(L"TimeEntries").Size());
    EXPECT_EQ(0u, second.Snapshot().Get(L"TimeEntries").Size());

    AddEntry(first, L"from the first");
    EXPECT_EQ(1u, second.Snapshot().Get(L"TimeEntries").Size());
    AddEntry(second, L"from the second");
    EXPECT_EQ(2u, first.Snapshot().Get(L"TimeEntries").Size());
    EXPECT_EQ(2u, EntriesOnDisk());
}

}  // namespace
