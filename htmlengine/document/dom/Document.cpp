#include "htmlengine/document/dom/Document.h"

#include "htmlengine/document/controls/ControlLook.h"
#include "htmlengine/document/css/CssParser.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/style/DefaultStyleSheet.h"
#include "htmlengine/document/style/RuleIndex.h"
#include "htmlengine/document/style/StyleProperties.h"
#include "htmlengine/document/style/StyleShare.h"

#include <windows.h>

namespace htmlengine {

Document::Document(DocumentHost& host, std::wstring baseUrl)
    : host_(host),
      baseUrl_(std::move(baseUrl)),
      sharedStyles_(std::make_unique<StyleShare>()),
      scopes_(std::make_unique<FocusScopes>())
{
    AddStyleSheet(ParseStyleSheet(DefaultStyleSheet()));
    AddStyleSheet(ParseStyleSheet(ControlLookStyleSheet()));
    userAgentRules_ = ruleCount_;
}

Document::~Document()
{
    for (const PostedEvent& event : posted_) {
        DropReference(event.target);
        DropReference(event.source);
    }
    SetRoot(nullptr);
}

void Document::SetRoot(Element* root)
{
    scopes_->Clear();
    if (root_) {
        root_->SetRootOf(nullptr);
        MarkDeleted(root_);
        ReleaseIfUnreferenced(root_);
    }
    root_ = root;
    focus_ = eventRoot_ = popupOwner_ = nullptr;
    if (root_)
        root_->SetRootOf(this);
    InvalidateStyles();
}

void Document::AddStyleSheet(StyleSheet sheet)
{
    for (const std::wstring& error : sheet.errors)
        LogError(L"CSS: " + error);
    sheets_.push_back(std::move(sheet));
    ruleIndex_.reset();
    for (const StyleRule& rule : sheets_.back().rules) {  // a moved vector keeps its elements in place
        ++ruleCount_;
        for (const ComplexSelector& selector : rule.selectors)
            for (const CompoundSelector& compound : selector.compounds)
                selectorStates_ |= compound.states;
        for (const Declaration& declaration : rule.declarations) {
            if (!IsKnownProperty(declaration.property))
                LogErrorOnce(L"CSS: property not supported: " + Widen(declaration.property));
            std::vector<RuleRef>& rules = rulesByProperty_[declaration.property];
            if (rules.empty() || rules.back().rule != &rule)
                rules.push_back({ &rule, ruleCount_ });
        }
    }
    InvalidateStyles();
}

void Document::InvalidateStyles()
{
    ++styleGeneration_;
    changes_.All();
    host_.ContentChanged();
}

void Document::StyleChanged(Element& element)
{
    ++styleGeneration_;
    changes_.Subtree(element);
    host_.ContentChanged();
}

void Document::BoxesChanged(Element& element)
{
    ++styleGeneration_;
    changes_.Boxes(element);
    host_.ContentChanged();
}

const RuleIndex& Document::Rules() const
{
    if (!ruleIndex_)
        ruleIndex_ = std::make_unique<RuleIndex>(sheets_);
    return *ruleIndex_;
}

const std::vector<Document::RuleRef>& Document::RulesDeclaring(const std::string& property) const
{
    static const std::vector<RuleRef> kNone;
    auto found = rulesByProperty_.find(property);
    return found == rulesByProperty_.end() ? kNone : found->second;
}

void Document::Forget(const Element& element)
{
    changes_.Forget(element);
    if (focus_ && (focus_ == &element || element.IsAncestorOf(focus_))) {
        focus_ = nullptr;
        scopes_->RemovedFrom().Reset(element.Parent());  // where the next settling looks for a new home
    }
    if (eventRoot_ && (eventRoot_ == &element || element.IsAncestorOf(eventRoot_)))
        eventRoot_ = nullptr;
    if (popupOwner_ && (popupOwner_ == &element || element.IsAncestorOf(popupOwner_)))
        popupOwner_ = nullptr;
}

// Every problem is kept for tests and written to the debugger output, never dropped.
void Document::LogError(const std::wstring& message)
{
    errors_.push_back(message);
    OutputDebugStringW((L"htmlengine: " + message + L"\n").c_str());
}

void Document::LogErrorOnce(const std::wstring& message)
{
    if (loggedOnce_.insert(message).second)
        LogError(message);
}

}  // namespace htmlengine
