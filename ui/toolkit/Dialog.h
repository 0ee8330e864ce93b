#pragma once
// htmlayout::dialog: the base of the program's modal HTML dialogs. It creates a dialog window
// from an in-memory template, loads a page into it, sizes itself from the page's minimum size,
// turns named buttons into the dialog result, opens http(s) and mailto links with the shell,
// shows its owner's icons, and runs a modal loop with its owner disabled. Subclasses fill their page in
// on_document_complete. Nothing a subclass throws leaves the window or notification procedure.
#include <windows.h>

#include "json/CountedString.h"
#include "ui/toolkit/EventHandler.h"
#include "ui/toolkit/NotificationHandler.h"

namespace htmlayout {

class dialog : public event_handler, public notification_handler {
public:
    enum { kCentreOnDesktop = 1, kCentreOnParent = 2 };
    // Results of the named buttons "OK" .. "HELP" (names compared without case).
    enum { kResultOk = 1, kResultCancel = 2 };

    explicit dialog(HWND parent);
    ~dialog() override;

    // Shows the page (UTF-8 bytes; with page_size 0, page is a wide URL for the engine to
    // load) modally and returns the result: 1 only through "OK", 2 when closed otherwise, 0
    // after a click on a named button that is not a result.
    int do_modal(const unsigned char* page, UINT page_size);

    virtual HWND create();
    // WM_GETMINMAXINFO; each dialog gives its limits.
    virtual LRESULT on_get_min_max_info(MINMAXINFO* /*info*/) { return 0; }
    // WM_CLOSE (the close box, Escape through the page): false keeps the window open.
    virtual bool can_close() { return true; }

    // Enter clicks "[role='default-button']", Escape "[role='cancel-button']".
    bool handle_key(HELEMENT he, KEY_PARAMS& params) override;
    // Named buttons end the dialog; hyperlinks (sinking phase) open with the shell. A subclass
    // that overrides it calls this one after its own work.
    bool handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params) override;

    static INT_PTR CALLBACK dialog_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK notify_callback(UINT message, WPARAM wParam, LPARAM lParam, LPVOID param);

protected:
    void modal_loop(HWND window);

    HWND hwnd;  // the dialog window, once created
    HWND parent;  // the owner
    int x, y;  // the place when position is neither centring value
    int position;  // kCentreOnDesktop (the default), kCentreOnParent, or x and y
    DWORD style;  // of the template; WS_POPUP | WS_CAPTION | WS_SYSMENU by default
    DWORD ex_style;  // WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE by default
    const unsigned char* html;
    UINT html_size;
    json::string base_url;
    int result;  // 2 until a named button sets it

private:
    INT_PTR on_message(UINT message, WPARAM wParam, LPARAM lParam);
    void on_init_dialog();
    void take_owner_icons();
    void load_page();
    void place_window();
    void focus_default_button();
    void close();
    void unbind();
    bool click_button(const wchar_t* selector);
    bool open_hyperlink(HELEMENT source);

    dialog(const dialog&) = delete;
    dialog& operator=(const dialog&) = delete;
};

// The top-left corner that centres a width x height window over the area; halves round toward
// zero.
POINT centred_origin(const RECT& area, int width, int height);

}  // namespace htmlayout

// Equality ignoring the case of A to Z only; false when either text is null.
bool WideEqualsNoCase(const wchar_t* a, const wchar_t* b);
