#pragma once
// A demo server that tests/server/with_demo_servers.py started for this test run, reached
// through its control endpoint.
#include <string>
#include <vector>

// One request as the demo server received it.
struct RecordedRequest {
    std::wstring verb;
    std::wstring path;
    std::wstring method;  // the RPC method, empty when the body named none
    std::wstring body;  // decoded from UTF-8
    int length;  // bytes on the wire
    std::wstring userAgent;
};

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
    // The recorded requests, all or those of one RPC method, in arrival order.
    std::vector<RecordedRequest> Requests(const wchar_t* method = NULL) const;

private:
    std::wstring m_address;
    std::wstring m_caPath;
};

// A local port on which nothing listens: connecting fails at once.
int ClosedLocalPort();
