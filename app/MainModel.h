#pragma once
// Everything the program has loaded: both sides' collections, both connectors, the settings of
// the current company and the preview. Collections handed out are never changed again: a load
// builds its results in a model of its own and installs them whole, and an addition replaces the
// collection by a grown copy, so a reader may keep and walk a collection without the lock. Every
// accessor takes the lock only for its copy or assignment; nobody holds it across slow work.
#include <string>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "connectors/server/RpcRecords.h"
#include "core/Account.h"
#include "core/Config.h"
#include "core/CriticalSection.h"
#include "core/CustomerJob.h"
#include "core/Employee.h"
#include "core/EmployeeDiff.h"
#include "core/ItemType.h"
#include "core/PayRoll.h"
#include "core/ServiceItem.h"

namespace Quorvane {
namespace Connectors {
class DesktopConnector;
namespace QVConnector {
class QuorvaneConnector;
}
}  // namespace Connectors
}  // namespace Quorvane

class MainModel {
public:
    typedef Quorvane::Connectors::QVConnector::QuorvaneConnector ServerConnector;
    typedef Quorvane::Connectors::DesktopConnector QuickBooksConnector;

    MainModel();
    virtual ~MainModel() {}

    std::wstring GetCompanyInformation() const;
    void SetCompanyInformation(const std::wstring& companyName);
    boost::shared_ptr<Quorvane::Config> GetConfig() const;
    void SetConfig(const boost::shared_ptr<Quorvane::Config>& config);
    // Puts a changed copy of the settings in their place and returns it, so that a load which
    // copied the old ones knows its results are stale. Null, and nothing done, without settings.
    boost::shared_ptr<Quorvane::Config> ChangeConfig(const boost::function<void(Quorvane::Config&)>& change);

    boost::shared_ptr<Quorvane::EmployeeCollection> GetServerEmployees() const;
    void SetServerEmployees(const boost::shared_ptr<Quorvane::EmployeeCollection>& employees);
    boost::shared_ptr<Quorvane::EmployeeCollection> GetQuickBooksEmployees() const;
    void SetQuickBooksEmployees(const boost::shared_ptr<Quorvane::EmployeeCollection>& employees);
    boost::shared_ptr<Quorvane::PayRollCollection> GetPayrollItems() const;
    // True when QuickBooks gave at least one payroll wage item.
    bool HasPayrollItems() const;
    void SetPayrollItems(const boost::shared_ptr<Quorvane::PayRollCollection>& items);
    boost::shared_ptr<Quorvane::AccountCollection> GetAccounts() const;
    void SetAccounts(const boost::shared_ptr<Quorvane::AccountCollection>& accounts);
    boost::shared_ptr<Quorvane::ServiceItemCollection> GetServiceItems() const;
    void SetServiceItems(const boost::shared_ptr<Quorvane::ServiceItemCollection>& items);
    boost::shared_ptr<Quorvane::CustomerJobCollection> GetCustomerJobs() const;
    void SetCustomerJobs(const boost::shared_ptr<Quorvane::CustomerJobCollection>& customerJobs);
    boost::shared_ptr<Quorvane::ItemTypeCollection> GetAllItems() const;
    void SetAllItems(const boost::shared_ptr<Quorvane::ItemTypeCollection>& items);
    // The server's leave types: name, then the leave type id as text.
    boost::shared_ptr<Quorvane::PayRollCollection> GetLeaveTypes() const;
    void SetLeaveTypes(const boost::shared_ptr<Quorvane::PayRollCollection>& leaveTypes);

    boost::shared_ptr<ServerConnector> GetServerConnector() const;
    void SetServerConnector(const boost::shared_ptr<ServerConnector>& connector);
    boost::shared_ptr<QuickBooksConnector> GetQuickBooksConnector() const;
    void SetQuickBooksConnector(const boost::shared_ptr<QuickBooksConnector>& connector);

    boost::shared_ptr<Quorvane::EmployeeDiffCollection> GetEmployeeDiffs() const;
    void SetEmployeeDiffs(const boost::shared_ptr<Quorvane::EmployeeDiffCollection>& preview);

    // Items created in QuickBooks join the lists as grown copies of them.
    void AddQuickBooksEmployee(const boost::shared_ptr<Quorvane::Employee>& employee);
    void AddCustomerJob(const boost::shared_ptr<Quorvane::CustomerJob>& customerJob);
    void AddServiceItem(const boost::shared_ptr<Quorvane::ServiceItem>& item);

    // The first step of a load: the company QuickBooks has open, its settings and both
    // connectors. Another company's data go, so nothing of it is previewed or imported here;
    // from then on no list is null, only empty until a load fills it.
    void InstallConnection(const std::wstring& companyName, const boost::shared_ptr<Quorvane::Config>& config,
                           const boost::shared_ptr<QuickBooksConnector>& quickBooks,
                           const boost::shared_ptr<ServerConnector>& server);
    // The end of a load: every collection, the preview, the week's first day, the terms and the
    // settings of `loaded`, in one step. False, and nothing changed, when the settings in force
    // are no longer `basedOn`: they changed while the load ran, so its results are stale.
    bool InstallLoad(const MainModel& loaded, const boost::shared_ptr<Quorvane::Config>& basedOn);

    // 0 = Monday to 6 = Sunday.
    int GetFirstDayOfWeek() const;
    void SetFirstDayOfWeek(int day);
    // The server's names for its three levels; empty until a load read them.
    Quorvane::GeneralSettings GetGeneralSettings() const;
    void SetGeneralSettings(const Quorvane::GeneralSettings& terms);

    Quorvane::CriticalSection& GetLock() const { return m_lock; }

private:
    template <typename T>
    T Read(const T& member) const;
    template <typename T>
    void Write(T& member, const T& value);
    template <typename CollectionType>
    void AddTo(boost::shared_ptr<CollectionType>& member, const typename CollectionType::Pointer& item);
    void ClearLoadedData();

    std::wstring m_companyName;
    boost::shared_ptr<Quorvane::Config> m_config;
    boost::shared_ptr<Quorvane::EmployeeCollection> m_serverEmployees;
    boost::shared_ptr<Quorvane::EmployeeCollection> m_quickBooksEmployees;
    boost::shared_ptr<Quorvane::PayRollCollection> m_payrollItems;
    boost::shared_ptr<Quorvane::AccountCollection> m_accounts;
    boost::shared_ptr<Quorvane::ServiceItemCollection> m_serviceItems;
    boost::shared_ptr<Quorvane::CustomerJobCollection> m_customerJobs;
    boost::shared_ptr<Quorvane::ItemTypeCollection> m_allItems;
    boost::shared_ptr<ServerConnector> m_serverConnector;
    boost::shared_ptr<QuickBooksConnector> m_quickBooksConnector;
    boost::shared_ptr<Quorvane::PayRollCollection> m_leaveTypes;
    boost::shared_ptr<Quorvane::EmployeeDiffCollection> m_employeeDiffs;
    mutable Quorvane::CriticalSection m_lock;
    int m_firstDayOfWeek;
    Quorvane::GeneralSettings m_generalSettings;
};
