#pragma once
// Type information that knows one thing: the interface's name, given by GetDocumentation for
// the type itself. That is all a caller needs to recognise a response detail's kind.
#include <windows.h>
#include <oaidl.h>
#include <string>

namespace QbSim {

// A new object with one reference.
ITypeInfo* CreateNameTypeInfo(const std::wstring& name);

}  // namespace QbSim
