#include "app/MainModel.h"

using namespace Quorvane;

MainModel::MainModel()
    : m_serverEmployees(new EmployeeCollection()),
      m_quickBooksEmployees(new EmployeeCollection()),
      m_employeeDiffs(new EmployeeDiffCollection()),
      m_firstDayOfWeek(0)
{
}

template <typename T>
T MainModel::Read(const T& member) const
{
    CriticalSectionLock lock(m_lock);
    return member;
}

template <typename T>
void MainModel::Write(T& member, const T& value)
{
    CriticalSectionLock lock(m_lock);
    member = value;
}

template <typename CollectionType>
void MainModel::AddTo(boost::shared_ptr<CollectionType>& member, const typename CollectionType::Pointer& item)
{
    CriticalSectionLock lock(m_lock);
    boost::shared_ptr<CollectionType> grown(member ? new CollectionType(*member) : new CollectionType());
    grown->Add(item);
    member = grown;
}

// Once a company's settings are in the model, its lists are never null: empty until loaded.
void MainModel::ClearLoadedData()
{
    m_serverEmployees.reset(new EmployeeCollection());
    m_quickBooksEmployees.reset(new EmployeeCollection());
    m_employeeDiffs.reset(new EmployeeDiffCollection());
    m_payrollItems.reset(new PayRollCollection());
    m_accounts.reset(new AccountCollection());
    m_serviceItems.reset(new ServiceItemCollection());
    m_customerJobs.reset(new CustomerJobCollection());
    m_allItems.reset(new ItemTypeCollection());
    m_leaveTypes.reset(new PayRollCollection());
    m_generalSettings = GeneralSettings();
}

void MainModel::InstallConnection(const std::wstring& companyName, const boost::shared_ptr<Config>& config,
                                  const boost::shared_ptr<QuickBooksConnector>& quickBooks,
                                  const boost::shared_ptr<ServerConnector>& server)
{
    CriticalSectionLock lock(m_lock);
    if (companyName != m_companyName)
        ClearLoadedData();
    m_companyName = companyName;
    m_quickBooksConnector = quickBooks;
    m_serverConnector = server;
    m_config = config;
}

bool MainModel::InstallLoad(const MainModel& loaded, const boost::shared_ptr<Config>& basedOn)
{
    CriticalSectionLock lock(m_lock);
    if (m_config != basedOn)
        return false;
    m_serverEmployees = loaded.m_serverEmployees;
    m_quickBooksEmployees = loaded.m_quickBooksEmployees;
    m_payrollItems = loaded.m_payrollItems;
    m_accounts = loaded.m_accounts;
    m_serviceItems = loaded.m_serviceItems;
    m_customerJobs = loaded.m_customerJobs;
    m_allItems = loaded.m_allItems;
    m_leaveTypes = loaded.m_leaveTypes;
    m_employeeDiffs = loaded.m_employeeDiffs;
    m_firstDayOfWeek = loaded.m_firstDayOfWeek;
    m_generalSettings = loaded.m_generalSettings;
    m_config = loaded.m_config;
    return true;
}

std::wstring MainModel::GetCompanyInformation() const
{
    return Read(m_companyName);
}
void MainModel::SetCompanyInformation(const std::wstring& companyName)
{
    Write(m_companyName, companyName);
}
boost::shared_ptr<Config> MainModel::GetConfig() const
{
    return Read(m_config);
}
void MainModel::SetConfig(const boost::shared_ptr<Config>& config)
{
    Write(m_config, config);
}

boost::shared_ptr<Config> MainModel::ChangeConfig(const boost::function<void(Config&)>& change)
{
    CriticalSectionLock lock(m_lock);
    if (!m_config)
        return m_config;
    boost::shared_ptr<Config> changed(new Config(*m_config));
    change(*changed);
    m_config = changed;
    return changed;
}

