#include "app/SettingsReload.h"

#include <stdexcept>

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/QuickBooksLoad.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "core/Boundary.h"
#include "core/ConnectorLog.h"
#include "core/DetachedThread.h"
#include "core/PostToThread.h"

using namespace Quorvane;

namespace {

const wchar_t kReloadFailed[] =
    L"The employees and payroll items could not be read from QuickBooks. Please make sure that QuickBooks is "
    L"running with the company file open, and try again.";

}  // namespace

void ReloadQuickBooksLists(MainModel& model)
{
    const boost::shared_ptr<MainModel::QuickBooksConnector> connector = model.GetQuickBooksConnector();
    const boost::shared_ptr<Config> config = model.GetConfig();
    if (!connector || !config)
        throw std::runtime_error("no QuickBooks connection");
    const DateRange period = config->GetPeriod();
    const boost::shared_ptr<EmployeeCollection> employees =
        connector->GetEmployeesWithTimeTrack(period.GetStart(), period.GetEnd());
    const boost::shared_ptr<PayRollCollection> items = connector->GetPayroll();
    if (!employees || !items)
        throw std::runtime_error("QuickBooks gave no list");
    CriticalSectionLock lock(model.GetLock());
    model.SetQuickBooksEmployees(employees);
    model.SetPayrollItems(items);
    KeepKnownWageItems(model);  // as a load does
}

SettingsReload::SettingsReload(const boost::shared_ptr<MainModel>& model, HWND window, IReloadListener* listener)
    : m_model(model), m_uiThreadId(GetCurrentThreadId()), m_window(window), m_listener(listener)
{
}

bool SettingsReload::Start()
{
    return StartDetachedThread(L"settings reload thread", boost::bind(&SettingsReload::Run, shared_from_this()));
}

void SettingsReload::Run()
{
    const bool read = RunAtBoundary(L"settings reload", boost::bind(&ReloadQuickBooksLists, boost::ref(*m_model)));
    const std::wstring error = read ? std::wstring() : kReloadFailed;
    if (!PostToThread(m_uiThreadId, boost::bind(&SettingsReload::Complete, shared_from_this(), error)))
        Logging::AppendToConnectorLog(L"The settings reload could not report its end to the dialog");
}

void SettingsReload::Complete(const std::wstring& error)
{
    if (m_listener && IsWindow(m_window))
        m_listener->OnReloadCompleted(error);
}
