#include "tests/quickbooks/SimulatedQuickBooks.h"

#include <algorithm>

#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"

namespace QuickBooksTest {

using Quorvane::Connectors::DesktopConnector;
using Quorvane::Connectors::QBConnectionOptions;

QBConnectionOptions ProgramOptions() { return QBConnectionOptions("Quorvane Pellworth", "Quorvane Pellworth", 6, 0); }

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.begin(), text.end());
    std::replace(wide.begin(), wide.end(), L'\'', L'"');
    return wide;
}

void SimulatedQuickBooks::SetUp() {
    QbSim::Control::Reset();
    Quorvane::Connectors::SetSessionManagerFactory(&CreateSimulatedSessionManager);
    Reconnect();
}

void SimulatedQuickBooks::TearDown() {
    m_connector.reset();
    Quorvane::Connectors::SetSessionManagerFactory(NULL);
    QbSim::Control::Reset();
}

void SimulatedQuickBooks::Seed(const std::string& json) { QbSim::Control::Seed(Widen(json)); }

void SimulatedQuickBooks::InjectFault(const std::string& json) {
    QbSim::Control::InjectFault(QbSim::Control::ParseFault(Widen(json)));
}

void SimulatedQuickBooks::Reconnect(bool connect) {
    m_connector.reset();
    m_connector.reset(new DesktopConnector(ProgramOptions()));
    if (connect) {
        ASSERT_TRUE(m_connector->Connect());
    }
    QbSim::Control::ClearTrace();
}

std::vector<std::wstring> SimulatedQuickBooks::Trace() {
    std::vector<std::wstring> lines = QbSim::Control::Trace();
    QbSim::Control::ClearTrace();
    return lines;
}

std::vector<std::wstring> SimulatedQuickBooks::RequestTrace() {
    std::vector<std::wstring> requests;
    for (const std::wstring& line : Trace()) {
        if (line.compare(0, 7, L"US 6.0 ") == 0)
            requests.push_back(line.substr(7));
    }
    return requests;
}

}  // namespace QuickBooksTest