boost::shared_ptr<EmployeeCollection> MainModel::GetServerEmployees() const
{
    return Read(m_serverEmployees);
}
void MainModel::SetServerEmployees(const boost::shared_ptr<EmployeeCollection>& employees)
{
    Write(m_serverEmployees, employees);
}
boost::shared_ptr<EmployeeCollection> MainModel::GetQuickBooksEmployees() const
{
    return Read(m_quickBooksEmployees);
}
void MainModel::SetQuickBooksEmployees(const boost::shared_ptr<EmployeeCollection>& employees)
{
    Write(m_quickBooksEmployees, employees);
}
boost::shared_ptr<PayRollCollection> MainModel::GetPayrollItems() const
{
    return Read(m_payrollItems);
}
bool MainModel::HasPayrollItems() const
{
    boost::shared_ptr<PayRollCollection> items = GetPayrollItems();
    return items && items->Count() != 0;
}
void MainModel::SetPayrollItems(const boost::shared_ptr<PayRollCollection>& items)
{
    Write(m_payrollItems, items);
}
boost::shared_ptr<AccountCollection> MainModel::GetAccounts() const
{
    return Read(m_accounts);
}
void MainModel::SetAccounts(const boost::shared_ptr<AccountCollection>& accounts)
{
    Write(m_accounts, accounts);
}
boost::shared_ptr<ServiceItemCollection> MainModel::GetServiceItems() const
{
    return Read(m_serviceItems);
}
void MainModel::SetServiceItems(const boost::shared_ptr<ServiceItemCollection>& items)
{
    Write(m_serviceItems, items);
}
boost::shared_ptr<CustomerJobCollection> MainModel::GetCustomerJobs() const
{
    return Read(m_customerJobs);
}
void MainModel::SetCustomerJobs(const boost::shared_ptr<CustomerJobCollection>& customerJobs)
{
    Write(m_customerJobs, customerJobs);
}
boost::shared_ptr<ItemTypeCollection> MainModel::GetAllItems() const
{
    return Read(m_allItems);
}
void MainModel::SetAllItems(const boost::shared_ptr<ItemTypeCollection>& items)
{
    Write(m_allItems, items);
}
boost::shared_ptr<PayRollCollection> MainModel::GetLeaveTypes() const
{
    return Read(m_leaveTypes);
}
void MainModel::SetLeaveTypes(const boost::shared_ptr<PayRollCollection>& leaveTypes)
{
    Write(m_leaveTypes, leaveTypes);
}

boost::shared_ptr<MainModel::ServerConnector> MainModel::GetServerConnector() const
{
    return Read(m_serverConnector);
}
void MainModel::SetServerConnector(const boost::shared_ptr<ServerConnector>& connector)
{
    Write(m_serverConnector, connector);
}
boost::shared_ptr<MainModel::QuickBooksConnector> MainModel::GetQuickBooksConnector() const
{
    return Read(m_quickBooksConnector);
}
void MainModel::SetQuickBooksConnector(const boost::shared_ptr<QuickBooksConnector>& connector)
{
    Write(m_quickBooksConnector, connector);
}

boost::shared_ptr<EmployeeDiffCollection> MainModel::GetEmployeeDiffs() const
{
    return Read(m_employeeDiffs);
}
void MainModel::SetEmployeeDiffs(const boost::shared_ptr<EmployeeDiffCollection>& preview)
{
    Write(m_employeeDiffs, preview);
}

void MainModel::AddQuickBooksEmployee(const boost::shared_ptr<Employee>& employee)
{
    AddTo(m_quickBooksEmployees, employee);
}
void MainModel::AddCustomerJob(const boost::shared_ptr<CustomerJob>& customerJob)
{
    AddTo(m_customerJobs, customerJob);
}
void MainModel::AddServiceItem(const boost::shared_ptr<ServiceItem>& item)
{
    AddTo(m_serviceItems, item);
}

int MainModel::GetFirstDayOfWeek() const
{
    return Read(m_firstDayOfWeek);
}
void MainModel::SetFirstDayOfWeek(int day)
{
    Write(m_firstDayOfWeek, day);
}

GeneralSettings MainModel::GetGeneralSettings() const
{
    return Read(m_generalSettings);
}
void MainModel::SetGeneralSettings(const GeneralSettings& terms)
{
    Write(m_generalSettings, terms);
}
