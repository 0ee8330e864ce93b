#pragma once
// A page laid out without a window: the document and its layout only, 800 x 600, with fixed
// metrics (every character 7 px, lines 16 px at 12 px), read back as "x,y w×h" border boxes
// of the elements with ids.
#include "LayoutCases.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/layout/LayoutView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// What the document asks of its window, answered in memory: no URLs, no program behaviours.
class HeadlessHost : public htmlengine::DocumentHost {
public:
    explicit HeadlessHost(htmlengine::LayoutView& layout) : layout_(layout) {}
    bool LoadUrl(const std::wstring&, UrlKind, std::vector<unsigned char>&) override { return false; }
    bool AttachBehavior(htmlengine::Element&, const std::string&, htmlengine::HandlerBinding&) override
    {
        return false;
    }
    void* WindowHandle() const override { return nullptr; }
    std::vector<htmlengine::HandlerBinding>& WindowHandlers() override { return handlers_; }
    void WakeForPostedEvents() override {}
    void TakeFocus() override {}
    void ContentChanged() override {}
    void Repaint(const htmlengine::Element*) override {}
    void ScrollIntoView(htmlengine::Element& element) override { layout_.ScrollIntoView(element); }

private:
    htmlengine::LayoutView& layout_;
    std::vector<htmlengine::HandlerBinding> handlers_;
};

class LayoutTest : public ::testing::Test {
public:
    void Load(const std::string& html);
    // "x,y w×h" of the element's area in the view (see layout/ElementArea.h; the border box by
    // default); "none" for an element that is missing, hidden or without a box.
    std::string Box(const char* selector, unsigned area = 0x21);
    std::string BoxDump();

protected:
    void SetUp() override;
    void TearDown() override;

    htmlengine::Element* Find(const char* selector);  // first match or null
    htmlengine::Element* At(int x, int y);  // what a click there reaches
    void ScrollToView(const char* selector);
    // The page's min-content width, and its height at a width.
    unsigned MinWidth();
    unsigned MinHeight(int width);

private:
    void Unload();

    htmlengine::LayoutView layout_;
    HeadlessHost host_ { layout_ };
    std::unique_ptr<htmlengine::Document> document_;
};
