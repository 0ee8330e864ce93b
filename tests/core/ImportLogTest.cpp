#include <windows.h>
#include <map>
#include <thread>
#include <gtest/gtest.h>
#include "ScratchFolders.h"
#include "core/ConnectorLog.h"
#include "core/ImportLogName.h"
#include "core/ImportLogger.h"
#include "core/LocalClock.h"
#include "core/Logger.h"
#include "core/UnfinishedImportLogs.h"

using namespace Quorvane;
using namespace Quorvane::Logging;

namespace {

SYSTEMTIME FixedLocalTime()
{
    SYSTEMTIME time = {};
    time.wYear = 2012;
    time.wMonth = 3;
    time.wDay = 14;
    time.wHour = 9;
    time.wMinute = 5;
    return time;
}

const DateTime kStart(1, 3, 2012);
const DateTime kEnd(31, 3, 2012);

std::wstring LogFolder(const std::wstring& escapedCompany)
{
    return TestSupport::ScratchRoot() + L"\\Public Documents\\Quorvane\\QB Import Logs\\Imported to " + escapedCompany +
           L"\\";
}

// Empties the company's log folder, which a killed earlier run may have left behind.
std::wstring ClearedLogFolder(const std::wstring& escapedCompany)
{
    return TestSupport::NewScratchFolder(L"Public Documents\\Quorvane\\QB Import Logs\\Imported to " + escapedCompany) +
           L"\\";
}

std::string Lines(const char* const* lines, size_t count)
{
    std::string text = "\xEF\xBB\xBF";
    for (size_t i = 0; i < count; ++i)
        text += std::string(lines[i]) + "\r\n";
    return text;
}

class ImportLog : public ::testing::Test {
protected:
    void SetUp() override { SetLocalTimeProvider(&FixedLocalTime); }
    void TearDown() override
    {
        SetLocalTimeProvider(0);
        TestSupport::RestoreScratchFolders();
    }
};

}  // namespace

TEST(LineLogger, WritesUtf8WithOneByteOrderMarkAndCrLf)
{
    std::wstring path = TestSupport::NewScratchFolder(L"logger") + L"\\log.txt";
    Logger logger(path);
    logger.Append(L"M\x00FCller");
    logger.Append(L"two\nlines");
    EXPECT_EQ("\xEF\xBB\xBFM\xC3\xBCller\r\ntwo\r\nlines\r\n", TestSupport::ReadBytes(path));
}

TEST(LineLogger, LinesThatCouldNotBeWrittenAreNotedBeforeTheNextLine)
{
    std::wstring path = TestSupport::NewScratchFolder(L"held log") + L"\\log.txt";
    Logger logger(path);
    logger.Append(L"first");
    // Another program holds the file and lets nobody write it: the first line waits for it,
    // the second does not wait again.
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    logger.Append(L"lost");
    logger.Append(L"lost too");
    CloseHandle(holder);
    logger.Append(L"after");
    logger.Append(L"last");
    EXPECT_EQ("\xEF\xBB\xBF"
              "first\r\n[2 lines of this log could not be written]\r\nafter\r\nlast\r\n",
              TestSupport::ReadBytes(path));
}

TEST(LineLogger, AFileHeldForAMomentIsWaitedFor)
{
    std::wstring path = TestSupport::NewScratchFolder(L"briefly held log") + L"\\log.txt";
    Logger logger(path);
    logger.Append(L"first");
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    std::thread release([holder] {
        Sleep(150);
        CloseHandle(holder);
    });
    logger.Append(L"second");
    release.join();
    EXPECT_EQ("\xEF\xBB\xBF"
              "first\r\nsecond\r\n",
              TestSupport::ReadBytes(path));
}

TEST(LineLogger, TheConnectorLogIsOneLoggerInTheApplicationDataFolder)
{
    boost::shared_ptr<Logger> log = GetConnectorLogger();
    ASSERT_TRUE(log);
    EXPECT_EQ(log, GetConnectorLogger());
    EXPECT_EQ(TestSupport::ScratchRoot() + L"\\Roaming\\Quorvane\\logs\\QBConLog.txt", log->GetPath());
}

