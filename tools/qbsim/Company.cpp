#include "tools/qbsim/Company.h"

#include <cwchar>
#include <set>

#include "core/TextUtils.h"

namespace QbSim {

const wchar_t kEmployees[] = L"Employees";
const wchar_t kCustomers[] = L"Customers";
const wchar_t kItems[] = L"Items";
const wchar_t kAccounts[] = L"Accounts";
const wchar_t kPayrollItemWages[] = L"PayrollItemWages";
const wchar_t kVendors[] = L"Vendors";
const wchar_t kTimeEntries[] = L"TimeEntries";

namespace {

const long long kFirstId = 0x80000001LL;
const long long kIdStamp = 1197423841LL;

std::wstring RecordFullName(const Json& record)
{
    return record.Has(L"FullName") ? record.Get(L"FullName").AsString() : record.Get(L"Name").AsString();
}

bool IsHierarchy(const std::wstring& list)
{
    return list == kCustomers || list == kItems || list == kAccounts;
}

std::wstring JoinNames(const Json& employee)
{
    std::wstring name;
    for (const wchar_t* part : { L"FirstName", L"MiddleName", L"LastName" }) {
        std::wstring text = employee.Get(part).AsString();
        if (!text.empty())
            name += (name.empty() ? L"" : L" ") + text;
    }
    return name;
}

}  // namespace

void Company::CompleteEmployeeName(Json& employee)
{
    if (!employee.Has(L"Name"))
        employee.Set(L"Name", JoinNames(employee));
}

const std::vector<std::wstring>& ListNames()
{
    // Lists that others refer to come first, so references resolve on load.
    static const std::vector<std::wstring> names = { kAccounts,  kPayrollItemWages, kItems,
                                                     kCustomers, kEmployees,        kVendors };
    return names;
}

Company::Company() : m_header(Json::MakeObject()), m_changed(false)
{
    Json preferences = Json::MakeObject();
    preferences.Set(L"TimeTrackingEnabled", true);
    m_header.Set(L"CompanyName", L"");
    m_header.Set(L"Preferences", preferences);
    m_header.Set(L"Simulator", Json::MakeObject());
}

Company::Company(const Json& file) : Company()
{
    for (const auto& member : file.GetMembers())
        if (member.first != kTimeEntries && !member.second.IsArray())
            m_header.Set(member.first, member.second);
    for (const std::wstring& list : ListNames())
        for (const Json& record : file.Get(list).Items())
            Insert(list, record);
    for (Json entry : file.Get(kTimeEntries).Items()) {
        CompleteEntry(entry);
        m_entries.Add(entry);
    }
}

Json Company::ToJson() const
{
    Json file = m_header;
    for (const std::wstring& list : ListNames()) {
        Json array = Json::MakeArray();
        auto found = m_lists.find(list);
        if (found != m_lists.end())
            for (const Json& record : found->second)
                array.Push(record);
        file.Set(list, array);
    }
    file.Set(kTimeEntries, m_entries.ToJson());
    return file;
}

std::wstring Company::NewId()
{
    Json* knobs = m_header.Find(L"Simulator");
    long long counter = knobs->Get(L"NextId").AsInt(kFirstId);
    knobs->Set(L"NextId", counter + 1);
    wchar_t id[32];
    std::swprintf(id, 32, L"%08llX-%010lld", counter, knobs->Get(L"IdStamp").AsInt(kIdStamp));
    m_changed = true;
    return id;
}

std::wstring Company::NewEditSequence()
{
    Json* knobs = m_header.Find(L"Simulator");
    long long sequence = knobs->Get(L"NextEditSequence").AsInt(kIdStamp);
    knobs->Set(L"NextEditSequence", sequence + 1);
    m_changed = true;
    return std::to_wstring(sequence);
}

Json* Company::FindById(const std::wstring& list, const std::wstring& listId)
{
    for (Json& record : m_lists[list])
        if (record.Get(L"ListID").AsString() == listId)
            return &record;
    return 0;
}

Json* Company::FindByFullName(const std::wstring& list, const std::wstring& fullName)
{
    std::wstring wanted = Quorvane::ToLower(fullName);
    for (Json& record : m_lists[list])
        if (Quorvane::ToLower(RecordFullName(record)) == wanted)
            return &record;
    return 0;
}

Json* Company::Resolve(const std::wstring& list, Json& reference)
{
    std::wstring listId = reference.Get(L"ListID").AsString();
    Json* record =
        reference.Has(L"ListID") ? FindById(list, listId) : FindByFullName(list, reference.Get(L"FullName").AsString());
    if (!record)
        return 0;
    reference.Set(L"ListID", record->Get(L"ListID"));
    reference.Set(L"FullName", RecordFullName(*record));
    return record;
}

Json& Company::Insert(const std::wstring& list, Json record)
{
    Complete(list, record);
    m_lists[list].push_back(record);
    Touch(list, record.Get(L"ListID").AsString());
    return m_lists[list].back();
}

void Company::AddEntry(const Json& entry)
{
    m_entries.Add(entry);
    Touch(kTimeEntries, entry.Get(L"TxnID").AsString());
}

void Company::ReplaceEntry(const std::wstring& txnId, const Json& entry)
{
    m_entries.Replace(txnId, entry);
    Touch(kTimeEntries, txnId);
}

bool Company::RemoveEntry(const std::wstring& txnId)
{
    Touch(kTimeEntries, txnId);
    return m_entries.Remove(txnId);
}

void Company::NoteChanged(const std::wstring& list, const std::wstring& id)
{
    Touch(list, id);
}

void Company::Touch(const std::wstring& list, const std::wstring& id)
{
    m_changed = true;
    m_touched.push_back(std::make_pair(list, id));
}

void Company::ForgetChanges()
{
    m_changed = false;
    m_touched.clear();
}

Json Company::TakeChanges()
{
    if (!m_changed)
        return Json();
    Json records = Json::MakeArray();
    std::set<std::pair<std::wstring, std::wstring>> written;
    for (const auto& touched : m_touched) {
        if (!written.insert(touched).second)
            continue;
        const Json* now =
            touched.first == kTimeEntries ? m_entries.Find(touched.second) : FindById(touched.first, touched.second);
        Json record = Json::MakeObject();
        record.Set(L"List", touched.first);
        record.Set(L"Id", touched.second);
        record.Set(now ? L"Record" : L"Removed", now ? *now : Json(true));
        records.Push(record);
    }
    m_changed = false;
    m_touched.clear();
    Json changes = Json::MakeObject();
    changes.Set(L"Header", m_header);
    changes.Set(L"Records", records);
    return changes;
}

void Company::Apply(const Json& changes)
{
    m_header = changes.Get(L"Header");
    for (const Json& change : changes.Get(L"Records").Items()) {
        std::wstring list = change.Get(L"List").AsString();
        std::wstring id = change.Get(L"Id").AsString();
        const Json& record = change.Get(L"Record");
        if (list == kTimeEntries) {
            if (record.IsNull())
                m_entries.Remove(id);
            else if (m_entries.Find(id))
                m_entries.Replace(id, record);
            else
                m_entries.Add(record);
            continue;
        }
        std::vector<Json>& records = m_lists[list];
        Json* existing = FindById(list, id);
        if (record.IsNull() && existing)
            records.erase(records.begin() + (existing - &records[0]));
        else if (existing)
            *existing = record;
        else if (!record.IsNull())
            records.push_back(record);
    }
}

void Company::NoteId(const std::wstring& id)
{
    // A seeded ID in the issued form must not be issued again.
    unsigned long long counter = 0;
    wchar_t dash = 0;
    if (std::swscanf(id.c_str(), L"%8llX%lc", &counter, &dash) != 2 || dash != L'-')
        return;
    Json* knobs = m_header.Find(L"Simulator");
    if (static_cast<long long>(counter) >= knobs->Get(L"NextId").AsInt(kFirstId))
        knobs->Set(L"NextId", static_cast<long long>(counter) + 1);
}

void Company::Complete(const std::wstring& list, Json& record)
{
    NoteId(record.Get(L"ListID").AsString());
    if (!record.Has(L"ListID"))
        record.Set(L"ListID", NewId());
    if (!record.Has(L"EditSequence"))
        record.Set(L"EditSequence", NewEditSequence());
    if (!record.Has(L"IsActive"))
        record.Set(L"IsActive", true);
    if (list == kEmployees)
        CompleteEmployeeName(record);
    if (IsHierarchy(list))
        CompleteHierarchy(record, list);
}

void Company::CompleteHierarchy(Json& record, const std::wstring& list)
{
    Json* parentRef = record.Find(L"ParentRef");
    Json* parent = parentRef ? FindById(list, parentRef->Get(L"ListID").AsString()) : 0;
    if (parent && !parentRef->Has(L"FullName"))
        parentRef->Set(L"FullName", RecordFullName(*parent));
    if (!record.Has(L"FullName"))
        record.Set(L"FullName", (parent ? RecordFullName(*parent) + L":" : L"") + record.Get(L"Name").AsString());
    if (!record.Has(L"Sublevel"))
        record.Set(L"Sublevel", parent ? static_cast<int>(parent->Get(L"Sublevel").AsInt()) + 1 : 0);
}

void Company::CompleteEntry(Json& entry)
{
    NoteId(entry.Get(L"TxnID").AsString());
    if (!entry.Has(L"TxnID"))
        entry.Set(L"TxnID", NewId());
    if (!entry.Has(L"EditSequence"))
        entry.Set(L"EditSequence", NewEditSequence());
    struct RefList {
        const wchar_t* ref;
        const wchar_t* list;
    };
    const RefList refs[] = { { L"EntityRef", kEmployees },
                             { L"EntityRef", kVendors },
                             { L"CustomerRef", kCustomers },
                             { L"ItemServiceRef", kItems },
                             { L"PayrollItemWageRef", kPayrollItemWages } };
    for (const RefList& ref : refs)
        if (Json* reference = entry.Find(ref.ref))
            Resolve(ref.list, *reference);
}

bool Company::Edit(const std::wstring& list, const std::wstring& id, const Json& patch)
{
    Json changed;
    if (list == kTimeEntries) {
        const Json* entry = m_entries.Find(id);
        if (!entry)
            return false;
        changed = *entry;
    } else {
        Json* record = FindById(list, id);
        if (!record)
            return false;
        changed = *record;
    }
    for (const auto& member : patch.GetMembers())
        changed.Set(member.first, member.second);
    changed.Set(L"EditSequence", NewEditSequence());
    if (list == kTimeEntries)
        m_entries.Replace(id, changed);
    else
        *FindById(list, id) = changed;
    Touch(list, id);
    return true;
}

bool Company::Delete(const std::wstring& list, const std::wstring& id)
{
    Touch(list, id);
    if (list == kTimeEntries)
        return m_entries.Remove(id);
    std::vector<Json>& records = m_lists[list];
    for (auto it = records.begin(); it != records.end(); ++it)
        if (it->Get(L"ListID").AsString() == id) {
            records.erase(it);
            return true;
        }
    return false;
}

}  // namespace QbSim
