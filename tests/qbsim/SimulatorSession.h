#pragma once
// A test fixture: the simulator registered in this process, a fresh company seeded from JSON,
// and one open session through the QBFC wrappers, as the program opens it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "connectors/quickbooks/qbfc/Session.h"

namespace QbSimTest {

using namespace Quorvane::Qbfc;

class SimulatorSession : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the company; `json` uses single quotes for readability.
    void Seed(const std::string& json);
    // One message set ("US" 6.0) with the request `build` appends; the first response.
    IResponse Send(const std::function<void(const IMsgSetRequest&)>& build);
    // The trace lines of requests (not session calls) since the last call.
    std::vector<std::wstring> RequestTrace();

    IQBSessionManager m_session;

private:
    DWORD m_cookie = 0;
};

// A response's status, with its message when the status is not the one expected.
#define EXPECT_STATUS(expected, response)                                                                              \
    EXPECT_EQ(expected, (response).StatusCode())                                                                       \
        << std::string((response).StatusMessage().begin(), (response).StatusMessage().end())

std::wstring Widen(const std::string& text);
// HRESULT and description of the _com_error `call` throws; fails the test when none is thrown.
std::pair<HRESULT, std::wstring> ComErrorOf(const std::function<void()>& call);

}  // namespace QbSimTest
