#include <gtest/gtest.h>

#include "ImportHarness.h"
#include "app/import/TimeTrackImporter.h"
#include "core/Config.h"
#include "core/CustomerJobService.h"
#include "core/TimeTrackDiff.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;
typedef boost::shared_ptr<TimeTrackRecord> RecordPtr;

void NoDelete(IImportConnector*) {}

RecordPtr QuickBooksEntry(FakeQuickBooks& qb, int minutes)
{
    const std::wstring txnId = qb.AddEntry(L"E1", 6, minutes, L"Acme:Roof", L"Labor", L"fix", 0, L"P1");
    RecordPtr record(new TimeTrackRecord(2012, 3, 6, minutes));
    record->SetTxnId(txnId);
    record->SetEditSequence(L"1");
    return record;
}

RecordPtr ImportSide(const RecordPtr& existing, int minutes)
{
    RecordPtr record(new TimeTrackRecord(*existing));
    record->SetDuration(minutes);
    return record;
}

RecordPtr ServerWork(int minutes)
{
    RecordPtr record(new TimeTrackRecord(2012, 3, 5, minutes));
    record->SetNamingService(
        boost::shared_ptr<ICustomerJobService>(new QVCustomerJobService(L"Acme", L"Roof", L"Task", L"Labor")));
    record->SetNotes(L"fix");
    record->SetProjectName(L"Roof");
    record->SetTaskName(L"Task");
    return record;
}

RecordPtr ServerLeave(int minutes)
{
    RecordPtr record(new TimeTrackRecord(2012, 3, 5, minutes));
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(L"", L"")));
    record->SetLeave(1);
    record->SetPayrollItemName(L"Vacation");
    return record;
}

}  // namespace

TEST(TimeTrackImporter, SendsOneRequestPerDifferenceAtMost)
{
    struct Case {
        const char* name;
        boost::function<boost::shared_ptr<TimeTrackDiff>(FakeQuickBooks&)> diff;
        bool deleting;
        int status;
        Lines trace;
    };
    typedef boost::shared_ptr<TimeTrackDiff> DiffPtr;
    const Case cases[] = {
        { "working time added",
          [](FakeQuickBooks&) { return DiffPtr(new TimeTrackDiff(RecordPtr(), ServerWork(60))); },
          true,
          0,
          { L"add E1 2012-03-05 Acme:Roof Labor 'fix' 60" } },
        { "leave added with its payroll item",
          [](FakeQuickBooks&) { return DiffPtr(new TimeTrackDiff(RecordPtr(), ServerLeave(480))); },
          true,
          0,
          { L"add E1 2012-03-05   'Vacation' 480" } },
        { "nothing to add",
          [](FakeQuickBooks&) { return DiffPtr(new TimeTrackDiff(RecordPtr(), ServerWork(0))); },
          true,
          0,
          {} },
        { "negative duration",
          [](FakeQuickBooks&) { return DiffPtr(new TimeTrackDiff(RecordPtr(), ServerWork(-30))); },
          true,
          TimeTrackImporter::InvalidDuration,
          {} },
        { "same minutes",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              return DiffPtr(new TimeTrackDiff(q, ImportSide(q, 60)));
          },
          true,
          0,
          {} },
        { "changed minutes",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              return DiffPtr(new TimeTrackDiff(q, ImportSide(q, 90)));
          },
          true,
          0,
          { L"change T100 90" } },
        { "nothing left, deleting",
          [](FakeQuickBooks& qb) { return DiffPtr(new TimeTrackDiff(QuickBooksEntry(qb, 60), RecordPtr())); },
          true,
          TimeTrackImporter::Deleted,
          { L"delete T100" } },
        { "zero left, keeping",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              return DiffPtr(new TimeTrackDiff(q, ImportSide(q, 0)));
          },
          false,
          0,
          {} },
        { "absent on the server, deleting",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              DiffPtr diff(new TimeTrackDiff(q, ImportSide(q, 60)));
              diff->SetAbsentOnServer(1);
              return diff;
          },
          true,
          TimeTrackImporter::Deleted,
          { L"delete T100" } },
        { "billed entry of no minutes that the server keeps",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 0);
              qb.BillEntry(q->GetTxnId());
              q->SetBilled(1);
              return DiffPtr(new TimeTrackDiff(q, q));
          },
          true,
          0,
          {} },
        // A change or delete goes only to an entry still as previewed and unbilled.
        { "changed minutes of an entry billed since the preview",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              qb.BillEntry(q->GetTxnId());
              return DiffPtr(new TimeTrackDiff(q, ImportSide(q, 90)));
          },
          true,
          3200,
          {} },
        { "changed minutes of an entry gone since the preview",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              qb.DeleteTimeTrack(q->GetTxnId());
              qb.ClearTrace();
              return DiffPtr(new TimeTrackDiff(q, ImportSide(q, 90)));
          },
          true,
          3120,
          {} },
        { "changed since the preview",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              qb.TouchEntry(q->GetTxnId());
              return DiffPtr(new TimeTrackDiff(q, RecordPtr()));
          },
          true,
          3200,
          {} },
        { "billed since the preview",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              qb.BillEntry(q->GetTxnId());
              return DiffPtr(new TimeTrackDiff(q, RecordPtr()));
          },
          true,
          3200,
          {} },
        { "gone since the preview",
          [](FakeQuickBooks& qb) {
              RecordPtr q = QuickBooksEntry(qb, 60);
              qb.DeleteTimeTrack(q->GetTxnId());
              qb.ClearTrace();
              return DiffPtr(new TimeTrackDiff(q, RecordPtr()));
          },
          true,
          3120,
          {} },
        { "neither side",
          [](FakeQuickBooks&) { return DiffPtr(new TimeTrackDiff(RecordPtr(), RecordPtr())); },
          true,
          0,
          {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.qb.AddPayrollItem(L"P2", L"Vacation pay");
        harness.Load();
        harness.Company().AddLeaveType(L"7", L"Vacation");
        harness.Company().MapLeaveType(L"7", L"P2");
        harness.Company().config->SetCanRemoveExistingQBTimeTrack(c.deleting);
        const boost::shared_ptr<TimeTrackDiff> diff = c.diff(harness.qb);
        TimeTrackImporter importer(harness.Company().model, harness.Company().config,
                                   boost::shared_ptr<IImportConnector>(&harness.qb, &NoDelete));

        EXPECT_EQ(c.status, importer.ImportEntry(harness.ann, diff));
        EXPECT_EQ(c.trace, harness.qb.Trace());
    }
}
