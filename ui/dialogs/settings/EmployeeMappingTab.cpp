#include "ui/dialogs/settings/EmployeeMappingTab.h"

#include <set>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "core/DisplayNames.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/EmployeeMappingOrder.h"
#include "ui/dialogs/settings/EmptyTableComment.h"
#include "ui/dialogs/settings/MappingChoice.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/toolkit/TextHelpers.h"

using namespace Quorvane;
using namespace settings_page;

namespace {

typedef boost::shared_ptr<Employee> EmployeePtr;
typedef boost::shared_ptr<EmployeeCollection> EmployeesPtr;

// What every row's select draws on: the employees nobody is mapped to yet.
struct RowSources {
    RowSources(const MainModel& model, const Config& config)
        : mappings(config.GetEmployeeMappings()),
          users(model.GetServerEmployees()),
          qb(model.GetQuickBooksEmployees()),
          unmapped(EmployeeMappingTab::GetUnmappedQuickBooksEmployees(*mappings, *qb)) {}

    // The free employees, with the row's own employee at the end when it still exists.
    EmployeesPtr OfferedTo(const Mapping& mapping) const {
        EmployeesPtr offered(new EmployeeCollection(unmapped->begin(), unmapped->end()));
        if (qb->ContainsId(mapping.GetTarget()))
            offered->Add(qb->FindById(mapping.GetTarget()));
        return offered;
    }

    boost::shared_ptr<MappingCollection> mappings;
    EmployeesPtr users;
    EmployeesPtr qb;
    EmployeesPtr unmapped;
};

std::wstring UserCell(const Employee& user) {
    return L"<td><span><img iconstop src=\"ICON_STOP.png\"><img iconnew src=\"ICON_NEW.png\">" +
           HtmlEscape(FormatEmployeeName(0, user, true)) + L"</span></td>";
}

std::wstring MappingCell(const MainModel& model, const Config& config, const RowSources& sources,
                         const Employee& user, const Mapping& mapping) {
    const int state = mapping.GetState();
    if (state == Mapping::NoPayrollItemRequired)
        return L"<td><span class=\"not-required\">Not required</span></td>";
    if (state < Mapping::NotMapped || state > Mapping::CreateNew)
        return L"<td></td>";
    const std::wstring postfix = EmployeeMappingTab::GetNewEmployeePostfix(model, config, user);
    return L"<td>" +
           EmployeeMappingTab::BuildMappingSelect(model, user, postfix, *sources.OfferedTo(mapping),
                                                  mapping.GetSource(), state, mapping.GetTarget()) +
           L"</td>";
}

std::wstring RowMarkup(const MainModel& model, const Config& config, const RowSources& sources,
                       const Employee& user, const Mapping& mapping) {
    return L"<tr class=\"datarow\" mappingState=\"" + std::to_wstring(mapping.GetState()) + L"\" isNew=\"" +
           (mapping.GetFlag() ? L"1" : L"0") + L"\">" + UserCell(user) +
           MappingCell(model, config, sources, user, mapping) + L"</tr>";
}

// The rows' selects by user id; rows without one (not required, unknown states) are left out.
std::map<std::wstring, Element> RowSelects(const Element& root) {
    return MappingSelectsById(DataRows(root.get_element_by_id("mappingTable")));
}

// The new-employee option follows the postfix that namesakes leave free, unless the user chose it.
void RefreshNewEmployeeOption(Element option, const MainModel& model, const Config& config, const Mapping& mapping,
                              const EmployeeCollection& users) {
    if (mapping.GetState() == Mapping::CreateNew || !users.ContainsId(mapping.GetSource()))
        return;
    const EmployeePtr user = users.FindById(mapping.GetSource());
    const std::wstring postfix = EmployeeMappingTab::GetNewEmployeePostfix(model, config, *user);
    option.set_attribute("postfix", postfix.c_str());
    option.set_text(EmployeeMappingTab::NewEmployeeOptionText(*user, postfix).c_str());
}

void AppendEmployeeOption(Element& popup, const Config* modelConfig, const Employee& employee) {
    Element option = Element::create("option", FormatEmployeeName(modelConfig, employee, false).c_str());
    option.set_attribute("mappingState", L"2");
    option.set_attribute("value", employee.GetId().c_str());
    popup.append(option);
}

// Drops the employees taken elsewhere, adds those freed since, keeps what is chosen.
void RefreshSelect(Element select, const MainModel& model, const Config& config, const RowSources& sources,
                   const Mapping& mapping) {
    const EmployeesPtr offered = sources.OfferedTo(mapping);
    std::set<std::wstring> missing;
    for (const EmployeePtr& employee : *offered)
        missing.insert(employee->GetId());
    Element popup = select.find_first("popup");
    for (UINT n = 0; n < popup.children_count();) {
        Element option = popup.child(n);
        const wchar_t* state = option.get_attribute("mappingState");
        if (htmlayout::wcseq(state, L"4"))
            RefreshNewEmployeeOption(option, model, config, mapping, *sources.users);
        if (htmlayout::wcseq(state, L"2")) {
            const wchar_t* value = option.get_attribute("value");
            if (!value || !missing.erase(value)) {
                option.detach();
                continue;
            }
        }
        ++n;
    }
    const boost::shared_ptr<Config> modelConfig = model.GetConfig();
    for (const EmployeePtr& employee : *offered)
        if (missing.count(employee->GetId()))
            AppendEmployeeOption(popup, modelConfig.get(), *employee);
}

}  // namespace

