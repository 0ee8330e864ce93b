#include "htmlengine/document/html/DocumentLoader.h"

#include "htmlengine/document/css/CssParser.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/html/HtmlParser.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/script/PageRules.h"

namespace htmlengine {

namespace {

// Pages include each other; a cycle stops here instead of recursing for ever.
const int kMaxNesting = 8;

std::wstring LoadText(Document& document, const std::wstring& url, DocumentHost::UrlKind kind)
{
    std::vector<unsigned char> data;
    if (!document.Host().LoadUrl(url, kind, data)) {
        document.LogError(L"nothing loaded for " + url);
        return std::wstring();
    }
    return DecodeUtf8(data.data(), data.size());
}

void AddSheet(Document& document, std::wstring_view text, int nesting)
{
    StyleSheet sheet = ParseStyleSheet(text);
    for (const std::wstring& url : sheet.imports) {
        if (nesting >= kMaxNesting) {
            document.LogError(L"CSS: @import nested too deep: " + url);
            continue;
        }
        AddSheet(document, LoadText(document, url, DocumentHost::UrlKind::StyleSheet), nesting + 1);
    }
    document.AddStyleSheet(std::move(sheet));
}

void Resolve(Document& document, std::vector<Node*>& nodes, int nesting);

// An include becomes the nodes of the markup it names, resolved in turn.
std::vector<Node*> Expand(Document& document, Element& include, int nesting)
{
    if (nesting >= kMaxNesting) {
        document.LogError(L"include nested too deep: " + include.AttributeOr("src"));
        return {};
    }
    std::vector<Node*> nodes =
        ParseFragment(LoadText(document, include.AttributeOr("src"), DocumentHost::UrlKind::Html));
    Resolve(document, nodes, nesting + 1);
    return nodes;
}

void ResolveChildren(Document& document, Element& element, int nesting)
{
    std::vector<Node*> nodes = element.TakeNodes();
    Resolve(document, nodes, nesting);
    for (Node* node : nodes)
        element.AppendNode(node);
}

void Resolve(Document& document, std::vector<Node*>& nodes, int nesting)
{
    std::vector<Node*> resolved;
    for (Node* node : nodes) {
        Element* element = node->IsElement() ? static_cast<Element*>(node) : nullptr;
        if (element && element->Tag() == "include") {
            std::vector<Node*> expanded = Expand(document, *element, nesting);
            resolved.insert(resolved.end(), expanded.begin(), expanded.end());
            DiscardNodes({ element });
            continue;
        }
        if (element && element->Tag() == "style")
            AddSheet(document, TextContent(*element), nesting);
        if (element && element->Tag() == "link" && EqualsNoCase(element->AttributeOr("rel"), L"stylesheet"))
            AddSheet(document, LoadText(document, element->AttributeOr("href"), DocumentHost::UrlKind::StyleSheet),
                     nesting);
        if (element)
            ResolveChildren(document, *element, nesting);
        resolved.push_back(node);
    }
    nodes.swap(resolved);
}

}  // namespace

void ResolveIncludesAndStyles(Document& document, std::vector<Node*>& nodes)
{
    Resolve(document, nodes, 0);
}

std::unique_ptr<Document> BuildDocument(DocumentHost& host, std::wstring_view markup, const std::wstring& baseUrl)
{
    auto document = std::make_unique<Document>(host, baseUrl);
    Element* root = ParseDocument(markup);
    std::vector<Node*> nodes = root->TakeNodes();
    ResolveIncludesAndStyles(*document, nodes);
    for (Node* node : nodes)
        root->AppendNode(node);
    document->SetRoot(root);
    InstallPageRules(*document);
    return document;
}

}  // namespace htmlengine
