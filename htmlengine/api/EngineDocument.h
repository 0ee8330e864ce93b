#pragma once
// The engine's document interface: element handles and the tree, markup, attributes, styles,
// states, control values, events and behaviours, and the window's share of the work. All
// of it is for the UI thread only. Functions answer ENGINE_OK or a failure code; a stale or
// deleted element handle fails with ENGINE_INVALID_HANDLE and is never followed.
#include <windows.h>

#include "htmlengine/api/EngineApi.h"
#include "htmlengine/api/EngineValue.h"

typedef enum ENGINE_RESULT {
    ENGINE_OK = 0,
    ENGINE_INVALID_HANDLE = 1,
    ENGINE_INVALID_PARAMETER = 2,
    ENGINE_FAILED = 3,
    ENGINE_NOT_HANDLED = 4
} ENGINE_RESULT;

// ---- callbacks ------------------------------------------------------------------------

// An element or window event procedure; `params` points to the block of the group.
typedef BOOL(CALLBACK* ELEMENT_EVENT_PROC)(LPVOID tag, HELEMENT he, UINT group, LPVOID params);
// The window's notification callback: message WM_NOTIFY, lParam -> a block that starts with
// an NMHDR (sender window, 0, notification code).
typedef LRESULT(CALLBACK* ENGINE_NOTIFY_PROC)(UINT message, WPARAM wParam, LPARAM lParam, LPVOID param);
typedef BOOL(CALLBACK* ELEMENT_VISITOR)(HELEMENT he, LPVOID param);  // TRUE stops the walk
typedef INT(CALLBACK* ELEMENT_COMPARATOR)(HELEMENT a, HELEMENT b, LPVOID param);
typedef void(CALLBACK* WIDE_TEXT_RECEIVER)(const wchar_t* text, UINT length, LPVOID param);
typedef void(CALLBACK* BYTES_RECEIVER)(const BYTE* bytes, UINT length, LPVOID param);

// ---- event groups (subscription bits) and phases --------------------------------------

enum ENGINE_EVENT_GROUP {
    GROUP_INITIALIZATION = 0,
    GROUP_MOUSE = 0x1,
    GROUP_KEY = 0x2,
    GROUP_FOCUS = 0x4,
    GROUP_SCROLL = 0x8,
    GROUP_TIMER = 0x10,
    GROUP_SIZE = 0x20,
    GROUP_DRAW = 0x40,
    GROUP_DATA_ARRIVED = 0x80,
    GROUP_BEHAVIOR_EVENT = 0x100,
    GROUP_METHOD_CALL = 0x200,
    GROUP_EXCHANGE = 0x1000,
    GROUP_GESTURE = 0x2000,
    GROUP_ALL = 0xFFFF
};

// Or-ed into an event type or code during the sinking phase (root to target).
#define EVENT_SINKING 0x8000u

enum ENGINE_MOUSE_EVENT { MOUSE_UP = 3, MOUSE_DOWN = 4, MOUSE_DCLICK = 5, MOUSE_CLICK = 0xFF };
enum ENGINE_KEY_EVENT { KEY_DOWN = 0, KEY_UP = 1, KEY_CHAR = 2 };
enum ENGINE_FOCUS_EVENT { FOCUS_LOST = 0, FOCUS_GOT = 1 };
enum ENGINE_KEYBOARD_STATE { KEYBOARD_CONTROL = 0x1, KEYBOARD_SHIFT = 0x2, KEYBOARD_ALT = 0x4 };

// Behaviour-event codes.
enum ENGINE_BEHAVIOR_EVENT {
    EVENT_BUTTON_CLICK = 0,  // source and target: the button, check box or radio
    EVENT_VALUE_CHANGED = 4,  // after a user edit of an input, check box, radio or select
    // Text typed into a date input that is no date: the input shows its last date again, and
    // while this event runs its value is the refused text, so the page can say what it was.
    EVENT_VALUE_REFUSED = 5,
    EVENT_SELECT_STATE_CHANGED = 6,  // for program behaviours; the engine sends none
    EVENT_ACTIVATED = 0x20,  // a "clickable" element was clicked
    EVENT_HYPERLINK_CLICK = 0x80,
    EVENT_TABLE_HEADER_CLICK = 0x81,
    EVENT_TABLE_ROW_CLICK = 0x82,
    EVENT_TABLE_ROW_DBL_CLICK = 0x83,
    EVENT_ELEMENT_COLLAPSED = 0x90,
    EVENT_ELEMENT_EXPANDED = 0x91,
    EVENT_ACTIVATE_CHILD = 0x92,
    EVENT_POPUP_DISMISSING = 0x102  // for program behaviours; the engine sends none
};

