// The creation run of the missing-items table and the error panel it shows for a failure.
#include "ui/dialogs/details/MissingItemsTable.h"

#include "app/MainModel.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/shared/ErrorPanel.h"
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

// A run creates the items of the employee chosen when it started: the choice waits for its end.
void SetEmployeeChoiceEnabled(const element& root, bool enabled)
{
    element choice = root.get_element_by_id("EmployeeSelectId");
    if (!choice.is_valid())
        return;
    if (enabled)
        choice.enable();
    else
        choice.disable();
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

MissingItemsTable::~MissingItemsTable()
{
    if (m_run) {
        m_run->Forget();
        m_run->RequestStop();
    }
}

element MissingItemsTable::Root() const
{
    return element::root_element(m_window);
}

void MissingItemsTable::StartCreation(HWND window, const boost::shared_ptr<EmployeeDiff>& diff, const RunEnded& ended)
{
    if (m_run)
        return;
    m_window = window;
    const element root = Root();
    DisableCheckBoxes(root);
    SetEmployeeChoiceEnabled(root, false);
    element button = root.get_element_by_id("idCreateMissingDataButton");
    button.set_text(kCreatingText);
    button.disable();
    m_runRows = GetCheckedItems(root);
    m_runDiff = diff;
    m_runFailed = false;
    m_ended = ended;
    MissingItemsCreationRun::Items items;
    for (size_t i = 0; i < m_runRows.size(); ++i)
        items.push_back(m_runRows[i].item);
    m_run.reset(new MissingItemsCreationRun(m_model, items, this));
    if (!m_run->Start()) {
        m_run.reset();
        m_runFailed = true;
        ShowErrorPanel(root, L"Cannot create items", L"The creation could not be started.", L"Unknown", std::wstring(),
                       std::wstring(), ErrorPanelCloseOnly);
    }
}

bool MissingItemsTable::MayCloseWindow()
{
    if (!m_run)
        return true;
    if (!m_closeAfterRun && AskToStopCreation(m_window)) {
        m_closeAfterRun = true;
        m_run->RequestStop();
    }
    return false;
}

// The row being created is marked, and the button counts the items.
void MissingItemsTable::OnItemStarted(size_t index)
{
    element row = m_runRows[index].row;
    row.set_attribute("creating", L"true");
    const std::wstring progress = std::wstring(kCreatingText) + L" (" + std::to_wstring(index + 1) + L" of " +
                                  std::to_wstring(m_runRows.size()) + L")";
    Root().get_element_by_id("idCreateMissingDataButton").set_text(progress.c_str());
}

void MissingItemsTable::OnItemDone(size_t index, int code)
{
    element row = m_runRows[index].row;
    row.set_attribute("creating", nullptr);
    if (code == 0) {
        m_createdItems = true;
        row.destroy();
        return;
    }
    m_runFailed = true;
    Uncheck(row);
    ShowCreationError(Root(), code, *m_runRows[index].item, m_runDiff);
}

// After a failure the boxes stay disabled and the button keeps saying the creation goes on,
// until the user closes the error panel and the creation resumes.
void MissingItemsTable::OnRunEnded()
{
    m_run.reset();
    m_runRows.clear();
    const element root = Root();
    element button = root.get_element_by_id("idCreateMissingDataButton");
    if (m_runFailed)
        button.set_text(kCreatingText);
    else {
        EnableCheckBoxes(root);
        SetEmployeeChoiceEnabled(root, true);
        button.set_text(kCreateText);
    }
    const RunEnded ended = m_ended;
    m_ended.clear();
    if (ended)
        ended(!m_runFailed);
    if (m_closeAfterRun)
        PostCloseMessage(m_window);
}

void MissingItemsTable::ShowCreationError(const element& root, int code, const MissingItem& item,
                                          const boost::shared_ptr<EmployeeDiff>& diff) const
{
    const CreationFailureTexts texts = DescribeCreationFailure(*m_model, item, diff, code);
    ShowErrorPanel(root, texts.title, texts.heading, texts.problem, texts.resolution, std::wstring(),
                   ErrorPanelCloseOnly);
}
