#include "LayoutFixture.h"

#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/html/DocumentLoader.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/layout/BoxDump.h"
#include "htmlengine/layout/ElementArea.h"

#include <algorithm>

using namespace htmlengine;

void LayoutTest::SetUp()
{
    layout_.SetMeasurer(std::make_unique<FixedTextMeasurer>(7, 16));
    layout_.SetViewport({ 800, 600 });
}

void LayoutTest::TearDown()
{
    Unload();
}

void LayoutTest::Unload()
{
    layout_.SetDocument(nullptr);
    if (document_ && document_->Root())
        DetachBehaviors(*document_->Root());
    document_.reset();
}

void LayoutTest::Load(const std::string& html)
{
    Unload();
    document_ = BuildDocument(host_, DecodeUtf8(reinterpret_cast<const unsigned char*>(html.data()), html.size()), L"");
    AdoptSubtree(*document_->Root());
    layout_.SetDocument(document_.get());
}

Element* LayoutTest::Find(const char* selector)
{
    std::wstring wide(selector, selector + std::char_traits<char>::length(selector));
    return document_ ? SelectFirst(*document_->Root(), ParseSelectors(wide)) : nullptr;
}

std::string LayoutTest::Box(const char* selector, unsigned area)
{
    Element* element = Find(selector);
    Rect rect;
    if (!element || !IsElementVisible(*element) || !ElementArea(layout_, *element, area, rect))
        return "none";
    return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) + "x" +
           std::to_string(rect.height);
}

std::string LayoutTest::BoxDump()
{
    const LayoutTree* tree = layout_.Update();
    std::string narrow;
    for (wchar_t c : tree ? DumpBoxes(*tree) : std::wstring())
        narrow += c == L'\u00D7' ? 'x' : char(c);
    return narrow;
}

Element* LayoutTest::At(int x, int y)
{
    return layout_.HitTest({ x, y }).element;
}

void LayoutTest::ScrollToView(const char* selector)
{
    if (Element* element = Find(selector))
        layout_.ScrollIntoView(*element);
}

unsigned LayoutTest::MinWidth()
{
    return unsigned(std::max(0, layout_.MinimumWidth()));
}

unsigned LayoutTest::MinHeight(int width)
{
    return unsigned(std::max(0, layout_.HeightAt(width)));
}
