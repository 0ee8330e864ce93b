#pragma once
// Where a dialog's hyperlinks go: the shell's "open", behind a seam so that tests record the
// targets instead of starting programs. Only http:, https: and mailto: targets get here.
#include <windows.h>

namespace htmlayout {

typedef void (*link_opener)(HWND owner, const wchar_t* target);

void open_link(HWND owner, const wchar_t* target);
// Null restores the shell.
void set_link_opener(link_opener opener);

// Whether a page's link may be opened: http:, https: or mailto: (any case).
bool is_openable_link(const wchar_t* target);

}  // namespace htmlayout
