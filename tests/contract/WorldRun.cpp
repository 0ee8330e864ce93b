#include "WorldRun.h"

#include <algorithm>

#include <boost/bind/bind.hpp>
#include <boost/ref.hpp>
#include <map>
#include <set>
#include <stdexcept>

#include "ModelChecks.h"
#include "WorldServer.h"
#include "app/MainController.h"
#include "app/MainModel.h"
#include "app/import/ImportRun.h"
#include "app/import/ImportSnapshot.h"
#include "core/CompanyConfig.h"
#include "core/Config.h"
#include "core/TextUtils.h"
#include "tests/import/ImportHarness.h"
#include "tests/import/RecordingView.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"

using namespace Quorvane;
using QbSim::Json;

const wchar_t kQuickBooksWarning[] = L"Unsupported field: BillableStatus";

namespace {

const wchar_t kCompanyName[] = L"World Co";
const wchar_t kWagesId[] = L"P-WAGES";

std::wstring EmployeeId(int index)
{
    return L"E-" + std::to_wstring(index);
}
std::wstring CustomerId(const std::wstring& fullName)
{
    return L"C-" + fullName;
}
std::wstring ItemId(const std::wstring& name)
{
    return L"I-" + ToLower(name);
}
std::wstring LeavePayrollId(const WorldLeaveType& type)
{
    return L"P-" + type.name;
}

std::wstring Duration(int minutes)
{
    return L"PT" + std::to_wstring(minutes / 60) + L"H" + std::to_wstring(minutes % 60) + L"M0S";
}

// "PT1H30M0S", "PT90M" and the like; seconds are dropped.
int DurationMinutes(const std::wstring& duration)
{
    int minutes = 0, number = 0;
    for (wchar_t c : duration) {
        if (c >= L'0' && c <= L'9') {
            number = number * 10 + (c - L'0');
            continue;
        }
        minutes += c == L'H' ? number * 60 : c == L'M' ? number : 0;
        number = 0;
    }
    return minutes;
}

Json Ref(const std::wstring& listId)
{
    Json ref = Json::MakeObject();
    ref.Set(L"ListID", listId);
    return ref;
}

Json Named(const std::wstring& listId, const std::wstring& name)
{
    Json record = Json::MakeObject();
    record.Set(L"ListID", listId);
    record.Set(L"Name", name);
    return record;
}

void AddCustomer(Json& customers, std::set<std::wstring>& known, const std::wstring& fullName, const std::wstring& name,
                 const std::wstring& parent)
{
    if (!known.insert(ToLower(fullName)).second)
        return;
    Json customer = Named(CustomerId(fullName), name);
    if (!parent.empty())
        customer.Set(L"ParentRef", Ref(CustomerId(parent)));
    customers.Push(customer);
}

void AddServiceItem(Json& items, std::set<std::wstring>& known, const std::wstring& name)
{
    if (known.insert(ToLower(name)).second)
        items.Push(Named(ItemId(name), name));
}

// Service items named after people, in both name conventions.
void AddPersonItems(Json& items, std::set<std::wstring>& known, const std::wstring& first, const std::wstring& middle,
                    const std::wstring& last)
{
    const std::wstring initial = middle.empty() ? std::wstring() : L" " + middle + L".";
    AddServiceItem(items, known, last + L", " + first + initial);
    AddServiceItem(items, known, first + initial + L" " + last);
}

std::wstring CompanyJson(const World& world)
{
    Json company = Json::MakeObject();
    company.Set(L"CompanyName", kCompanyName);
    company.Set(L"Preferences", Json::Parse(L"{\"TimeTrackingEnabled\":true,"
                                            L"\"CurrentAppAccessRights\":{\"IsPersonalDataAccessAllowed\":true}}"));
    Json accounts = Json::MakeArray();
    Json income = Named(L"A-INC", L"Income");
    income.Set(L"AccountType", 8);
    accounts.Push(income);
    company.Set(L"Accounts", accounts);

    Json employees = Json::MakeArray();
    Json items = Json::MakeArray();
    std::set<std::wstring> itemNames;
    for (size_t i = 0; i < world.employees.size(); ++i) {
        const WorldEmployee& person = world.employees[i];
        Json employee = Json::MakeObject();
        employee.Set(L"ListID", EmployeeId(static_cast<int>(i)));
        employee.Set(L"FirstName", person.first);
        employee.Set(L"MiddleName", person.middle);
        employee.Set(L"LastName", person.last);
        employees.Push(employee);
        AddPersonItems(items, itemNames, person.first, person.middle, person.last);
    }
    for (const WorldUser& user : world.users)
        AddPersonItems(items, itemNames, user.first, user.middle, user.last);
    company.Set(L"Employees", employees);

    Json customers = Json::MakeArray();
    std::set<std::wstring> customerNames;
    for (const WorldTask& task : world.tasks) {
        if (task.age == WorldTask::Added)
            continue;
        AddCustomer(customers, customerNames, task.customer, task.customer, L"");
        AddCustomer(customers, customerNames, task.customer + L":" + task.project, task.project, task.customer);
        AddCustomer(customers, customerNames, task.customer + L":" + task.project + L":" + task.task, task.task,
                    task.customer + L":" + task.project);
        AddCustomer(customers, customerNames, task.project, task.project, L"");
        AddServiceItem(items, itemNames, ServiceItemOf(world, task, true));
    }
    company.Set(L"Customers", customers);
    company.Set(L"Items", items);

    Json payroll = Json::MakeArray();
    if (world.payrollItems) {
        payroll.Push(Named(kWagesId, kWagesName));
        for (const WorldLeaveType& type : world.leaveTypes)
            payroll.Push(Named(LeavePayrollId(type), LeavePayrollName(type)));
    }
    company.Set(L"PayrollItemWages", payroll);
    company.Set(L"TimeEntries", Json::MakeArray());
    return company.Write();
}

void AddRule(MappingCollection& rules, const std::wstring& source, const std::wstring& target, int state)
{
    boost::shared_ptr<Mapping> rule(new Mapping());
    rule->SetSource(source);
    rule->SetFlag(true);
    rule->SetTarget(target, state);
    rules.Add(rule);
}

// The load's view: what a bookkeeper would be shown instead of the summary stops the world.
class LoadView : public RecordingView {
public:
    void ShowLoginPanel(const ConnectionOptions&, const std::wstring& caption, const std::wstring& error) override
    {
        problem = "the login panel: " + Narrow(caption + L" " + error);
    }
    void ShowQuickBooksProblem(const std::wstring& caption, const std::wstring& description) override
    {
        problem = "a QuickBooks problem: " + Narrow(caption + L" " + description);
    }

