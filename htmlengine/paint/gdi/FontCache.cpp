#include "htmlengine/paint/gdi/FontCache.h"

#include "htmlengine/document/dom/AsciiCase.h"

#include <cwchar>

namespace htmlengine {

namespace {

struct Generic {
    const wchar_t* name;
    BYTE pitchAndFamily;
};

const Generic kGenerics[] = {
    { L"sans-serif", FF_SWISS }, { L"serif", FF_ROMAN },        { L"monospace", FF_MODERN | FIXED_PITCH },
    { L"cursive", FF_SCRIPT },   { L"fantasy", FF_DECORATIVE }, { L"system-ui", FF_SWISS }
};

const Generic* FindGeneric(const std::wstring& family)
{
    for (const Generic& generic : kGenerics)
        if (EqualsNoCase(std::wstring_view(family), std::wstring_view(generic.name)))
            return &generic;
    return nullptr;
}

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

}  // namespace

BYTE TextQuality()
{
    UINT type = 0;
    bool clearType = SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0) && type == FE_FONTSMOOTHINGCLEARTYPE;
    return clearType ? CLEARTYPE_QUALITY : ANTIALIASED_QUALITY;
}

FontCache& FontCache::Shared()
{
    static FontCache cache;
    return cache;
}

FontCache::FontCache() : dc_(CreateCompatibleDC(nullptr)) {}

FontCache::~FontCache()
{
    for (auto& entry : fonts_)
        DeleteObject(entry.second.font);
    DeleteDC(dc_);
}

bool FontCache::IsInstalled(const std::wstring& face)
{
    auto known = faces_.find(face);
    if (known != faces_.end())
        return known->second;
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc_, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    return faces_[face] = found;
}

const FontCache::Entry& FontCache::Get(const Font& font)
{
    auto known = fonts_.find(&font);
    if (known != fonts_.end())
        return known->second;
    LOGFONTW logFont = {};
    logFont.lfHeight = -font.size;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = TextQuality();
    Entry entry;
    entry.faceInstalled = font.families.empty();
    for (const std::wstring& family : font.families) {
        if (const Generic* generic = FindGeneric(family)) {
            logFont.lfPitchAndFamily = generic->pitchAndFamily;
        } else if (family.size() < LF_FACESIZE && IsInstalled(family)) {
            wcscpy(logFont.lfFaceName, family.c_str());
        } else {
            continue;
        }
        entry.faceInstalled = true;
        break;
    }
    entry.font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(dc_, entry.font);
    GetTextMetricsW(dc_, &entry.metrics);
    SelectObject(dc_, old);
    return fonts_[&font] = entry;
}

}  // namespace htmlengine
