#pragma once
// A test fixture: a connector connected to the QuickBooks simulator, whose session manager is
// made on the connector's own worker thread (no registration needed), over a company seeded
// from JSON.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "connectors/quickbooks/DesktopConnector.h"

namespace QuickBooksTest {

class SimulatedQuickBooks : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the company; `json` uses single quotes for readability.
    void Seed(const std::string& json);
    // The next request of `kind` ("TimeTrackingAdd", ...) meets the fault, given as the
    // simulator's JSON with single quotes.
    void InjectFault(const std::string& json);
    // A fresh connector; connected unless told otherwise.
    void Reconnect(bool connect = true);
    // The trace lines since the last call, session calls included.
    std::vector<std::wstring> Trace();
    // Only the trace lines of requests, without the country and version.
    std::vector<std::wstring> RequestTrace();
    // The connector log's bytes (UTF-8) written since the test began.
    std::string ConnectorLogTail() const;

    std::unique_ptr<Quorvane::Connectors::DesktopConnector> m_connector;

private:
    size_t m_logSizeAtStart = 0;
};

// The connector log's size, and the text (UTF-8, without the byte-order mark of a new file)
// written since it had that size.
size_t ConnectorLogSize();
std::string ConnectorLogSince(size_t size);

Quorvane::Connectors::QBConnectionOptions ProgramOptions();
std::wstring Widen(const std::string& text);

}  // namespace QuickBooksTest
