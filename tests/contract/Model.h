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
    int billing;  // 0 billable, 1 not billable, 2 billed

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

struct ModelImport {
    bool refused;  // the mapping checks stop it: QuickBooks stays as it was
    ModelCompany after;
    std::map<int, ModelTotals> users;  // every loaded user mapped to an employee
    std::map<std::wstring, std::pair<int, int>> logged;  // working and leave time by the log's names
    int changedEntries;  // entries the import leaves alone as changed in QuickBooks while it ran
};

// Where a change made in QuickBooks lands: the index of the entry in the company, or -1;
// entries of `gone` are no longer there.
int FindEditedEntry(const World& world, const ModelCompany& company, const WorldEdit& edit,
                    const std::set<int>* gone = NULL);

// The company as the program's last import left it, before QuickBooks was changed.
ModelImport ExpectLastImport(const World& world);
// The last import's company changed in QuickBooks as the world says, before this load.
ModelCompany ExpectCompanyBefore(const World& world, const ModelCompany& lastImport);
// This import over that company, with the changes made while it runs.
ModelImport ExpectImport(const World& world, const ModelCompany& before);

// "E-0 day 2 [Acme:Roof|Labor|Wages|fix|0] 90"
std::string DescribeEntry(const ModelEntry& entry);
