#include "ui/toolkit/Dialog.h"

#include <string>

#include "core/ConnectorLog.h"
#include "core/TextUtils.h"
#include "ui/toolkit/Element.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/Guarded.h"
#include "ui/toolkit/LinkOpener.h"

namespace htmlayout {

namespace {

// A clicked element's "name" gives the result of its position here, counted from 1.
const wchar_t* const kButtonNames[] = { L"OK",  L"CANCEL", L"ABORT", L"RETRY", L"IGNORE",
                                        L"YES", L"NO",     L"CLOSE", L"HELP" };

// A template with no controls, no menu, the default class and an empty title.
struct alignas(4) empty_dialog_template {
    DLGTEMPLATE header;
    WORD menu;
    WORD window_class;
    WORD title;
};

int result_of_button(const wchar_t* name)
{
    for (int i = 0; i < static_cast<int>(sizeof kButtonNames / sizeof kButtonNames[0]); ++i)
        if (WideEqualsNoCase(name, kButtonNames[i]))
            return i + 1;
    return 0;
}

dialog* bound_dialog(HWND window)
{
    return reinterpret_cast<dialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

// An icon the owner shows: set on its window, else its class's.
HICON owner_icon(HWND owner, WPARAM size)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageW(owner, WM_GETICON, size, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(owner, size == ICON_BIG ? GCLP_HICON : GCLP_HICONSM));
    return icon;
}

INT_PTR answer(HWND window, LRESULT message_result)
{
    SetWindowLongPtrW(window, DWLP_MSGRESULT, message_result);
    return TRUE;
}

}  // namespace

POINT centred_origin(const RECT& area, int width, int height)
{
    POINT origin;
    origin.x = area.left + (area.right - area.left - width) / 2;
    origin.y = area.top + (area.bottom - area.top - height) / 2;
    return origin;
}

dialog::dialog(HWND parent)
    : event_handler(GROUP_BEHAVIOR_EVENT),
      hwnd(nullptr),
      parent(parent),
      x(0),
      y(0),
      position(kCentreOnDesktop),
      style(WS_POPUP | WS_CAPTION | WS_SYSMENU),
      ex_style(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE),
      html(nullptr),
      html_size(0),
      result(kResultCancel)
{
}

// A window that outlives its object must not call into it.
dialog::~dialog()
{
    if (hwnd && IsWindow(hwnd) && bound_dialog(hwnd) == this)
        DestroyWindow(hwnd);
}

int dialog::do_modal(const unsigned char* page, UINT page_size)
{
    html = page;
    html_size = page_size;
    if (!create())
        return result;
    ShowWindow(hwnd, SW_SHOW);
    modal_loop(hwnd);
    return result;
}

HWND dialog::create()
{
    empty_dialog_template layout = {};
    layout.header.style = style;
    layout.header.dwExtendedStyle = ex_style;
    HINSTANCE instance =
        parent ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)) : GetModuleHandleW(nullptr);
    hwnd = CreateDialogIndirectParamW(instance, &layout.header, parent, &dialog::dialog_proc,
                                      reinterpret_cast<LPARAM>(this));
    return hwnd;
}

// The engine sees every message first. A failure answers "handled".
INT_PTR CALLBACK dialog::dialog_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return detail::guarded(L"dialog procedure", static_cast<INT_PTR>(TRUE), [&]() -> INT_PTR {
        BOOL handled = FALSE;
        LRESULT engine_result = HTMLayoutProcND(window, message, wParam, lParam, &handled);
        if (handled)
            return answer(window, engine_result);
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<dialog*>(lParam);
            SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
            self->hwnd = window;
            self->on_init_dialog();
            return FALSE;  // the focus is set once the page is shown
        }
        dialog* self = bound_dialog(window);
        return self ? self->on_message(message, wParam, lParam) : FALSE;
    });
}

LRESULT CALLBACK dialog::notify_callback(UINT message, WPARAM, LPARAM lParam, LPVOID param)
{
    auto* self = static_cast<dialog*>(param);
    if (message != WM_NOTIFY || !self)
        return 0;
    return detail::guarded(L"dialog notification", static_cast<LRESULT>(0),
                           [&] { return self->handle_notification(reinterpret_cast<NMHDR*>(lParam)); });
}

INT_PTR dialog::on_message(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_USER: focus_default_button(); return TRUE;
    case WM_GETMINMAXINFO: return answer(hwnd, on_get_min_max_info(reinterpret_cast<MINMAXINFO*>(lParam)));
    case WM_CLOSE:
        if (can_close())
            close();
        return TRUE;
    case WM_DESTROY: unbind(); return FALSE;
    default: return FALSE;
    }
}

