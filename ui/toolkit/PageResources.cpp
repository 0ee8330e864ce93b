#include "ui/toolkit/PageResources.h"

#include <cwchar>
#include <string>

#include "htmlengine/api/EngineDocument.h"

namespace {

const size_t kMaximumUrlLength = 259;  // the names fit a buffer of MAX_PATH characters
const wchar_t kResourcePrefix[] = L"res:";
const WORD kHtmlType = 23;

bool is_served_length(const wchar_t* url)
{
    if (!url || !*url)
        return false;
    return std::wcslen(url) <= kMaximumUrlLength;
}

const wchar_t* skip_resource_prefix(const wchar_t* url)
{
    const size_t prefix = sizeof kResourcePrefix / sizeof kResourcePrefix[0] - 1;
    return std::wcsncmp(url, kResourcePrefix, prefix) == 0 ? url + prefix : url;
}

bool is_html_extension(const std::wstring& extension)
{
    static const wchar_t html[] = L"html";
    if (extension.size() != 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        if ((extension[i] | 0x20) != html[i])
            return false;
    return true;
}

// A URL's resource: the name before the last ".", and the type the extension gives.
class resource_id {
public:
    explicit resource_id(const std::wstring& url)
    {
        size_t dot = url.rfind(L'.');
        m_name = url.substr(0, dot);
        if (dot != std::wstring::npos && !is_html_extension(url.substr(dot + 1)))
            m_type = url.substr(dot + 1);
    }

    const wchar_t* name() const { return m_name.c_str(); }
    const wchar_t* type() const { return m_type.empty() ? MAKEINTRESOURCEW(kHtmlType) : m_type.c_str(); }

private:
    std::wstring m_name;
    std::wstring m_type;
};

enum class lookup { found, missing, unusable };

lookup load_resource(HINSTANCE instance, const wchar_t* name, const wchar_t* type, const unsigned char** data,
                     UINT* size)
{
    HRSRC found = FindResourceW(instance, name, type);
    if (!found)
        return lookup::missing;
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD length = bytes ? SizeofResource(instance, found) : 0;
    if (!length)
        return lookup::unusable;
    *data = static_cast<const unsigned char*>(bytes);
    *size = length;
    return lookup::found;
}

}  // namespace

bool LoadResourceFromUrl(const wchar_t* url, const unsigned char** data, UINT* size)
{
    if (!is_served_length(url) || !data || !size)
        return false;
    resource_id resource(skip_resource_prefix(url));
    return load_resource(GetModuleHandleW(nullptr), resource.name(), resource.type(), data, size) == lookup::found;
}

LRESULT LoadResourceData(HINSTANCE instance, HWND window, const wchar_t* url)
{
    if (!is_served_length(url))
        return 1;
    const wchar_t* handed_url = skip_resource_prefix(url);
    const wchar_t* file = std::wcsrchr(handed_url, L'/');
    resource_id resource(file ? file + 1 : handed_url);
    const unsigned char* data = nullptr;
    UINT size = 0;
    switch (load_resource(instance, resource.name(), resource.type(), &data, &size)) {
    case lookup::missing: return 0;
    case lookup::unusable: return 1;
    case lookup::found: break;
    }
    HTMLayoutDataReady(window, handed_url, data, size);
    return 0;
}

bool LoadHtmlResource(HINSTANCE instance, const wchar_t* name, const unsigned char** data, UINT* size)
{
    if (!name || !data || !size)
        return false;
    return load_resource(instance, name, MAKEINTRESOURCEW(kHtmlType), data, size) == lookup::found;
}
