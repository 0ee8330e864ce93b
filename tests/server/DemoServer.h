#pragma once
// A demo server that tests/server/with_demo_servers.py started for this test run, reached
// through its control endpoint.
#include <string>

class DemoServer {
public:
    // The server the wrapper announced under this name ("plain", "trusted", ...); a test
    // that needs one the run did not start fails.
    explicit DemoServer(const char* name);

    const std::wstring& Address() const { return m_address; }
    // The Wine path of the server's test CA (DER); empty for a plain HTTP server.
    const std::wstring& CaPath() const { return m_caPath; }
    std::wstring Host() const;
    int Port() const;

    // Sends one control command (a JSON object) and returns the reply text.
    std::wstring Control(const std::wstring& command) const;
    void SetKnobs(const std::wstring& knobs) const;
    // Start-up knobs and an empty request record.
    void Reset() const;
    // The request record as the control endpoint gives it (JSON text).
    std::wstring RequestsText() const;

private:
    std::wstring m_address;
    std::wstring m_caPath;
};

// A local port on which nothing listens: connecting fails at once.
int ClosedLocalPort();
