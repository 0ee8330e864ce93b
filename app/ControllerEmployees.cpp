// What the import asks of the controller about employees.
#include "app/MainController.h"

#include "app/EmployeeNames.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "core/Exceptions.h"

using namespace Quorvane;

namespace {

// QuickBooks's value for "do not use time data to create paychecks".
const int kDoNotUseTimeData = 2;

}  // namespace

void MainController::GetEmployeeNames(const std::wstring& serverUserId, std::wstring& quickBooksName,
                                      std::wstring& serverName) {
    boost::shared_ptr<Employee> user = m_model->GetServerEmployees()->FindById(serverUserId);
    boost::shared_ptr<Employee> quickBooksSide = user;
    try {
        quickBooksSide = FindQuickBooksEmployee(*m_model, serverUserId);
    } catch (...) {
        // Not mapped, or not in QuickBooks yet: the user is named as it will be created.
    }
    quickBooksName = FormatEmployeeName(m_model, quickBooksSide, false);
    serverName = FormatEmployeeName(m_model, user, true);
}

void MainController::SetTimeDataFlagOfSelectedEmployees(const std::set<std::wstring>& selection) {
    boost::shared_ptr<Connectors::DesktopConnector> quickBooks = m_model->GetQuickBooksConnector();
    if (!quickBooks)
        return;
    for (const std::wstring& id : selection) {
        if (IsImportStopRequested())
            return;
        boost::shared_ptr<Employee> employee;
        try {
            employee = FindQuickBooksEmployee(*m_model, id);
        } catch (const NotFoundException&) {
            continue;
        }
        if (employee->GetUsesTimeDataValue() == 0)
            quickBooks->ChangeFlagUseTimeData(employee->GetId(), employee->GetEditSequence(), kDoNotUseTimeData);
    }
}
