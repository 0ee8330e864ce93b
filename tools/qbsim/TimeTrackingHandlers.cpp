#include <set>

#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListQuery.h"
#include "core/TextCharset.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

const int kTimeTrackingDelType = 21;
const int kBilled = 2;
const size_t kNotesLimit = 4095;
const wchar_t kDateFilter[] = L"ORDateRangeFilter.TxnDateRangeFilter.ORTxnDateRangeFilter.TxnDateFilter.";
const wchar_t kEntityFilter[] = L"TimeTrackingEntityFilter.ORTimeTrackingEntityFilter.ListIDList";

const long long kAnyKind = -1;
const long long kServiceItem = 0;

struct Reference {
    const wchar_t* element;
    const wchar_t* lists[2];
    const wchar_t* listTitle;
    long long kind;  // the Kind the element referred to must have
};

// Where each reference of a time entry points; the entity may be an employee or a vendor.
const Reference kReferences[] = {
    { L"EntityRef", { kEmployees, kVendors }, L"Entity", kAnyKind },
    { L"CustomerRef", { kCustomers, 0 }, L"Customer", kAnyKind },
    { L"ItemServiceRef", { kItems, 0 }, L"Item Service", kServiceItem },
    { L"PayrollItemWageRef", { kPayrollItemWages, 0 }, L"Payroll Item Wage", kAnyKind },
};

bool ResolveIn(Company& company, const Reference& reference, Json& ref)
{
    for (const wchar_t* list : reference.lists) {
        const Json* element = list ? company.Resolve(list, ref) : 0;
        if (element)
            return reference.kind == kAnyKind || element->Get(L"Kind").AsInt(kServiceItem) == reference.kind;
    }
    return false;
}

// Copies the request's references into the entry, resolved; a refusal when one is unknown.
Json CopyReferences(Company& company, const Json& request, Json& entry)
{
    for (const Reference& reference : kReferences) {
        if (!request.Has(reference.element))
            continue;
        const Json& sent = request.Get(reference.element);
        Json ref = sent;
        if (!ResolveIn(company, reference, ref)) {
            std::wstring quoted =
                sent.Has(L"ListID") ? sent.Get(L"ListID").AsString() : sent.Get(L"FullName").AsString();
            return InvalidReference(reference.listTitle, quoted);
        }
        entry.Set(reference.element, ref);
    }
    return Json();
}

bool IsTimeTrackingOff(Company& company)
{
    return !company.Preferences().Get(L"TimeTrackingEnabled").AsBool(true);
}

// Null when the request's values may be stored.
Json CheckValues(const Json& request)
{
    std::wstring notes = request.Get(L"Notes").AsString();
    return notes.size() > kNotesLimit ? StringTooLong(L"Notes", notes) : Json();
}

void CopyValues(const Json& request, Json& entry)
{
    for (const wchar_t* element : { L"TxnDate", L"Duration", L"BillableStatus" })
        if (request.Has(element))
            entry.Set(element, request.Get(element));
    if (request.Has(L"Notes"))
        entry.Set(L"Notes", Quorvane::ThroughCodePage1252(request.Get(L"Notes").AsString()));
}

// The refusals every change of an existing entry shares; null when the change may go ahead.
Json CheckExisting(Company& company, const Json* entry, const std::wstring& txnId, const Json& editSequence)
{
    if (!entry)
        return ObjectNotFound(txnId);
    if (!editSequence.IsNull() && editSequence.AsString() != entry->Get(L"EditSequence").AsString())
        return OutdatedEditSequence(editSequence.AsString());
    int billedStatus = static_cast<int>(company.Knobs().Get(L"BilledChangeStatus").AsInt());
    if (billedStatus != 0 && entry->Get(L"BillableStatus").AsInt() == kBilled)
        return BilledEntry(billedStatus, txnId);
    return Json();
}

