#pragma once
// The session manager the program creates: connection, session, message sets and their
// execution. Every call is traced; every step can be made to fail.
#include <string>

#include "tools/qbsim/DispatchObject.h"

namespace QbSim {

// {178AACCA-9DCE-42A0-A193-CF4985B930E5}
extern const CLSID CLSID_QBSessionManager;
// {F283510C-8797-4771-A805-1BEA611E4C5E}: reached through the IDispatch slots.
extern const IID IID_IQBSessionManager;
// The simulator's own class, registered under a QBFC ProgID only ("QBFC13.QBSessionManager"):
// its objects are reached through IDispatch alone, as a QBFC whose interface id is not the
// program's.
extern const CLSID CLSID_ProgIdSessionManager;

class SessionManager : public DispatchObject {
public:
    explicit SessionManager(bool offersInterfaceId)
        : m_offersInterfaceId(offersInterfaceId), m_connected(false), m_inSession(false)
    {
    }

protected:
    std::wstring TypeName() const override { return L"IQBSessionManager"; }
    DISPID MemberId(const std::wstring& name) const override;
    void Call(DISPID id, const Arguments& arguments, VARIANT& result) override;
    bool Supports(REFIID iid) const override { return m_offersInterfaceId && iid == IID_IQBSessionManager; }

private:
    void OpenConnection(const Arguments& arguments);
    void BeginSession(const Arguments& arguments);
    void EndSession();
    void CloseConnection();
    void CreateMsgSetRequest(const Arguments& arguments, VARIANT& result);
    void DoRequests(const Arguments& arguments, VARIANT& result);

    bool m_offersInterfaceId;
    bool m_connected;
    bool m_inSession;
};

}  // namespace QbSim
