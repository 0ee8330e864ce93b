#pragma once
// The program's result held against the model's: what QuickBooks holds, what the summary's rows
// and footer show before the import, and what the import log counts and reports.
#include <map>
#include <set>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "Model.h"
#include "core/TextCodec.h"

class MainModel;

typedef std::vector<std::string> Failures;

// Each employee's entries, as multisets.
void CheckCompany(const std::string& moment, const ModelCompany& expected, const ModelCompany& held,
                  Failures& failures);

void CheckSummary(const World& world, const boost::shared_ptr<MainModel>& model, const ModelImport& expected,
                  Failures& failures);

// importTrace: the simulator's trace of the import's requests; viewCalls: what it showed.
void CheckImportLog(const World& world, const ModelImport& expected, const std::vector<std::wstring>& log,
                    const std::vector<std::wstring>& importTrace, const std::vector<std::wstring>& viewCalls,
                    Failures& failures);

// "\tName: Status  (Working time 1:00, Leave time 2:00)": working and leave minutes by name.
// Two employees may share a name: their lines add up, and each of their statuses counts.
void ReadLogTotals(const std::vector<std::wstring>& log, std::map<std::wstring, std::pair<int, int>>& totals,
                   std::map<std::wstring, std::set<std::wstring>>& statuses);

using Quorvane::Narrow;
