#pragma once
// GDI+ through its flat API, started once for the process on first use and never shut down
// (a DLL may not shut GDI+ down while it is being unloaded).
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace htmlengine {

// False when GDI+ cannot start; then nothing that needs it is drawn.
bool EnsureGdiplus();

}  // namespace htmlengine