    std::string problem;
};

}  // namespace

WorldRun::WorldRun(const World& world) : m_world(world), m_copies(0) {}

ModelCompany WorldRun::SetUpQuickBooks()
{
    QbSim::Control::Seed(CompanyJson(m_world));
    const boost::shared_ptr<MainModel> model = LoadAt(LastImport);
    if (model)
        ImportAt(model, LastImport);
    const ModelCompany lastImport = QuickBooksCompany(m_world);
    RenameInQuickBooks();
    EditQuickBooks(BeforeLoad);
    AddForeignEntries();
    QbSim::Control::ClearTrace();
    return lastImport;
}

boost::shared_ptr<MainModel> WorldRun::Load()
{
    return LoadAt(Now);
}

boost::shared_ptr<MainModel> WorldRun::LoadAt(Moment moment)
{
    const bool now = moment == Now;
    // The last import looked one day further on either side: entries on other dates.
    DateRange period;
    period.SetStart(m_world.Day(now ? 0 : -1));
    period.SetEnd(m_world.Day(now ? m_world.days - 1 : m_world.days));

    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = L"http://quorvane.test/";
    options.userName = L"bookkeeper";
    options.password = L"secret";
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    config->SetPeriod(period);
    config->SetMappingType(m_world.mappingType);
    config->SetNameConvention(m_world.nameConvention);
    config->SetServiceItemGroup(m_world.serviceItemGroup);
    config->SetServiceItemAccount(L"A-INC");
    config->SetProjectNameDescription(m_world.projectNotes);
    config->SetTaskNameDescription(m_world.taskNotes);
    config->SetTimeTrackDescription(m_world.entryNotes);
    config->SetImportLeaveType(!now || m_world.importLeave);
    config->SetCanRemoveExistingQBTimeTrack(!now || m_world.removal);
    if (now && m_world.createItems)
        config->SetAutoCreationFlags(Config::CreateCustomers | Config::CreateJobs | Config::CreateServiceItems);
    for (const WorldUser& user : m_world.users) {
        const std::wstring id = std::to_wstring(user.id);
        AddRule(*config->GetEmployeeMappings(), id, user.rule == EmployeeMapped ? EmployeeId(user.employee) : L"",
                user.rule);
        if (user.payroll == WagePayrollItem)
            AddRule(*config->GetPayrollTypeMappings(), id, kWagesId, Mapping::Mapped);
        else
            AddRule(*config->GetPayrollTypeMappings(), id, L"", Mapping::NoPayrollItemRequired);
    }
    for (const WorldLeaveType& type : m_world.leaveTypes) {
        const WorldLeaveRule imported = m_world.payrollItems ? LeaveMapped : LeaveWithoutPayrollItem;
        const WorldLeaveRule state = now ? type.rule : imported;
        if (state != NoLeaveRule)
            AddRule(*config->GetLeaveTypeMappings(), std::to_wstring(type.id),
                    state == LeaveMapped ? LeavePayrollId(type) : L"", state);
    }

    if (!SaveConfig(kCompanyName, config))
        throw std::runtime_error("the settings file could not be written");
    return RunLoad(now);
}

