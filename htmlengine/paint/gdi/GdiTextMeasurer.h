#pragma once
// The window's text measurer: GDI metrics and extents of the shared fonts. A font-family
// list of which no face is installed is logged to the window's document once.
#include "htmlengine/layout/TextMeasurer.h"

#include <windows.h>

#include <set>

namespace htmlengine {

class FontCache;

class GdiTextMeasurer : public TextMeasurer {
public:
    explicit GdiTextMeasurer(HWND window);
    FontMetrics Metrics(const Font& font) override;
    int Width(const Font& font, std::wstring_view text) override;
    void Extents(const Font& font, std::wstring_view text, std::vector<int>& extents) override;

    static std::unique_ptr<TextMeasurer> ForWindow(HWND window);

private:
    // Selects the font into the measuring DC, logging a list without an installed face.
    HDC Select(const Font& font);

    HWND window_;
    FontCache& fonts_;
    std::set<const Font*> logged_;
};

// "Segoe UI, Tahoma, sans-serif" as the log shows a family list.
std::wstring FamilyList(const Font& font);

}  // namespace htmlengine
