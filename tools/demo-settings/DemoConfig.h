#pragma once
// The demo company's settings as a bookkeeper leaves them after setting the program up once:
// the demo server's address and account with a remembered password, the customer and job
// rules, and a rule for each of the demo data set's users.
#include <string>

#include <boost/shared_ptr.hpp>

#include "core/Config.h"

namespace demo {

// Only the connection, the password remembered: what a first login leaves.
boost::shared_ptr<Quorvane::Config> ConnectionConfig(const std::wstring& url, const std::wstring& user,
                                                     const std::wstring& password);
// The connection and every rule the demo data needs.
boost::shared_ptr<Quorvane::Config> DemoConfig(const std::wstring& url, const std::wstring& user,
                                               const std::wstring& password);

}  // namespace demo
