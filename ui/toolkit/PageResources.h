#pragma once
// Pages, page pieces, style sheets and images are resources of the program's module. A URL
// "NAME.ext" names the resource NAME; the extension is its type ("html" in any case, or no
// extension, means type 23 (HTML); any other extension is the type name, e.g. "CSS", "png").
// URLs of 260 characters or more are never served.
#include <windows.h>

// The dialogs' loader: "NAME.ext" or "res:NAME.ext" from the program's own module. True with
// the data when the resource was found and is not empty.
bool LoadResourceFromUrl(const wchar_t* url, const unsigned char** data, UINT* size);

// The main window's loader, for notification 0xB01: strips "res:" and any path before the
// last "/", and hands the data to the engine for the stripped-of-"res:" URL. Answers 0 to go
// on (handed over, or no such resource: the engine loads it itself) and 1 to drop the URL
// (empty URL, or a resource that cannot be loaded).
LRESULT LoadResourceData(HINSTANCE instance, HWND window, const wchar_t* url);

// A whole page (type 23) by name, or by numeric id through MAKEINTRESOURCEW. True when found
// and not empty.
bool LoadHtmlResource(HINSTANCE instance, const wchar_t* name, const unsigned char** data, UINT* size);
