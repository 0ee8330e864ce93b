#include <gtest/gtest.h>
#include "core/Account.h"
#include "core/ConnectionOptions.h"
#include "core/CustomerJob.h"
#include "core/Employee.h"
#include "core/ItemType.h"
#include "core/Mapping.h"
#include "core/PayRoll.h"
#include "core/ServiceItem.h"

using namespace Quorvane;

namespace {

boost::shared_ptr<CustomerJob> Job(const wchar_t* id, const wchar_t* name, boost::shared_ptr<CustomerJob> parent)
{
    return boost::shared_ptr<CustomerJob>(new CustomerJob(id, name, parent));
}

boost::shared_ptr<ServiceItem> Item(const wchar_t* id, const wchar_t* name, boost::shared_ptr<ServiceItem> parent)
{
    boost::shared_ptr<ServiceItem> item(new ServiceItem);
    item->SetId(id);
    item->SetName(name);
    item->SetParent(parent);
    return item;
}

boost::shared_ptr<Mapping> Rule(const wchar_t* source, const wchar_t* target, int state)
{
    boost::shared_ptr<Mapping> mapping(new Mapping);
    mapping->SetSource(source);
    mapping->SetTarget(target, state);
    return mapping;
}

}  // namespace

TEST(Records, FullNamesAndExactVersusCaseInsensitiveLookups)
{
    boost::shared_ptr<CustomerJob> acme = Job(L"1", L"Acme", boost::shared_ptr<CustomerJob>());
    boost::shared_ptr<CustomerJob> gutters = Job(L"3", L"Gutters", Job(L"2", L"Roof", acme));
    CustomerJobCollection jobs;
    jobs.Add(acme);
    jobs.Add(gutters);
    EXPECT_EQ(L"Acme:Roof:Gutters", gutters->GetFullName());
    EXPECT_EQ(gutters, jobs.FindByFullName(L"Acme:Roof:Gutters"));
    EXPECT_EQ(gutters, jobs.FindById(L"3"));
    EXPECT_THROW(jobs.FindByFullName(L"acme:roof:gutters"), NotFoundException);
    EXPECT_THROW(jobs.FindById(L"2"), NotFoundException);

    ServiceItemCollection items;
    boost::shared_ptr<ServiceItem> install =
        Item(L"I2", L"Install", Item(L"I1", L"Labor", boost::shared_ptr<ServiceItem>()));
    items.Add(install);
    EXPECT_EQ(install, items.GetByFullName(L"LABOR:INSTALL"));
    EXPECT_EQ(install, items.GetById(L"I2"));
    EXPECT_THROW(items.GetById(L"i2"), NotFoundException);
    // Only A-Z fold: a different accented letter never matches.
    EXPECT_THROW(items.GetByFullName(L"LABOR:\x00CDNSTALL"), NotFoundException);
}

TEST(Records, FirstAddedWinsForDuplicateKeys)
{
    CustomerJobCollection jobs;
    boost::shared_ptr<CustomerJob> first = Job(L"1", L"Acme", boost::shared_ptr<CustomerJob>());
    jobs.Add(first);
    jobs.Add(Job(L"1", L"Other", boost::shared_ptr<CustomerJob>()));
    jobs.Add(Job(L"9", L"Acme", boost::shared_ptr<CustomerJob>()));
    EXPECT_EQ(first, jobs.FindById(L"1"));
    EXPECT_EQ(first, jobs.FindByFullName(L"Acme"));
    // Each map keeps its own first entry.
    EXPECT_EQ(L"Other", jobs.FindByFullName(L"Other")->GetName());
    EXPECT_EQ(L"Acme", jobs.FindById(L"9")->GetName());

    AccountCollection accounts;
    boost::shared_ptr<Account> income(new Account);
    income->SetId(L"A1");
    income->SetName(L"Income");
    accounts.Add(income);
    boost::shared_ptr<Account> twin(new Account);
    twin->SetId(L"A1");
    accounts.Add(twin);
    EXPECT_EQ(income, CollectionFindById(accounts, L"A1"));
    EXPECT_TRUE(CollectionContainsId(accounts, L"A1"));
    EXPECT_FALSE(CollectionContainsId(accounts, L"a1"));
    EXPECT_EQ(income, accounts.FindByName(L"Income"));
}

