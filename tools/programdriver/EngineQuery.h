#pragma once
// Asks an engine window of another process what it shows, through the engine's test query
// (EngineTestHooks.h): where an element is, its texts, attributes and states.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

struct ElementPlace {
    bool found = false;
    RECT box = {};  // border box, client coordinates
    bool visible = false;  // it has a box and no hidden ancestor (it may be scrolled away or covered)
    bool reachable = false;  // a click at its centre lands on it
    POINT Centre() const { return POINT { (box.left + box.right) / 2, (box.top + box.bottom) / 2 }; }
};

// The element that holds the keyboard focus, and how it is drawn (the query's "look": its
// outline, border, background and text colour).
struct FocusedElement {
    unsigned uid = 0;  // 0: nothing has the focus
    std::wstring name;  // tag#id.classes, for messages
    std::wstring look;
};

class EngineQuery {
public:
    EngineQuery();
    ~EngineQuery();
    EngineQuery(const EngineQuery&) = delete;
    EngineQuery& operator=(const EngineQuery&) = delete;

    // The raw answer; DriverError when the window does not answer within a few seconds.
    std::wstring Ask(HWND window, const std::wstring& query);

    ElementPlace Locate(HWND window, const std::wstring& selector);
    std::wstring States(HWND window, const std::wstring& selector);
    int Count(HWND window, const std::wstring& selector);
    std::vector<std::wstring> Texts(HWND window, const std::wstring& selector);
    std::vector<std::wstring> Attributes(HWND window, const std::wstring& name, const std::wstring& selector);
    FocusedElement Focus(HWND window);
    // The look of the element with that uid now, focused or not; "none" when it is gone.
    std::wstring Look(HWND window, unsigned uid);

private:
    static LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<std::wstring> Lines(HWND window, const std::wstring& query);

    HWND m_replyWindow;
    std::wstring m_answer;
    bool m_answered = false;
};

}  // namespace driver
