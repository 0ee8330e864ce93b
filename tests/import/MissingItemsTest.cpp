#include <gtest/gtest.h>

#include "ImportHarness.h"
#include "app/missing/CreationFailureTexts.h"
#include "app/missing/MissingItemsController.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::wstring> Lines;

void NoDelete(IImportConnector*) {}

boost::shared_ptr<MissingItemsController> ControllerOf(ImportHarness& harness)
{
    return boost::shared_ptr<MissingItemsController>(
        new MissingItemsController(harness.Company().model, harness.Company().model->GetConfig(),
                                   boost::shared_ptr<IImportConnector>(&harness.qb, &NoDelete)));
}

EmployeeDiff& DiffOf(ImportHarness& harness, const wchar_t* userId)
{
    return *harness.Company().model->GetEmployeeDiffs()->FindByEmployeeId(userId);
}

// "kind name [description] {users}" per item.
Lines Describe(const MissingItemCollection& items)
{
    Lines lines;
    for (MissingItemCollection::const_iterator it = items.begin(); it != items.end(); ++it) {
        std::wstring line = std::to_wstring((*it)->GetKind()) + L" " + (*it)->GetName();
        if (!(*it)->GetDescription().empty())
            line += L" [" + (*it)->GetDescription() + L"]";
        for (size_t i = 0; i < (*it)->GetUsers().size(); ++i)
            line += (i ? L"," : L" {") + (*it)->GetUsers()[i];
        lines.push_back((*it)->GetUsers().empty() ? line : line + L"}");
    }
    return lines;
}

const wchar_t* const kCreateManually =
    L"Try to create the specified item manually in QuickBooks and then hit 'Reload' on main Pellworth window";

boost::shared_ptr<MissingItem> Item(int kind, const std::wstring& name)
{
    return boost::shared_ptr<MissingItem>(new MissingItem(kind, name, L""));
}

}  // namespace

TEST(MissingItems, CollectsTheLevelsThatAddsNeed)
{
    ImportHarness harness;
    harness.qb.AddServiceItem(L"Crew");
    harness.server = [](TestCompany& company) {
        company.config->SetMappingType(1);
        const TestCompany::EmployeePtr ann = company.model->GetServerEmployees()->FindById(L"1");
        company.AddServerWork(ann, 5, 60, L"North", L"Roof", L"fix", 0)->SetTaskDescription(L"Repair work");
        company.AddServerWork(ann, 6, 60, L"Acme", L"Roof", L"fix", 0);
        company.AddServerLeave(ann, 7, 480, L"Vacation");
    };
    harness.Load();
    harness.Company().config->SetServiceItemGroup(false);
    harness.Company().config->SetNamePostfixes({ { L"1", L" (2)" } });
    harness.Company().config->GetEmployeeMappings()->GetBySource(L"1")->SetState(Mapping::NotMapped);

    EXPECT_EQ(Lines({ L"1 1", L"2 North", L"4 North:Roof", L"4 North:Roof:Task [Repair work]",
                      L"8 Archer (2), Ann [Quorvane username 'Ann']", L"4 Acme:Roof:Task" }),
              Describe(*ControllerOf(harness)->CollectMissingItems(DiffOf(harness, L"1"))));
}

// The views escape what they put into markup themselves.
TEST(MissingItems, DescriptionsArePlainText)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.config->SetMappingType(1);
        const TestCompany::EmployeePtr ann = company.model->GetServerEmployees()->FindById(L"1");
        company.AddServerWork(ann, 5, 60, L"Acme", L"Roof", L"fix", 0)->SetTaskDescription(L"Tiles <b>& gutters</b>");
    };
    harness.Load();

    EXPECT_EQ(Lines({ L"4 Acme:Roof:Task [Tiles <b>& gutters</b>]" }),
              Describe(*ControllerOf(harness)->CollectMissingItems(DiffOf(harness, L"1"))));
}

