#pragma once
// What the import leaves in QuickBooks for one previewed entry that it takes. The preview's
// cells and totals, the summary and the import log all read it from here, so that they tell
// the same story as the import does. The import's own totals (its log and end panel) leave out
// billed conflicts, which it never touches; the preview and the summary show them as QuickBooks
// keeps them.
namespace Quorvane {
class TimeTrackDiff;
}

// True when the entry is to go from QuickBooks: the server no longer has it, or its server total
// left nothing for it (never a billed entry the server still has). It goes only when the
// settings allow deletion.
bool IsRemoval(const Quorvane::TimeTrackDiff& diff);

// canRemove: the settings let the import delete QuickBooks time. A billed conflict and a removal
// that the settings forbid keep the QuickBooks minutes; a removal they allow leaves none.
int MinutesAfterImport(const Quorvane::TimeTrackDiff& diff, bool canRemove);
