#pragma once
// The world's time-tracking server, answering the connector's JSON-RPC requests in-process in the
// server's wire format: its users, their duplicates and their records as they were at the last
// import or as they are now. Every login is accepted.
#include <string>

#include "World.h"
#include "connectors/server/HttpTransport.h"

class WorldServer : public Quorvane::HttpTransport {
public:
    WorldServer(const World& world, bool now) : m_world(world), m_now(now) {}

    bool Open(int, const std::wstring&, int) override { return true; }
    std::wstring SendRequest(const std::wstring& verb, const std::wstring& path, const std::wstring& headers,
                             const std::wstring& body) override;

private:
    const World& m_world;
    bool m_now;
};