// Method ids of METHOD_PARAMS; 0xFF is a script call (XCALL_PARAMS).
enum ENGINE_METHOD { METHOD_CLICK = 1, METHOD_SCRIPT_CALL = 0xFF };

// Element state bits.
enum ENGINE_ELEMENT_STATE {
    STATE_HOVER = 0x2,
    STATE_FOCUS = 0x8,
    STATE_CURRENT = 0x20,
    STATE_CHECKED = 0x40,
    STATE_DISABLED = 0x80,
    STATE_EXPANDED = 0x200,
    STATE_COLLAPSED = 0x400,
    STATE_ANCHOR = 0x4000
};

// ---- parameter blocks -----------------------------------------------------------------

typedef struct INITIALIZATION_PARAMS {
    UINT cmd;
} INITIALIZATION_PARAMS;  // 0 detached, 1 attached

typedef struct MOUSE_PARAMS {
    UINT cmd;  // ENGINE_MOUSE_EVENT, | EVENT_SINKING
    HELEMENT target;
    POINT pos;  // element coordinates
    POINT pos_document;  // document coordinates
    UINT button_state;  // 1 main button
    UINT alt_state;  // ENGINE_KEYBOARD_STATE
    UINT cursor_type;
    BOOL is_on_icon;
    HELEMENT dragging;
    UINT dragging_mode;
} MOUSE_PARAMS;

typedef struct KEY_PARAMS {
    UINT cmd;  // ENGINE_KEY_EVENT, | EVENT_SINKING
    HELEMENT target;
    UINT key_code;  // virtual key, or the character for KEY_CHAR
    UINT alt_state;
} KEY_PARAMS;

typedef struct FOCUS_PARAMS {
    UINT cmd;  // ENGINE_FOCUS_EVENT, | EVENT_SINKING
    HELEMENT target;
    BOOL by_mouse_click;
    BOOL cancel;
} FOCUS_PARAMS;

typedef struct TIMER_PARAMS {
    UINT_PTR timerId;
} TIMER_PARAMS;

typedef struct SCROLL_PARAMS {
    UINT cmd;
    HELEMENT target;
    INT pos;
    BOOL vertical;
} SCROLL_PARAMS;

typedef struct DRAW_PARAMS {
    UINT cmd;  // layer
    HDC hdc;
    RECT area;
    UINT reserved;
} DRAW_PARAMS;

typedef struct DATA_ARRIVED_PARAMS {
    HELEMENT initiator;
    const BYTE* data;
    UINT dataSize;
    UINT dataType;
} DATA_ARRIVED_PARAMS;

typedef struct BEHAVIOR_EVENT_PARAMS {
    UINT cmd;  // ENGINE_BEHAVIOR_EVENT, | EVENT_SINKING
    HELEMENT heTarget;
    HELEMENT he;  // the source
    UINT_PTR reason;
} BEHAVIOR_EVENT_PARAMS;

typedef struct METHOD_PARAMS {
    UINT methodID;
} METHOD_PARAMS;

typedef struct XCALL_PARAMS {
    UINT methodID;  // METHOD_SCRIPT_CALL
    const char* method_name;
    UINT argc;
    VALUE* argv;
    VALUE retval;
} XCALL_PARAMS;

// ---- notifications to the window's callback ------------------------------------------

enum ENGINE_NOTIFICATION { NOTIFY_LOAD_DATA = 0xB01, NOTIFY_DOCUMENT_COMPLETE = 0xB04, NOTIFY_ATTACH_BEHAVIOR = 0xB07 };

// 0xB01, for each include, style sheet and image. The callback answers 0 to go on (data
// given through HTMLayoutDataReady, or loaded by the engine itself) or 1 to drop the URL.
typedef struct LOAD_DATA_NOTIFICATION {
    NMHDR hdr;
    LPCWSTR uri;
    LPVOID outData;  // or set through HTMLayoutDataReady
    UINT outDataSize;
    UINT dataType;  // 0 html, 1 image, 2 style sheet
    UINT requestId;
} LOAD_DATA_NOTIFICATION;

