#include "htmlengine/layout/TextCache.h"

namespace htmlengine {

namespace {

// Pages with ever new texts (a long session, the randomized test) must not grow it for good.
const size_t kMaximumEntries = 200000;

}  // namespace

int TextCache::Width(const Font* font, std::wstring_view text)
{
    if (text.empty())
        return 0;
    probe_.font = font;
    probe_.text.assign(text.data(), text.size());
    auto found = widths_.find(probe_);
    if (found != widths_.end())
        return found->second;
    if (widths_.size() >= kMaximumEntries)
        widths_.clear();
    int width = measurer_.Width(*font, text);
    widths_.emplace(probe_, width);
    return width;
}

const FontMetrics& TextCache::Metrics(const Font* font)
{
    auto found = metrics_.find(font);
    if (found != metrics_.end())
        return found->second;
    return metrics_.emplace(font, measurer_.Metrics(*font)).first->second;
}

}  // namespace htmlengine
