#include "ui/dialogs/settings/EmptyTableComment.h"

#include "ui/toolkit/ElementHelpers.h"

namespace {

enum TableStatus { RowsShown, RowsHidden, NoRows };

TableStatus StatusOf(const std::vector<htmlayout::dom::element>& rows)
{
    if (rows.empty())
        return NoRows;
    for (const htmlayout::dom::element& row : rows) {
        const UINT state = row.get_state();
        if ((state & STATE_EXPANDED) || !(state & STATE_COLLAPSED))
            return RowsShown;
    }
    return RowsHidden;
}

}  // namespace

void UpdateEmptyTableComment(const htmlayout::dom::element& root, const std::vector<htmlayout::dom::element>& rows,
                             const wchar_t* scope, const wchar_t* boxId)
{
    htmlayout::dom::element message = root.find_first_w(L"%ls #idEmptyTableDiv", scope);
    htmlayout::dom::element comment = root.find_first_w(L"%ls #idEmptyTableComment", scope);
    htmlayout::dom::element box = root.find_first_w(L"%ls #%ls", scope, boxId);
    switch (StatusOf(rows)) {
    case RowsShown:
        htmlayout::collapse(message);
        box.set_attribute("disabled", nullptr);
        break;
    case RowsHidden:
        comment.set_text(L"There are no Quorvane users to map.");
        htmlayout::expand(message);
        break;
    case NoRows:
        comment.set_text(L"There are no Quorvane users who reported time-track within the specified date range.");
        box.set_state(0, STATE_CHECKED);
        box.set_attribute("disabled", L"disabled");
        htmlayout::expand(message);
        break;
    }
}
