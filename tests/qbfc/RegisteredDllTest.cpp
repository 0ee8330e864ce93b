// qbsim.dll as the program meets it: registered in the registry of the test prefix, created
// by class id from any thread, and driven by tests through its exported control functions.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "connectors/quickbooks/qbfc/Session.h"
#include "tools/qbsim/QbSimExports.h"

namespace {

using namespace Quorvane::Qbfc;

class RegisteredDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(0, COINIT_APARTMENTTHREADED);
        m_module = LoadLibraryW(L"qbsim.dll");
        ASSERT_TRUE(m_module != 0);
        ASSERT_EQ(S_OK, Function<QbSimNoArgument>("QbSimReset")());
        ASSERT_EQ(S_OK, Function<QbSimNoArgument>("DllRegisterServer")());
    }

    void TearDown() override
    {
        Function<QbSimNoArgument>("DllUnregisterServer")();
        Function<QbSimNoArgument>("QbSimReset")();
        CoUninitialize();
    }

    template <typename F>
    F Function(const char* name)
    {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }

    std::wstring Read(const char* name)
    {
        BSTR text = 0;
        EXPECT_EQ(S_OK, Function<QbSimRead>(name)(&text));
        std::wstring result = BstrToWString(text);
        SysFreeString(text);
        return result;
    }

    static IQBSessionManager OpenSession()
    {
        IQBSessionManager session;
        HRESULT hr = CreateQBSessionManager(session);
        if (FAILED(hr))
            _com_issue_error(hr);
        session.OpenConnection(L"Quorvane Pellworth", L"Quorvane Pellworth");
        session.BeginSession(L"", 2);
        return session;
    }

    static std::wstring CompanyName(const IQBSessionManager& session)
    {
        IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
        set.AppendCompanyQueryRq();
        ICompanyRet company;
        HRESULT hr = session.DoRequests(set).ResponseList().GetAt(0).Detail().QueryInterface(company);
        return hr == S_OK ? company.CompanyName().GetValue() : L"";
    }

    HMODULE m_module = 0;
};

TEST_F(RegisteredDll, AnUnregisteredSimulatorIsQuickBooksNotInstalled)
{
    ASSERT_EQ(S_OK, Function<QbSimNoArgument>("DllUnregisterServer")());
    IQBSessionManager session;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CreateQBSessionManager(session));
    EXPECT_TRUE(session.IsNull());
}

TEST_F(RegisteredDll, SessionsOnAnyThreadReachTheCompanyTheTestSeeded)
{
    ASSERT_EQ(S_OK, Function<QbSimText>("QbSimSeed")(L"{\"CompanyName\":\"Registered Co\"}"));
    EXPECT_EQ(L"Registered Co", CompanyName(OpenSession()));

    std::wstring seenByWorker;
    std::thread worker([&seenByWorker] {
        CoInitializeEx(0, COINIT_MULTITHREADED);
        try {
            seenByWorker = CompanyName(OpenSession());
        } catch (const _com_error&) {
            seenByWorker = L"failed";
        }
        CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(L"Registered Co", seenByWorker);
    std::wstring trace = Read("QbSimTrace");
    EXPECT_NE(std::wstring::npos, trace.find(L"US 6.0 CompanyQuery:\n"));
}

TEST_F(RegisteredDll, AnInjectedHresultArrivesAsAComErrorWithItsDescription)
{
    ASSERT_EQ(S_OK, Function<QbSimText>("QbSimInjectFault")(
                        L"{\"stage\":\"DoRequests\",\"hresult\":\"0x8004041C\",\"description\":\"The file is locked.\"}"));
    IQBSessionManager session = OpenSession();
    try {
        CompanyName(session);
        ADD_FAILURE() << "no _com_error";
    } catch (const _com_error& error) {
        EXPECT_EQ(static_cast<HRESULT>(0x8004041C), error.Error());
        EXPECT_EQ(std::wstring(L"The file is locked."), std::wstring(error.Description()));
    }
    EXPECT_NE(S_OK, Function<QbSimText>("QbSimInjectFault")(L"{\"stage\":\"Nowhere\"}"));
}

TEST_F(RegisteredDll, RecordsChangeBehindTheProgramsBack)
{
    Function<QbSimText>("QbSimSeed")(L"{\"Employees\":[{\"ListID\":\"E-1\",\"FirstName\":\"Anna\"}]}");
    EXPECT_EQ(S_OK, Function<QbSimEditRecord>("QbSimEdit")(L"Employees", L"E-1", L"{\"IsActive\":false}"));
    EXPECT_EQ(S_FALSE, Function<QbSimEditRecord>("QbSimEdit")(L"Employees", L"E-2", L"{}"));
    EXPECT_NE(std::wstring::npos, Read("QbSimSnapshot").find(L"\"IsActive\":false"));
    EXPECT_EQ(S_OK, Function<QbSimDeleteRecord>("QbSimDelete")(L"Employees", L"E-1"));
    EXPECT_EQ(S_FALSE, Function<QbSimDeleteRecord>("QbSimDelete")(L"Employees", L"E-1"));
}

}  // namespace
