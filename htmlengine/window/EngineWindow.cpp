#include "htmlengine/window/EngineWindow.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/window/EngineCall.h"
#include "htmlengine/window/ResourceLoader.h"
#include "htmlengine/paint/gdi/GdiTextMeasurer.h"

#include <exception>
#include <map>

namespace htmlengine {

namespace {

std::map<HWND, std::unique_ptr<EngineWindow>>& Windows()
{
    static std::map<HWND, std::unique_ptr<EngineWindow>> windows;
    return windows;
}

void Log(const std::string& text)
{
    OutputDebugStringA(("htmlengine: " + text + "\n").c_str());
}

}  // namespace

EngineWindow* EngineWindow::Find(HWND hwnd)
{
    auto found = Windows().find(hwnd);
    return found == Windows().end() ? nullptr : found->second.get();
}

EngineWindow& EngineWindow::Ensure(HWND hwnd)
{
    auto& slot = Windows()[hwnd];
    if (!slot)
        slot = std::make_unique<EngineWindow>(hwnd);
    return *slot;
}

void EngineWindow::Remove(HWND hwnd)
{
    auto found = Windows().find(hwnd);
    if (found == Windows().end())
        return;
    std::unique_ptr<EngineWindow> window = std::move(found->second);
    Windows().erase(found);
    window->MarkDestroyed();
    window->ReplaceDocument(nullptr);
    Retire(std::move(window));
}

EngineWindow::EngineWindow(HWND hwnd) : hwnd_(hwnd), paint_(hwnd)
{
    layout_.SetMeasurer(std::make_unique<GdiTextMeasurer>([this](const std::wstring& error) {
        if (document_)
            document_->LogError(error);
    }));
    layout_.SetImageSizer(std::make_unique<CachedImageSizer>(paint_.Images()));
    layout_.SetInvalidator([this](const Rect& rect) {
        RECT area { rect.x, rect.y, rect.Right(), rect.Bottom() };
        if (!destroyed_ && IsWindow(hwnd_))
            InvalidateRect(hwnd_, &area, FALSE);
    });
    Resized();
}

EngineWindow::~EngineWindow()
{
    destroyed_ = true;
    ReplaceDocument(nullptr);
}

void EngineWindow::ReplaceDocument(std::unique_ptr<Document> document)
{
    if (document_ && document_->Root())
        DetachBehaviors(*document_->Root());
    std::swap(document_, document);
    input_.Reset();
    paint_.DocumentReplaced();
    layout_.SetDocument(document_.get());
    Retire(std::move(document));
    Resized();  // a window made hidden may not have told its size yet
}

void EngineWindow::SetCallback(ENGINE_NOTIFY_PROC callback, LPVOID param)
{
    callback_ = callback;
    callbackParam_ = param;
}

LRESULT EngineWindow::Notify(NMHDR& header)
{
    if (destroyed_ || !callback_)
        return 0;
    header.hwndFrom = hwnd_;
    header.idFrom = 0;
    try {
        return callback_(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), callbackParam_);
    } catch (const std::exception& error) {
        Log(std::string("notification callback threw: ") + error.what());
    } catch (...) {
        Log("notification callback threw an unknown exception");
    }
    return 0;
}

bool EngineWindow::DataReady(const BYTE* data, DWORD size)
{
    if (!pendingData_)
        return false;
    pendingData_->assign(data, data + size);
    return true;
}

// The program's answer first (0xB01, which may hand the bytes over through DataReady or
// drop the URL); then the engine's own loader for "res:" URLs and bare resource names.
bool EngineWindow::LoadUrl(const std::wstring& url, UrlKind kind, std::vector<unsigned char>& data)
{
    LOAD_DATA_NOTIFICATION notification = {};
    notification.hdr.code = NOTIFY_LOAD_DATA;
    notification.uri = url.c_str();
    notification.dataType = UINT(kind);
    std::vector<unsigned char>* outer = pendingData_;
    pendingData_ = &data;
    data.clear();
    LRESULT answer = Notify(notification.hdr);
    pendingData_ = outer;
    if (answer == 1)
        return false;
    if (data.empty() && notification.outData && notification.outDataSize) {
        const BYTE* bytes = static_cast<const BYTE*>(notification.outData);
        data.assign(bytes, bytes + notification.outDataSize);
    }
    return !data.empty() || LoadResourceUrl(url, data);
}

bool EngineWindow::AttachBehavior(Element& element, const std::string& name, HandlerBinding& binding)
{
    ATTACH_BEHAVIOR_NOTIFICATION notification = {};
    notification.hdr.code = NOTIFY_ATTACH_BEHAVIOR;
    notification.element = &element;
    notification.behaviorName = name.c_str();
    Notify(notification.hdr);
    if (!notification.elementProc)
        return false;
    binding.proc = reinterpret_cast<ElementProc>(notification.elementProc);
    binding.tag = notification.elementTag;
    binding.subscription = notification.elementEvents;
    return true;
}

UINT EngineWindow::PostedEventsMessage()
{
    static UINT message = RegisterWindowMessageW(L"htmlengine.posted-events");
    return message;
}

void EngineWindow::WakeForPostedEvents()
{
    if (wakePosted_)
        return;
    wakePosted_ = PostMessageW(hwnd_, PostedEventsMessage(), 0, 0) != 0;
}

void EngineWindow::DispatchPostedEvents()
{
    wakePosted_ = false;
    if (document_)
        FlushPostedEvents(*document_);
}

void EngineWindow::Resized()
{
    RECT client {};
    if (IsWindow(hwnd_))
        GetClientRect(hwnd_, &client);
    layout_.SetViewport({ client.right - client.left, client.bottom - client.top });
    Repaint(nullptr);
}

// The layout sees what changed from the document itself when it is next used.
void EngineWindow::ContentChanged()
{
    Repaint(nullptr);
}

// The element's visible part, or the whole window (cheaper than finding what changed when
// boxes are out of date). Once the whole window waits for WM_PAINT, changes need no call.
void EngineWindow::Repaint(const Element* element)
{
    if (invalidated_ || destroyed_ || !IsWindow(hwnd_))
        return;
    if (element) {
        layout_.Repaint(element);
        return;
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    invalidated_ = true;
}

void EngineWindow::ScrollIntoView(Element& element)
{
    layout_.ScrollIntoView(element);
}

void EngineWindow::TakeFocus()
{
    if (IsWindow(hwnd_) && GetFocus() != hwnd_)
        SetFocus(hwnd_);
}

}  // namespace htmlengine