// Lists QuickBooks has not given yet hold nothing: every level is missing, and what is created
// starts its list and is found from then on.
TEST(MissingItems, ListsNotReadYetHoldNothing)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.AddServerWork(company.model->GetServerEmployees()->FindById(L"1"), 5, 60, L"Acme", L"Roof", L"a", 0);
    };
    harness.Load();
    const boost::shared_ptr<MainModel> model = harness.Company().model;
    model->SetCustomerJobs(boost::shared_ptr<CustomerJobCollection>());
    model->SetServiceItems(boost::shared_ptr<ServiceItemCollection>());
    model->SetAllItems(boost::shared_ptr<ItemTypeCollection>());
    const boost::shared_ptr<MissingItemsController> controller = ControllerOf(harness);

    const boost::shared_ptr<MissingItemCollection> items = controller->CollectMissingItems(DiffOf(harness, L"1"));
    EXPECT_EQ(Lines({ L"2 Acme", L"4 Acme:Roof", L"8 Labor [Quorvane billing type 'Labor']" }), Describe(*items));
    EXPECT_EQ(3u, controller->ValidateMissingItems(*items)->size());
    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::JobKind, L"Acme:Roof")));
    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::ServiceItemKind, L"Labor")));
    EXPECT_EQ(L"Acme:Roof", model->GetCustomerJobs()->FindByFullName(L"Acme:Roof")->GetFullName());
    EXPECT_EQ(1u, model->GetServiceItems()->Count());
    EXPECT_TRUE(controller->CollectMissingItems(DiffOf(harness, L"1"))->IsEmpty());
}

TEST(MissingItems, ListsAnItemOnceWithEveryUserThatNeedsIt)
{
    ImportHarness harness;
    harness.server = [](TestCompany& company) {
        company.AddServerWork(company.model->GetServerEmployees()->FindById(L"1"), 5, 60, L"Acme", L"Deck", L"a", 0);
        company.AddServerWork(company.model->GetServerEmployees()->FindById(L"2"), 5, 60, L"Acme", L"Deck", L"b", 1)
            ->SetNamingService(boost::shared_ptr<ICustomerJobService>(
                new QVCustomerJobService(L"Acme", L"Deck", L"Task", L"labor:<Night>")));
    };
    harness.Load();

    EXPECT_EQ(Lines({ L"4 Acme:Deck {1,2}", L"8 labor:<Night> [Quorvane billing type 'labor:<Night>'] {2}" }),
              Describe(*ControllerOf(harness)->CollectAllMissingItems(*harness.Company().model->GetEmployeeDiffs())));
}

TEST(MissingItems, ValidationKeepsToTheLimitsOfQuickBooks)
{
    struct Case {
        const char* name;
        int kind;
        const wchar_t* itemName;
        int status;
        const wchar_t* message;
    };
    const Case cases[] = {
        { "customer that fits", MissingItem::CustomerKind, L"Müller", 2, L"" },
        { "customer, last level only measured", MissingItem::CustomerKind,
          L"A very long customer name that runs past sixty:Short", 2, L"" },
        { "customer too long", MissingItem::CustomerKind, L"North:An overlong job name well past forty one chars", 0,
          L"Name length exceeds 41 character limit. Please reduce the Quorvane customer/job name in Quorvane and "
          L"reload data" },
        { "six levels", MissingItem::ServiceItemKind, L"a:b:c:d:e:f", 0,
          L"This service item name has 6 levels but only 5 are allowed. Please replace the ':' character in name "
          L"'a:b:c:d:e:f' with other one." },
        { "five levels", MissingItem::ServiceItemKind, L"a:b:c:d:e", 1, L"" },
        { "service level too long", MissingItem::ServiceItemKind, L"Crew:A service level of thirty-two chars", 0,
          L"Name length exceeds 31 character limit. Please reduce the Quorvane service name in Quorvane and reload "
          L"data" },
        { "Cyrillic", MissingItem::ServiceItemKind, L"\x0420\x0430\x0431\x043E\x0442\x0430", 0,
          L"Name contains national characters that cannot be imported to QuickBooks. Please re-name Quorvane billing "
          L"type and reload data (see also Troubleshooting section of User Guide)." },
        { "other item kind", MissingItem::ServiceItemKind, L"PARTS", 0,
          L"Cannot create service item PARTS as item with this name already exists and has type 'Non-inventory Part'" },
        { "job under a refused customer", MissingItem::JobKind, L"\x0416:cd", 0, L"" },
    };
    ImportHarness harness;
    harness.Load();
    const boost::shared_ptr<ItemType> parts(new ItemType);
    parts->SetName(L"Parts");
    parts->SetKind(1);
    harness.Company().model->GetAllItems()->Add(parts);
    harness.Company().config->SetAutoCreationFlags(Config::CreateCustomers);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MissingItemCollection items;
        items.Add(MissingItem::CustomerKind, L"\x0416", L"");
        items.Add(c.kind, c.itemName, L"");
        const boost::shared_ptr<MissingItemStatusList> statuses = ControllerOf(harness)->ValidateMissingItems(items);
        ASSERT_EQ(2u, statuses->size());
        EXPECT_EQ(c.status, statuses->back()->GetStatus());
        EXPECT_EQ(c.message, statuses->back()->GetStatusMessage());
    }
}