TEST_F(ImportLog, AWholeRunWithWarningsAndSeveralEmployees)
{
    ClearedLogFolder(L"Acme%3A Main");
    ImportLogger log(L"Acme: Main", kStart, kEnd);
    log.WriteHeader(L"https://t.example");
    log.AddProblem(ImportLogger::WarningLevel, L"Server slow", L"3 retries");
    log.BeginEmployee(L"John Smith", L"7", L"Smith, John (jsmith)", EmployeeStatus::Ok);
    log.AddProblems(ImportLogger::WarningLevel, L"Entries skipped",
                    std::vector<std::wstring> { L"2012-03-05", L"2012-03-06" });
    log.AddProblem(ImportLogger::ErrorLevel, L"Failed", L"detail");
    log.RaiseCurrentEmployeeStatus(EmployeeStatus::Warning);
    log.RaiseCurrentEmployeeStatus(EmployeeStatus::Ok);
    log.SetCurrentEmployeeTimes(450, 480);
    // A second employee shown with the same name keeps its own section and times.
    log.BeginEmployee(L"John Smith", L"8", L"Smith, John (jsmith2)", EmployeeStatus::Ok);
    log.SetCurrentEmployeeTimes(60, 0);
    log.BeginEmployee(L"Anna M\x00FCller", L"9", L"M\x00FCller, Anna (am)", EmployeeStatus::Skipped);
    log.Finish();

    std::wstring expectedPath =
        LogFolder(L"Acme%3A Main") + L"2012-03-01 - 2012-03-31 [1] (Finished with warnings).txt";
    ASSERT_EQ(expectedPath, log.GetLogFilePath());
    const char* const lines[] = {
        "Import date/time: Wednesday, Mar 14, 2012 at 09:05",
        "",
        "Quorvane Server:  https://t.example",
        "Imported dates:   Mar 1, 2012 - Mar 31, 2012",
        "",
        "Problems/warnings during import:",
        "",
        "    Warning: Server slow",
        "        3 retries",
        "",
        "John Smith (Quorvane username: Smith, John (jsmith))",
        "",
        "    Warning: Entries skipped",
        "        2012-03-05",
        "        2012-03-06",
        "",
        "    ERROR: Failed",
        "        detail",
        "",
        "Summary",
        "\tImport was finished successfully",
        "",
        "\tAnna M\xC3\xBCller: Skipped",
        "\tJohn Smith: Warning  (Working time 7:30, Leave time 8:00)",
        "\tJohn Smith: OK  (Working time 1:00)",
        "\t---",
        "\tTotal imported:  Working time 8:30, Leave time 8:00",
    };
    EXPECT_EQ(Lines(lines, sizeof(lines) / sizeof(lines[0])), TestSupport::ReadBytes(expectedPath));
}

TEST(ImportLogNames, CountersAndSuffixes)
{
    struct NumberCase {
        const wchar_t* name;
        int number;
    };
    const NumberCase numbers[] = {
        { L"2012-03-01 - 2012-03-31 [5] (Interrupted).txt", 5 },
        { L"2012-03-01 - 2012-03-31.txt", 1 },
        { L"2012-03-01 - 2012-03-31 [0].txt", 1 },
        { L"2012-03-01 - 2012-03-31 [-4].txt", 1 },
        { L"2012-03-01 - 2012-03-31 [7.txt", 1 },
        { L"2012-03-01 - 2012-03-31 [x].txt", 1 },
        { L"2012-03-01 - 2012-03-31 [99999999999].txt", 2147483646 },
    };
    for (const NumberCase& c : numbers)
        EXPECT_EQ(c.number, ReadLogNumber(c.name)) << c.number;

    EXPECT_EQ(L"", ImportLogSuffix(ImportLogger::Finished, false));
    EXPECT_EQ(L" (Finished with warnings)", ImportLogSuffix(ImportLogger::Finished, true));
    EXPECT_EQ(L" (Interrupted)", ImportLogSuffix(ImportLogger::InterruptedByUser, true));
    EXPECT_EQ(L" (Interrupted)", ImportLogSuffix(ImportLogger::InterruptedByError, false));

    std::wstring folder = TestSupport::NewScratchFolder(L"counters") + L"\\";
    EXPECT_EQ(L" [1]", NextLogCounter(folder, kStart, kEnd));
    const wchar_t* const existing[] = {
        L"2012-03-01 - 2012-03-31 [1].txt", L"2012-03-01 - 2012-03-31 [5] (Interrupted).txt",
        L"2012-03-01 - 2012-03-31.txt",     L"2012-03-01 - 2012-03-31 [0].txt",
        L"2012-02-01 - 2012-02-29 [9].txt",
    };
    for (const wchar_t* name : existing)
        TestSupport::WriteBytes(folder + name, "");
    EXPECT_EQ(L" [6]", NextLogCounter(folder, kStart, kEnd));
}

