// The test hooks of painting: a window painted into its back buffer, a frame through the
// recording painter, and how many pictures were decoded.
#include "htmlengine/api/EngineTestHooks.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/window/EngineWindow.h"
#include "htmlengine/paint/RecordingPainter.h"
#include "htmlengine/paint/gdi/WindowPaint.h"

using namespace htmlengine;

namespace {

// Pictures the recording painter measures and "draws" are the window's own, decoded as
// the window would decode them.
class WindowRecordingPainter : public RecordingPainter {
public:
    WindowRecordingPainter(const Rect& bounds, ImageCache& images, Document& document)
        : RecordingPainter(bounds), images_(images), document_(document)
    {
    }
    bool ImageSize(const std::wstring& url, Size& size) override
    {
        const DecodedImage* image = images_.Get(document_, url);
        if (image)
            SetImage(url, size = image->size);
        return image != nullptr;
    }
    void DrawImage(const std::wstring& url, const Rect& target, float opacity) override
    {
        Size size;
        if (ImageSize(url, size))
            RecordingPainter::DrawImage(url, target, opacity);
    }

private:
    ImageCache& images_;
    Document& document_;
};

std::wstring Joined(const std::vector<std::string>& lines)
{
    std::wstring text;
    for (const std::string& line : lines)
        text += std::wstring(line.begin(), line.end()) + L"\n";
    return text;
}

}  // namespace

ENGINE_API HTMLayoutTestPaintWindow(HWND hwnd, PIXELS_RECEIVER receiver, LPVOID param)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window || !receiver)
        return window ? ENGINE_INVALID_PARAMETER : ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        const BackBuffer* buffer = window->Painting().PaintWhole(window->Layout(), window->GetDocument());
        if (!buffer)
            return ENGINE_FAILED;
        Size size = window->Layout().Viewport();
        receiver(buffer->Pixels(), UINT(size.width), UINT(size.height), UINT(buffer->Stride()), param);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestRecordPaint(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    Document* document = window ? window->GetDocument() : nullptr;
    if (!document || !receiver)
        return document ? ENGINE_INVALID_PARAMETER : ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        RECT client = {};
        GetClientRect(hwnd, &client);
        window->Layout().SetViewport({ int(client.right), int(client.bottom) });
        WindowRecordingPainter painter({ 0, 0, int(client.right), int(client.bottom) }, window->Painting().Images(),
                                       *document);
        window->Painting().PaintInto(painter, window->Layout(), *document);
        std::wstring text = Joined(painter.Lines());
        receiver(text.c_str(), UINT(text.size()), param);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutTestDecodedImages(HWND hwnd, UINT* count)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return ENGINE_INVALID_HANDLE;
    if (!count)
        return ENGINE_INVALID_PARAMETER;
    *count = UINT(window->Painting().Images().DecodeCount());
    return ENGINE_OK;
}
