#pragma once
// The window's text measurer: GDI metrics and extents of the shared fonts. A font-family
// list of which no face is installed is logged once, through the window's error log.
#include "htmlengine/layout/TextMeasurer.h"

#include <windows.h>

#include <functional>
#include <set>
#include <string>

namespace htmlengine {

class FontCache;

class GdiTextMeasurer : public TextMeasurer {
public:
    using ErrorLog = std::function<void(const std::wstring& error)>;
    explicit GdiTextMeasurer(ErrorLog log);
    FontMetrics Metrics(const Font& font) override;
    int Width(const Font& font, std::wstring_view text) override;
    void Extents(const Font& font, std::wstring_view text, std::vector<int>& extents) override;

private:
    // Selects the font into the measuring DC, logging a list without an installed face.
    HDC Select(const Font& font);

    ErrorLog log_;
    FontCache& fonts_;
    std::set<const Font*> logged_;
};

// "Segoe UI, Tahoma, sans-serif" as the log shows a family list.
std::wstring FamilyList(const Font& font);

}  // namespace htmlengine
