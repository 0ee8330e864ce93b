#include "app/QuickBooksLoad.h"

#include "app/MainModel.h"
#include "connectors/quickbooks/DesktopConnector.h"

using namespace Quorvane;

void ReadQuickBooksData(MainModel& loaded, const DateRange& period, const boost::function<void(int)>& step)
{
    boost::shared_ptr<Connectors::DesktopConnector> quickBooks = loaded.GetQuickBooksConnector();
    step(40);
    loaded.SetQuickBooksEmployees(quickBooks->GetEmployeesWithTimeTrack(period.GetStart(), period.GetEnd()));
    step(60);
    loaded.SetPayrollItems(quickBooks->GetPayroll());
    step(70);
    loaded.SetAccounts(quickBooks->GetAccount());
    step(70);
    loaded.SetServiceItems(quickBooks->GetServiceItem());
    step(70);
    loaded.SetAllItems(quickBooks->GetAllItem());
    step(70);
    loaded.SetCustomerJobs(quickBooks->GetCustomerJob());
}

void KeepKnownWageItems(MainModel& loaded)
{
    boost::shared_ptr<PayRollCollection> payrollItems = loaded.GetPayrollItems();
    for (const boost::shared_ptr<Employee>& employee : *loaded.GetQuickBooksEmployees()) {
        std::vector<std::wstring> kept;
        for (const std::wstring& listId : employee->GetNameList()) {
            if (payrollItems->ContainsListId(listId))
                kept.push_back(listId);
        }
        employee->SetNameList(kept);
    }
}