TEST(Records, MappingKeepsItsTargetOnlyWhenMapped)
{
    EXPECT_EQ(L"Q1", Rule(L"7", L"Q1", Mapping::Mapped)->GetTarget());
    boost::shared_ptr<Mapping> created = Rule(L"7", L"Q1", Mapping::CreateNew);
    EXPECT_EQ(L"", created->GetTarget());
    EXPECT_EQ(Mapping::CreateNew, created->GetState());
    boost::shared_ptr<Mapping> mapped = Rule(L"7", L"Q1", Mapping::Mapped);
    mapped->SetState(Mapping::DoNotImport);
    EXPECT_EQ(L"", mapped->GetTarget());

    Mapping fresh;
    EXPECT_EQ(Mapping::NotMapped, fresh.GetState());
    EXPECT_FALSE(fresh.GetFlag());
}

TEST(Records, MappingLookupsAndACloneIndependentOfItsSource)
{
    MappingCollection rules;
    boost::shared_ptr<Mapping> first = Rule(L"7", L"Q1", Mapping::Mapped);
    rules.Add(first);
    rules.Add(Rule(L"7", L"Q2", Mapping::Mapped));
    EXPECT_EQ(first, rules.GetBySource(L"7"));
    EXPECT_EQ(L"Q2", rules.GetByTarget(L"Q2")->GetTarget());
    EXPECT_TRUE(rules.Contains(L"7"));
    EXPECT_FALSE(rules.Contains(L"8"));
    EXPECT_THROW(rules.GetBySource(L"8"), NotFoundException);

    boost::shared_ptr<MappingCollection> copy = rules.Clone();
    copy->GetBySource(L"7")->SetState(Mapping::DoNotImport);
    copy->Add(Rule(L"8", L"", Mapping::NotMapped));
    EXPECT_EQ(Mapping::Mapped, first->GetState());
    EXPECT_EQ(L"Q1", first->GetTarget());
    EXPECT_EQ(2u, rules.Count());

    // Built from a range, a collection shares the rules instead.
    MappingCollection shared(rules.begin(), rules.end());
    shared.GetBySource(L"7")->SetFlag(true);
    EXPECT_TRUE(first->GetFlag());
}

TEST(Records, PayrollItemsAreFoundByNameOrByListId)
{
    PayRollCollection items;
    items.Add(boost::shared_ptr<PayRoll>(new PayRoll(L"Salary", L"80000001")));
    items.Add(boost::shared_ptr<PayRoll>(new PayRoll(L"80000001", L"80000002")));
    EXPECT_EQ(L"80000001", items.FindByName(L"Salary")->GetListId());
    EXPECT_EQ(L"Salary", items.FindByListId(L"80000001")->GetName());
    EXPECT_EQ(L"80000002", items.FindByName(L"80000001")->GetListId());
    EXPECT_THROW(items.FindByListId(L"Salary"), NotFoundException);
}

TEST(Records, EmployeeDefaultsAndNames)
{
    Employee employee;
    EXPECT_EQ(Employee::UnknownTimeDataValue, employee.GetUsesTimeDataValue());
    EXPECT_FALSE(employee.GetUsesTimeData());
    ASSERT_TRUE(employee.GetTimeTrackRecords());
    EXPECT_EQ(0u, employee.GetTimeTrackRecords()->Count());
    employee.SetFirstName(L"John");
    employee.SetLastName(L"Smith");
    EXPECT_EQ(L"John  Smith", employee.GetFullName());

    ItemType item;
    EXPECT_EQ(L"service", item.GetTypeName());
    item.SetKind(11);
    EXPECT_EQ(L"Group", item.GetTypeName());
    item.SetKind(12);
    EXPECT_EQ(L"", item.GetTypeName());
    item.SetKind(-1);
    EXPECT_EQ(L"", item.GetTypeName());
}

TEST(Records, TimeTrackDescriptionsAndSelectionByDate)
{
    TimeTrackRecord record(2012, 3, 5, 90);
    record.SetCustomerDescription(L"customer");
    record.SetProjectDescription(L"project");
    record.SetTaskDescription(L"task");
    EXPECT_EQ(L"task", record.GetDescription(1));
    EXPECT_EQ(L"project", record.GetDescription(2));
    EXPECT_EQ(L"project", record.GetDescription(3));
    EXPECT_EQ(L"customer", record.GetDescription(4));
    // Level 0 names the customer:job like level 1, so it describes it the same way.
    EXPECT_EQ(L"task", record.GetDescription(0));

    TimeTrackRecordCollection records;
    boost::shared_ptr<TimeTrackRecord> fifth(new TimeTrackRecord(record));
    records.Add(fifth);
    records.Add(boost::shared_ptr<TimeTrackRecord>(new TimeTrackRecord(2012, 3, 6, 30)));
    boost::shared_ptr<TimeTrackRecordCollection> selected = records.SelectByDate(DateTime(5, 3, 2012));
    ASSERT_EQ(1u, selected->Count());
    EXPECT_EQ(fifth, *selected->begin());
    EXPECT_EQ(0u, records.SelectByDate(DateTime(7, 3, 2012))->Count());
}

