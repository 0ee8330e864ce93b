#include <gtest/gtest.h>
#include "core/EmployeeDiff.h"

using namespace Quorvane;

namespace {

boost::shared_ptr<TimeTrackRecord> Entry(int day)
{
    return boost::shared_ptr<TimeTrackRecord>(new TimeTrackRecord(2012, 3, day, 60));
}

boost::shared_ptr<TimeTrackDiff> Diff(boost::shared_ptr<TimeTrackRecord> quickBooks,
                                      boost::shared_ptr<TimeTrackRecord> import)
{
    return boost::shared_ptr<TimeTrackDiff>(new TimeTrackDiff(quickBooks, import));
}

const boost::shared_ptr<TimeTrackRecord> kNone;

}  // namespace

TEST(PreviewRecords, SelectionsByDateAndRange)
{
    TimeTrackDiffCollection diffs;
    boost::shared_ptr<TimeTrackDiff> addOnly = Diff(kNone, Entry(5));
    boost::shared_ptr<TimeTrackDiff> firstDay = Diff(Entry(1), Entry(9));  // the QuickBooks side dates it
    boost::shared_ptr<TimeTrackDiff> removed = Diff(Entry(6), kNone);
    diffs.Add(firstDay);
    diffs.Add(Diff(kNone, kNone));  // has no date, so no selection takes it
    diffs.Add(addOnly);
    diffs.Add(removed);

    boost::shared_ptr<TimeTrackDiffCollection> fifth = diffs.SelectByDate(DateTime(5, 3, 2012));
    ASSERT_EQ(1u, fifth->Count());
    EXPECT_EQ(addOnly, *fifth->begin());
    EXPECT_EQ(0u, diffs.SelectByDate(DateTime(9, 3, 2012))->Count());

    boost::shared_ptr<TimeTrackDiffCollection> range =
        diffs.SelectByDateRange(DateTime(1, 3, 2012), DateTime(5, 3, 2012));
    ASSERT_EQ(2u, range->Count());
    EXPECT_EQ(firstDay, *range->begin());
    EXPECT_EQ(addOnly, *(range->begin() + 1));

    // Selections share their diffs with the source.
    (*fifth->begin())->SetAbsentOnServer(1);
    EXPECT_EQ(1, addOnly->IsAbsentOnServer());
    EXPECT_EQ(0, addOnly->IsBilledConflict());

    EXPECT_EQ(0u, TimeTrackDiffCollection().SelectByDateRange(DateTime(1, 3, 2012), DateTime(5, 3, 2012))->Count());
}

TEST(PreviewRecords, EmployeeDiffsAreFoundByTheirServerUser)
{
    EmployeeDiffCollection diffs;
    diffs.Add(boost::shared_ptr<EmployeeDiff>(new EmployeeDiff));  // no server user: skipped, not dereferenced
    boost::shared_ptr<Employee> user(new Employee);
    user->SetId(L"42");
    boost::shared_ptr<EmployeeDiff> diff(new EmployeeDiff);
    diff->SetServerUser(user);
    diffs.Add(diff);
    EXPECT_EQ(diff, diffs.FindByEmployeeId(L"42"));
    EXPECT_EQ(diff, DiffCollectionFindByEntityId(diffs, L"42"));
    EXPECT_THROW(diffs.FindByEmployeeId(L"4"), NotFoundException);
}
