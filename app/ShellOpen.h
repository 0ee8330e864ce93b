#pragma once
// Hands a link, file or folder to the shell's "open" verb, behind a seam so that tests record
// what would have been opened instead of starting programs.
#include <string>

// False when the shell could not open the target (no program for its kind, or no such file).
bool ShellOpen(const std::wstring& target);

typedef bool (*ShellOpener)(const std::wstring& target);
// Null restores the shell.
void SetShellOpener(ShellOpener opener);