TEST(Records, ServerTextsSharedBetweenRecordsChangeOnlyWhereSet)
{
    boost::shared_ptr<ServerItemTexts> texts(new ServerItemTexts);
    texts->projectName = L"Roof";
    texts->taskName = L"Gutters";
    TimeTrackRecord first, second;
    first.SetServerItemTexts(texts);
    second.SetServerItemTexts(texts);
    TimeTrackRecord copy(first);

    first.SetTaskName(L"Siding");
    copy.SetProjectDescription(L"New roof");
    EXPECT_EQ(L"Siding", first.GetTaskName());
    EXPECT_EQ(L"Roof", first.GetProjectName());
    EXPECT_EQ(L"Gutters", second.GetTaskName()) << "a record sharing the texts keeps them";
    EXPECT_EQ(L"Gutters", copy.GetTaskName());
    EXPECT_EQ(L"", second.GetProjectDescription());
    EXPECT_EQ(L"New roof", copy.GetDescription(2));
    EXPECT_EQ(L"Gutters", texts->taskName);
    EXPECT_EQ(L"", TimeTrackRecord().GetProjectName());
}

TEST(Records, CopiesOfAQuickBooksEntryChangeOnlyTheirOwnIds)
{
    TimeTrackRecord entry;
    entry.SetTxnId(L"1A-100");
    entry.SetEditSequence(L"7");
    entry.SetPayrollItemName(L"Hourly");
    TimeTrackRecord copy(entry);
    TimeTrackRecord assigned;
    assigned = entry;

    copy.SetEditSequence(L"8");
    assigned.SetTxnId(L"1A-200");
    entry.SetPayrollItemName(L"Salary");
    EXPECT_EQ(L"7", entry.GetEditSequence()) << "a copy's change never reaches the entry it came from";
    EXPECT_EQ(L"1A-100", entry.GetTxnId());
    EXPECT_EQ(L"8", copy.GetEditSequence());
    EXPECT_EQ(L"1A-100", copy.GetTxnId());
    EXPECT_EQ(L"Hourly", copy.GetPayrollItemName());
    EXPECT_EQ(L"1A-200", assigned.GetTxnId());
    EXPECT_EQ(L"7", assigned.GetEditSequence());
    EXPECT_EQ(L"Hourly", assigned.GetPayrollItemName());
    EXPECT_EQ(L"Salary", entry.GetPayrollItemName());

    TimeTrackRecord leave;
    leave.SetPayrollItemName(L"Vacation");
    EXPECT_EQ(L"", leave.GetTxnId());
    EXPECT_EQ(L"Vacation", leave.GetLeaveTypeName()) << "a server leave record names its type as its payroll item";
    EXPECT_EQ(L"", TimeTrackRecord().GetEditSequence());
}

TEST(Records, ConnectionComparisonIsAsymmetricAndExact)
{
    Connectors::QVConnector::ConnectionOptions withoutPassword;
    withoutPassword.url = L"https://time.example.com/rpc";
    withoutPassword.userName = L"jsmith";
    Connectors::QVConnector::ConnectionOptions withPassword = withoutPassword;
    withPassword.password = L"secret";
    EXPECT_TRUE(withoutPassword.IsSameConnection(withPassword));
    EXPECT_FALSE(withPassword.IsSameConnection(withoutPassword));
    EXPECT_TRUE(withPassword.IsSameConnection(withPassword));

    Connectors::QVConnector::ConnectionOptions otherCase = withPassword;
    otherCase.userName = L"JSmith";
    EXPECT_FALSE(otherCase.IsSameConnection(withPassword));
    EXPECT_FALSE(withPassword.GetRememberPassword());
    EXPECT_FALSE(withPassword.GetSiteChangeAccepted());
}