// As the main window has the controller load: the settings read from the file, the server
// answered by the world, the selection cleared, then chosen again as the bookkeeper clicks.
boost::shared_ptr<MainModel> WorldRun::RunLoad(bool now)
{
    const boost::shared_ptr<WorldServer> server(new WorldServer(m_world, now));
    SetHttpTransportFactory([server]() { return server; });
    const boost::shared_ptr<LoadView> view(new LoadView());
    const boost::shared_ptr<MainModel> model(new MainModel());
    MainController controller(view, model);
    controller.StartLoad(false);
    const bool ended = controller.WaitForLoadIdle(60000);
    SleepEx(0, TRUE);  // the load's last posts
    SetHttpTransportFactory(HttpTransportFactory());
    if (!ended || !view->problem.empty())
        throw std::runtime_error("the load " + (ended ? "showed " + view->problem : std::string("did not end")));
    if (!controller.AreMappingsValid())
        return boost::shared_ptr<MainModel>();
    for (const WorldUser& user : m_world.users)
        if (!now || user.selected)
            controller.SelectEmployee(std::to_wstring(user.id), true);
    return model;
}

ImportOutcome WorldRun::Import(const boost::shared_ptr<MainModel>& model, bool undisturbed)
{
    if (undisturbed)
        return ImportAt(model, LastImport);
    const WorldAnswer& answer = m_world.answer;
    const bool warns = answer.kind == WorldAnswer::Warning;
    if (!answer.request.empty())
        QbSim::Control::InjectFault(QbSim::Control::ParseFault(
            L"{\"stage\":\"Response\",\"request\":\"" + answer.request + L"\",\"shape\":\"" +
            (warns ? L"Warning" : L"Status") + L"\",\"status\":" + (warns ? L"530" : L"3175") + L",\"skip\":" +
            std::to_wstring(answer.skip) + L",\"message\":\"" + (warns ? kQuickBooksWarning : L"The record is in use") +
            L"\"}"));
    EditQuickBooks(AfterPreview);
    RenameCustomerAfterPreview();
    const ImportOutcome outcome = ImportAt(model, Now);
    QbSim::Control::ClearFaults();
    return outcome;
}

// The import asks whether entries absent from the server are deleted when it meets any; the
// world's answer goes into the settings and starts the import again, as the main window does.
ImportOutcome WorldRun::ImportAt(const boost::shared_ptr<MainModel>& model, Moment moment)
{
    bool searched = moment == LastImport;  // the last import was left alone
    const ImportOutcome asking = RunImport(model, moment, true, searched);
    if (std::find_if(asking.viewCalls.begin(), asking.viewCalls.end(), [](const std::wstring& call) {
            return call.compare(0, 19, L"ShowAbsentTimeTrack") == 0;
        }) == asking.viewCalls.end())
        return asking;
    {
        CriticalSectionLock lock(model->GetLock());
        model->GetConfig()->SetCanRemoveExistingQBTimeTrack(m_world.deleteAbsent);
    }
    return RunImport(model, moment, false, searched);
}