TEST(MissingItems, EmployeeValidationMeasuresTheNameAsItWillBeCreated)
{
    struct Case {
        const char* name;
        const wchar_t* first;
        const wchar_t* middle;
        const wchar_t* last;
        const wchar_t* postfix;
        int status;
        const wchar_t* message;
    };
    const Case cases[] = {
        { "fits", L"Ann", L"", L"Archer", L"", 2, L"" },
        { "colon", L"Ann", L"", L"Archer:Smith", L"", 0,
          L"QuickBooks employee name cannot contain colon (:). Please remove colon from the name of corresponding "
          L"Quorvane user" },
        { "first and middle too long", L"Abcdefghijklmnopqrstuvwxyz", L"Middle", L"Lee", L"", 0,
          L"First name length exceeds 25 character limit. Middle name length exceeds 5 character limit. Please reduce "
          L"the Quorvane user name in Quorvane and reload data" },
        { "postfix makes the last name too long", L"Al", L"", L"Abcdefghijklmnopqrstuvw", L" (10)", 0,
          L"Last name length exceeds 25 character limit. Please reduce the Quorvane user name in Quorvane and reload "
          L"data" },
        { "Cyrillic", L"\x0410\x043D\x043D\x0430", L"", L"Archer", L"", 0,
          L"Name contains national characters that cannot be imported to QuickBooks. Please re-name Quorvane user "
          L"and reload data (see also Troubleshooting section of User Guide)." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImportHarness harness;
        harness.Load();
        const TestCompany::EmployeePtr user = harness.Company().AddServerUser(L"9", c.first, c.last, c.middle);
        harness.Company().config->SetNamePostfixes({ { L"9", c.postfix } });
        harness.Company().config->SetAutoCreationFlags(Config::CreateEmployees);
        MissingItemCollection items;
        items.Add(MissingItem::EmployeeKind, L"9", L"");
        const boost::shared_ptr<MissingItemStatusList> statuses = ControllerOf(harness)->ValidateMissingItems(items);
        EXPECT_EQ(c.status, statuses->front()->GetStatus());
        EXPECT_EQ(c.message, statuses->front()->GetStatusMessage());
    }
}

TEST(MissingItems, CreatesMissingLevelsParentsFirstAndStopsAtARefusal)
{
    ImportHarness harness;
    harness.qb.AddServiceItem(L"Crew");
    harness.qb.FailCreate(L"South:Shed", 3100);
    harness.Load();
    harness.Company().config->SetNamePostfixes({ { L"1", L" (2)" } });
    harness.Company().config->GetEmployeeMappings()->GetBySource(L"1")->SetState(Mapping::NotMapped);
    const boost::shared_ptr<MissingItemsController> controller = ControllerOf(harness);

    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::JobKind, L"North:Roof:Repair")));
    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::ServiceItemKind, L"CREW:Night")));
    EXPECT_EQ(3100, controller->CreateMissingItems(Item(MissingItem::JobKind, L"South:Shed:Door")));
    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::EmployeeKind, L"1")));
    EXPECT_EQ(1, controller->CreateMissingItems(Item(MissingItem::EmployeeKind, L"404")));

    EXPECT_EQ(Lines({ L"create customer:job North", L"create customer:job North:Roof",
                      L"create customer:job North:Roof:Repair", L"create service item Crew:Night account A1",
                      L"create customer:job South", L"create customer:job South:Shed",
                      L"create employee Ann Archer (2) payroll 'P1'" }),
              harness.qb.Trace());
    TestCompany& company = harness.Company();
    EXPECT_EQ(L"Roof", company.model->GetCustomerJobs()->FindByFullName(L"North:Roof:Repair")->GetParent()->GetName());
    EXPECT_EQ(L"South", company.model->GetCustomerJobs()->FindByFullName(L"South")->GetFullName());
    EXPECT_THROW(company.model->GetCustomerJobs()->FindByFullName(L"South:Shed"), NotFoundException);
    EXPECT_EQ(L"Crew:Night", company.model->GetServiceItems()->GetByFullName(L"crew:night")->GetFullName());
    const boost::shared_ptr<Mapping> rule = company.config->GetEmployeeMappings()->GetBySource(L"1");
    EXPECT_EQ(Mapping::Mapped, rule->GetState());
    EXPECT_FALSE(rule->GetFlag());
    EXPECT_EQ(L"Archer (2)", company.model->GetQuickBooksEmployees()->FindById(rule->GetTarget())->GetLastName());
}

