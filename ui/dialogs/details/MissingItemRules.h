#pragma once
// The rules of the missing-items tables, free of any markup: the rows' order and texts, which
// rows follow a changed check box, and what the user is told when a creation fails.
#include <string>

#include "app/missing/MissingItem.h"
#include "app/missing/CreationFailureTexts.h"

class MainModel;

// The items by kind (employees, customers, jobs, service items), keeping their order within a
// kind, so that validation judges a job after its customer.
boost::shared_ptr<Quorvane::MissingItemCollection> SortByKind(const Quorvane::MissingItemCollection& items);

// Sorts by kind, then by the lower-cased display name; items that tie keep their order.
void SortMissingItemStatuses(const MainModel& model, Quorvane::MissingItemStatusList& statuses);

// "Employee", "Customer", "Customer:Job", "Service Item"; empty for any other kind.
std::wstring DataTypeText(int kind);

// The item's name; for an employee the server user's name as its QuickBooks employee will be
// called, or the bare user id when the model no longer holds the user.
std::wstring MissingItemDisplayName(const MainModel& model, const Quorvane::MissingItem& item);

// What the table's notes cell shows, as plain text: the validation message, else the item's
// description.
std::wstring MissingItemNotes(const Quorvane::MissingItemStatus& status);

// The related employees cell: the one employee's name, or "N employees" with a tooltip listing
// them, each followed by a carriage return.
struct RelatedEmployeesText {
    std::wstring text;
    std::wstring tooltip;
};
RelatedEmployeesText DescribeRelatedEmployees(const MainModel& model, const Quorvane::MissingItem& item);

// One row of a missing-items table as its check box rules see it.
struct MissingItemRow {
    int kind;
    std::wstring name;
    bool enabled;  // a status-0 row's box is disabled and never follows another
};

// Checking a row checks the rows of its parents; unchecking it unchecks the rows below it. Both
// stay within one family (customers with their jobs, or service items); employees have none.
bool FollowsCheckChange(const MissingItemRow& changed, bool checked, const MissingItemRow& row);

// The texts of the error panel for a failed creation (markup but the title, as
// MakeCreationFailureTexts makes them); diff is the preview of the employee whose import needed
// the item, or null when the caller has none.
Quorvane::CreationFailureTexts DescribeCreationFailure(const MainModel& model, const Quorvane::MissingItem& item,
                                                       const boost::shared_ptr<Quorvane::EmployeeDiff>& diff, int code);
