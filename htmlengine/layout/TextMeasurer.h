#pragma once
// How layout measures text: only through this interface, so tests can lay out with fixed
// metrics and get the same boxes on every machine. The window's measurer is the GDI one
// (paint/gdi/GdiTextMeasurer, set by EngineWindow; tests replace it through
// LayoutView::SetMeasurer or HTMLayoutTestSetFixedMetrics); layout caches the widths of runs
// on top of any measurer.
#include "htmlengine/document/style/ComputedStyle.h"

#include <memory>
#include <string_view>
#include <vector>

namespace htmlengine {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int lineHeight = 0;  // the "normal" line height: ascent + descent + the font's leading
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual FontMetrics Metrics(const Font& font) = 0;
    // The advance of the text drawn as one run.
    virtual int Width(const Font& font, std::wstring_view text) = 0;
    // For each character, the advance of the text up to and including it (extents.size() ==
    // text.size()); for ellipses, carets and hit positions inside a run.
    virtual void Extents(const Font& font, std::wstring_view text, std::vector<int>& extents) = 0;
};

// Every character `advance` wide and every line `lineHeight` high (ascent three quarters of
// it) at the reference size of 12 px; other sizes scale in proportion.
class FixedTextMeasurer : public TextMeasurer {
public:
    explicit FixedTextMeasurer(int advance = 7, int lineHeight = 16) : advance_(advance), lineHeight_(lineHeight) {}
    FontMetrics Metrics(const Font& font) override;
    int Width(const Font& font, std::wstring_view text) override;
    void Extents(const Font& font, std::wstring_view text, std::vector<int>& extents) override;

private:
    int Advance(const Font& font) const;
    int advance_;
    int lineHeight_;
};

}  // namespace htmlengine
