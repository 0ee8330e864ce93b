#pragma once
// One loaded page: its root element, its style sheets, the keyboard focus, the event root
// and the panels that hold the keyboard, and a log of what the engine could not use.
#include "htmlengine/document/css/StyleSheet.h"
#include "htmlengine/document/style/StyleChanges.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace htmlengine {

class DocumentHost;
class Element;
class FocusScopes;
class RuleIndex;
class StyleShare;

struct PostedEvent {
    Element* target;  // both referenced while queued
    Element* source;
    unsigned code;
    unsigned long long reason;
};

// Runs the page's rules of `owner` for an event on its bubbling way; true stops the event.
using PageRuleRunner = std::function<bool(Element& owner, Element& target, unsigned group, const void* params)>;

class Document {
public:
    Document(DocumentHost& host, std::wstring baseUrl);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    DocumentHost& Host() const { return host_; }
    const std::wstring& BaseUrl() const { return baseUrl_; }

    Element* Root() const { return root_; }
    void SetRoot(Element* root);

    // Sheets in cascade order; the engine's defaults come first.
    const std::vector<StyleSheet>& StyleSheets() const { return sheets_; }
    void AddStyleSheet(StyleSheet sheet);

    // The rules that declare a property, in cascade order: styles of one property are
    // looked up for every element that enters the document.
    struct RuleRef {
        const StyleRule* rule;
        size_t order;
    };
    const std::vector<RuleRef>& RulesDeclaring(const std::string& property) const;
    // Whether some selector of the sheets asks for one of these state bits (":hover" often does not).
    bool SelectorsUse(unsigned states) const { return (selectorStates_ & states) != 0; }
    // Every rule of the sheets by the selectors that could match an element (built when first asked).
    const RuleIndex& Rules() const;
    // The computed styles its elements share.
    StyleShare& SharedStyles() { return *sharedStyles_; }
    // Rules numbered up to this (in cascade order) are the engine's own defaults.
    size_t UserAgentRuleCount() const { return userAgentRules_; }

    // Bumped by every change that may change a computed style or a box; the host hears of
    // each (ContentChanged).
    unsigned long long StyleGeneration() const { return styleGeneration_; }
    // Every style may have changed (a sheet, the root).
    void InvalidateStyles();
    // The styles of the element and its descendants may have changed (a state, an attribute).
    void StyleChanged(Element& element);
    // The element's children or text changed, or an attribute its boxes depend on.
    void BoxesChanged(Element& element);
    StyleChanges& Changes() { return changes_; }

    Element* Focus() const { return focus_; }
    void SetFocus(Element* element) { focus_ = element; }
    Element* EventRoot() const { return eventRoot_; }
    void SetEventRoot(Element* element) { eventRoot_ = element; }
    // The control whose popup (a select's list, a date's calendar) is open, or null.
    Element* PopupOwner() const { return popupOwner_; }
    void SetPopupOwner(Element* element) { popupOwner_ = element; }
    // The key whose key-down a popup took: its key-up is the popup's too.
    unsigned PopupKey() const { return popupKey_; }
    void SetPopupKey(unsigned key) { popupKey_ = key; }

    // The shown panels that hold the keyboard, with where the focus was before each.
    FocusScopes& Scopes() { return *scopes_; }

    // Forgets an element that leaves the tree (focus, event root, popup owner); a focus inside it
    // is settled anew (FocusScope.h).
    void Forget(const Element& element);

    std::deque<PostedEvent>& PostedEvents() { return posted_; }

    // Images are asked for once per URL and document; their bytes (null when there were
    // none) are kept for painting.
    using ImageBytes = std::shared_ptr<const std::vector<unsigned char>>;
    std::map<std::wstring, ImageBytes>& ImageCache() { return images_; }

    const PageRuleRunner& PageRules() const { return pageRules_; }
    void SetPageRules(PageRuleRunner runner) { pageRules_ = std::move(runner); }

    void LogError(const std::wstring& message);
    // For what would repeat once per element: each message is logged the first time only.
    void LogErrorOnce(const std::wstring& message);
    const std::vector<std::wstring>& Errors() const { return errors_; }

private:
    DocumentHost& host_;
    std::wstring baseUrl_;
    Element* root_ = nullptr;
    std::vector<StyleSheet> sheets_;
    std::map<std::string, std::vector<RuleRef>> rulesByProperty_;
    size_t ruleCount_ = 0;
    size_t userAgentRules_ = 0;
    mutable std::unique_ptr<RuleIndex> ruleIndex_;
    std::unique_ptr<StyleShare> sharedStyles_;
    unsigned selectorStates_ = 0;
    unsigned long long styleGeneration_ = 1;
    StyleChanges changes_;
    Element* focus_ = nullptr;
    Element* eventRoot_ = nullptr;
    std::unique_ptr<FocusScopes> scopes_;
    Element* popupOwner_ = nullptr;
    unsigned popupKey_ = 0;
    std::deque<PostedEvent> posted_;
    std::map<std::wstring, ImageBytes> images_;
    PageRuleRunner pageRules_;
    std::vector<std::wstring> errors_;
    std::set<std::wstring> loggedOnce_;
};

}  // namespace htmlengine
