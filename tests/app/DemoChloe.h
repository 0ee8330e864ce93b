#pragma once
// Chloë of the demo data (server user 23, QuickBooks employee E-CHLOE), whose Monday and
// Tuesday the end-to-end tests import: 7 h and 1 h each day.
#include <boost/shared_ptr.hpp>

#include "core/Config.h"
#include "core/DateTime.h"

extern const wchar_t kChloe[];
extern const Quorvane::DateTime kMonday;

// Only Chloë is imported (the other demo users are "do not import"), to E-CHLOE on P-HOURLY,
// with the customers, jobs and service items she works on made in QuickBooks as needed; the
// period is her Monday and Tuesday.
void ImportOnlyChloe(const boost::shared_ptr<Quorvane::Config>& config);
