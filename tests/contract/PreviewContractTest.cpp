// The preview and the import, held together over generated worlds, and both held against an
// expectation of their own. Each world is played through the program's own load, preview and
// import against the simulator; then
// - a model of the rules (Model.cpp), worked out from the world alone (the server's records, the
//   company as the last import left it and as QuickBooks changed it, the settings, the changes
//   made while the import runs), says what QuickBooks must hold per employee, what the summary's
//   rows and footer show before and after, and what the import log counts and reports; it calls
//   nothing of the program to decide an outcome;
// - the preview's own cells and totals must also come true (ReadPromise), unless QuickBooks was
//   changed while the import ran;
// and every failure says which of the two, the model or the preview, the program disagrees with.
// In the test run it plays a fixed number of worlds from a fixed seed; "--worlds N --seed S"
// plays others. A world that fails is shrunk to the smallest one that still fails, and printed
// as statements that rebuild it in a named test case. A soak runs 100,000 worlds over fresh
// seeds in a few processes side by side, each with a Wine prefix of its own (README).
//
// Where the model, with the program, reads its rules other than they are written, and why; the
// rest follows their letter.
// The load and the selection:
// - automatic mapping skips an employee any mapped rule holds, wherever that rule stands, and two
//   users with time on one employee stop the load: each user's preview would take the other's
//   entries for time the server no longer has and delete them;
// - a user whose rule says "do not import" is never selected, so never imported nor created as an
//   employee in QuickBooks, whatever the page sends.
// The preview:
// - records group only with records of their own kind and leave type: two leave types of one day
//   stay two entries;
// - descriptions group and match as QuickBooks keeps notes, in code page 1252 with "?" beyond it:
//   compared as sent, an entry the import wrote would never match again, and each import would
//   write it anew;
// - working time matches under the payroll item of the user's own rule, with which the import
//   writes it, not that of the first rule mapped to the employee;
// - leave imported without a payroll item (QuickBooks has none) matches by its empty payroll item:
//   looked up as a payroll item it would never match, and each import would add it again and
//   delete the old entry;
// - QuickBooks leave of a listed type the import leaves alone is known by its notes and kept, and
//   never counts as absent on the server, so never prompts the absent-entries question;
// - leave of a type the server no longer lists is left alone on both sides: QuickBooks leave known
//   by the load's records of the type or by its rule's payroll item, whatever its notes, is not
//   taken for working time (which would delete it); records of the type are not imported, for the
//   bookkeeper can give the type no rule, and the load names it instead;
// - a leave record of no time with nothing to pair adds no entry: QuickBooks would hold an empty one.
// What the summary, the footer, the end panel and the log count:
// - an entry that deletion, being off, keeps counts its QuickBooks time after the import in the
//   summary and in the log: QuickBooks still holds it; the letter would count it as gone;
// - the footer counts what the import takes, as the rows do: by the letter's filter it would count
//   leave the import leaves alone (and miss leave it imports without a payroll item);
// - the end panel counts what the log counts: the time QuickBooks holds of the taken entries after
//   the import, billed conflicts aside;
// - two employees of one name have a line each in the log's summary, so an error is not hidden
//   under the other's OK.
// The import's writes:
// - a write QuickBooks answers with a warning is done: the log reports the warning and the import
//   goes on, where the letter would stop at an unexpected error after QuickBooks wrote;
// - before it changes or deletes an entry the import reads it again, and one QuickBooks changed,
//   billed or lost since the preview is left as it is and reported as changed there; the letter
//   would delete such an entry unread, or stop at "no longer exists" for one that vanished;
// - an entry kept because deletion is off is reported in the log.
// Its checks and missing items:
// - the import looks for customer:jobs and service items QuickBooks lost since the preview only in
//   the working time it adds: a change sends nothing but minutes to an entry QuickBooks holds by
//   reference, and a deletion nothing but its id, so an item they name cannot make them fail;
// - missing items are collected from working time to add: leave is added without a customer:job
//   or service item, so an item made for it would serve nothing;
// - a missing item whose creation the settings turn off stops the import at its employee instead
//   of being created.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>