TEST_F(ImportLog, RunsOfOneRangeAreNumberedAndInterruptionsMarked)
{
    ClearedLogFolder(L"Acme%2FSecond");
    ImportLogger first(L"Acme/Second", kStart, kEnd);
    first.Finish();
    ImportLogger second(L"Acme/Second", kStart, kEnd);
    second.AddProblem(ImportLogger::WarningLevel, L"warning", L"");
    second.SetOutcome(ImportLogger::InterruptedByUser);
    second.Finish();
    std::wstring folder = LogFolder(L"Acme%2FSecond");
    EXPECT_EQ(folder + L"2012-03-01 - 2012-03-31 [1].txt", first.GetLogFilePath());
    EXPECT_EQ(folder + L"2012-03-01 - 2012-03-31 [2] (Interrupted).txt", second.GetLogFilePath());
    EXPECT_TRUE(TestSupport::FileExists(second.GetLogFilePath()));
}

TEST_F(ImportLog, WithoutAFolderNothingIsWrittenAndNothingFails)
{
    TestSupport::UseNoKnownFolders();
    ImportLogger log(L"Nowhere", kStart, kEnd);
    log.WriteHeader(L"server");
    log.AddProblem(7, L"not even checked", L"");
    log.Finish();
    EXPECT_EQ(L"", log.GetLogFilePath());
}

TEST_F(ImportLog, InvalidLevelsAndStatusesThrowButTheLogIsStillKept)
{
    ImportLogger log(L"Invalid", kStart, kEnd);
    EXPECT_THROW(log.AddProblem(3, L"message", L"detail"), int);
    log.BeginEmployee(L"Jane", L"1", L"jane", 4);
    log.BeginEmployee(L"Kim", L"2", L"kim", EmployeeStatus::Error);
    EXPECT_THROW(log.Finish(), int);
    ASSERT_NE(L"", log.GetLogFilePath());
    std::string text = TestSupport::ReadBytes(log.GetLogFilePath());
    EXPECT_EQ(std::string::npos, text.find("message"));
    EXPECT_EQ(std::string::npos, text.find("Jane"));
    EXPECT_NE(std::string::npos, text.find("\tKim: Error\r\n"));
}

TEST_F(ImportLog, AFailedRenameKeepsTheTemporaryFileAsTheLog)
{
    // The counter is at its cap, so every name the log could take is already there.
    std::wstring folder = ClearedLogFolder(L"Capped");
    TestSupport::WriteBytes(folder + L"2012-03-01 - 2012-03-31 [2147483647].txt", "");
    ImportLogger log(L"Capped", kStart, kEnd);
    log.WriteHeader(L"server");
    log.Finish();
    std::wstring path = log.GetLogFilePath();
    EXPECT_EQ(folder, path.substr(0, folder.size()));
    EXPECT_EQ(L".tmp", path.substr(path.size() - 4));
    EXPECT_NE(std::string::npos, TestSupport::ReadBytes(path).find("Total imported:"));
    std::string connectorLog = TestSupport::ReadBytes(GetConnectorLogger()->GetPath());
    EXPECT_NE(std::string::npos, connectorLog.find("could not be renamed"));
}

