#pragma once
// Finds the employees, customers, jobs and service items that QuickBooks lacks for the
// preview, judges whether each can be created, and creates them, parents first.
#include <string>
#include <boost/shared_ptr.hpp>
#include "app/missing/EmployeeLookup.h"
#include "app/missing/MissingItem.h"
#include "app/missing/QuickBooksNames.h"

class MainModel;

namespace Quorvane {

class Config;
class Employee;
class EmployeeDiff;
class EmployeeDiffCollection;
class IImportConnector;
class TimeTrackRecord;

class MissingItemsController {
public:
    // Works on the model's settings and QuickBooks connector.
    explicit MissingItemsController(const boost::shared_ptr<MainModel>& model);
    // Works on an import run's own settings and connector.
    MissingItemsController(const boost::shared_ptr<MainModel>& model, const boost::shared_ptr<Config>& config,
                           const boost::shared_ptr<IImportConnector>& connector);

    // The items the import's adds of this employee need, in the order found.
    boost::shared_ptr<MissingItemCollection> CollectMissingItems(const EmployeeDiff& diff);
    // Every employee's items once, each with the ids of the users that need it.
    boost::shared_ptr<MissingItemCollection> CollectAllMissingItems(const EmployeeDiffCollection& diffs);

    // One status per item, in order. NotFoundException when an employee item names a server
    // user that the model does not hold.
    boost::shared_ptr<MissingItemStatusList> ValidateMissingItems(const MissingItemCollection& items);

    // 0 when the item (with any missing parent level) now exists in QuickBooks and the model.
    // Otherwise QuickBooks's status, a negative HRESULT, or 1 when the request gave no answer
    // or failed; the model keeps what was created before the failure.
    int CreateMissingItems(const boost::shared_ptr<MissingItem>& item);

private:
    void CollectCustomerJobLevels(const TimeTrackRecord& entry, MissingItemCollection& items);
    void CollectServiceItemLevels(const TimeTrackRecord& entry, const Employee& namingEmployee,
                                  const Employee& serverUser, MissingItemCollection& items);
    std::wstring ServiceItemDescription(const TimeTrackRecord& entry, const Employee& serverUser) const;

    boost::shared_ptr<MissingItemStatus> ValidateEmployee(const boost::shared_ptr<MissingItem>& item);
    boost::shared_ptr<MissingItemStatus> ValidateServiceItem(const boost::shared_ptr<MissingItem>& item);
    boost::shared_ptr<MissingItemStatus> ValidateCustomerJob(const boost::shared_ptr<MissingItem>& item,
                                                             const MissingItemStatusList& earlier);
    int CreationStatus(int kind) const;

    int CreateEmployee(const std::wstring& userId);
    int CreateCustomerJobLevels(const std::wstring& fullName);
    int CreateServiceItemLevels(const std::wstring& fullName);

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Config> m_config;
    boost::shared_ptr<IImportConnector> m_connector;
    QuickBooksNames m_names;
    EmployeeLookup m_employees;
};

// The server user under the name its QuickBooks employee will be created with: the last name
// followed by the user's name postfix.
boost::shared_ptr<Employee> EmployeeAsCreated(const Config& config, const Employee& serverUser);

// The employee whose name names the service item of a server user's entries: the mapped
// QuickBooks employee, or the server user under the name the creation will give it (the
// last name followed by its postfix) when it has none yet.
boost::shared_ptr<Employee> FindNamingEmployee(const MainModel& model, const Config& config,
                                               const boost::shared_ptr<Employee>& serverUser);

}  // namespace Quorvane