void dialog::on_init_dialog()
{
    take_owner_icons();
    HTMLayoutSetCallback(hwnd, &dialog::notify_callback, this);
    attach_event_handler(hwnd, this, GROUP_ALL);
    if (!html)
        return;
    load_page();
    dom::element title = dom::element::root_element(hwnd).find_first("title");
    if (title.is_valid())
        SetWindowTextW(hwnd, title.get_text().c_str());
    place_window();
    PostMessageW(hwnd, WM_USER, 0, 0);
}

// The dialog carries the icons of the window it belongs to: the program's, in the title bar and
// the task switcher. The icons stay the owner's; nothing is freed here.
void dialog::take_owner_icons()
{
    if (!parent)
        return;
    const WPARAM sizes[] = { ICON_BIG, ICON_SMALL };
    for (WPARAM size : sizes)
        if (HICON icon = owner_icon(parent, size))
            SendMessageW(hwnd, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
}

void dialog::load_page()
{
    if (html_size == 0)
        HTMLayoutLoadFile(hwnd, reinterpret_cast<const wchar_t*>(html));
    else
        HTMLayoutLoadHtmlEx(hwnd, html, html_size, base_url.c_str());
}

// The page's minimum size, grown by the frame, centred or at x and y.
void dialog::place_window()
{
    UINT min_width = HTMLayoutGetMinWidth(hwnd);
    UINT min_height = HTMLayoutGetMinHeight(hwnd, min_width);
    RECT frame = { x, y, x + static_cast<LONG>(min_width), y + static_cast<LONG>(min_height) };
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    POINT origin = { frame.left, frame.top };
    RECT area;
    if (position == kCentreOnParent && parent && GetWindowRect(parent, &area))
        origin = centred_origin(area, width, height);
    else if (position == kCentreOnDesktop && GetClientRect(GetDesktopWindow(), &area))
        origin = centred_origin(area, width, height);
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, width, height, SWP_NOZORDER);
}

void dialog::focus_default_button()
{
    dom::element button = dom::element::root_element(hwnd).find_first("[role='default-button']");
    if (button.is_valid())
        button.set_state(STATE_FOCUS, 0);
    else
        SetFocus(hwnd);
}

void dialog::close()
{
    HWND owner = GetParent(hwnd);
    if (owner) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
    DestroyWindow(hwnd);
}

// After this no notification, event or message reaches the object.
void dialog::unbind()
{
    detach_event_handler(hwnd, this);
    HTMLayoutSetCallback(hwnd, nullptr, nullptr);
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
}

void dialog::modal_loop(HWND window)
{
    HWND owner = GetAncestor(window, GA_ROOTOWNER);
    bool owned = owner && owner != window;
    if (owned)
        EnableWindow(owner, FALSE);
    bool quit = false;
    WPARAM quit_code = 0;
    while (!quit && IsWindow(window)) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // Wakes for input and for calls other threads queue to this one.
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_ALERTABLE | MWMO_INPUTAVAILABLE);
            continue;
        }
        quit = message.message == WM_QUIT;
        quit_code = message.wParam;
        if (!quit) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            SleepEx(0, TRUE);
        }
    }
    if (owned) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
    // A quit ends the program's loop too; the window must not outlive this object.
    if (quit) {
        if (IsWindow(window))
            DestroyWindow(window);
        PostQuitMessage(static_cast<int>(quit_code));
    }
}

bool dialog::handle_key(HELEMENT, KEY_PARAMS& params)
{
    if (params.cmd != KEY_DOWN)
        return false;
    if (params.key_code == VK_RETURN)
        return click_button(L"[role='default-button']");
    if (params.key_code == VK_ESCAPE)
        return click_button(L"[role='cancel-button']");
    return false;
}

bool dialog::click_button(const wchar_t* selector)
{
    dom::element button = dom::element::root_element(hwnd).find_first_w(L"%ls", selector);
    return button.is_valid() && button.click();
}

bool dialog::handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params)
{
    if (params.cmd == (EVENT_HYPERLINK_CLICK | EVENT_SINKING))
        return open_hyperlink(params.he);
    if (params.cmd != EVENT_BUTTON_CLICK)
        return false;
    dom::element source(params.he);
    const wchar_t* name = source.get_attribute("name");
    if (!name)
        return false;
    result = result_of_button(name);
    if (result == 0)
        return event_handler::handle_event(he, params);
    PostMessageW(source.get_element_hwnd(true), WM_CLOSE, 0, 0);
    return true;
}

// Pages show text from the server and from QuickBooks, so only web and mail links open.
bool dialog::open_hyperlink(HELEMENT source)
{
    dom::element link(source);
    const wchar_t* href = link.get_attribute("href");
    if (!href)
        return false;
    if (is_openable_link(href))
        open_link(hwnd, href);
    else
        Quorvane::Logging::AppendToConnectorLog(std::wstring(L"A dialog link was not opened: ") + href);
    return true;
}

}  // namespace htmlayout

bool WideEqualsNoCase(const wchar_t* a, const wchar_t* b)
{
    return a && b && Quorvane::EqualsIgnoringCase(a, b);
}
