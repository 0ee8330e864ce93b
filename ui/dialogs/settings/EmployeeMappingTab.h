#pragma once
// The employee mapping tab: one row per loaded server user, whose select says where the user's
// time goes in QuickBooks (an existing employee, a new one, or nowhere). It edits the employee
// mappings and the new-employee name postfixes of the dialog's working copy. A row's select holds
// its fixed choices and its chosen employee from the start, and every free employee from the
// moment it first takes the focus: hundreds of users times hundreds of employees would otherwise
// make the dialog slow to open.
#include <string>

#include "ui/dialogs/settings/ISettingsTab.h"

namespace Quorvane {
class Employee;
class EmployeeCollection;
class MappingCollection;
}  // namespace Quorvane

struct MappingOption;

class EmployeeMappingTab : public ISettingsTab {
public:
    void Load(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Save(ModelPtr model, ConfigPtr config, const Element& root) override;
    void Refresh(ModelPtr model, ConfigPtr config, const Element& root) override;
    int GetValidType(ModelPtr model, ConfigPtr config, const Element& root) override;
    std::string GetId() const override { return "idEmployeeMapping_Tab"; }
    bool OnScriptCall(const Element& root, HELEMENT caller, XCALL_PARAMS& params) override;
    void ShowPanel(const Element&, int) override {}
    // A row's select about to be used offers every employee nobody else is mapped to.
    void OnFocus(ModelPtr model, ConfigPtr config, const Element& root, const Element& target) override;

    // Shows the empty-table message when no row is there or none is shown.
    void UpdateEmptyTableComment(const Element& root);

    // The QuickBooks employees that no mapping targets, in QuickBooks order.
    static boost::shared_ptr<Quorvane::EmployeeCollection>
    GetUnmappedQuickBooksEmployees(const Quorvane::MappingCollection& mappings, const Quorvane::EmployeeCollection& qb);
    // "" or "(n)", n >= 2: the first postfix that neither a namesake user's new employee nor a
    // QuickBooks employee of the same name already carries.
    static std::wstring GetNewEmployeePostfix(const MainModel& model, const Quorvane::Config& config,
                                              const Quorvane::Employee& user);
    // The row's select: undecided (only when nothing else is chosen), new employee, do not
    // import, then the offered employees.
    static std::wstring BuildMappingSelect(const MainModel& model, const Quorvane::Employee& user,
                                           const std::wstring& postfix, const Quorvane::EmployeeCollection& offered,
                                           const std::wstring& source, int state, const std::wstring& target);
    // "--new-- (First Middle LastPostfix)".
    static std::wstring NewEmployeeOptionText(const Quorvane::Employee& user, const std::wstring& postfix);
    // The option of an offered QuickBooks employee: "First Middle Last".
    static MappingOption EmployeeOption(const MainModel& model, const Quorvane::Employee& employee);
};
