#pragma once
// Extra exports for tests only: they drive a page as a user would, through the same paths
// as the window's input (handlers, page rules, controls), without pixel coordinates.
#include "htmlengine/api/EngineDocument.h"

// Mouse down, focus, mouse up and click on the element (keyboardState: ENGINE_KEYBOARD_STATE).
ENGINE_API HTMLayoutTestClick(HELEMENT he, UINT keyboardState);
ENGINE_API HTMLayoutTestDoubleClick(HELEMENT he, UINT keyboardState);
// Keys go to `he`, or to the focused element (or the root) when he is null.
ENGINE_API HTMLayoutTestKeyDown(HWND hwnd, HELEMENT he, UINT keyCode, UINT keyboardState);
ENGINE_API HTMLayoutTestKeyUp(HWND hwnd, HELEMENT he, UINT keyCode, UINT keyboardState);
// Types the text character by character into `he` (or the focused element).
ENGINE_API HTMLayoutTestType(HWND hwnd, HELEMENT he, const wchar_t* text);
// Opens the select's popup and clicks the option: the option at `index` when value is null,
// else the option whose "value" attribute equals value.
ENGINE_API HTMLayoutTestChooseOption(HELEMENT select, UINT index, const wchar_t* value);
// Moves the focus as the user would (focus events, page rules); null takes it away.
ENGINE_API HTMLayoutTestSetFocus(HWND hwnd, HELEMENT he);
// Delivers the posted events, then settles the focus as the next frame would.
ENGINE_API HTMLayoutTestFlushPostedEvents(HWND hwnd);
// The document as indented text: tags, attributes, [states], text and values.
ENGINE_API HTMLayoutTestDump(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param);
// What the engine could not use (style sheets, style attributes, scripts, URLs), one per line.
ENGINE_API HTMLayoutTestErrors(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param);
// The text an edit shows (masked for passwords).
ENGINE_API HTMLayoutTestShownText(HELEMENT he, WIDE_TEXT_RECEIVER receiver, LPVOID param);

// ---- layout ---------------------------------------------------------------------------

// The window's boxes as text, one per line: "tag#id x,y w×h" in window client coordinates,
// indented by depth ("(viewport)" first, "(anonymous)" boxes, then fixed boxes and popups).
ENGINE_API HTMLayoutTestDumpBoxes(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param);
// The element a click at `point` (client coordinates) would reach; null over nothing.
ENGINE_API HTMLayoutTestElementAt(HWND hwnd, POINT point, HELEMENT* he);
// Measures text with fixed metrics from now on: every character `advance` pixels wide and
// every line `lineHeight` high at 12 px, in proportion at other sizes (layout tests that give
// the same boxes on every machine).
ENGINE_API HTMLayoutTestSetFixedMetrics(HWND hwnd, UINT advance, UINT lineHeight);

// ---- painting ---------------------------------------------------------------------------

// Pixels of a painted window: 32-bit rows from the top (blue, green, red, then a byte that
// is no alpha), `stride` bytes apart.
typedef void(CALLBACK* PIXELS_RECEIVER)(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID param);
// Lays out and paints the whole client area into the window's back buffer, as WM_PAINT does,
// and hands the pixels over.
ENGINE_API HTMLayoutTestPaintWindow(HWND hwnd, PIXELS_RECEIVER receiver, LPVOID param);
// One frame of the whole window through the recording painter, one drawing call per line:
//   fill X,Y WxH #RRGGBB[/AA] [rN]     stroke X,Y WxH rN wN #RRGGBB
//   text X,Y "TEXT" NNpx [bold] #RRGGBB (X,Y: the start of the baseline)
//   image URL X,Y WxH [faded]          polygon / lines X,Y X,Y ... #RRGGBB
//   clip X,Y WxH (the clip in force)   unclip
// Pictures are measured and drawn as the window's painter would.
ENGINE_API HTMLayoutTestRecordPaint(HWND hwnd, WIDE_TEXT_RECEIVER receiver, LPVOID param);
// How many pictures the window has decoded so far: each URL once per page.
ENGINE_API HTMLayoutTestDecodedImages(HWND hwnd, UINT* count);

// ---- queries from another process -------------------------------------------------------

// An engine window answers WM_COPYDATA whose COPYDATASTRUCT carries dwData ENGINE_TEST_QUERY
// and a query in UTF-16 (cbData bytes); wParam is the asking window. Before SendMessage
// returns (TRUE), the answer comes back to that window as WM_COPYDATA with dwData
// ENGINE_TEST_ANSWER and UTF-16 text ending in a null. Coordinates are the window's client
// coordinates; texts are on one line each (line breaks become blanks).
//   locate SELECTOR            the first match's border box and whether it shows and a click at
//                              its centre reaches it: "X Y W H VISIBLE REACHABLE" (0 or 1), or "none"
//   state SELECTOR             the first match's states among focus current checked disabled
//                              expanded collapsed, blank-separated, or "none"
//   count SELECTOR             how many elements match
//   text SELECTOR              the count, then the text of every match (an edit: what it
//                              shows) on a line of its own
//   attribute NAME SELECTOR    the count, then every match's attribute ("" where absent)
//   focus                      the focused element, "UID TAG#ID.CLASSES", then on a second line
//                              its look (below); or "none"
//   look UID                   the look of the element with that UID, focused or not, or "none":
//                              "outline W STYLE #RRGGBBAA OFFSET; border W STYLE #RRGGBBAA (four
//                              sides: top, right, bottom, left); background #RRGGBBAA IMAGE; color
//                              #RRGGBBAA" from its computed style
// Anything else, or a selector the engine cannot read, answers "error: ...".
#define ENGINE_TEST_QUERY 0x51545745u  // "EWTQ"
#define ENGINE_TEST_ANSWER 0x41545745u  // "EWTA"
