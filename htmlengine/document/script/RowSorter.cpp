#include "htmlengine/document/script/RowSorter.h"

#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/script/ScriptLexer.h"

#include <algorithm>

namespace htmlengine {

namespace {

struct SortKey {
    bool group = false;  // "first <selector>"
    SelectorList selector;
    std::string attribute;  // empty: the text
    bool lower = false;
};

bool EndsWith(const std::wstring& text, const std::wstring& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

SortKey ParseKey(std::wstring text)
{
    SortKey key;
    if (text.compare(0, 6, L"first ") == 0) {
        key.group = true;
        key.selector = ParseSelectors(text.substr(6));
        return key;
    }
    if ((key.lower = EndsWith(text, L" lower")))
        text.resize(text.size() - 6);
    size_t split = text.rfind(L' ');
    if (split == std::wstring::npos)
        throw ScriptError("sort key needs a selector and @attribute or :text");
    std::wstring what = text.substr(split + 1);
    if (what.size() > 1 && what[0] == L'@')
        key.attribute = std::string(what.begin() + 1, what.end());
    else if (what != L":text")
        throw ScriptError("sort key ends in neither @attribute nor :text");
    key.selector = ParseSelectors(text.substr(0, split));
    return key;
}

// The row itself or the first element inside it, in document order, that matches; ":root"
// is the row at every depth.
const Element* FirstMatch(const Element& element, const Element& row, const SelectorList& selector)
{
    if (MatchesAny(selector, element, &row))
        return &element;
    for (const Element* child : element.Children())
        if (const Element* match = FirstMatch(*child, row, selector))
            return match;
    return nullptr;
}

std::wstring KeyText(const Element& row, const SortKey& key)
{
    const Element* source = FirstMatch(row, row, key.selector);
    if (key.group)
        return source ? L"0" : L"1";
    std::wstring text = !source                 ? L""
                        : key.attribute.empty() ? TextContent(*source)
                                                : source->AttributeOr(key.attribute);
    return key.lower ? ToLowerAscii(text) : text;
}

}  // namespace

void SortRows(Element& container, const std::wstring& rows, bool descending, const std::vector<std::wstring>& keyTexts)
{
    SelectorList rowSelector = ParseSelectors(rows);
    std::vector<SortKey> keys;
    for (const std::wstring& keyText : keyTexts)
        keys.push_back(ParseKey(keyText));
    std::vector<Element*> order = container.Children();
    std::vector<size_t> slots;
    std::vector<std::pair<std::vector<std::wstring>, Element*>> sortable;
    for (size_t i = 0; i < order.size(); ++i) {
        if (!MatchesAny(rowSelector, *order[i], &container))
            continue;
        slots.push_back(i);
        std::vector<std::wstring> texts;
        for (const SortKey& key : keys)
            texts.push_back(KeyText(*order[i], key));
        sortable.emplace_back(std::move(texts), order[i]);
    }
    std::stable_sort(sortable.begin(), sortable.end(), [&](const auto& a, const auto& b) {
        for (size_t k = 0; k < keys.size(); ++k) {
            if (a.first[k] != b.first[k])
                return (a.first[k] < b.first[k]) != descending;
        }
        return false;
    });
    for (size_t i = 0; i < slots.size(); ++i)
        order[slots[i]] = sortable[i].second;
    container.ReorderChildren(0, order);
    if (Document* document = container.OwnerDocument())
        document->BoxesChanged(container);
}

}  // namespace htmlengine