void EmployeeMappingTab::Load(ModelPtr model, ConfigPtr config, const Element& root) {
    Element table = root.get_element_by_id("mappingTable");
    if (!table.is_valid())
        return;
    const RowSources sources(*model, *config);
    std::wstring rows;
    for (const EmployeePtr& user : EmployeeMappingOrder(*sources.mappings).Sort(*sources.users)) {
        if (sources.mappings->Contains(user->GetId()))
            rows += RowMarkup(*model, *config, sources, *user, *sources.mappings->GetBySource(user->GetId()));
    }
    SetMarkup(table, rows, SIH_APPEND_AFTER_LAST);
    for (Element& row : DataRows(table))
        row.set_state(STATE_EXPANDED, STATE_COLLAPSED);
    UpdateEmptyTableComment(root);
}

// A row whose select carries no choice keeps its mapping as it was.
void EmployeeMappingTab::Save(ModelPtr, ConfigPtr config, const Element& root) {
    const boost::shared_ptr<MappingCollection> mappings = config->GetEmployeeMappings();
    Config::NamePostfixes postfixes = config->GetNamePostfixes();
    for (const std::pair<const std::wstring, Element>& row : RowSelects(root)) {
        const boost::optional<MappingChoice> choice = ReadMappingChoice(row.second);
        if (!choice || !mappings->Contains(row.first))
            continue;
        Mapping& mapping = *mappings->GetBySource(row.first);
        if (!ApplyMappingChoice(mapping, *choice))
            continue;
        mapping.SetFlag(choice->state != Mapping::Mapped);
        if (choice->state == Mapping::CreateNew)
            postfixes[row.first] = choice->postfix;
        else
            postfixes.erase(row.first);
    }
    config->SetNamePostfixes(postfixes);
}

void EmployeeMappingTab::Refresh(ModelPtr model, ConfigPtr config, const Element& root) {
    const RowSources sources(*model, *config);
    for (const std::pair<const std::wstring, Element>& row : RowSelects(root)) {
        if (sources.mappings->Contains(row.first))
            RefreshSelect(row.second, *model, *config, sources, *sources.mappings->GetBySource(row.first));
    }
}

int EmployeeMappingTab::GetValidType(ModelPtr model, ConfigPtr config, const Element&) {
    return HasEmployeeMappingProblems(*model, *config) ? TabIncomplete : TabComplete;
}

bool EmployeeMappingTab::OnScriptCall(const Element& root, HELEMENT, XCALL_PARAMS& params) {
    if (!htmlayout::streq(params.method_name, "UpdateEmptyTableComment"))
        return false;
    UpdateEmptyTableComment(root);
    return true;
}

void EmployeeMappingTab::UpdateEmptyTableComment(const Element& root) {
    ::UpdateEmptyTableComment(root, DataRows(root.get_element_by_id("mappingTable")), L"#Employee", L"hideAllButNew");
}
