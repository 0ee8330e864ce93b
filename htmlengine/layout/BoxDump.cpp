#include "htmlengine/layout/BoxDump.h"

#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

std::wstring Name(const Box& box)
{
    if (!box.element)
        return box.parent ? L"(anonymous)" : L"(viewport)";
    std::wstring name(box.element->Tag().begin(), box.element->Tag().end());
    if (const std::wstring* id = box.element->FindAttribute("id"))
        name += L"#" + *id;
    return name;
}

void Dump(const Box& box, int depth, std::wstring& out)
{
    Point origin = ViewOrigin(box);
    out += std::wstring(size_t(depth) * 2, L' ') + Name(box) + L" " + std::to_wstring(origin.x) + L"," +
           std::to_wstring(origin.y) + L" " + std::to_wstring(box.frame.width) + L"\u00D7" +
           std::to_wstring(box.frame.height) + L"\n";
    for (const std::unique_ptr<Box>& child : box.children)
        Dump(*child, depth + 1, out);
}

}  // namespace

std::wstring DumpBoxes(const LayoutTree& tree)
{
    std::wstring out;
    if (tree.viewport)
        Dump(*tree.viewport, 0, out);
    for (const auto& fixed : tree.fixed)
        Dump(*fixed, 0, out);
    for (const auto& popup : tree.popups)
        Dump(*popup, 0, out);
    return out;
}

}  // namespace htmlengine