ImportOutcome WorldRun::RunImport(const boost::shared_ptr<MainModel>& model, Moment moment, bool checkAbsent,
                                  bool& searched)
{
    const boost::shared_ptr<RecordingView> view(new RecordingView());
    // The bookkeeper presses Stop while the import shows the employee it has come to.
    const int stopAfter = moment == Now ? m_world.stopAfter : 0;
    int begun = 0;
    const ImportRun::CallPoster post = [&view, &begun](const boost::function<void()>& call) {
        call();
        const std::vector<std::wstring> calls = view->Calls();
        begun += calls.back().compare(0, 35, L"SetImportComment Importing data for") == 0 ? 1 : 0;
        return true;
    };
    ImportRun run(
        TakeImportSnapshot(model), checkAbsent, view, post,
        [&begun, stopAfter]() { return stopAfter > 0 && begun >= stopAfter; },
        boost::bind(&WorldRun::EditOnFirstSearch, this, boost::ref(searched)));
    run.RunImport();
    ImportOutcome outcome;
    outcome.viewCalls = view->Calls();
    const std::wstring path = run.GetLogFilePath();
    if (!path.empty()) {
        outcome.log = ReadLogLines(path);
        DeleteFileW(path.c_str());
    }
    return outcome;
}

// The import looks for open time windows once its checks are done and again before each write:
// the first look is when a bookkeeper changes QuickBooks behind its back.
std::vector<std::wstring> WorldRun::EditOnFirstSearch(bool& searched)
{
    if (searched)
        return std::vector<std::wstring>();
    searched = true;
    EditQuickBooks(DuringImport);
    return m_world.timeWindowOpen ? std::vector<std::wstring>(1, L"Enter Single Activity")
                                  : std::vector<std::wstring>();
}

void WorldRun::EditQuickBooks(WorldMoment moment)
{
    for (const WorldEdit& edit : m_world.edits) {
        if (edit.moment != moment)
            continue;
        std::vector<std::wstring> txnIds;
        const ModelCompany company = QuickBooksCompany(m_world, &txnIds);
        const int index = FindEditedEntry(m_world, company, edit);
        if (index < 0)
            continue;
        const std::wstring& txnId = txnIds[index];
        const ModelEntry& entry = company[index];
        switch (edit.kind) {
        case WorldEdit::Bill:
            if (!entry.customerJob.empty())
                QbSim::Control::Edit(L"TimeEntries", txnId, L"{\"BillableStatus\":2}");
            break;
        case WorldEdit::FlipBillable:
            if (!entry.customerJob.empty() && entry.billing != Billed)
                QbSim::Control::Edit(L"TimeEntries", txnId,
                                     L"{\"BillableStatus\":" + std::to_wstring(1 - entry.billing) + L"}");
            break;
        case WorldEdit::Retime:
            QbSim::Control::Edit(L"TimeEntries", txnId, L"{\"Duration\":\"" + Duration(edit.minutes) + L"\"}");
            break;
        case WorldEdit::Renote: QbSim::Control::Edit(L"TimeEntries", txnId, L"{\"Notes\":\"renoted\"}"); break;
        case WorldEdit::Remove: QbSim::Control::Delete(L"TimeEntries", txnId); break;
        case WorldEdit::Duplicate: {
            Json company = Json::Parse(QbSim::Control::Snapshot());
            std::vector<Json>& entries = company.Find(L"TimeEntries")->Items();
            for (size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].Get(L"TxnID").AsString() != txnId)
                    continue;
                Json copy = entries[i];
                copy.Set(L"TxnID", L"D-" + std::to_wstring(++m_copies));
                entries.push_back(copy);
                break;
            }
            QbSim::Control::Seed(company.Write());
            break;
        }
        }
    }
}

// Its jobs go with it: QuickBooks names a job by its customer's name.
void WorldRun::RenameCustomerAfterPreview()
{
    if (m_world.renamedAfterPreview.empty())
        return;
    Json company = Json::Parse(QbSim::Control::Snapshot());
    for (Json& record : company.Find(L"Customers")->Items()) {
        const std::wstring fullName = record.Get(L"FullName").AsString();
        if (fullName == m_world.renamedAfterPreview)
            record.Set(L"Name", RenamedAfterPreview(m_world, fullName));
        record.Set(L"FullName", RenamedAfterPreview(m_world, fullName));
    }
    QbSim::Control::Seed(company.Write());
}

void WorldRun::RenameInQuickBooks()
{
    Json company = Json::Parse(QbSim::Control::Snapshot());
    for (const wchar_t* list : { L"Customers", L"Items" }) {
        for (Json& record : company.Find(list)->Items()) {
            const std::wstring name = record.Get(L"Name").AsString();
            bool billingType = false;
            for (const WorldTask& task : m_world.tasks)
                billingType = billingType || task.billingType == name;
            if (list == std::wstring(L"Customers") || billingType)
                record.Set(L"Name", QuickBooksSpelling(m_world, name));
            if (record.Has(L"FullName"))
                record.Set(L"FullName", QuickBooksSpelling(m_world, record.Get(L"FullName").AsString()));
        }
    }
    QbSim::Control::Seed(company.Write());
}