std::vector<const Json*> FindEntries(Company& company, const Json& filter)
{
    long from = TimeEntries::DayNumber(filter.GetPath(kDateFilter + std::wstring(L"FromTxnDate")).AsString());
    std::wstring to = filter.GetPath(kDateFilter + std::wstring(L"ToTxnDate")).AsString();
    long toDay = to.empty() ? 99991231L : TimeEntries::DayNumber(to);
    const Json& entities = filter.GetPath(kEntityFilter);
    if (entities.Size() == 1)
        return company.Entries().Query(entities.At(0).AsString(), from, toDay);
    std::vector<const Json*> found = company.Entries().Query(L"", from, toDay);
    if (entities.Size() == 0)
        return found;
    std::set<std::wstring> wanted;
    for (const Json& entity : entities.Items())
        wanted.insert(entity.AsString());
    std::vector<const Json*> kept;
    for (const Json* entry : found)
        if (wanted.count(entry->GetPath(L"EntityRef.ListID").AsString()))
            kept.push_back(entry);
    return kept;
}

}  // namespace

// With time tracking off QuickBooks refuses every time-tracking request before it looks at it:
// the program's probe relies on that.
Json TimeTrackingQuery(Company& company, const Json& request)
{
    if (IsTimeTrackingOff(company))
        return FeatureNotEnabled();
    const Json& query = request.Get(L"ORTimeTrackingTxnQuery");
    const Json& filter = query.Get(L"TimeTrackingTxnFilter");
    std::vector<Json> rets;
    if (query.Has(L"TxnIDList")) {
        for (const Json& txnId : query.Get(L"TxnIDList").Items())
            if (const Json* entry = company.Entries().Find(txnId.AsString()))
                rets.push_back(*entry);
    } else {
        size_t most = static_cast<size_t>(filter.Get(L"MaxReturned").AsInt(0x7FFFFFFF));
        for (const Json* entry : FindEntries(company, filter))
            if (rets.size() < most)
                rets.push_back(*entry);
    }
    return AnswerQuery(L"ITimeTrackingRetList", rets, request);
}

Json TimeTrackingAdd(Company& company, const Json& request)
{
    if (IsTimeTrackingOff(company))
        return FeatureNotEnabled();
    Json refusal = CheckValues(request);
    if (!refusal.IsNull())
        return refusal;
    Json entry = Json::MakeObject();
    entry.Set(L"TxnID", L"");
    entry.Set(L"EditSequence", L"");
    CopyValues(request, entry);
    refusal = CopyReferences(company, request, entry);
    if (!refusal.IsNull())
        return refusal;
    entry.Set(L"TxnID", company.NewId());
    entry.Set(L"EditSequence", company.NewEditSequence());
    company.AddEntry(entry);
    return Answer(L"ITimeTrackingRet", entry);
}

Json TimeTrackingMod(Company& company, const Json& request)
{
    if (IsTimeTrackingOff(company))
        return FeatureNotEnabled();
    std::wstring txnId = request.Get(L"TxnID").AsString();
    const Json* existing = company.Entries().Find(txnId);
    Json refusal = CheckExisting(company, existing, txnId, request.Get(L"EditSequence"));
    if (refusal.IsNull())
        refusal = CheckValues(request);
    if (!refusal.IsNull())
        return refusal;
    Json entry = *existing;
    CopyValues(request, entry);
    refusal = CopyReferences(company, request, entry);
    if (!refusal.IsNull())
        return refusal;
    entry.Set(L"EditSequence", company.NewEditSequence());
    company.ReplaceEntry(txnId, entry);
    return Answer(L"ITimeTrackingRet", entry);
}

Json TxnDel(Company& company, const Json& request)
{
    std::wstring txnId = request.Get(L"TxnID").AsString();
    bool isTimeEntry = request.Get(L"TxnDelType").AsInt(-1) == kTimeTrackingDelType;
    if (isTimeEntry && IsTimeTrackingOff(company))
        return FeatureNotEnabled();
    // Only time entries are kept, so a TxnID of another transaction type is not found.
    const Json* existing = isTimeEntry ? company.Entries().Find(txnId) : 0;
    Json refusal = CheckExisting(company, existing, txnId, Json());
    if (!refusal.IsNull())
        return refusal;
    company.RemoveEntry(txnId);
    Json ret = Json::MakeObject();
    ret.Set(L"TxnDelType", kTimeTrackingDelType);
    ret.Set(L"TxnID", txnId);
    return Answer(L"ITxnDelRet", ret);
}

}  // namespace QbSim
