#include "htmlengine/paint/gdi/GdiTextMeasurer.h"

#include "htmlengine/paint/gdi/FontCache.h"

namespace htmlengine {

std::wstring FamilyList(const Font& font)
{
    std::wstring list;
    for (const std::wstring& family : font.families)
        list += (list.empty() ? L"" : L", ") + family;
    return list;
}

GdiTextMeasurer::GdiTextMeasurer(ErrorLog log) : log_(std::move(log)), fonts_(FontCache::Shared()) {}

HDC GdiTextMeasurer::Select(const Font& font)
{
    const FontCache::Entry& entry = fonts_.Get(font);
    if (!entry.faceInstalled && logged_.insert(&font).second)
        log_(L"font: none of \"" + FamilyList(font) + L"\" is installed");
    SelectObject(fonts_.MeasuringDc(), entry.font);
    return fonts_.MeasuringDc();
}

FontMetrics GdiTextMeasurer::Metrics(const Font& font)
{
    Select(font);
    const TEXTMETRICW& metrics = fonts_.Get(font).metrics;
    return { int(metrics.tmAscent), int(metrics.tmDescent), int(metrics.tmHeight + metrics.tmExternalLeading) };
}

int GdiTextMeasurer::Width(const Font& font, std::wstring_view text)
{
    SIZE size = {};
    if (!text.empty())
        GetTextExtentPoint32W(Select(font), text.data(), int(text.size()), &size);
    return int(size.cx);
}

void GdiTextMeasurer::Extents(const Font& font, std::wstring_view text, std::vector<int>& extents)
{
    extents.assign(text.size(), 0);
    if (text.empty())
        return;
    SIZE size = {};
    GetTextExtentExPointW(Select(font), text.data(), int(text.size()), 0, nullptr, extents.data(), &size);
}

}  // namespace htmlengine