void WorldRun::AddForeignEntries()
{
    Json company = Json::Parse(QbSim::Control::Snapshot());
    std::vector<Json>& entries = company.Find(L"TimeEntries")->Items();
    int added = 0;
    for (const WorldForeignEntry& foreign : m_world.foreign) {
        Json entry = Json::MakeObject();
        entry.Set(L"TxnID", L"F-" + std::to_wstring(++added));
        entry.Set(L"EditSequence", L"F" + std::to_wstring(added));
        entry.Set(L"TxnDate", m_world.Day(foreign.day).ToString());
        entry.Set(L"EntityRef", Ref(EmployeeId(foreign.employee)));
        entry.Set(L"Duration", Duration(foreign.minutes));
        const WorldTask& task = m_world.tasks[foreign.task];
        if (foreign.charge == CustomerJobAndItem || foreign.charge == CustomerJobOnly)
            entry.Set(L"CustomerRef", Ref(CustomerId(CustomerJobOf(m_world, task, true))));
        if (foreign.charge == CustomerJobAndItem || foreign.charge == ServiceItemOnly)
            entry.Set(L"ItemServiceRef", Ref(ItemId(task.billingType)));
        if (foreign.payroll == WagePayrollItem)
            entry.Set(L"PayrollItemWageRef", Ref(kWagesId));
        else if (foreign.payroll == LeavePayrollItem)
            entry.Set(L"PayrollItemWageRef", Ref(LeavePayrollId(m_world.leaveTypes[foreign.leaveType])));
        if (!foreign.notes.empty())
            entry.Set(L"Notes", foreign.notes);
        entry.Set(L"BillableStatus", static_cast<int>(foreign.billing));
        entries.push_back(entry);
    }
    QbSim::Control::Seed(company.Write());
}

std::vector<std::pair<std::wstring, std::wstring>> QuickBooksEntries()
{
    std::vector<std::pair<std::wstring, std::wstring>> entries;
    const Json company = Json::Parse(QbSim::Control::Snapshot());
    for (const Json& entry : company.Get(L"TimeEntries").Items())
        entries.push_back(std::make_pair(entry.Get(L"TxnID").AsString(), entry.Write()));
    std::sort(entries.begin(), entries.end());
    return entries;
}

ModelCompany QuickBooksCompany(const World& world, std::vector<std::wstring>* txnIds)
{
    const Json company = Json::Parse(QbSim::Control::Snapshot());
    std::map<std::wstring, std::wstring> names, parents;
    for (const wchar_t* list : { L"Items", L"PayrollItemWages", L"Customers" }) {
        for (const Json& item : company.Get(list).Items()) {
            names[item.Get(L"ListID").AsString()] = item.Get(L"Name").AsString();
            parents[item.Get(L"ListID").AsString()] = item.GetPath(L"ParentRef.ListID").AsString();
        }
    }
    ModelCompany entries;
    for (const Json& entry : company.Get(L"TimeEntries").Items()) {
        ModelEntry read = { 0,   0,
                            L"", L"",
                            L"", entry.Get(L"Notes").AsString(),
                            0,   static_cast<WorldBilling>(entry.Get(L"BillableStatus").AsInt()) };
        read.employee = std::stoi(entry.GetPath(L"EntityRef.ListID").AsString().substr(2));
        const std::wstring date = entry.Get(L"TxnDate").AsString();
        for (read.day = -3; read.day < world.days + 3 && world.Day(read.day).ToString() != date; ++read.day) {
        }
        for (std::wstring customer = entry.GetPath(L"CustomerRef.ListID").AsString(); !customer.empty();
             customer = parents[customer])
            read.customerJob = names[customer] + (read.customerJob.empty() ? L"" : L":") + read.customerJob;
        read.serviceItem = names[entry.GetPath(L"ItemServiceRef.ListID").AsString()];
        read.payrollItem = names[entry.GetPath(L"PayrollItemWageRef.ListID").AsString()];
        read.minutes = DurationMinutes(entry.Get(L"Duration").AsString());
        entries.push_back(read);
        if (txnIds)
            txnIds->push_back(entry.Get(L"TxnID").AsString());
    }
    return entries;
}
