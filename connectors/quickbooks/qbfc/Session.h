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
//   short hours, minutes, seconds; bool negative;
//   ret.Duration().GetValue(hours, minutes, seconds, negative);
#include "connectors/quickbooks/qbfc/Company.h"
#include "connectors/quickbooks/qbfc/Customer.h"
#include "connectors/quickbooks/qbfc/Employee.h"
#include "connectors/quickbooks/qbfc/Items.h"
#include "connectors/quickbooks/qbfc/TimeTracking.h"

namespace Quorvane {
namespace Qbfc {

class IMsgSetRequest : public Object {
    QBFC_WRAPPER(IMsgSetRequest, Object)
    ITimeTrackingQuery AppendTimeTrackingQueryRq() const
    {
        return Append<ITimeTrackingQuery>(L"AppendTimeTrackingQueryRq");
    }
    ITimeTrackingAdd AppendTimeTrackingAddRq() const { return Append<ITimeTrackingAdd>(L"AppendTimeTrackingAddRq"); }
    ITimeTrackingMod AppendTimeTrackingModRq() const { return Append<ITimeTrackingMod>(L"AppendTimeTrackingModRq"); }
    ITxnDel AppendTxnDelRq() const { return Append<ITxnDel>(L"AppendTxnDelRq"); }
    IEmployeeQuery AppendEmployeeQueryRq() const { return Append<IEmployeeQuery>(L"AppendEmployeeQueryRq"); }
    IEmployeeAdd AppendEmployeeAddRq() const { return Append<IEmployeeAdd>(L"AppendEmployeeAddRq"); }
    IEmployeeMod AppendEmployeeModRq() const { return Append<IEmployeeMod>(L"AppendEmployeeModRq"); }
    ICustomerQuery AppendCustomerQueryRq() const { return Append<ICustomerQuery>(L"AppendCustomerQueryRq"); }
    ICustomerAdd AppendCustomerAddRq() const { return Append<ICustomerAdd>(L"AppendCustomerAddRq"); }
    IItemServiceQuery AppendItemServiceQueryRq() const
    {
        return Append<IItemServiceQuery>(L"AppendItemServiceQueryRq");
    }
    IItemServiceAdd AppendItemServiceAddRq() const { return Append<IItemServiceAdd>(L"AppendItemServiceAddRq"); }
    IItemQuery AppendItemQueryRq() const { return Append<IItemQuery>(L"AppendItemQueryRq"); }
    IAccountQuery AppendAccountQueryRq() const { return Append<IAccountQuery>(L"AppendAccountQueryRq"); }
    IPayrollItemWageQuery AppendPayrollItemWageQueryRq() const
    {
        return Append<IPayrollItemWageQuery>(L"AppendPayrollItemWageQueryRq");
    }
    IPreferencesQuery AppendPreferencesQueryRq() const
    {
        return Append<IPreferencesQuery>(L"AppendPreferencesQueryRq");
    }
    ICompanyQuery AppendCompanyQueryRq() const { return Append<ICompanyQuery>(L"AppendCompanyQueryRq"); }

private:
    template <typename T>
    T Append(const wchar_t* member) const
    {
        return Child<T>(member);
    }
};

// A response's detail, declared as QBFC's base of every object. Its kind is its Type, the
// ENObjectType named "ot" and the interface's name without its "I" ("otTimeTrackingRetList");
// an object without Type is told by its type information. Not cached: objects of every kind
// come as IQBBase.
class IQBBase : public Object {
public:
    IQBBase() {}
    explicit IQBBase(IDispatch* dispatch) : Object(dispatch, 0) {}

    bool IsOfType(const std::wstring& interfaceName) const;

    // S_OK and `out` set when the object is a T; E_NOINTERFACE when it is another kind;
    // E_POINTER for a null object.
    template <typename T>
    HRESULT QueryInterface(T& out) const
    {
        if (IsNull())
            return E_POINTER;
        if (!IsOfType(T::TypeName()))
            return E_NOINTERFACE;
        out = T(GetDispatch());
        return S_OK;
    }
};

class IResponse : public Object {
    QBFC_WRAPPER(IResponse, Object)
    long StatusCode() const { return IntProperty(L"StatusCode"); }
    // "Info", "Warn" or "Error".
    std::wstring StatusSeverity() const { return TextProperty(L"StatusSeverity"); }
    // A null message reads as "".
    std::wstring StatusMessage() const { return TextProperty(L"StatusMessage"); }
    // The Ret or Ret list; null when the response has none.
    IQBBase Detail() const { return Child<IQBBase>(L"Detail"); }
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

// The session manager of the class id above, or, where that is not registered, of the newest
// QBFC installed by its ProgID ("QBFC13.QBSessionManager", down to version 6): CoCreateInstance
// with context 0x17 for IUnknown, OleRun, then the session-manager interface, or IDispatch
// where the object does not offer that interface id (a QBFC of another version). Any failure
// leaves `out` null and gives its HRESULT (REGDB_E_CLASSNOTREG when QuickBooks is not
// installed). `origin`, when given, tells which one was made.
HRESULT CreateQBSessionManager(IQBSessionManager& out, std::wstring* origin = 0);

}  // namespace Qbfc
}  // namespace Quorvane
