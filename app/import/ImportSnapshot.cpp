#include "app/import/ImportSnapshot.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "core/CompanyConfig.h"
#include "core/Config.h"

namespace Quorvane {

namespace {

void CopyEmployeeRules(Config& into, const Config& from, const std::wstring& userId)
{
    const boost::shared_ptr<Mapping> created = from.GetEmployeeMappings()->GetBySource(userId);
    const boost::shared_ptr<MappingCollection> rules = into.GetEmployeeMappings();
    if (!rules->Contains(userId))
        rules->Add(boost::shared_ptr<Mapping>(new Mapping(*created)));
    for (MappingCollection::iterator it = rules->begin(); it != rules->end(); ++it) {
        if ((*it)->GetSource() != userId)
            continue;
        (*it)->SetTarget(created->GetTarget(), created->GetState());
        (*it)->SetFlag(created->GetFlag());
    }
}

}  // namespace

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
    snapshot.config.reset(new Config(*model->GetConfig()));
    snapshot.preview = model->GetEmployeeDiffs();
    snapshot.connector = connector;
    snapshot.companyName = model->GetCompanyInformation();
    const Config::EmployeeSelection* selection = snapshot.config->GetSelectedEmployees();
    for (Config::EmployeeSelection::const_iterator it = selection->begin(); it != selection->end(); ++it) {
        if (!IsExcludedFromImport(*snapshot.config, *it))
            snapshot.selection.push_back(*it);
    }
    return snapshot;
}

void KeepCreatedEmployeeRules(const ImportSnapshot& snapshot, const std::wstring& userId)
{
    const boost::shared_ptr<Config> changed = snapshot.model->ChangeConfig(
        boost::bind(&CopyEmployeeRules, boost::placeholders::_1, boost::cref(*snapshot.config), userId));
    if (changed)
        SaveConfig(snapshot.companyName, changed);
}

}  // namespace Quorvane
