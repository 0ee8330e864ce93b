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
#include "ui/dialogs/settings/MappingSelect.h"
#include "ui/dialogs/settings/NewEmployeePostfixes.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/shared/PageText.h"
#include "json/TextHelpers.h"

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
          unmapped(EmployeeMappingTab::GetUnmappedQuickBooksEmployees(*mappings, *qb)),
          postfixes(model, config)
    {
    }

    // The row's own employee, when it still exists.
    EmployeesPtr OwnEmployeeOf(const Mapping& mapping) const
    {
        EmployeesPtr own(new EmployeeCollection);
        if (qb->ContainsId(mapping.GetTarget()))
            own->Add(qb->FindById(mapping.GetTarget()));
        return own;
    }
    // The free employees, with the row's own employee at the end.
    EmployeesPtr OfferedTo(const Mapping& mapping) const
    {
        EmployeesPtr offered(new EmployeeCollection(unmapped->begin(), unmapped->end()));
        const EmployeesPtr own = OwnEmployeeOf(mapping);
        if (own->Count())
            offered->Add(*own->begin());
        return offered;
    }

    boost::shared_ptr<MappingCollection> mappings;
    EmployeesPtr users;
    EmployeesPtr qb;
    EmployeesPtr unmapped;
    NewEmployeePostfixes postfixes;
};

std::wstring UserCell(const Employee& user)
{
    return L"<td><span><img iconstop src=\"ICON_STOP.png\"><img iconnew src=\"ICON_NEW.png\">" +
           HtmlEscape(FormatEmployeeName(0, user, true)) + L"</span></td>";
}

// Until the select is first used it offers only the row's own employee.
std::wstring MappingCell(const MainModel& model, const RowSources& sources, const Employee& user,
                         const Mapping& mapping)
{
    const int state = mapping.GetState();
    if (state == Mapping::NoPayrollItemRequired)
        return L"<td><span class=\"not-required\">Not required</span></td>";
    if (state < Mapping::NotMapped || state > Mapping::CreateNew)
        return L"<td></td>";
    const std::wstring postfix = sources.postfixes.For(user);
    return L"<td>" +
           EmployeeMappingTab::BuildMappingSelect(model, user, postfix, *sources.OwnEmployeeOf(mapping),
                                                  mapping.GetSource(), state, mapping.GetTarget()) +
           L"</td>";
}

std::wstring RowMarkup(const MainModel& model, const RowSources& sources, const Employee& user, const Mapping& mapping)
{
    return L"<tr class=\"datarow\" mappingState=\"" + std::to_wstring(mapping.GetState()) + L"\" isNew=\"" +
           (mapping.GetFlag() ? L"1" : L"0") + L"\">" + UserCell(user) + MappingCell(model, sources, user, mapping) +
           L"</tr>";
}

// The rows' selects by user id; rows without one (not required, unknown states) are left out.
std::map<std::wstring, Element> RowSelects(const Element& root)
{
    return MappingSelectsById(DataRows(root.get_element_by_id("mappingTable")));
}

bool OffersAll(const Element& select)
{
    return select.get_attribute("offersAll") != 0;
}

// The new-employee option follows the postfix that namesakes leave free, unless the user chose it.
void RefreshNewEmployeeOption(Element option, const RowSources& sources, const Mapping& mapping)
{
    if (mapping.GetState() == Mapping::CreateNew || !sources.users->ContainsId(mapping.GetSource()))
        return;
    const EmployeePtr user = sources.users->FindById(mapping.GetSource());
    const std::wstring postfix = sources.postfixes.For(*user);
    option.set_attribute("postfix", postfix.c_str());
    option.set_text(EmployeeMappingTab::NewEmployeeOptionText(*user, postfix).c_str());
}

// Options for the employees of `wanted`, in the collection's order: before `before` when it is
// given, else at the end of the popup.
void AddEmployeeOptions(const Element& popup, const Element& before, const MainModel& model,
                        const EmployeeCollection& employees, const std::set<std::wstring>& wanted)
{
    std::wstring markup;
    for (const EmployeePtr& employee : employees)
        if (wanted.count(employee->GetId()))
            markup += MappingOptionMarkup(EmployeeMappingTab::EmployeeOption(model, *employee), false);
    if (before.is_valid())
        mainpage::SetMarkup(before, markup, SOH_INSERT_BEFORE);
    else
        mainpage::SetMarkup(popup, markup, SIH_APPEND_AFTER_LAST);
}

std::set<std::wstring> IdsOf(const EmployeeCollection& employees)
{
    std::set<std::wstring> ids;
    for (const EmployeePtr& employee : employees)
        ids.insert(employee->GetId());
    return ids;
}

