#include "connectors/quickbooks/requests/GetTimeTrackRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"
#include "core/CustomerJobService.h"

namespace Quorvane {
namespace Connectors {

namespace {

const int kAllEntries = 0x7FFFFFFF;
// The query's two unnamed options, set by position.
const int kMetaDataOption = 2;
const int kIteratorOption = 0;
const wchar_t* const kEntryElements[] = { L"TxnID",       L"EditSequence",   L"TxnDate",  L"EntityRef",
                                          L"CustomerRef", L"ItemServiceRef", L"Duration", L"PayrollItemWageRef",
                                          L"Notes",       L"BillableStatus" };

boost::shared_ptr<TimeTrackRecord> ReadEntry(Qbfc::ITimeTrackingRet ret)
{
    boost::shared_ptr<TimeTrackRecord> record(new TimeTrackRecord());
    record->SetTxnId(ret.TxnID().GetValue());
    record->SetEditSequence(ret.EditSequence().GetValue());
    record->SetDate(DateTime::FromVariantDate(ret.TxnDate().GetValue()));
    record->SetDuration(ReadDurationMinutes(ret.Duration()));
    record->SetNotes(ReadIfPresent(ret.Notes(), std::wstring()));
    int billableStatus = ReadIfPresent(ret.BillableStatus(), long(bsNotBillable));
    record->SetBillable(billableStatus == bsBillable ? 1 : 0);
    record->SetBilled(billableStatus == bsHasBeenBilled ? 1 : 0);
    record->SetPayrollItemName(ReadRefFullName(ret.PayrollItemWageRef()));
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(
        new QBCustomerJobService(ReadRefFullName(ret.CustomerRef()), ReadRefFullName(ret.ItemServiceRef()))));
    return record;
}

}  // namespace

void GetTimeTrackRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ITimeTrackingQuery query = request.AppendTimeTrackingQueryRq();
    query.metaData().SetValue(kMetaDataOption);
    query.iterator().SetValue(kIteratorOption);
    Qbfc::ITimeTrackingTxnFilter filter = query.ORTimeTrackingTxnQuery().TimeTrackingTxnFilter();
    Qbfc::ITxnDateFilter dates = filter.ORDateRangeFilter().TxnDateRangeFilter().ORTxnDateRangeFilter().TxnDateFilter();
    dates.FromTxnDate().SetValue(m_start.ToVariantDate());
    dates.ToTxnDate().SetValue(m_end.ToVariantDate());
    filter.MaxReturned().SetValue(kAllEntries);
    if (!m_entityId.empty())
        filter.TimeTrackingEntityFilter().ORTimeTrackingEntityFilter().ListIDList().Add(m_entityId);
    for (const wchar_t* element : kEntryElements)
        query.IncludeRetElementList().Add(element);
}

void GetTimeTrackRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    try {
        ReadEntries(response);
    } catch (const QuickBooksException& refusal) {
        if (refusal.GetStatusCode() != kNoMatchStatus)
            throw;
        m_result.clear();
    }
}

void GetTimeTrackRequest::ReadEntries(Qbfc::IMsgSetResponse response)
{
    Qbfc::ITimeTrackingRetList list = FindResponseDetail<Qbfc::ITimeTrackingRetList>(response);
    for (int index = 0; index < list.Count(); ++index) {
        Qbfc::ITimeTrackingRet ret = list.GetAt(index);
        AddToEntityGroup(ret.EntityRef().ListID().GetValue(), ReadEntry(ret));
    }
}

void GetTimeTrackRequest::AddToEntityGroup(const std::wstring& entityId,
                                           const boost::shared_ptr<TimeTrackRecord>& record)
{
    boost::shared_ptr<TimeTrackRecordCollection>& group = m_result[entityId];
    if (!group)
        group.reset(new TimeTrackRecordCollection());
    group->Add(record);
}

}  // namespace Connectors
}  // namespace Quorvane
