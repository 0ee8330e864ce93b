#pragma once
// One QuickBooks company: its name, preferences, lists and time entries, with the IDs and
// edit sequences QuickBooks issues. The JSON of each record has the shape of its Ret, so a
// response is the record itself. Callers hold the store's lock (CompanyStore).
#include <map>
#include <string>
#include <vector>

#include "tools/qbsim/Json.h"
#include "tools/qbsim/TimeEntries.h"

namespace QbSim {

// The lists, by their key in the company file.
extern const wchar_t kEmployees[], kCustomers[], kItems[], kAccounts[], kPayrollItemWages[], kVendors[], kTimeEntries[];

class Company {
public:
    // An empty company: time tracking on, no lists.
    Company();
    // A company file; missing IDs, edit sequences, full names and reference names are filled in.
    explicit Company(const Json& file);
    Json ToJson() const;

    std::wstring Name() const { return m_header.Get(L"CompanyName").AsString(); }
    const Json& Preferences() const { return m_header.Get(L"Preferences"); }
    // Simulator knobs: "DateWindow" {From, To}, "ListOrder" ("FullName" or "Reverse"),
    // "BilledChangeStatus" (the status refusing a change or delete of a billed entry; 0 allows it).
    const Json& Knobs() const { return m_header.Get(L"Simulator"); }

    // "<8 hex digits>-<10 digits>": never "0" or "", never inside another ID.
    std::wstring NewId();
    std::wstring NewEditSequence();

    std::vector<Json>& List(const std::wstring& name) { return m_lists[name]; }
    Json* FindById(const std::wstring& list, const std::wstring& listId);
    // Compared with A-Z folded, as QuickBooks compares names.
    Json* FindByFullName(const std::wstring& list, const std::wstring& fullName);
    Json& Insert(const std::wstring& list, Json record);  // gives ListID and EditSequence
    // Fills the ListID or FullName that a reference lacks from the list; gives the record it
    // refers to, null when not found.
    Json* Resolve(const std::wstring& list, Json& reference);

    // Time entries are read through Entries() and changed through the company, which notes
    // each change for the journal.
    const TimeEntries& Entries() const { return m_entries; }
    void AddEntry(const Json& entry);
    void ReplaceEntry(const std::wstring& txnId, const Json& entry);
    bool RemoveEntry(const std::wstring& txnId);
    // A record changed in place through FindById.
    void NoteChanged(const std::wstring& list, const std::wstring& id);

    // Changes behind the program's back: merges `patch` into the record (any list or
    // "TimeEntries") and gives it a new edit sequence; removes a record. False when not found.
    bool Edit(const std::wstring& list, const std::wstring& id, const Json& patch);
    bool Delete(const std::wstring& list, const std::wstring& id);

    // Gives an employee the Name QuickBooks composes from the first, middle and last names.
    static void CompleteEmployeeName(Json& employee);

    // The changes since the last call as one journal record: the header, and each changed
    // record as it is now or as removed. Null when nothing changed.
    Json TakeChanges();
    // Forgets the changes, as after loading a company: what loading filled in is filled in the
    // same way again.
    void ForgetChanges();
    // Sets what a journal record names to what it became then. Records applied again in their
    // order leave the company as they left it the first time.
    void Apply(const Json& changes);

private:
    void Touch(const std::wstring& list, const std::wstring& id);

    void NoteId(const std::wstring& id);
    void Complete(const std::wstring& list, Json& record);
    void CompleteHierarchy(Json& record, const std::wstring& list);
    void CompleteEntry(Json& entry);

    Json m_header;
    std::map<std::wstring, std::vector<Json>> m_lists;
    TimeEntries m_entries;
    bool m_changed;
    std::vector<std::pair<std::wstring, std::wstring>> m_touched;  // (list, id), in order
};

// Every record in the file: the lists plus "TimeEntries".
const std::vector<std::wstring>& ListNames();

}  // namespace QbSim