namespace {

const char kHeader[] = "\xEF\xBB\xBFImport date/time: Wednesday, Mar 14, 2012 at 09:05\r\n\r\n"
                       "Quorvane Server:  server\r\nImported dates:   Mar 1, 2012 - Mar 31, 2012\r\n";
const char kInterruptedSummary[] = "\r\nSummary\r\n"
                                   "\tImport process was interrupted: Pellworth stopped before the import ended\r\n"
                                   "\tThe times it imported are not known; reload to see what is left to import\r\n";

// The files of a folder by name, with their bytes.
std::map<std::wstring, std::string> FilesIn(const std::wstring& folder)
{
    std::map<std::wstring, std::string> files;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = TestSupport::ReadBytes(folder + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

}  // namespace

// A run stopped with the program leaves its log a temporary file. The next load of the company
// finishes it as an interrupted run's log under the range's next name, with every line it holds,
// deletions included; the next run writes its own log apart.
TEST_F(ImportLog, ALogLeftUnfinishedIsFinishedAsInterruptedByTheNextLoad)
{
    const std::wstring folder = ClearedLogFolder(L"Stopped Co");
    {
        ImportLogger stopped(L"Stopped Co", kStart, kEnd);
        stopped.WriteHeader(L"server");
        stopped.BeginEmployee(L"Ann Archer", L"1", L"ann", EmployeeStatus::Ok);
        stopped.AddProblem(ImportLogger::WarningLevel, L"Time entry deleted", L"Date: 2012-03-05");
    }
    FinishUnfinishedImportLogs(L"Stopped Co");
    ImportLogger next(L"Stopped Co", kStart, kEnd);
    next.WriteHeader(L"server");
    next.Finish();

    const std::string stoppedLines = std::string(kHeader) +
                                     "\r\nAnn Archer (Quorvane username: ann)\r\n\r\n"
                                     "    Warning: Time entry deleted\r\n        Date: 2012-03-05\r\n" +
                                     kInterruptedSummary;
    const std::map<std::wstring, std::string> files = FilesIn(folder);
    ASSERT_EQ(2u, files.size());
    EXPECT_EQ(stoppedLines, files.begin()->second);
    EXPECT_EQ(L"2012-03-01 - 2012-03-31 [1] (Interrupted).txt", files.begin()->first);
    EXPECT_EQ(folder + L"2012-03-01 - 2012-03-31 [2].txt", next.GetLogFilePath());
}

TEST_F(ImportLog, WhatIsLeftOfAStoppedRunsLog)
{
    struct LeftCase {
        const char* name;
        std::string bytes;  // of the temporary file
        const wchar_t* finishedName;  // empty: the file stays as it is; null: it goes
        std::string finished;
    };
    const std::string totals = "\r\nSummary\r\n\tImport was finished successfully\r\n\r\n\t---\r\n"
                               "\tTotal imported:  Working time 0:00, Leave time 0:00\r\n";
    const LeftCase cases[] = {
        { "stopped before its first line: nothing to keep", "", nullptr, "" },
        { "a line cut short by the stop is kept", std::string(kHeader) + "\r\n    Warning: cut",
          L"2012-03-01 - 2012-03-31 [1] (Interrupted).txt",
          std::string(kHeader) + "\r\n    Warning: cut\r\n" + kInterruptedSummary },
        { "finished here before, stopped before its rename: renamed only", std::string(kHeader) + kInterruptedSummary,
          L"2012-03-01 - 2012-03-31 [1] (Interrupted).txt", std::string(kHeader) + kInterruptedSummary },
        { "finished by its run, which could not rename it: left as the run reported it", std::string(kHeader) + totals,
          L"", "" },
        { "no range to name it by: left", "\xEF\xBB\xBFImport date/time: Wednesday\r\n", L"", "" },
    };
    for (const LeftCase& c : cases) {
        const std::wstring folder = ClearedLogFolder(L"Left Co");
        TestSupport::WriteBytes(folder + L"dc7f.tmp", c.bytes);
        FinishUnfinishedImportLogs(L"Left Co");
        std::map<std::wstring, std::string> expected;
        if (c.finishedName && *c.finishedName)
            expected[c.finishedName] = c.finished;
        else if (c.finishedName)
            expected[L"dc7f.tmp"] = c.bytes;
        EXPECT_EQ(expected, FilesIn(folder)) << c.name;
    }
}

// A run that still writes its log holds it: another instance's run leaves it alone.
TEST_F(ImportLog, ALogALiveRunWritesIsNotTakenForUnfinished)
{
    const std::wstring folder = ClearedLogFolder(L"Busy Co");
    ImportLogger live(L"Busy Co", kStart, kEnd);
    live.WriteHeader(L"server");
    FinishUnfinishedImportLogs(L"Busy Co");
    live.Finish();
    EXPECT_EQ(folder + L"2012-03-01 - 2012-03-31 [1].txt", live.GetLogFilePath());
    EXPECT_EQ(1u, FilesIn(folder).size());
}
