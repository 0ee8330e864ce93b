#pragma once
// The session manager, the message set and its response.
//
// Typical use (one request per message set):
//   IQBSessionManager session;
//   if (FAILED(CreateQBSessionManager(session))) ...        // not installed, not running
//   session.OpenConnection(L"app id", L"app name");
//   session.BeginSession(L"", 2);
//   IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
//   ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
//   add.TxnDate().SetValue(date.ToVariantDate());
//   IMsgSetResponse reply = session.DoRequests(set);
//   IResponse response = reply.ResponseList().GetAt(0);
//   if (response.StatusCode() == 0) { ITimeTrackingRet ret; response.Detail().QueryInterface(ret); }
#include "connectors/quickbooks/qbfc/Company.h"
#include "connectors/quickbooks/qbfc/Customer.h"
#include "connectors/quickbooks/qbfc/Employee.h"
#include "connectors/quickbooks/qbfc/Items.h"
#include "connectors/quickbooks/qbfc/TimeTracking.h"

namespace Quorvane {
namespace Qbfc {

class IMsgSetRequest : public Object {
    QBFC_WRAPPER(IMsgSetRequest, Object)
    ITimeTrackingQuery AppendTimeTrackingQueryRq() const { return Append<ITimeTrackingQuery>(L"AppendTimeTrackingQueryRq"); }
    ITimeTrackingAdd AppendTimeTrackingAddRq() const { return Append<ITimeTrackingAdd>(L"AppendTimeTrackingAddRq"); }
    ITimeTrackingMod AppendTimeTrackingModRq() const { return Append<ITimeTrackingMod>(L"AppendTimeTrackingModRq"); }
    ITxnDel AppendTxnDelRq() const { return Append<ITxnDel>(L"AppendTxnDelRq"); }
    IEmployeeQuery AppendEmployeeQueryRq() const { return Append<IEmployeeQuery>(L"AppendEmployeeQueryRq"); }
    IEmployeeAdd AppendEmployeeAddRq() const { return Append<IEmployeeAdd>(L"AppendEmployeeAddRq"); }
    IEmployeeMod AppendEmployeeModRq() const { return Append<IEmployeeMod>(L"AppendEmployeeModRq"); }
    ICustomerQuery AppendCustomerQueryRq() const { return Append<ICustomerQuery>(L"AppendCustomerQueryRq"); }
    ICustomerAdd AppendCustomerAddRq() const { return Append<ICustomerAdd>(L"AppendCustomerAddRq"); }
    IItemServiceQuery AppendItemServiceQueryRq() const { return Append<IItemServiceQuery>(L"AppendItemServiceQueryRq"); }
    IItemServiceAdd AppendItemServiceAddRq() const { return Append<IItemServiceAdd>(L"AppendItemServiceAddRq"); }
    IItemQuery AppendItemQueryRq() const { return Append<IItemQuery>(L"AppendItemQueryRq"); }
    IAccountQuery AppendAccountQueryRq() const { return Append<IAccountQuery>(L"AppendAccountQueryRq"); }
    IPayrollItemWageQuery AppendPayrollItemWageQueryRq() const
    {
        return Append<IPayrollItemWageQuery>(L"AppendPayrollItemWageQueryRq");
    }
    IPreferencesQuery AppendPreferencesQueryRq() const { return Append<IPreferencesQuery>(L"AppendPreferencesQueryRq"); }
    ICompanyQuery AppendCompanyQueryRq() const { return Append<ICompanyQuery>(L"AppendCompanyQueryRq"); }

private:
    template <typename T>
    T Append(const wchar_t* member) const { return Child<T>(member); }
};

class IResponse : public Object {
    QBFC_WRAPPER(IResponse, Object)
    long StatusCode() const { return IntProperty(L"StatusCode"); }
    // A null message reads as "".
    std::wstring StatusMessage() const { return TextProperty(L"StatusMessage"); }
    // The Ret or Ret list, of a type told by QueryInterface; null when the response has none.
    Object Detail() const;
};

class IResponseList : public ObjectList<IResponse> {
    QBFC_WRAPPER(IResponseList, ObjectList<IResponse>)
};

class IMsgSetResponse : public Object {
    QBFC_WRAPPER(IMsgSetResponse, Object)
    IResponseList ResponseList() const { return Child<IResponseList>(L"ResponseList"); }
};

class IQBSessionManager : public Object {
    QBFC_WRAPPER(IQBSessionManager, Object)
    void OpenConnection(const std::wstring& appId, const std::wstring& appName) const;
    void BeginSession(const std::wstring& companyFile, long openMode) const;
    void EndSession() const { Call(L"EndSession", DISPATCH_METHOD, {}); }
    void CloseConnection() const { Call(L"CloseConnection", DISPATCH_METHOD, {}); }
    IMsgSetRequest CreateMsgSetRequest(const std::wstring& country, short major, short minor) const;
    IMsgSetResponse DoRequests(const IMsgSetRequest& request) const;
};

// {178AACCA-9DCE-42A0-A193-CF4985B930E5} and {F283510C-8797-4771-A805-1BEA611E4C5E}.
extern const CLSID CLSID_QBSessionManager;
extern const IID IID_IQBSessionManager;

// CoCreateInstance of the session manager with context 0x17 for IUnknown, OleRun, then the
// session-manager interface (used through its IDispatch slots). Any failed step leaves `out`
// null and gives its HRESULT (REGDB_E_CLASSNOTREG when QuickBooks is not installed).
HRESULT CreateQBSessionManager(IQBSessionManager& out);

}  // namespace Qbfc
}  // namespace Quorvane
