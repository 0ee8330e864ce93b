#include "tests/quickbooks/SimulatedQuickBooks.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/ConnectorLog.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"

namespace QuickBooksTest {

using Quorvane::Connectors::DesktopConnector;
using Quorvane::Connectors::QBConnectionOptions;

QBConnectionOptions ProgramOptions()
{
    return QBConnectionOptions("Quorvane Pellworth", "Quorvane Pellworth", 6, 0);
}

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.begin(), text.end());
    std::replace(wide.begin(), wide.end(), L'\'', L'"');
    return wide;
}

namespace {

std::string ConnectorLogBytes()
{
    boost::shared_ptr<Quorvane::Logging::Logger> log = Quorvane::Logging::GetConnectorLogger();
    std::ifstream file(log ? log->GetPath().c_str() : L"", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

size_t ConnectorLogSize()
{
    return ConnectorLogBytes().size();
}

std::string ConnectorLogSince(size_t size)
{
    std::string bytes = ConnectorLogBytes();
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    size_t start = size == 0 && bytes.compare(0, 3, byteOrderMark) == 0 ? 3 : size;
    return bytes.size() > start ? bytes.substr(start) : std::string();
}

void SimulatedQuickBooks::SetUp()
{
    m_logSizeAtStart = ConnectorLogSize();
    QbSim::Control::Reset();
    Quorvane::Connectors::SetSessionManagerFactory(&CreateSimulatedSessionManager);
    Reconnect();
}

void SimulatedQuickBooks::TearDown()
{
    m_connector.reset();
    Quorvane::Connectors::SetSessionManagerFactory(NULL);
    QbSim::Control::Reset();
}

void SimulatedQuickBooks::Seed(const std::string& json)
{
    QbSim::Control::Seed(Widen(json));
}

void SimulatedQuickBooks::InjectFault(const std::string& json)
{
    QbSim::Control::InjectFault(QbSim::Control::ParseFault(Widen(json)));
}

void SimulatedQuickBooks::Reconnect(bool connect)
{
    m_connector.reset();
    m_connector.reset(new DesktopConnector(ProgramOptions()));
    if (connect) {
        ASSERT_TRUE(m_connector->Connect());
    }
    QbSim::Control::ClearTrace();
}

std::vector<std::wstring> SimulatedQuickBooks::Trace()
{
    std::vector<std::wstring> lines = QbSim::Control::Trace();
    QbSim::Control::ClearTrace();
    return lines;
}

std::string SimulatedQuickBooks::ConnectorLogTail() const
{
    return ConnectorLogSince(m_logSizeAtStart);
}

std::vector<std::wstring> SimulatedQuickBooks::RequestTrace()
{
    std::vector<std::wstring> requests;
    for (const std::wstring& line : Trace()) {
        if (line.compare(0, 7, L"US 6.0 ") == 0)
            requests.push_back(line.substr(7));
    }
    return requests;
}

}  // namespace QuickBooksTest