// 0xB07, once per name of an element's "behavior" list. The callback fills elementProc (and
// tag and events) to take the behaviour; left null, the engine's own behaviour of that name,
// if any, is used.
typedef struct ATTACH_BEHAVIOR_NOTIFICATION {
    NMHDR hdr;
    HELEMENT element;
    const char* behaviorName;
    ELEMENT_EVENT_PROC elementProc;
    LPVOID elementTag;
    UINT elementEvents;
} ATTACH_BEHAVIOR_NOTIFICATION;

#define ENGINE_API HTMLENGINE_API ENGINE_RESULT HTMLENGINE_CALL

// ---- windows and documents ------------------------------------------------------------

// The engine's share of a window procedure; *handled tells whether it took the message.
HTMLENGINE_API LRESULT HTMLENGINE_CALL HTMLayoutProcND(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                                       BOOL* handled);
HTMLENGINE_API void HTMLENGINE_CALL HTMLayoutSetCallback(HWND hwnd, ENGINE_NOTIFY_PROC callback, LPVOID param);
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadHtmlEx(HWND hwnd, const BYTE* html, UINT size, LPCWSTR baseUrl);
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutLoadFile(HWND hwnd, LPCWSTR path);
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutDataReady(HWND hwnd, LPCWSTR uri, const BYTE* data, DWORD size);
// The document's min-content width (min-width, and a width set on the root, honoured), and
// the height it takes at a width.
HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinWidth(HWND hwnd);
HTMLENGINE_API UINT HTMLENGINE_CALL HTMLayoutGetMinHeight(HWND hwnd, UINT width);
HTMLENGINE_API BOOL HTMLENGINE_CALL HTMLayoutUpdateWindow(HWND hwnd);
ENGINE_API HTMLayoutWindowAttachEventHandler(HWND hwnd, ELEMENT_EVENT_PROC proc, LPVOID tag, UINT subscription);
ENGINE_API HTMLayoutWindowDetachEventHandler(HWND hwnd, ELEMENT_EVENT_PROC proc, LPVOID tag);
ENGINE_API HTMLayoutGetRootElement(HWND hwnd, HELEMENT* root);
ENGINE_API HTMLayoutGetElementByUID(HWND hwnd, UINT uid, HELEMENT* he);

// ---- handles and the tree -------------------------------------------------------------

ENGINE_API HTMLayout_UseElement(HELEMENT he);
ENGINE_API HTMLayout_UnuseElement(HELEMENT he);
ENGINE_API HTMLayoutGetParentElement(HELEMENT he, HELEMENT* parent);
ENGINE_API HTMLayoutGetChildrenCount(HELEMENT he, UINT* count);  // element children only
ENGINE_API HTMLayoutGetNthChild(HELEMENT he, UINT n, HELEMENT* child);
ENGINE_API HTMLayoutGetElementIndex(HELEMENT he, UINT* index);
ENGINE_API HTMLayoutGetElementHwnd(HELEMENT he, HWND* hwnd, BOOL rootWindow);
ENGINE_API HTMLayoutGetElementUID(HELEMENT he, UINT* uid);
ENGINE_API HTMLayoutCreateElement(const char* tag, const wchar_t* text, HELEMENT* he);
ENGINE_API HTMLayoutInsertElement(HELEMENT he, HELEMENT parent, UINT index);  // index >= count appends
ENGINE_API HTMLayoutDetachElement(HELEMENT he);
ENGINE_API HTMLayoutDeleteElement(HELEMENT he);
ENGINE_API HTMLayoutSortElements(HELEMENT he, UINT first, UINT last, ELEMENT_COMPARATOR cmp, LPVOID param);

// ---- selection ------------------------------------------------------------------------

// Descendants of he in document order; ":root" is he itself.
ENGINE_API HTMLayoutSelectElements(HELEMENT he, const char* selectors, ELEMENT_VISITOR callback, LPVOID param);
ENGINE_API HTMLayoutSelectElementsW(HELEMENT he, const wchar_t* selectors, ELEMENT_VISITOR callback, LPVOID param);
// he itself, then its ancestors; depth 0 means no limit.
ENGINE_API HTMLayoutSelectParentW(HELEMENT he, const wchar_t* selector, UINT depth, HELEMENT* found);
ENGINE_API HTMLayoutVisitElements(HELEMENT he, const char* tag, const char* attributeName,
                                  const wchar_t* attributeValue, ELEMENT_VISITOR callback, LPVOID param, DWORD depth);

