// The test hooks: user input without pixels, posted events on demand, and the document
// as text.
#include "htmlengine/api/EngineTestHooks.h"
#include "htmlengine/document/controls/EditControl.h"
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentDump.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/window/EngineWindow.h"
#include "htmlengine/layout/BoxDump.h"

using namespace htmlengine;

namespace {

Document* WindowDocument(HWND hwnd)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    return window ? window->GetDocument() : nullptr;
}

// The element's document, or the window's when no element is given.
Document* Target(HWND hwnd, HELEMENT he, Element*& element)
{
    element = he ? LiveElement(he) : nullptr;
    if (he && !element)
        return nullptr;
    return element ? element->OwnerDocument() : WindowDocument(hwnd);
}

ENGINE_RESULT Give(const std::wstring& text, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    if (!receiver)
        return ENGINE_INVALID_PARAMETER;
    receiver(text.c_str(), UINT(text.size()), param);
    return ENGINE_OK;
}

ENGINE_RESULT Clicked(HELEMENT he, UINT keyboardState, bool doubleClick)
{
    Element* element = LiveElement(he);
    Document* document = element ? element->OwnerDocument() : nullptr;
    if (!document)
        return ENGINE_INVALID_HANDLE;
    return Guarded(
        [&] { return ClickElement(*document, *element, keyboardState, doubleClick) ? ENGINE_OK : ENGINE_NOT_HANDLED; });
}

Element* OptionOf(Element& select, UINT index, const wchar_t* value)
{
    std::vector<Element*> options = SelectAll(select, ParseSelectors(L"option"));
    if (!value)
        return index < options.size() ? options[index] : nullptr;
    for (Element* option : options)
        if (option->AttributeOr("value") == value)
            return option;
    return nullptr;
}

}  // namespace

ENGINE_API HTMLayoutTestClick(HELEMENT he, UINT keyboardState)
{
    return Clicked(he, keyboardState, false);
}
ENGINE_API HTMLayoutTestDoubleClick(HELEMENT he, UINT keyboardState)
{
    return Clicked(he, keyboardState, true);
}

ENGINE_API HTMLayoutTestKeyDown(HWND hwnd, HELEMENT he, UINT keyCode, UINT keyboardState)
{
    Element* element = nullptr;
    Document* document = Target(hwnd, he, element);
    if (!document)
        return ENGINE_INVALID_HANDLE;
    return Guarded(
        [&] { return KeyDown(*document, element, keyCode, keyboardState) ? ENGINE_OK : ENGINE_NOT_HANDLED; });
}

ENGINE_API HTMLayoutTestKeyUp(HWND hwnd, HELEMENT he, UINT keyCode, UINT keyboardState)
{
    Element* element = nullptr;
    Document* document = Target(hwnd, he, element);
    if (!document)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] { return KeyUp(*document, element, keyCode, keyboardState) ? ENGINE_OK : ENGINE_NOT_HANDLED; });
}

ENGINE_API HTMLayoutTestType(HWND hwnd, HELEMENT he, const wchar_t* text)
{
    Element* element = nullptr;
    Document* document = Target(hwnd, he, element);
    if (!document)
        return ENGINE_INVALID_HANDLE;
    if (!text)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        TypeText(*document, element, text);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestChooseOption(HELEMENT selectHandle, UINT index, const wchar_t* value)
{
    Element* select = LiveElement(selectHandle);
    Document* document = select ? select->OwnerDocument() : nullptr;
    if (!document)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        Element* option = OptionOf(*select, index, value);
        if (!option)
            return ENGINE_INVALID_PARAMETER;
        Element* opener = SelectFirst(*select, ParseSelectors(L"caption"));
        ClickElement(*document, opener ? *opener : *select, 0, false);
        return ClickElement(*document, *option, 0, false) ? ENGINE_OK : ENGINE_NOT_HANDLED;
    });
}

ENGINE_API HTMLayoutTestSetFocus(HWND hwnd, HELEMENT he)
{
    Element* element = nullptr;
    Document* document = Target(hwnd, he, element);
    if (!document)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        SettleFocusScope(*document);
        MoveFocusByUser(*document, element, false);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestFlushPostedEvents(HWND hwnd)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        window->DispatchPostedEvents();
        if (Document* document = window->GetDocument())
            SettleFocusScope(*document);  // as the next frame would
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestDump(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    Document* document = WindowDocument(hwnd);
    if (!document)
        return ENGINE_INVALID_PARAMETER;
    return Give(DumpTree(*document->Root()), receiver, param);
}

ENGINE_API HTMLayoutTestErrors(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    Document* document = WindowDocument(hwnd);
    if (!document)
        return ENGINE_INVALID_PARAMETER;
    std::wstring lines;
    for (const std::wstring& error : document->Errors())
        lines += error + L"\n";
    return Give(lines, receiver, param);
}

ENGINE_API HTMLayoutTestShownText(HELEMENT he, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    auto* edit = dynamic_cast<EditControl*>(element->GetControl());
    return Give(edit ? edit->Shown(*element) : TextContent(*element), receiver, param);
}

ENGINE_API HTMLayoutTestDumpBoxes(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        const LayoutTree* tree = window->Layout().Update();
        return Give(tree ? DumpBoxes(*tree) : std::wstring(), receiver, param);
    });
}

ENGINE_API HTMLayoutTestElementAt(HWND hwnd, POINT point, HELEMENT* he)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window || !he)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        *he = window->Layout().HitTest({ point.x, point.y }).element;
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestSetFixedMetrics(HWND hwnd, UINT advance, UINT lineHeight)
{
    if (!advance || !lineHeight || advance > 1000 || lineHeight > 1000)
        return ENGINE_INVALID_PARAMETER;
    EngineWindow& window = EngineWindow::Ensure(hwnd);
    return Guarded([&] {
        window.Layout().SetMeasurer(std::make_unique<FixedTextMeasurer>(int(advance), int(lineHeight)));
        window.Repaint(nullptr);
        return ENGINE_OK;
    });
}
