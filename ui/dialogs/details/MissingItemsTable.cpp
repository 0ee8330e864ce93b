#include "ui/dialogs/details/MissingItemsTable.h"

#include "ui/dialogs/details/MarkupWriter.h"
#include "ui/dialogs/details/MissingItemRules.h"
#include "ui/shared/PageText.h"
#include "ui/toolkit/FocusReturn.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

const wchar_t kCannotBeListed[] =
    L"The missing items cannot be listed. Please check how service items are named on the import settings tab, "
    L"then hit 'Reload' on the main Pellworth window and open this list again.";

const wchar_t* StatusIcon(int status)
{
    switch (status) {
    case MissingItemStatus::CannotCreate: return L"<td><img src=\"ICON_STOP.png\"></td>";
    case MissingItemStatus::CreationOff: return L"<td><img src=\"IDR_TRIANGLEYELLOW.png\"></td>";
    case MissingItemStatus::MayCreate: return L"<td><img src=\"IDR_TRIANGLEWHITE.png\"></td>";
    default: return L"";
    }
}

}  // namespace

MissingItemsTable::MissingItemsTable(const boost::shared_ptr<MainModel>& model, Layout layout)
    : m_model(model),
      m_layout(layout),
      m_statuses(new MissingItemStatusList),
      m_createdItems(false),
      m_window(NULL),
      m_runFailed(false),
      m_closeAfterRun(false)
{
}

void MissingItemsTable::SetStatuses(const boost::shared_ptr<MissingItemStatusList>& statuses)
{
    m_statuses = statuses;
    SortMissingItemStatuses(*m_model, *m_statuses);
}

void MissingItemsTable::BuildMissingItemsTable(const element& root) const
{
    element tbody = root.get_element_by_id("MissingItemItemId");
    if (!tbody.is_valid())
        return;
    MarkupWriter markup;
    for (MissingItemStatusList::const_iterator status = m_statuses->begin(); status != m_statuses->end(); ++status)
        WriteRow(**status, markup);
    mainpage::SetMarkup(tbody, markup.str());
    tbody.update(true);
}

// The one failure known is a service item that the settings cannot name after its employee.
void MissingItemsTable::ShowUnavailable(const element& root)
{
    m_statuses.reset(new MissingItemStatusList);
    element tbody = root.get_element_by_id("MissingItemItemId");
    if (tbody.is_valid())
        ShowMessage(tbody, L"unavailable", kCannotBeListed);
}

void MissingItemsTable::ShowMessage(element tbody, const wchar_t* cssClass, const std::wstring& text) const
{
    const wchar_t* columns = m_layout == DialogLayout ? L"5" : L"4";
    mainpage::SetMarkup(tbody,
                        std::wstring(L"<tr><td colspan=\"") + columns + L"\" class=\"" + cssClass + L"\"></td></tr>");
    mainpage::SetPlainText(tbody.find_first("td"), text);
    tbody.update(true);
}

// The dialog's cells carry their widths; the tab's take the header's.
void MissingItemsTable::OpenCell(const wchar_t* width, MarkupWriter& markup) const
{
    markup.Open(L"td");
    if (m_layout == DialogLayout)
        markup.Attribute(L"width", width);
}

void MissingItemsTable::WriteRow(const MissingItemStatus& status, MarkupWriter& markup) const
{
    const MissingItem& item = *status.GetItem();
    const bool cannotCreate = status.GetStatus() == MissingItemStatus::CannotCreate;
    markup.Open(L"tr").Attribute(L"valueName", item.GetName());
    if (m_layout == DialogLayout)
        markup.Attribute(L"rowselect", L"false");
    if (cannotCreate)
        markup.Attribute(L"class", L"cannotcreate");
    OpenCell(L"30px", markup);
    markup.Markup(cannotCreate ? L"<button type=\"checkbox\" disabled=\"disabled\">&nbsp;</button>"
                               : L"<button type=\"checkbox\">&nbsp;</button>");
    markup.Close(L"td");
    OpenCell(L"130px", markup);
    markup.Markup(L"<table class=\"problem-name\"><tr>" + std::wstring(StatusIcon(status.GetStatus())) +
                  L"<td><span name='status' statusid='" + std::to_wstring(status.GetStatus()) + L"' misstype='" +
                  std::to_wstring(item.GetKind()) + L"'>" + DataTypeText(item.GetKind()) +
                  L"</span></td></tr></table>");
    markup.Close(L"td");
    OpenCell(L"30%", markup);
    markup.Open(L"span").Attribute(L"name", L"name").Attribute(L"value", item.GetName());
    markup.Text(MissingItemDisplayName(*m_model, item)).Close(L"span").Close(L"td");
    OpenCell(L"40%", markup);
    markup.Attribute(L"class", L"notes").Open(L"span").Text(MissingItemNotes(status)).Close(L"span").Close(L"td");
    if (m_layout == DialogLayout) {
        const RelatedEmployeesText related = DescribeRelatedEmployees(*m_model, item);
        OpenCell(L"30%", markup);
        markup.Attribute(L"title", related.tooltip).Text(related.text).Close(L"td");
    }
    markup.Close(L"tr");
}

void MissingItemsTable::UpdateCreateButton(const element& root) const
{
    element tbody = root.get_element_by_id("MissingItemItemId");
    element button = root.get_element_by_id("idCreateMissingDataButton");
    if (!tbody.is_valid())
        return;
    if (tbody.find_first("button:checked").is_valid())
        button.enable();
    else
        button.disable();
}

void FocusFirstMissingItem(const element& root)
{
    std::vector<element> boxes;
    root.find_all(&boxes, "#MissingItemItemId button");
    element first;
    for (size_t i = 0; i < boxes.size() && !first.is_valid(); ++i)
        if (!(boxes[i].get_state() & STATE_DISABLED))
            first = boxes[i];
    htmlayout::return_focus(first, root);
}

bool ReadMissingItemRow(const element& row, bool& checked, int& statusId, int& missType, std::wstring& name)
{
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

void CheckMissingItemRow(const element& root, const element& box)
{
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