#include "PreviewContract.h"
#include "World.h"
#include "WorldRun.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"

namespace {

int g_worlds = 1000;
unsigned g_seed = 20261209;

class PreviewContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        QbSim::Control::Reset();
        Quorvane::Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
    }

    void TearDown() override
    {
        Quorvane::Connectors::SetSessionManagerFactory(NULL);
        QbSim::Control::Reset();
    }

    // Drops users, employees, leave types, records, QuickBooks changes and days, and makes the
    // settings plainer, while the world still fails.
    World Shrink(World world)
    {
        for (bool smaller = true; smaller;) {
            smaller = false;
            for (const World& candidate : ShrinkCandidates(world)) {
                if (!CheckWorld(candidate).empty()) {
                    world = candidate;
                    smaller = true;
                    break;
                }
            }
        }
        return world;
    }
};

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "  " + line + "\n";
    return text;
}

}  // namespace

// The share of the worlds that hold each kind of data a real company's data may hold.
void PrintTraits(const std::map<std::string, int>& tally)
{
    for (const std::pair<const std::string, int>& trait : tally)
        std::cout << "  " << trait.second * 100.0 / g_worlds << "% " << trait.first << "\n";
}

TEST_F(PreviewContract, QuickBooksHoldsWhatThePreviewShowed)
{
    std::map<std::string, int> tally;
    for (int i = 0; i < g_worlds; ++i) {
        const World world = GenerateWorld(g_seed + i);
        for (const std::string& trait : WorldTraits(world))
            ++tally[trait];
        if (CheckWorld(world).empty())
            continue;
        const World smallest = Shrink(world);
        FAIL() << "world " << i + 1 << " (seed " << world.seed << ") fails; the smallest world that still fails:\n"
               << DescribeWorld(smallest) << Lines(CheckWorld(smallest));
    }
    std::cout << g_worlds << " worlds from seed " << g_seed << " kept the promise and the model\n";
    PrintTraits(tally);
}

// QuickBooks did the write and said something about it: the import log says it too.
TEST_F(PreviewContract, AWarningOfQuickBooksReachesTheImportLog)
{
    World world = GenerateWorld(g_seed);
    world.users.resize(1);
    world.users[0].rule = EmployeeMapped;
    world.users[0].employee = 0;
    world.users[0].selected = true;
    world.users[0].duplicateOf = -1;
    world.edits.clear();
    world.foreign.clear();
    world.answer.request.clear();
    world.stopAfter = 0;
    world.timeWindowOpen = false;
    world.quickBooksCapitals = false;
    world.records.clear();
    const WorldRecord work = { 0, 0, 0, false, -1, 90, L"fix", L"fix" };
    world.records.push_back(work);
    WorldRun run(world);
    run.SetUpQuickBooks();
    const boost::shared_ptr<MainModel> model = run.Load();
    QbSim::Control::InjectFault(QbSim::Control::ParseFault(
        L"{\"stage\":\"Response\",\"request\":\"TimeTrackingAdd\",\"shape\":\"Warning\",\"status\":530,"
        L"\"message\":\"Unsupported field: BillableStatus\"}"));
    const ImportOutcome outcome = run.Import(model);

    std::vector<std::wstring> warning;
    for (const std::wstring& line : outcome.log)
        if (line.find(L"QuickBooks: Unsupported field: BillableStatus") != std::wstring::npos)
            warning.push_back(line);
    EXPECT_EQ(1u, warning.size());
    EXPECT_EQ(L"ShowImportFailed QuickBooks accepted some of the changes with warnings. Please see log for details.",
              outcome.viewCalls.back());
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--worlds") == 0)
            g_worlds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            g_seed = static_cast<unsigned>(std::strtoul(argv[i + 1], NULL, 10));
    }
    return RUN_ALL_TESTS();
}
