// The creation run of the missing-items table and the error panel it shows for a failure.
#include "ui/dialogs/details/MissingItemsTable.h"

#include "app/MainModel.h"
#include "app/missing/MissingItemsController.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/main/ErrorPanel.h"
#include "ui/dialogs/details/MissingItemRules.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

const wchar_t kCreateText[] = L"Create Selected Items in QuickBooks";
const wchar_t kCreatingText[] = L"Creating Selected Items in QuickBooks";

std::vector<element> RowsOf(const element& root)
{
    std::vector<element> rows;
    root.find_all(&rows, "tbody#MissingItemItemId>tr");
    return rows;
}

void DisableCheckBoxes(const element& root)
{
    std::vector<element> boxes;
    root.find_all(&boxes, "tbody#MissingItemItemId button");
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i].disable();
}

// Rows that cannot be created keep their disabled box.
void EnableCheckBoxes(const element& root)
{
    const std::vector<element> rows = RowsOf(root);
    for (size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].find_first("span[name=\"status\"][statusid=\"0\"]").is_valid())
            rows[i].find_first("button").enable();
}

void Uncheck(element& row)
{
    element box = row.find_first("button");
    box.set_value(json::value(false));
    box.update(true);
    row.set_attribute("rowselect", L"false");
}

}  // namespace

std::vector<MissingItemsTable::CheckedRow> MissingItemsTable::GetCheckedItems(const element& root) const
{
    std::vector<CheckedRow> checkedRows;
    const std::vector<element> rows = RowsOf(root);
    for (size_t i = 0; i < rows.size(); ++i) {
        bool checked = false;
        int status = 0;
        int kind = 0;
        std::wstring name;
        if (!ReadMissingItemRow(rows[i], checked, status, kind, name) || !checked)
            continue;
        for (MissingItemStatusList::const_iterator it = m_statuses->begin(); it != m_statuses->end(); ++it) {
            const boost::shared_ptr<MissingItem> item = (*it)->GetItem();
            if (item->GetKind() == kind && item->GetName() == name) {
                CheckedRow checkedRow = { rows[i], item };
                checkedRows.push_back(checkedRow);
                break;
            }
        }
    }
    return checkedRows;
}

bool MissingItemsTable::OnCreateMissingDataClick(const element& root, const boost::shared_ptr<EmployeeDiff>& diff)
{
    WaitCursor wait;
    DisableCheckBoxes(root);
    element button = root.get_element_by_id("idCreateMissingDataButton");
    button.set_text(kCreatingText);
    button.disable();
    std::vector<CheckedRow> checkedRows = GetCheckedItems(root);
    for (size_t i = 0; i < checkedRows.size(); ++i) {
        const int code = Create(checkedRows[i].item);
        if (code != 0) {
            Uncheck(checkedRows[i].row);
            ShowCreationError(root, code, *checkedRows[i].item, diff);
            return false;
        }
        m_createdItems = true;
        checkedRows[i].row.destroy();
    }
    EnableCheckBoxes(root);
    button.set_text(kCreateText);
    return true;
}

// The creation changes the model's collections and its settings' mappings, so it runs under the
// model's lock.
int MissingItemsTable::Create(const boost::shared_ptr<MissingItem>& item) const
{
    CriticalSectionLock lock(m_model->GetLock());
    return MissingItemsController(m_model).CreateMissingItems(item);
}

void MissingItemsTable::ShowCreationError(const element& root, int code, const MissingItem& item,
                                          const boost::shared_ptr<EmployeeDiff>& diff) const
{
    const CreationFailureTexts texts = DescribeCreationFailure(*m_model, item, diff, code);
    ShowErrorPanel(root, texts.title, texts.heading, texts.problem, texts.resolution, std::wstring(),
                   ErrorPanelCloseOnly);
}
