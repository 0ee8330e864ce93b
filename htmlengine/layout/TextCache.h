#pragma once
// Widths of runs and metrics of fonts, measured once through the window's measurer: a page
// repeats the same few words and fonts in every row.
#include "htmlengine/layout/TextMeasurer.h"

#include <string>
#include <unordered_map>

namespace htmlengine {

class TextCache {
public:
    explicit TextCache(TextMeasurer& measurer) : measurer_(measurer) {}

    int Width(const Font* font, std::wstring_view text);
    const FontMetrics& Metrics(const Font* font);
    TextMeasurer& Measurer() { return measurer_; }

private:
    struct Key {
        const Font* font;
        std::wstring text;
        bool operator==(const Key& other) const { return font == other.font && text == other.text; }
    };
    struct KeyHash {
        size_t operator()(const Key& key) const
        {
            return std::hash<std::wstring>()(key.text) ^ (std::hash<const void*>()(key.font) << 1);
        }
    };

    TextMeasurer& measurer_;
    std::unordered_map<Key, int, KeyHash> widths_;
    std::unordered_map<const Font*, FontMetrics> metrics_;
    Key probe_;  // reused for look-ups, so a hit allocates nothing once its capacity is reached
};

}  // namespace htmlengine
