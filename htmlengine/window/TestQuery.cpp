#include "htmlengine/window/TestQuery.h"

#include "htmlengine/api/EngineTestHooks.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementRegistry.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/StyleProperties.h"
#include "htmlengine/window/EngineWindow.h"

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

namespace {

// Answers are line based: a line break inside a text would split it.
std::wstring OneLine(std::wstring text)
{
    for (wchar_t& c : text)
        if (c == L'\n' || c == L'\r')
            c = L' ';
    return text;
}

void CALLBACK ReceiveText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

BOOL CALLBACK CollectElement(HELEMENT he, LPVOID param)
{
    static_cast<std::vector<HELEMENT>*>(param)->push_back(he);
    return FALSE;
}

bool Inside(HELEMENT he, HELEMENT ancestor)
{
    for (; he; HTMLayoutGetParentElement(he, &he))
        if (he == ancestor)
            return true;
    return false;
}

std::wstring Locate(HWND hwnd, HELEMENT he)
{
    RECT box = {};
    BOOL visible = FALSE;
    HTMLayoutGetElementLocation(he, &box, LOCATION_VIEW_BORDER_BOX);
    HTMLayoutIsElementVisible(he, &visible);
    POINT centre = { (box.left + box.right) / 2, (box.top + box.bottom) / 2 };
    RECT client = {};
    GetClientRect(hwnd, &client);
    HELEMENT hit = nullptr;
    bool reachable = visible && PtInRect(&client, centre) && HTMLayoutTestElementAt(hwnd, centre, &hit) == ENGINE_OK &&
                     Inside(hit, he);
    return std::to_wstring(box.left) + L" " + std::to_wstring(box.top) + L" " + std::to_wstring(box.right - box.left) +
           L" " + std::to_wstring(box.bottom - box.top) + (visible ? L" 1" : L" 0") + (reachable ? L" 1" : L" 0");
}

std::wstring Text(HELEMENT he)
{
    std::wstring text;
    HTMLayoutTestShownText(he, &ReceiveText, &text);
    return OneLine(text);
}

std::wstring Attribute(HELEMENT he, const std::string& name)
{
    const wchar_t* value = nullptr;
    HTMLayoutGetAttributeByName(he, name.c_str(), &value);
    return OneLine(value ? value : L"");
}

std::wstring States(HELEMENT he)
{
    static const struct {
        UINT bit;
        const wchar_t* name;
    } kNames[] = {
        { STATE_FOCUS, L"focus" },       { STATE_CURRENT, L"current" },   { STATE_CHECKED, L"checked" },
        { STATE_DISABLED, L"disabled" }, { STATE_EXPANDED, L"expanded" }, { STATE_COLLAPSED, L"collapsed" }
    };
    UINT state = 0;
    HTMLayoutGetElementState(he, &state);
    std::wstring names;
    for (const auto& known : kNames)
        if (state & known.bit)
            names += (names.empty() ? L"" : L" ") + std::wstring(known.name);
    return names;
}

std::wstring Hex(const Color& color)
{
    wchar_t text[10];
    swprintf(text, 10, L"#%02x%02x%02x%02x", color.r, color.g, color.b, color.a);
    return text;
}

std::wstring Side(const BorderSide& side)
{
    return std::to_wstring(side.width) + L" " + BorderStyleName(side.style) + L" " + Hex(side.color);
}

// What a focus indicator may change: the outline, the border, the background and the text colour.
std::wstring Look(Element& element)
{
    std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(element);
    std::wstring look = L"outline " + Side(style->outline) + L" " + std::to_wstring(style->outlineOffset) + L"; border";
    for (const BorderSide& side : style->border)
        look += L" " + Side(side);
    return look + L"; background " + Hex(style->backgroundColor) + L" " + style->backgroundImage + L"; color " +
           Hex(style->color);
}

// "UID tag#id.class" of the focused element, then its look.
std::wstring Focused(Document& document)
{
    Element* focus = document.Focus();
    if (!focus)
        return L"none";
    std::wstring name(focus->Tag().begin(), focus->Tag().end());
    if (const std::wstring* id = focus->FindAttribute("id"))
        name += L"#" + *id;
    if (const std::wstring* classes = focus->FindAttribute("class"))
        name += L"." + *classes;
    return std::to_wstring(focus->Uid()) + L" " + OneLine(name) + L"\n" + Look(*focus);
}

// The count first, so that an empty line is an empty text, not a missing one.
std::wstring Counted(const std::vector<std::wstring>& lines)
{
    std::wstring text = std::to_wstring(lines.size());
    for (const std::wstring& line : lines)
        text += L"\n" + line;
    return text;
}

// "VERB [NAME] SELECTOR": the verb's answer for the matches of the selector.
std::wstring Answer(HWND hwnd, const std::wstring& query)
{
    size_t space = query.find(L' ');
    std::wstring verb = query.substr(0, space);
    std::wstring selector = space == std::wstring::npos ? L"" : query.substr(space + 1);
    std::string attribute;
    if (verb == L"attribute") {
        space = selector.find(L' ');
        for (wchar_t c : selector.substr(0, space))
            attribute += char(c);
        selector = space == std::wstring::npos ? L"" : selector.substr(space + 1);
    }
    if (verb == L"look") {
        // The window's own live element only.
        const unsigned uid = unsigned(std::wcstoul(selector.c_str(), nullptr, 10));
        HELEMENT he = nullptr;
        return HTMLayoutGetElementByUID(hwnd, uid, &he) == ENGINE_OK ? Look(*ElementByUid(uid)) : L"none";
    }
    HELEMENT root = nullptr;
    std::vector<HELEMENT> found;
    if (HTMLayoutGetRootElement(hwnd, &root) != ENGINE_OK || !root)
        return L"error: no document";
    if (HTMLayoutSelectElementsW(root, selector.c_str(), &CollectElement, &found) != ENGINE_OK)
        return L"error: cannot read the selector " + selector;
    if (verb == L"count")
        return std::to_wstring(found.size());
    if (verb == L"locate")
        return found.empty() ? L"none" : Locate(hwnd, found.front());
    if (verb == L"state")
        return found.empty() ? L"none" : States(found.front());
    std::vector<std::wstring> lines;
    for (HELEMENT he : found) {
        if (verb == L"text")
            lines.push_back(Text(he));
        else if (verb == L"attribute")
            lines.push_back(Attribute(he, attribute));
        else
            return L"error: unknown query " + verb;
    }
    return Counted(lines);
}

}  // namespace

bool AnswerTestQuery(EngineWindow& window, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    auto* query = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!query || query->dwData != ENGINE_TEST_QUERY)
        return false;
    std::wstring text(static_cast<const wchar_t*>(query->lpData), query->cbData / sizeof(wchar_t));
    // The answer tells what the next frame shows: a panel that opened holds the focus already.
    Document* document = window.GetDocument();
    if (document)
        SettleFocusScope(*document);
    std::wstring answer = text == L"focus" ? (document ? Focused(*document) : L"none") : Answer(window.Handle(), text);
    COPYDATASTRUCT reply = { ENGINE_TEST_ANSWER, DWORD((answer.size() + 1) * sizeof(wchar_t)),
                             const_cast<wchar_t*>(answer.c_str()) };
    SendMessageW(reinterpret_cast<HWND>(wParam), WM_COPYDATA, WPARAM(window.Handle()),
                 reinterpret_cast<LPARAM>(&reply));
    result = TRUE;
    return true;
}

}  // namespace htmlengine
