#pragma once
// The leave time and payroll tab: whether leave time is imported, the payroll item of each server
// leave type (the leave panel), and the payroll item each user's working time is booked to (the
// working-time panel).
#include <string>

#include "ui/dialogs/settings/ISettingsTab.h"

namespace Quorvane {
class Employee;
class MappingCollection;
class PayRoll;
class PayRollCollection;
}  // namespace Quorvane

class LeaveTimeAndPayrollTab : public ISettingsTab {
public:
    typedef boost::shared_ptr<Quorvane::PayRollCollection> PayRollsPtr;

    void Load(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Save(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Refresh(ModelPtr model, ConfigPtr config, const Element& root) override { Rebuild(model, config, root); }
    // Stores the working-time choices first, so the icon judges what the page shows.
    int GetValidType(ModelPtr model, ConfigPtr config, const Element& root) override;
    std::string GetId() const override { return "idLeaveTimeAndPayroll_Tab"; }
    bool OnScriptCall(const Element& root, HELEMENT caller, XCALL_PARAMS& params) override;
    // Panel 1 is the working-time panel (the leave panel is 0); no other is ever asked for.
    void ShowPanel(const Element& root, int panel) override;
    void OnFocus(ModelPtr, ConfigPtr, const Element&, const Element&) override {}

    // Reads the choices of the selects (or fixed texts) with ids prefix + source into the
    // mappings; a select that carries no choice leaves its mapping as it was.
    static void ReadMappingSelects(const Quorvane::MappingCollection& mappings, const Element& container,
                                   const std::wstring& prefix);

    // The leave panel.
    void BuildLeaveTypeTable(const MainModel& model, Quorvane::Config& config, const Element& root);
    static std::wstring BuildLeaveTypeSelect(const std::wstring& id, const Quorvane::PayRollCollection& items,
                                             int state, const std::wstring& target);

    // The working-time panel.
    void BuildPayrollTable(const MainModel& model, const Quorvane::Config& config, const Element& root);
    void Rebuild(ModelPtr model, ConfigPtr config, const Element& root);
    void UpdateEmptyTableComment(const Element& root);
    // All payroll items by name; the employee's own wage items when it has some and uses time
    // data; none when its pay cheques do not use time data.
    static PayRollsPtr CollectEmployeePayrollItems(const MainModel& model, const Quorvane::Config& config,
                                                   const Quorvane::Employee& user);
    static std::wstring BuildPayrollItemSelect(const std::wstring& id, const Quorvane::PayRollCollection& items,
                                               int state, const std::wstring& target);
};

// By name, UTF-16 unit by unit, without case folding.
bool PayrollItemNameLess(const boost::shared_ptr<Quorvane::PayRoll>& a, const boost::shared_ptr<Quorvane::PayRoll>& b);
// A sorted copy that shares the items.
LeaveTimeAndPayrollTab::PayRollsPtr SortedPayrollItems(const Quorvane::PayRollCollection& items);