// Drops the employees taken elsewhere, adds those freed since, keeps what is chosen. A select not
// used yet offers only the row's own employee.
void RefreshSelect(const Element& select, const MainModel& model, const RowSources& sources, const Mapping& mapping)
{
    const EmployeesPtr offered = OffersAll(select) ? sources.OfferedTo(mapping) : sources.OwnEmployeeOf(mapping);
    std::set<std::wstring> missing = IdsOf(*offered);
    Element popup = select.find_first("popup");
    for (UINT n = 0; n < popup.children_count();) {
        Element option = popup.child(n);
        const wchar_t* state = option.get_attribute("mappingState");
        if (htmlayout::wcseq(state, L"4"))
            RefreshNewEmployeeOption(option, sources, mapping);
        if (htmlayout::wcseq(state, L"2")) {
            const wchar_t* value = option.get_attribute("value");
            if (!value || !missing.erase(value)) {
                option.detach();
                continue;
            }
        }
        ++n;
    }
    if (OffersAll(select))
        AddEmployeeOptions(popup, Element(), model, *offered, missing);
}

// The row's own employee keeps its place after the free ones.
void OfferAllEmployees(Element select, const MainModel& model, const RowSources& sources, const Mapping& mapping)
{
    if (OffersAll(select))
        return;
    select.set_attribute("offersAll", L"1");
    Element popup = select.find_first("popup");
    Element own;
    for (const Element& option : ChildrenFrom(popup, 0))
        if (htmlayout::wcseq(option.get_attribute("mappingState"), L"2"))
            own = option;
    std::set<std::wstring> others = IdsOf(*sources.unmapped);
    others.erase(mapping.GetTarget());
    AddEmployeeOptions(popup, own, model, *sources.unmapped, others);
}

}  // namespace

void EmployeeMappingTab::Load(ModelPtr model, ConfigPtr config, const Element& root)
{
    Element table = root.get_element_by_id("mappingTable");
    if (!table.is_valid())
        return;
    const RowSources sources(*model, *config);
    std::wstring rows;
    for (const EmployeePtr& user : EmployeeMappingOrder(*sources.mappings).Sort(*sources.users)) {
        if (sources.mappings->Contains(user->GetId()))
            rows += RowMarkup(*model, sources, *user, *sources.mappings->GetBySource(user->GetId()));
    }
    mainpage::SetMarkup(table, rows, SIH_APPEND_AFTER_LAST);
    // The new rows are drawn with the rest of the page; no redraw is asked for each.
    for (Element& row : DataRows(table))
        row.set_state(STATE_EXPANDED, STATE_COLLAPSED, false);
    UpdateEmptyTableComment(root);
}

// A row whose select carries no choice keeps its mapping as it was.
void EmployeeMappingTab::Save(ModelPtr, ConfigPtr config, const Element& root)
{
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

void EmployeeMappingTab::Refresh(ModelPtr model, ConfigPtr config, const Element& root)
{
    const RowSources sources(*model, *config);
    for (const std::pair<const std::wstring, Element>& row : RowSelects(root)) {
        if (sources.mappings->Contains(row.first))
            RefreshSelect(row.second, *model, sources, *sources.mappings->GetBySource(row.first));
    }
}

void EmployeeMappingTab::OnFocus(ModelPtr model, ConfigPtr config, const Element&, const Element& target)
{
    const wchar_t* id = target.get_attribute("id");
    if (!id || !target.find_first("popup").is_valid() || !target.select_parent_w(L"#mappingTable").is_valid())
        return;
    const std::wstring source = id;
    const RowSources sources(*model, *config);
    if (sources.mappings->Contains(source))
        OfferAllEmployees(target, *model, sources, *sources.mappings->GetBySource(source));
}

int EmployeeMappingTab::GetValidType(ModelPtr model, ConfigPtr config, const Element&)
{
    return HasEmployeeMappingProblems(*model, *config) ? TabIncomplete : TabComplete;
}

bool EmployeeMappingTab::OnScriptCall(const Element& root, HELEMENT, XCALL_PARAMS& params)
{
    if (!htmlayout::streq(params.method_name, "UpdateEmptyTableComment"))
        return false;
    UpdateEmptyTableComment(root);
    return true;
}

void EmployeeMappingTab::UpdateEmptyTableComment(const Element& root)
{
    ::UpdateEmptyTableComment(root, DataRows(root.get_element_by_id("mappingTable")), L"#Employee", L"hideAllButNew");
}