// ---- content, attributes and styles ---------------------------------------------------

enum ENGINE_SET_HTML_WHERE {
    SIH_REPLACE_CONTENT = 0,
    SIH_INSERT_AT_START = 1,
    SIH_APPEND_AFTER_LAST = 2,
    SOH_REPLACE = 3,
    SOH_INSERT_BEFORE = 4,
    SOH_INSERT_AFTER = 5
};
ENGINE_API HTMLayoutSetElementHtml(HELEMENT he, const BYTE* utf8, DWORD length, UINT where);
ENGINE_API HTMLayoutGetElementHtmlCB(HELEMENT he, BOOL outer, BYTES_RECEIVER receiver, LPVOID param);
ENGINE_API HTMLayoutSetElementInnerText16(HELEMENT he, const wchar_t* text, UINT length);
ENGINE_API HTMLayoutGetElementInnerTextCB(HELEMENT he, WIDE_TEXT_RECEIVER receiver, LPVOID param);
ENGINE_API HTMLayoutGetAttributeByName(HELEMENT he, const char* name, const wchar_t** value);
ENGINE_API HTMLayoutSetAttributeByName(HELEMENT he, const char* name, const wchar_t* value);  // null removes
ENGINE_API HTMLayoutGetStyleAttribute(HELEMENT he, const char* name, const wchar_t** value);
ENGINE_API HTMLayoutSetStyleAttribute(HELEMENT he, const char* name, const wchar_t* value);  // null removes

// ---- states, view and controls --------------------------------------------------------

ENGINE_API HTMLayoutGetElementState(HELEMENT he, UINT* state);
ENGINE_API HTMLayoutSetElementState(HELEMENT he, UINT set, UINT clear, BOOL update);
ENGINE_API HTMLayoutUpdateElement(HELEMENT he, BOOL renderNow);
// Scrolls every scrolling box around the element just enough to show it (flag 0x10, smooth,
// scrolls at once too).
ENGINE_API HTMLayoutScrollToView(HELEMENT he, UINT flags);
// Where the focus can return: `wanted` (may be null) when it can take the focus now - alive,
// focusable, enabled, shown, inside the event root and any panel holding the keyboard - else
// the first Tab stop inside `root`; null when neither.
ENGINE_API HTMLayoutGetFocusTarget(HELEMENT wanted, HELEMENT root, HELEMENT* found);
// True for an element with a box that neither it nor an ancestor hides (scrolled out of sight counts).
ENGINE_API HTMLayoutIsElementVisible(HELEMENT he, BOOL* visible);
// Areas of HTMLayoutGetElementLocation: the low nibble says relative to what - 1 the window's
// client area, 2 the document (as if nothing were scrolled); the high nibble which box - 0x00
// content, 0x10 padding, 0x20 border, 0x30 margin, 0x60 the scroll port (the padding box less
// scroll bars). An element without a box is at 0,0,0,0.
enum ENGINE_LOCATION { LOCATION_VIEW_BORDER_BOX = 0x21, LOCATION_VIEW_SCROLL_PORT = 0x61 };
ENGINE_API HTMLayoutGetElementLocation(HELEMENT he, RECT* location, UINT areas);
ENGINE_API HTMLayoutControlGetType(HELEMENT he, UINT* type);
ENGINE_API HTMLayoutControlGetValue(HELEMENT he, VALUE* value);
ENGINE_API HTMLayoutControlSetValue(HELEMENT he, const VALUE* value);

// ---- events and behaviours ------------------------------------------------------------

ENGINE_API HTMLayoutSetEventRoot(HELEMENT he, HELEMENT* previous);
ENGINE_API HTMLayoutPostEvent(HELEMENT he, UINT code, HELEMENT source, UINT_PTR reason);
ENGINE_API HTMLayoutSendEvent(HELEMENT he, UINT code, HELEMENT source, UINT_PTR reason, BOOL* handled);
ENGINE_API HTMLayoutCallBehaviorMethod(HELEMENT he, METHOD_PARAMS* params);
