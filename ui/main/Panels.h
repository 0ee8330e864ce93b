#pragma once
// The absent-time-track question (page piece IDR_ABSENT_TIME_TRACK_DIALOG); each operation
// takes the document's root.
#include "ui/toolkit/Element.h"

void ShowAbsentTimeTrackBody(const htmlayout::dom::element& root);
void HideAbsentTimeTrackBody(const htmlayout::dom::element& root);
// The note that billed records cannot be deleted.
void SetConflictFlagVisible(const htmlayout::dom::element& root, bool visible);
void SetDeleteTimeTrackChoice(const htmlayout::dom::element& root, bool deleteAbsent);
