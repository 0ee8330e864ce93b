#pragma once
// Opens a file or folder the bookkeeper asked for; when the shell cannot, the main window's
// error panel says what could not be opened, where it is, and why, instead of nothing at all.
#include <string>

class IMainView;

// what: plain text naming the target for the bookkeeper ("the user guide"); path: the file or
// folder.
void OpenOrExplain(IMainView& view, const std::wstring& what, const std::wstring& path);
