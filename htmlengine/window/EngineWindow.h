#pragma once
// The engine's data for one window: the program's notification callback, the window-level
// handlers, the document, and the bookkeeping of posted events. Created on the first call
// that names the window, freed when the window is gone.
#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/window/WindowInput.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/gdi/PointerCursor.h"
#include "htmlengine/paint/gdi/WindowPaint.h"

#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

class Document;
class WindowPaint;

class EngineWindow : public DocumentHost {
public:
    static EngineWindow* Find(HWND hwnd);
    static EngineWindow& Ensure(HWND hwnd);
    static void Remove(HWND hwnd);

    explicit EngineWindow(HWND hwnd);
    ~EngineWindow() override;

    HWND Handle() const { return hwnd_; }
    Document* GetDocument() const { return document_.get(); }
    void ReplaceDocument(std::unique_ptr<Document> document);

    // The boxes of the window's document, laid out for its client area.
    LayoutView& Layout() { return layout_; }
    WindowInput& Input() { return input_; }
    WindowPaint& Painting() { return paint_; }
    PointerCursor& Cursor() { return cursor_; }
    // The client area changed size.
    void Resized();

    void SetCallback(ENGINE_NOTIFY_PROC callback, LPVOID param);
    // Sends a notification to the program; 0 once the window is being destroyed.
    LRESULT Notify(NMHDR& header);
    void MarkDestroyed() { destroyed_ = true; }

    // The answer to the load-data notification in progress.
    bool DataReady(const BYTE* data, DWORD size);

    static UINT PostedEventsMessage();
    void DispatchPostedEvents();

    // DocumentHost
    bool LoadUrl(const std::wstring& url, UrlKind kind, std::vector<unsigned char>& data) override;
    bool AttachBehavior(Element& element, const std::string& name, HandlerBinding& binding) override;
    void* WindowHandle() const override { return hwnd_; }
    std::vector<HandlerBinding>& WindowHandlers() override { return windowHandlers_; }
    void WakeForPostedEvents() override;
    void TakeFocus() override;
    void ContentChanged() override;
    void Repaint(const Element* element) override;
    // WM_PAINT is being answered: what changes now needs a new invalidation.
    void PaintStarted() { invalidated_ = false; }
    void ScrollIntoView(Element& element) override;

private:
    HWND hwnd_;
    ENGINE_NOTIFY_PROC callback_ = nullptr;
    LPVOID callbackParam_ = nullptr;
    std::vector<HandlerBinding> windowHandlers_;
    std::unique_ptr<Document> document_;
    WindowPaint paint_;  // before the layout, which measures pictures through its cache
    LayoutView layout_;
    WindowInput input_ { *this };
    PointerCursor cursor_;
    bool destroyed_ = false;
    bool wakePosted_ = false;
    bool invalidated_ = false;  // the whole client area waits for WM_PAINT
    std::vector<unsigned char>* pendingData_ = nullptr;
};

}  // namespace htmlengine
