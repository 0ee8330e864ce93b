#include "app/import/ImportSnapshot.h"

#include "app/MainModel.h"
#include "app/import/ImportConnector.h"
#include "core/Config.h"

namespace Quorvane {

ImportSnapshot TakeImportSnapshot(const boost::shared_ptr<MainModel>& model)
{
    return TakeImportSnapshot(model, MakeImportConnector(model->GetQuickBooksConnector()));
}

ImportSnapshot TakeImportSnapshot(const boost::shared_ptr<MainModel>& model,
                                  const boost::shared_ptr<IImportConnector>& connector)
{
    CriticalSectionLock lock(model->GetLock());
    ImportSnapshot snapshot;
    snapshot.model = model;
    snapshot.config = model->GetConfig();
    snapshot.preview = model->GetEmployeeDiffs();
    snapshot.connector = connector;
    snapshot.companyName = model->GetCompanyInformation();
    const Config::EmployeeSelection* selection = snapshot.config->GetSelectedEmployees();
    snapshot.selection.assign(selection->begin(), selection->end());
    return snapshot;
}

}  // namespace Quorvane
