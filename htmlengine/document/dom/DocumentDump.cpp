#include "htmlengine/document/dom/DocumentDump.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"

namespace htmlengine {

namespace {

const struct {
    unsigned bit;
    const wchar_t* name;
} kStateNames[] = { { kStateFocus, L"focus" },       { kStateCurrent, L"current" },   { kStateChecked, L"checked" },
                    { kStateDisabled, L"disabled" }, { kStateExpanded, L"expanded" }, { kStateCollapsed, L"collapsed" },
                    { kStateAnchor, L"anchor" },     { kStateHover, L"hover" } };

std::wstring States(const Element& element)
{
    std::wstring names;
    for (const auto& state : kStateNames)
        if (element.State() & state.bit)
            names += (names.empty() ? L"" : L" ") + std::wstring(state.name);
    return names.empty() ? names : L" [" + names + L"]";
}

std::wstring OwnText(const Element& element)
{
    std::wstring text;
    for (const Node* node : element.Nodes())
        if (!node->IsElement())
            text += static_cast<const TextNode*>(node)->Text();
    return text.find_first_not_of(L" \t\r\n") == std::wstring::npos ? L"" : L" \"" + text + L"\"";
}

std::wstring ValueText(Element& element)
{
    Control* control = element.GetControl();
    if (!control)
        return L"";
    ControlValue value = control->GetValue(element);
    switch (value.kind) {
    case ControlValue::Kind::String: return L" = \"" + value.text + L"\"";
    case ControlValue::Kind::Boolean: return value.number ? L" = true" : L" = false";
    case ControlValue::Kind::Integer:
    case ControlValue::Kind::Date: return L" = " + std::to_wstring(value.number);
    case ControlValue::Kind::Undefined: break;
    }
    return L" = undefined";
}

void Dump(Element& element, int depth, std::wstring& out)
{
    out += std::wstring(size_t(depth) * 2, L' ') + Widen(element.Tag());
    for (const auto& attribute : element.Attributes())
        out += L" " + Widen(attribute->name) + L"=\"" + attribute->value + L"\"";
    out += States(element) + OwnText(element) + ValueText(element) + L"\n";
    for (Element* child : element.Children())
        Dump(*child, depth + 1, out);
}

}  // namespace

std::wstring DumpTree(Element& root)
{
    std::wstring out;
    Dump(root, 0, out);
    return out;
}

}  // namespace htmlengine
