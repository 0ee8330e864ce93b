#include "htmlengine/document/controls/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace htmlengine {

namespace {

// Open for the length of one scope; another program may hold the clipboard for a moment.
class OpenedClipboard {
public:
    explicit OpenedClipboard(void* window) : open_(OpenClipboard(static_cast<HWND>(window)) != 0) {}
    ~OpenedClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

}  // namespace

std::optional<std::wstring> ReadClipboardText(void* window)
{
    OpenedClipboard clipboard(window);
    if (!clipboard.IsOpen())
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!text)
        return std::nullopt;
    std::wstring copy(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
    GlobalUnlock(data);
    return copy;
}

bool WriteClipboardText(void* window, const std::wstring& text)
{
    OpenedClipboard clipboard(window);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* target = block ? GlobalLock(block) : nullptr;
    if (!target) {
        if (block)
            GlobalFree(block);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(block);
    if (SetClipboardData(CF_UNICODETEXT, block))
        return true;
    GlobalFree(block);  // still ours when the clipboard refused it
    return false;
}

}  // namespace htmlengine
