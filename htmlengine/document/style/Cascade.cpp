#include "htmlengine/document/style/Cascade.h"

#include "htmlengine/document/css/CssParser.h"
#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/css/VarReference.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/CustomProperties.h"
#include "htmlengine/document/style/RuleIndex.h"

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

namespace htmlengine {

namespace {

// CSS Cascade 3 §6.1 origins and importance, weakest first; runtime styles sit above the
// style attribute as the engine's own override.
enum Level { kUserAgent, kSheet, kInline, kRuntime, kImportantSheet, kImportantInline };

struct Candidate {
    Level level;
    unsigned specificity;
    size_t order;
    const Declaration* declaration;
};

bool Weaker(const Candidate& a, const Candidate& b)
{
    if (a.level != b.level)
        return a.level < b.level;
    if (a.specificity != b.specificity)
        return a.specificity < b.specificity;
    return a.order < b.order;
}

void AddDeclarations(const Document& document, const StyleRule& rule, size_t order, unsigned specificity,
                     const std::string* property, std::vector<Candidate>& candidates)
{
    bool userAgent = order <= document.UserAgentRuleCount();
    for (const Declaration& d : rule.declarations)
        if (!property || d.property == *property)
            candidates.push_back({ userAgent     ? kUserAgent
                                   : d.important ? kImportantSheet
                                                 : kSheet,
                                   specificity, order, &d });
}

void CollectRule(Element& element, Document& document, const StyleRule& rule, size_t order, const std::string* property,
                 std::vector<Candidate>& candidates)
{
    unsigned best = 0;
    bool matched = false;
    for (const ComplexSelector& selector : rule.selectors)
        if (Matches(selector, element, document.Root())) {
            best = std::max(best, selector.specificity);
            matched = true;
        }
    if (matched)
        AddDeclarations(document, rule, order, best, property, candidates);
}

// The rules that match, or with `property` only those that declare it: selectors are
// matched only for rules that can matter.
void CollectSheets(Element& element, Document& document, const std::string* property,
                   std::vector<Candidate>& candidates)
{
    if (property) {
        for (const Document::RuleRef& ref : document.RulesDeclaring(*property))
            CollectRule(element, document, *ref.rule, ref.order, property, candidates);
        return;
    }
    std::vector<const RuleIndex::Entry*> entries;
    document.Rules().Candidates(element, entries);
    for (size_t i = 0; i < entries.size();) {
        const StyleRule& rule = *entries[i]->rule;
        unsigned best = 0;
        bool matched = false;
        for (; i < entries.size() && entries[i]->rule == &rule; ++i)
            if (Matches(*entries[i]->selector, element, document.Root())) {
                best = std::max(best, entries[i]->selector->specificity);
                matched = true;
            }
        if (matched)
            AddDeclarations(document, rule, entries[i - 1]->order, best, nullptr, candidates);
    }
}

// The declarations that apply, weakest first; with `property`, only that property's.
std::vector<Candidate> Cascade(Element& element, const std::string* property, DeclarationList& inlineStyle)
{
    std::vector<Candidate> candidates;
    if (Document* document = element.OwnerDocument())
        CollectSheets(element, *document, property, candidates);
    std::vector<std::wstring> ignoredErrors;  // reported when the attribute is set
    if (const std::wstring* style = element.FindAttribute("style"))
        inlineStyle = ParseDeclarations(*style, ignoredErrors);
    for (const Declaration& d : inlineStyle)
        if (!property || d.property == *property)
            candidates.push_back({ d.important ? kImportantInline : kInline, 0, 0, &d });
    if (element.HasStyle())
        for (const Declaration& d : element.Style().runtime)
            if (!property || d.property == *property)
                candidates.push_back({ kRuntime, 0, 0, &d });
    std::stable_sort(candidates.begin(), candidates.end(), Weaker);
    return candidates;
}

// The display each tag has by default (anything else is inline), looked up once per element
// of every restyle.
const std::unordered_map<std::string, const wchar_t*>& DefaultDisplays()
{
    static const std::unordered_map<std::string, const wchar_t*> displays = [] {
        std::unordered_map<std::string, const wchar_t*> map;
        for (const char* block :
             { "html", "body", "div",    "p",      "h1",      "h2",     "h3",   "h4",         "h5",
               "h6",   "ul",   "ol",     "hr",     "form",    "center", "pre",  "blockquote", "dl",
               "dt",   "dd",   "header", "footer", "section", "nav",    "main", "article",    "aside" })
            map[block] = L"block";
        for (const char* atomic : { "widget", "select", "input", "button", "img", "progress", "textarea" })
            map[atomic] = L"inline-block";
        map["li"] = L"list-item";
        map["table"] = L"table";
        map["tr"] = L"table-row";
        map["td"] = map["th"] = L"table-cell";
        map["tbody"] = L"table-row-group";
        map["thead"] = L"table-header-group";
        map["tfoot"] = L"table-footer-group";
        return map;
    }();
    return displays;
}

// The text as a page reads it back, its var() references replaced; false when one resolves to
// nothing (the property is then unset).
bool Substitute(Element& element, std::wstring& value)
{
    if (!HasVarReference(value))
        return true;
    std::wstring out, problem;
    if (!SubstituteCustomProperties(value, ComputedStyleOf(element)->custom.get(), out, problem))
        return false;
    value = std::move(out);
    return true;
}

CascadedValues Compute(Element& element)
{
    DeclarationList inlineStyle;
    CascadedValues cascaded;
    cascaded["display"] = DefaultDisplay(element);
    for (const Candidate& c : Cascade(element, nullptr, inlineStyle))
        cascaded[c.declaration->property] = c.declaration->value;
    for (auto it = cascaded.begin(); it != cascaded.end();)
        it = Substitute(element, it->second) ? std::next(it) : cascaded.erase(it);
    return cascaded;
}

}  // namespace

const wchar_t* DefaultDisplay(const Element& element)
{
    const std::string& tag = element.Tag();
    if (tag == "caption") {
        const Element* parent = element.Parent();
        return parent && parent->Tag() == "table" ? L"table-caption" : L"inline-block";
    }
    auto found = DefaultDisplays().find(tag);
    return found == DefaultDisplays().end() ? L"inline" : found->second;
}

std::vector<const Declaration*> MatchedDeclarations(Element& element, DeclarationList& inlineStyle)
{
    std::vector<const Declaration*> declarations;
    for (const Candidate& c : Cascade(element, nullptr, inlineStyle))
        declarations.push_back(c.declaration);
    return declarations;
}

const CascadedValues& CascadedStyle(Element& element)
{
    ElementStyle& style = element.Style();
    Document* document = element.OwnerDocument();
    unsigned long long generation = document ? document->StyleGeneration() : 0;
    if (style.cascadedAt != generation || generation == 0) {
        style.cascaded = Compute(element);
        style.cascadedAt = generation;
    }
    return style.cascaded;
}

std::wstring StyleProperty(Element& element, const std::string& property)
{
    DeclarationList inlineStyle;
    std::vector<Candidate> candidates = Cascade(element, &property, inlineStyle);
    if (candidates.empty())
        return property == "display" ? DefaultDisplay(element) : std::wstring();
    std::wstring value = candidates.back().declaration->value;
    return Substitute(element, value) ? value : std::wstring();
}

bool IsElementVisible(Element& element)
{
    if (ComputedStyleOf(element)->visibility != Visibility::Visible)
        return false;
    for (Element* e = &element; e; e = e->Parent())
        if (ComputedStyleOf(*e)->display == Display::None)
            return false;
    return true;
}

}  // namespace htmlengine
