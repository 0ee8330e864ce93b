#pragma once
// The import progress overlay (page piece IDR_PROGRESS_DIALOG). Each operation takes the
// overlay "ProgressBodyDialog" and finds its parts inside it.
#include <string>

#include "ui/toolkit/Element.h"

void ResetProgressPanel(const htmlayout::dom::element& panel);
void ShowProgressSucceededState(const htmlayout::dom::element& panel);
void ShowProgressFailedState(const htmlayout::dom::element& panel, const std::wstring& message);
void SetImportProgressValue(const htmlayout::dom::element& panel, int percent);
void SetImportedWorkingTimeText(const htmlayout::dom::element& panel, const std::wstring& text);
void SetImportedLeaveTimeText(const htmlayout::dom::element& panel, const std::wstring& text);
void SetDataImportedForText(const htmlayout::dom::element& panel, const std::wstring& text);
void SetProgressCommentText(const htmlayout::dom::element& panel, const std::wstring& text);
void SetStopImportButtonEnabled(const htmlayout::dom::element& panel, bool enabled);

// Whole percent of done out of total, truncated; 0 for a total of 0 or less.
int ProgressPercent(int done, int total);
// " 1h 30min" for 90 minutes.
std::wstring ImportedTimeText(int minutes);
