#pragma once
// The simulator's session manager made on the calling thread, for the connector's session
// manager factory: no registration is needed, and the simulator's objects live in the apartment
// of the connector's worker thread.
#include "connectors/quickbooks/qbfc/Session.h"

namespace QuickBooksTest {

HRESULT CreateSimulatedSessionManager(Quorvane::Qbfc::IQBSessionManager& out);

}  // namespace QuickBooksTest
