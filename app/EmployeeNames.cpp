#include "app/EmployeeNames.h"

#include "app/MainModel.h"
#include "core/DisplayNames.h"

std::wstring FormatEmployeeName(const boost::shared_ptr<MainModel>& model,
                                const boost::shared_ptr<Quorvane::Employee>& employee, bool lastNameFirst) {
    boost::shared_ptr<Quorvane::Config> config;
    if (model)
        config = model->GetConfig();
    return Quorvane::FormatEmployeeName(config.get(), *employee, lastNameFirst);
}