// The controller's lookups follow what it creates: the rule it points at the new employee and the
// grown list of QuickBooks employees.
TEST(MissingItems, AnEmployeeCreatedOnTheWayIsNoLongerMissing)
{
    ImportHarness harness;
    harness.Load();
    harness.Company().config->GetEmployeeMappings()->GetBySource(L"1")->SetTarget(L"", Mapping::NotMapped);
    const boost::shared_ptr<MissingItemsController> controller = ControllerOf(harness);
    const auto employeeItems = [&] {
        Lines found;
        for (const Lines::value_type& line : Describe(*controller->CollectMissingItems(DiffOf(harness, L"1"))))
            if (line.compare(0, 2, L"1 ") == 0)
                found.push_back(line);
        return found;
    };

    EXPECT_EQ(Lines({ L"1 1" }), employeeItems());
    EXPECT_EQ(0, controller->CreateMissingItems(Item(MissingItem::EmployeeKind, L"1")));
    EXPECT_EQ(Lines(), employeeItems());
}

TEST(MissingItems, FailureTextsNameTheItemAndTheWayOut)
{
    struct Case {
        const char* name;
        int kind;
        const wchar_t* itemName;
        int code;
        bool grouping;
        Lines texts;
    };
    const Case cases[] = {
        { "too long",
          MissingItem::CustomerKind,
          L"A&B",
          3070,
          true,
          { L"Cannot create customer", L"Cannot create customer \"A&amp;B\"", L"The customer item  name is too long.",
            L"You may resolve this issue the following ways:<br>Rename the customer item<br>After that you need to "
            L"hit 'Reload' on main Pellworth window and repeat missing items creation" } },
        { "name in use, billing types",
          MissingItem::CustomerKind,
          L"Acme",
          3100,
          true,
          { L"Cannot create customer", L"Cannot create customer \"Acme\"",
            L"There is existing customer item with the "
            L"same name",
            L"You may resolve this issue the following ways:<br>1. Rename the customer item<br>2. Rename "
            L"the billing type on Quorvane<br><br>After that you need to hit 'Reload' on main Pellworth window and "
            L"repeat missing items creation" } },
        { "name in use, users",
          MissingItem::EmployeeKind,
          L"1",
          3100,
          false,
          { L"Cannot create employee", L"Cannot create employee \"Ann Archer\"",
            L"There is existing employee item "
            L"with the same name",
            L"You may resolve this issue the following ways:<br>1. Rename the employee "
            L"item<br>2. Rename the user \x2018"
            L"Ann  Archer\x2019 on Quorvane<br><br>After that you need to hit "
            L"'Reload' on main Pellworth window and repeat missing items creation" } },
        { "no answer",
          MissingItem::JobKind,
          L"Acme:Deck",
          1,
          true,
          { L"Cannot create job", L"Cannot create job \"Acme:Deck\"", L"Unknown", kCreateManually } },
        { "other status",
          MissingItem::ServiceItemKind,
          L"Crew",
          3140,
          true,
          { L"Cannot create service item", L"Cannot create service item \"Crew\"",
            L"Error code: 3140, Reference not found", kCreateManually } },
    };
    ImportHarness harness;
    harness.Load();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Company().config->SetServiceItemGroup(c.grouping);
        const CreationFailureTexts texts = MakeCreationFailureTexts(*harness.Company().model, *Item(c.kind, c.itemName),
                                                                    DiffOf(harness, L"1"), c.code, L"");
        EXPECT_EQ(c.texts, Lines({ texts.title, texts.heading, texts.problem, texts.resolution }));
    }
}

// A refusal is plain text; the failure texts, which are markup, escape it once.
TEST(MissingItems, ARefusalIsEscapedOnceInTheFailureTexts)
{
    ImportHarness harness;
    harness.Load();
    MissingItemCollection items;
    items.Add(MissingItem::ServiceItemKind, L"R&D:b:c:d:e:f", L"");
    const boost::shared_ptr<MissingItemStatusList> statuses = ControllerOf(harness)->ValidateMissingItems(items);
    ASSERT_EQ(1u, statuses->size());
    EXPECT_NE(std::wstring::npos, statuses->front()->GetStatusMessage().find(L"'R&D:b:c:d:e:f'"));
    const CreationFailureTexts texts =
        MakeCreationFailureTexts(*harness.Company().model, *statuses->front()->GetItem(), DiffOf(harness, L"1"), 1,
                                 statuses->front()->GetStatusMessage());
    EXPECT_EQ(L"Cannot create service item \"R&amp;D:b:c:d:e:f\"", texts.heading);
    EXPECT_EQ(L"This service item name has 6 levels but only 5 are allowed. Please replace the &#39;:&#39; character "
              L"in name &#39;R&amp;D:b:c:d:e:f&#39; with other one.",
              texts.problem);
}
