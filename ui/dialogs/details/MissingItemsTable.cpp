#include "ui/dialogs/details/MissingItemsTable.h"

#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/MissingItemRules.h"
#include "ui/toolkit/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

const wchar_t* StatusIcon(int status) {
    switch (status) {
    case MissingItemStatus::CannotCreate: return L"<td><img src=\"ICON_STOP.png\"></td>";
    case MissingItemStatus::CreationOff: return L"<td><img src=\"IDR_TRIANGLEYELLOW.png\"></td>";
    case MissingItemStatus::MayCreate: return L"<td><img src=\"IDR_TRIANGLEWHITE.png\"></td>";
    default: return L"";
    }
}

element AppendCell(element& tr, const wchar_t* width, bool withWidth) {
    element td = AppendElement(tr, "td");
    if (withWidth)
        td.set_attribute("width", width);
    return td;
}

}  // namespace

MissingItemsTable::MissingItemsTable(const boost::shared_ptr<MainModel>& model, Layout layout)
    : m_model(model), m_layout(layout), m_statuses(new MissingItemStatusList), m_createdItems(false) {}

void MissingItemsTable::SetStatuses(const boost::shared_ptr<MissingItemStatusList>& statuses) {
    m_statuses = statuses;
    SortMissingItemStatuses(*m_model, *m_statuses);
}

void MissingItemsTable::BuildMissingItemsTable(const element& root) const {
    element tbody = root.get_element_by_id("MissingItemItemId");
    if (!tbody.is_valid())
        return;
    tbody.delete_children_from(0);
    for (MissingItemStatusList::const_iterator status = m_statuses->begin(); status != m_statuses->end(); ++status)
        AppendRow(tbody, **status);
    tbody.update(true);
}

// Names and notes go in as text and attributes, never as markup.
void MissingItemsTable::AppendRow(element& tbody, const MissingItemStatus& status) const {
    const MissingItem& item = *status.GetItem();
    const bool dialog = m_layout == DialogLayout;
    element tr = AppendElement(tbody, "tr");
    tr.set_attribute("valueName", item.GetName().c_str());
    if (dialog)
        tr.set_attribute("rowselect", L"false");
    if (status.GetStatus() == MissingItemStatus::CannotCreate)
        tr.set_attribute("class", L"cannotcreate");

    element box = AppendCell(tr, L"30px", dialog);
    SetHtml(box, status.GetStatus() == MissingItemStatus::CannotCreate
                     ? L"<button type=\"checkbox\" disabled=\"disabled\">&nbsp;</button>"
                     : L"<button type=\"checkbox\">&nbsp;</button>");
    element type = AppendCell(tr, L"130px", dialog);
    SetHtml(type, L"<table class=\"problem-name\"><tr>" + std::wstring(StatusIcon(status.GetStatus())) +
                      L"<td><span name='status' statusid='" + std::to_wstring(status.GetStatus()) + L"' misstype='" +
                      std::to_wstring(item.GetKind()) + L"'>" + DataTypeText(item.GetKind()) +
                      L"</span></td></tr></table>");
    element nameCell = AppendCell(tr, L"30%", dialog);
    element name = AppendElement(nameCell, "span", MissingItemDisplayName(*m_model, item));
    name.set_attribute("name", L"name");
    name.set_attribute("value", item.GetName().c_str());
    element notes = AppendCell(tr, L"40%", dialog);
    notes.set_attribute("class", L"notes");
    AppendElement(notes, "span", MissingItemNotes(status));
    if (!dialog)
        return;
    const RelatedEmployeesText related = DescribeRelatedEmployees(*m_model, item);
    element employees = AppendCell(tr, L"30%", true);
    employees.set_text(related.text.c_str());
    employees.set_attribute("title", related.tooltip.c_str());
}

void MissingItemsTable::UpdateCreateButton(const element& root) const {
    element tbody = root.get_element_by_id("MissingItemItemId");
    element button = root.get_element_by_id("idCreateMissingDataButton");
    if (!tbody.is_valid())
        return;
    if (tbody.find_first("button:checked").is_valid())
        button.enable();
    else
        button.disable();
}

bool ReadMissingItemRow(const element& row, bool& checked, int& statusId, int& missType, std::wstring& name) {
    const element button = row.find_first("button");
    const element status = row.find_first("span[name=\"status\"]");
    const element nameSpan = row.find_first("span[name=\"name\"]");
    if (!button.is_valid() || !status.is_valid() || !nameSpan.is_valid())
        return false;
    const json::value value = button.get_value();
    checked = value.get(false) || value.get_int(0) != 0;
    statusId = htmlayout::wtoi(status.get_attribute("statusid"), 0);
    missType = htmlayout::wtoi(status.get_attribute("misstype"), 0);
    const wchar_t* valueName = nameSpan.get_attribute("value");
    name = valueName ? valueName : L"";
    return true;
}

void CheckMissingItemRow(const element& root, const element& box) {
    const element changedRow = box.select_parent_w(L"#MissingItemItemId>tr");
    MissingItemRow changed;
    bool checked = false;
    int status = 0;
    element tbody = root.get_element_by_id("MissingItemItemId");
    if (!box.is_valid() || !tbody.is_valid() ||
        !ReadMissingItemRow(changedRow, checked, status, changed.kind, changed.name))
        return;
    changed.enabled = true;
    for (UINT i = 0; i < tbody.children_count(); ++i) {
        element row = tbody.child(i);
        MissingItemRow other;
        bool otherChecked = false;
        if (!ReadMissingItemRow(row, otherChecked, status, other.kind, other.name))
            continue;
        other.enabled = status != MissingItemStatus::CannotCreate;
        if (!FollowsCheckChange(changed, checked, other))
            continue;
        row.find_first("button").set_value(json::value(checked));
        row.set_attribute("rowselect", checked ? L"true" : L"false");
    }
    tbody.update(true);
}
