#include "htmlengine/window/ResourceLoader.h"

#include <windows.h>

namespace htmlengine {

namespace {

const int kHtmlResourceType = 23;

bool HasScheme(const std::wstring& url)
{
    size_t colon = url.find(L':');
    return colon != std::wstring::npos && colon > 1 && url.find(L'/') > colon;
}

}  // namespace

bool LoadResourceUrl(const std::wstring& url, std::vector<unsigned char>& data, void* from)
{
    std::wstring name = url;
    if (name.compare(0, 4, L"res:") == 0)
        name = name.substr(4);
    else if (HasScheme(name))
        return false;  // stock:, theme:, file:, http: ...
    name = name.substr(name.find_last_of(L"/\\") == std::wstring::npos ? 0 : name.find_last_of(L"/\\") + 1);
    size_t dot = name.rfind(L'.');
    std::wstring extension = dot == std::wstring::npos ? L"html" : name.substr(dot + 1);
    name = name.substr(0, dot);
    std::wstring type;
    for (wchar_t c : extension)
        type += c >= L'a' && c <= L'z' ? wchar_t(c - L'a' + L'A') : c;
    HMODULE module = from ? static_cast<HMODULE>(from) : GetModuleHandleW(nullptr);
    HRSRC resource = type == L"HTML" ? FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(kHtmlResourceType))
                                     : FindResourceW(module, name.c_str(), type.c_str());
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = resource ? SizeofResource(module, resource) : 0;
    if (!bytes || size == 0)
        return false;
    data.assign(static_cast<const unsigned char*>(bytes), static_cast<const unsigned char*>(bytes) + size);
    return true;
}

}  // namespace htmlengine
