// An import, however it ended, run again after a reload leaves QuickBooks matching the server
// with no entry twice; once they match, a further import writes nothing.
#include <gtest/gtest.h>

#include "ImportHarness.h"
#include "app/import/ImportLauncher.h"
#include "app/import/ImportRun.h"
#include "app/import/ImportSnapshot.h"
#include "core/Event.h"
#include "core/Mapping.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;

// Eight entries to add, one to change, one to delete, spread over both users.
void Month(TestCompany& company)
{
    const TestCompany::EmployeePtr ann = company.model->GetServerEmployees()->FindById(L"1");
    const TestCompany::EmployeePtr bob = company.model->GetServerEmployees()->FindById(L"2");
    for (int day = 5; day <= 8; ++day) {
        company.AddServerWork(ann, day, 60 + day, L"Acme", L"Roof", L"fix", 0);
        company.AddServerWork(bob, day, 120, L"Acme", L"Roof", L"paint", 1);
    }
    company.AddServerWork(ann, 9, 30, L"Acme", L"Roof", L"fix", 0);
}

void SeedQuickBooks(FakeQuickBooks& qb)
{
    qb.AddEntry(L"E1", 9, 45, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
    qb.AddEntry(L"E2", 12, 15, L"Acme:Roof", L"Labor", L"old", 0, L"P1");
}

void ExpectInStep(ImportHarness& harness)
{
    harness.Load();
    EXPECT_EQ(0, harness.PendingChanges());
    EXPECT_EQ(9u, harness.qb.Entries().size());
    harness.qb.ClearTrace();
    harness.Import();
    EXPECT_TRUE(harness.qb.Trace().empty());
    EXPECT_EQ(L"ShowImportSucceeded", harness.ViewCalls().back());
}

// Bob moves onto Ann's employee with a payroll item of his own; only he has time, so Ann is not
// loaded.
void BobOnAnnsEmployee(TestCompany& company, bool removal)
{
    company.config->SetCanRemoveExistingQBTimeTrack(removal);
    company.config->GetEmployeeMappings()->GetBySource(L"2")->SetTarget(L"E1", Mapping::Mapped);
    company.config->GetPayrollTypeMappings()->GetBySource(L"2")->SetTarget(L"P2", Mapping::Mapped);
    const TestCompany::EmployeePtr bob = company.model->GetServerEmployees()->FindById(L"2");
    company.AddServerWork(bob, 5, 90, L"Acme", L"Roof", L"paint", 0);
    company.AddServerWork(bob, 6, 45, L"Acme", L"Roof", L"paint", 1);
    // The server lists only users with time in the period.
    boost::shared_ptr<EmployeeCollection> withTime(new EmployeeCollection());
    withTime->Add(bob);
    company.model->SetServerEmployees(withTime);
}

bool RunNow(const boost::function<void()>& call)
{
    call();
    return true;
}

bool Never()
{
    return false;
}

Lines NoForms()
{
    return Lines();
}

void NoDelete(IImportConnector*) {}

}  // namespace

TEST(Idempotence, ASecondImportWritesNothing)
{
    ImportHarness harness;
    SeedQuickBooks(harness.qb);
    harness.server = &Month;
    harness.Load();
    EXPECT_EQ(10, harness.PendingChanges());
    harness.Import();
    EXPECT_EQ(10, harness.qb.WriteCount());
    ExpectInStep(harness);
}

// Users who share an employee may have different payroll items: each one's entries are found
// again under the item the import wrote them with, so they are neither added twice nor deleted.
TEST(Idempotence, AUserSharingAnEmployeeKeepsHisOwnPayrollItem)
{
    for (int removal = 0; removal <= 1; ++removal) {
        SCOPED_TRACE(removal);
        ImportHarness harness;
        harness.qb.AddPayrollItem(L"P2", L"Overtime");
        harness.server = [removal](TestCompany& company) { BobOnAnnsEmployee(company, removal != 0); };
        harness.Load();
        harness.Import();
        ASSERT_EQ(2u, harness.qb.Entries().size());
        harness.Load();
        EXPECT_EQ(0, harness.PendingChanges());
        harness.qb.ClearTrace();
        harness.Import();
        EXPECT_TRUE(harness.qb.Trace().empty());
        EXPECT_EQ(2u, harness.qb.Entries().size());
    }
}

TEST(Idempotence, ARunFailedAtAnyWriteThenRunAgainEndsInStep)
{
    for (int failing = 1; failing <= 10; ++failing) {
        SCOPED_TRACE(failing);
        ImportHarness harness;
        SeedQuickBooks(harness.qb);
        harness.server = &Month;
        harness.Load();
        harness.qb.FailWrite(failing, 3175);
        harness.Import();
        EXPECT_EQ(L"OnImportFinished", harness.ViewCalls().back());
        harness.Load();
        harness.Import();
        ExpectInStep(harness);
    }
}

TEST(Idempotence, AStoppedRunThenRunAgainEndsInStep)
{
    ImportHarness harness;
    SeedQuickBooks(harness.qb);
    harness.server = &Month;
    harness.stopAfterWrites = 1;
    harness.Load();
    harness.Import();
    EXPECT_LT(harness.qb.WriteCount(), 10);
    harness.stopAfterWrites = -1;
    harness.Load();
    harness.Import();
    ExpectInStep(harness);
}

TEST(Idempotence, TheSamePreviewCannotBeImportedTwice)
{
    ImportHarness harness;
    SeedQuickBooks(harness.qb);
    harness.server = &Month;
    harness.Load();
    harness.Import();
    harness.qb.ClearTrace();
    harness.Import();
    EXPECT_TRUE(harness.qb.Trace().empty());
    EXPECT_EQ(1u, harness.View()->CallsStartingWith(L"ShowError Time-Track was changed in QuickBooks").size());
}

TEST(Idempotence, ASecondStartWhileARunGoesOnIsRefused)
{
    ImportHarness harness;
    harness.server = &Month;
    harness.Load();
    ImportLauncher launcher;
    const boost::shared_ptr<IImportConnector> connector(&harness.qb, &NoDelete);
    const boost::shared_ptr<RecordingView> view(new RecordingView);
    // The first run waits in its start post until the second start has been tried.
    Event release;
    bool secondStarted = true;
    boost::shared_ptr<ImportRun> first(new ImportRun(
        TakeImportSnapshot(harness.Company().model, connector), false, view,
        [&release](const boost::function<void()>& call) {
            release.Wait(INFINITE);
            call();
            return true;
        },
        &Never, &NoForms));
    boost::shared_ptr<ImportRun> second(
        new ImportRun(TakeImportSnapshot(harness.Company().model, connector), false, view, &RunNow, &Never, &NoForms));
    ASSERT_TRUE(launcher.Start(first));
    secondStarted = launcher.Start(second);
    release.Set(true);
    ASSERT_TRUE(launcher.WaitUntilIdle(10000));

    EXPECT_FALSE(secondStarted);
    EXPECT_EQ(9, harness.qb.WriteCount());
    EXPECT_EQ(1u, view->CallsStartingWith(L"OnImportStarted").size());
    EXPECT_TRUE(launcher.Start(second));
    ASSERT_TRUE(launcher.WaitUntilIdle(10000));
}
