#include "htmlengine/document/style/RuleIndex.h"

#include "htmlengine/document/dom/Element.h"

#include <algorithm>

namespace htmlengine {

namespace {

template <class Key>
void AddBucket(const std::unordered_map<Key, std::vector<RuleIndex::Entry>>& buckets, const Key& key,
               std::vector<const RuleIndex::Entry*>& out)
{
    auto found = buckets.find(key);
    if (found == buckets.end())
        return;
    for (const RuleIndex::Entry& entry : found->second)
        out.push_back(&entry);
}

}  // namespace

RuleIndex::RuleIndex(const std::vector<StyleSheet>& sheets)
{
    size_t order = 0;
    for (const StyleSheet& sheet : sheets)
        for (const StyleRule& rule : sheet.rules) {
            ++order;
            for (const ComplexSelector& selector : rule.selectors) {
                const CompoundSelector& last = selector.compounds.back();
                Entry entry { &rule, &selector, order };
                if (!last.id.empty())
                    byId_[last.id].push_back(entry);
                else if (!last.classes.empty())
                    byClass_[last.classes.front()].push_back(entry);
                else if (!last.tag.empty())
                    byTag_[last.tag].push_back(entry);
                else
                    universal_.push_back(entry);
            }
        }
}

void RuleIndex::Candidates(const Element& element, std::vector<const Entry*>& out) const
{
    out.clear();
    if (const std::wstring* id = element.FindAttribute("id"))
        AddBucket(byId_, *id, out);
    if (const std::wstring* classes = element.FindAttribute("class")) {
        size_t start = 0;
        while (start < classes->size()) {
            size_t end = classes->find_first_of(L" \t\r\n", start);
            if (end == std::wstring::npos)
                end = classes->size();
            if (end > start)
                AddBucket(byClass_, classes->substr(start, end - start), out);
            start = end + 1;
        }
    }
    AddBucket(byTag_, element.Tag(), out);
    for (const Entry& entry : universal_)
        out.push_back(&entry);
    std::sort(out.begin(), out.end(), [](const Entry* a, const Entry* b) {
        return a->order != b->order ? a->order < b->order : a->selector < b->selector;
    });
    out.erase(std::unique(out.begin(), out.end()), out.end());  // a class named twice
}

}  // namespace htmlengine
