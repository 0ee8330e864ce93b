#pragma once
// Everything one import run reads, taken once at its start, so that nothing the UI thread or
// a load does later changes what the run works on: its own copy of the settings, the preview
// and the selection.
#include <string>
#include <vector>
#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {

class Config;
class EmployeeDiffCollection;
class IImportConnector;

struct ImportSnapshot {
    boost::shared_ptr<MainModel> model;
    boost::shared_ptr<Config> config;
    boost::shared_ptr<EmployeeDiffCollection> preview;
    boost::shared_ptr<IImportConnector> connector;
    std::wstring companyName;
    // A copy of the selection without the users not to import: server user ids in ascending order.
    std::vector<std::wstring> selection;
};

// Under the model's lock; the import runs on the model's QuickBooks connector.
ImportSnapshot TakeImportSnapshot(const boost::shared_ptr<MainModel>& model);
ImportSnapshot TakeImportSnapshot(const boost::shared_ptr<MainModel>& model,
                                  const boost::shared_ptr<IImportConnector>& connector);

// The run created the user's QuickBooks employee: the user's employee rules of the run's settings
// go into the model's settings, which are saved. Nothing else of the run's copy is written back,
// so settings saved meanwhile stay as they were saved.
void KeepCreatedEmployeeRules(const ImportSnapshot& snapshot, const std::wstring& userId);

}  // namespace Quorvane
