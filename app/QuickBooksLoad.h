#pragma once
// The QuickBooks side of a data load: the company's employees with their entries of the period
// and its lists, read into a model through its QuickBooks connector.
#include <boost/function.hpp>

#include "core/DateRange.h"

class MainModel;

// step(percent) is called before each read and may throw to end the load.
void ReadQuickBooksData(MainModel& loaded, const Quorvane::DateRange& period, const boost::function<void(int)>& step);

// An employee's own wage items keep only those QuickBooks still has.
void KeepKnownWageItems(MainModel& loaded);
