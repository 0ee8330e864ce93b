#pragma once
// What an import must leave in QuickBooks, worked out from the world alone: the rules of the
// preview and the import for one world, written apart from the program's code, so that a fault
// the preview and the import share cannot hide behind their agreement.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "World.h"

// A time entry as QuickBooks holds it, by names.
struct ModelEntry {
    int employee;
    int day;
    std::wstring customerJob;
    std::wstring serviceItem;
    std::wstring payrollItem;
    std::wstring notes;
    int minutes;
    WorldBilling billing;

    bool operator<(const ModelEntry& other) const;
    bool operator==(const ModelEntry& other) const;
};

typedef std::vector<ModelEntry> ModelCompany;

// What one import shows and writes, per server user.
struct ModelTotals {
    int before;  // the summary's time in QuickBooks before the import
    int after;  // and after it
    int working;  // the import log's working time, when the user is selected
    int leave;  // and leave time
};

enum ModelEnding {
    Finished,
    StoppedByUser,
    StoppedAtChangeSincePreview,
    StoppedAtTimeWindow,
    StoppedAtDataConflict,
    StoppedAtMissingItem,
    StoppedAtError
};

// The entries the import log reports one by one.
struct ModelReports {
    int deleted;
    int kept;  // absent on the server, and deletion is off
    int billed;
    int changed;  // changed in QuickBooks while the import ran: left as they are
};

struct ModelImport {
    bool refused;  // the mapping checks stop it: QuickBooks stays as it was
    ModelCompany after;
    std::map<int, ModelTotals> users;  // every loaded user mapped to an employee
    std::map<std::wstring, std::pair<int, int>> logged;  // working and leave time by the log's names
    ModelReports reports;
    ModelEnding ending;
    std::pair<int, int> panel;  // the working and leave time the end panel counts before the first write
    std::set<std::wstring> gone;  // customer:jobs to add time to that QuickBooks lost since the preview
};

// Where a change made in QuickBooks lands: the index of the entry in the company, or -1;
// entries of `gone` are no longer there.
int FindEditedEntry(const World& world, const ModelCompany& company, const WorldEdit& edit,
                    const std::set<int>* gone = NULL);

// The company as the program's last import left it, before QuickBooks was changed.
ModelImport ExpectLastImport(const World& world);
// The last import's company changed in QuickBooks as the world says, before this load.
ModelCompany ExpectCompanyBefore(const World& world, const ModelCompany& lastImport);
// This import over that company, with the changes made after its preview and while it runs.
ModelImport ExpectImport(const World& world, const ModelCompany& before);

// "E-0 day 2 [Acme:Roof|Labor|Wages|fix|0] 90"
std::string DescribeEntry(const ModelEntry& entry);
