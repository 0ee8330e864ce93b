#pragma once
// The preview dialog's "Working and Leave Time" tab: the chosen employee's time, week by week,
// as the import will leave it in QuickBooks, with a tooltip on every cell saying what the import
// does with it. It only reads the model.
#include <boost/shared_ptr.hpp>

#include "ui/dialogs/details/ITabController.h"

class MainModel;

namespace Quorvane {
class Config;
class Employee;
class EmployeeDiff;
}  // namespace Quorvane

class WorkingLeaveTimeTab : public ITabController {
public:
    explicit WorkingLeaveTimeTab(const boost::shared_ptr<MainModel>& model);

    std::wstring GetId() override { return L"idWorkingLeaveTime_Tab"; }
    void Build(htmlayout::dom::element root) override;
    // Rebuilds for "OnUserChanged" and answers false, so the other tab sees the call too.
    bool OnScriptCall(HWND dialog, HELEMENT he, const char* name, UINT argc, json::value* argv) override;
    bool IsDataChanged() override { return false; }

private:
    // The chosen user as the preview shows them.
    struct SelectedEmployee {
        boost::shared_ptr<Quorvane::EmployeeDiff> diff;
        boost::shared_ptr<Quorvane::Employee> serverEmployee;
        boost::shared_ptr<Quorvane::Employee> namingEmployee;  // names the service items the import creates
        bool usesTimeData;  // shows the payroll item column
    };

    SelectedEmployee ReadSelectedEmployee(const htmlayout::dom::element& root) const;
    void BuildTable(const htmlayout::dom::element& root, const SelectedEmployee& employee);
    void SetColumnHeaders(const htmlayout::dom::element& root, bool usesTimeData) const;
    void ShowUnavailable(const htmlayout::dom::element& root) const;

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Quorvane::Config> m_config;
};
