#include <gtest/gtest.h>

#include "MarchFortnightCompany.h"
#include "app/missing/MissingItemsController.h"
#include "core/EmployeeDiff.h"
#include "ui/dialogs/details/MissingItemRules.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<MissingItemStatus> StatusPtr;

StatusPtr Status(int kind, const std::wstring& name, int status = MissingItemStatus::MayCreate)
{
    return StatusPtr(
        new MissingItemStatus(boost::shared_ptr<MissingItem>(new MissingItem(kind, name, L"")), status, L""));
}

std::wstring Names(const MissingItemStatusList& statuses)
{
    std::wstring names;
    for (const StatusPtr& status : statuses)
        names += std::to_wstring(status->GetItem()->GetKind()) + L" " + status->GetItem()->GetName() + L"; ";
    return names;
}

TEST(MissingItemRules, RowsGoByKindThenByDisplayNameIgnoringCase)
{
    MarchFortnightCompany company;
    MissingItemStatusList statuses = { Status(8, L"design"),    Status(2, L"Design"), Status(4, L"acme:Roof"),
                                       Status(2, L"acme"),      Status(1, L"2"),      Status(1, L"1"),
                                       Status(4, L"Acme:Deck"), Status(2, L"Acme") };
    SortMissingItemStatuses(*company.model, statuses);
    // Employees sort by name: Ann Archer (1) before Bob Baker (2); equal names keep their order.
    EXPECT_EQ(L"1 1; 1 2; 2 acme; 2 Acme; 2 Design; 4 Acme:Deck; 4 acme:Roof; 8 design; ", Names(statuses));
}

struct Row {
    const char* name;
    MissingItemRow changed;
    bool checked;
    MissingItemRow row;
    bool follows;
};

const Row kRows[] = {
    { "checking a job checks its customer", { 4, L"A:B:C", true }, true, { 2, L"A", true }, true },
    { "and its parent job", { 4, L"A:B:C", true }, true, { 4, L"A:B", true }, true },
    { "but not a service item of the parent's name", { 4, L"A:B", true }, true, { 8, L"A", true }, false },
    { "nor a disabled parent", { 4, L"A:B", true }, true, { 2, L"A", false }, false },
    { "nor a child", { 2, L"A", true }, true, { 4, L"A:B", true }, false },
    { "unchecking unchecks the children", { 2, L"A", true }, false, { 4, L"A:B:C", true }, true },
    { "but not a longer name", { 2, L"Acme", true }, false, { 2, L"Acme Corp", true }, false },
    { "nor a name that merely starts alike", { 2, L"Acme", true }, false, { 4, L"AcmeX:Job", true }, false },
    { "nor a parent", { 4, L"A:B", true }, false, { 2, L"A", true }, false },
    { "service items have their own levels", { 8, L"Labor:Tile", true }, true, { 8, L"Labor", true }, true },
    { "employees have none", { 1, L"A:B", true }, true, { 1, L"A", true }, false },
};

TEST(MissingItemRules, CheckBoxesFollowWithinOneFamily)
{
    for (const Row& c : kRows)
        EXPECT_EQ(c.follows, FollowsCheckChange(c.changed, c.checked, c.row)) << c.name;
}

TEST(MissingItemRules, RelatedEmployeesUseTheNamesQuickBooksKnows)
{
    MarchFortnightCompany company;
    company.annEmployee->SetFirstName(L"Annie");
    MissingItem one(2, L"Northwind", L"");
    one.AddUser(L"1");
    EXPECT_EQ(L"Annie Archer", DescribeRelatedEmployees(*company.model, one).text);
    EXPECT_EQ(L"", DescribeRelatedEmployees(*company.model, one).tooltip);

    company.config->SetNamePostfixes({ { L"2", L" (2)" } });
    MissingItem three(2, L"Northwind", L"");
    for (const wchar_t* user : { L"1", L"2", L"99" })
        three.AddUser(user);
    const RelatedEmployeesText described = DescribeRelatedEmployees(*company.model, three);
    EXPECT_EQ(L"3 employees", described.text);
    EXPECT_EQ(L"Annie Archer\rBob Baker (2)\r99\r", described.tooltip);
    EXPECT_EQ(L"0 employees", DescribeRelatedEmployees(*company.model, MissingItem(2, L"X", L"")).text);
}

TEST(MissingItemRules, FailureTextsEscapeTheNameAndNameTheReason)
{
    MarchFortnightCompany company;
    company.BuildPreview();
    MissingItem customer(2, L"R&D <West>", L"");
    customer.AddUser(L"1");
    const CreationFailureTexts unknown =
        DescribeCreationFailure(*company.model, customer, boost::shared_ptr<EmployeeDiff>(), 1);
    EXPECT_EQ(L"Cannot create customer", unknown.title);
    EXPECT_EQ(L"Cannot create customer \"R&amp;D &lt;West&gt;\"", unknown.heading);
    EXPECT_EQ(L"Unknown", unknown.problem);

    MissingItem orphan(8, L"Labor", L"");
    const CreationFailureTexts taken =
        DescribeCreationFailure(*company.model, orphan, boost::shared_ptr<EmployeeDiff>(), 3100);
    EXPECT_EQ(L"There is existing service item item with the same name", taken.problem);
    EXPECT_NE(std::wstring::npos, taken.resolution.find(L"<br>"));
}

}  // namespace

namespace {

// Validation judges a job after its customer only when customers come first.
TEST(MissingItemRules, ValidationSeesItemsByKindInTheirOrder)
{
    MissingItemCollection items;
    items.Add(8, L"Labor", L"");
    items.Add(4, L"B:Job", L"");
    items.Add(2, L"B", L"");
    items.Add(1, L"7", L"");
    items.Add(2, L"A", L"");
    const boost::shared_ptr<MissingItemCollection> sorted = SortByKind(items);
    std::wstring names;
    for (const MissingItemCollection::Pointer& item : *sorted)
        names += item->GetName() + L" ";
    EXPECT_EQ(L"7 B A B:Job Labor ", names);
}

}  // namespace
