#pragma once
// The demo company's settings as a bookkeeper leaves them after setting the program up once:
// the demo server's address and account with a remembered password, the customer and job
// rules, and a rule for each of the demo data set's users. The demo seeds the rules on its first
// start only; later starts point the connection at their server and keep what was mapped.
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
// What a start of the demo leaves in the company's settings file: the settings already there
// with only the connection pointed at this run's server (its port differs from run to run), so
// what an earlier run mapped or imported stays; DemoConfig when there are none. False when the
// file cannot be written.
bool SeedDemoSettings(const std::wstring& company, const std::wstring& url, const std::wstring& user,
                      const std::wstring& password);

}  // namespace demo
