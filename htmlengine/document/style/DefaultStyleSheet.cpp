#include "htmlengine/document/style/DefaultStyleSheet.h"

#include <string>

namespace htmlengine {

namespace {

// Popups show only while expanded; they are laid out above everything (the top layer).
const wchar_t kHidden[] = L"head, title, style, script, link, meta, popup { display: none }"
                          L"popup:expanded { display: block }"
                          L"popup:collapsed { display: none }"
                          L"input[type=hidden] { display: none }";

// CSS 2.1 Appendix D, the part our pages meet; pages are windows, so the body has no margin.
const wchar_t kHtml[] =
    L"html { font: 12px 'Segoe UI', Tahoma, sans-serif; color: black; accent-color: Highlight }"
    L"p, pre, blockquote { margin: 1em 0 }"
    L"h1 { font-size: 2em; margin: 0.67em 0; font-weight: bold }"
    L"h2 { font-size: 1.5em; margin: 0.83em 0; font-weight: bold }"
    L"h3 { font-size: 1.17em; margin: 1em 0; font-weight: bold }"
    L"h4 { margin: 1.33em 0; font-weight: bold }"
    L"h5 { font-size: 0.83em; margin: 1.67em 0; font-weight: bold }"
    L"h6 { font-size: 0.67em; margin: 2.33em 0; font-weight: bold }"
    L"ul, ol { margin: 1em 0; padding-left: 40px }"
    L"ol { list-style-type: decimal }"
    L"ul ul, ol ul, ul ol, ol ol { margin: 0 }"
    L"b, strong, th { font-weight: bold }"
    L"i, em { font-style: italic }"
    L"u, ins { text-decoration: underline }"
    L"s, strike, del { text-decoration: line-through }"
    L"center { text-align: center }"
    L"sub { vertical-align: sub; font-size: smaller } sup { vertical-align: super; font-size: smaller }"
    L"pre { white-space: pre; font-family: 'Courier New', monospace }"
    L"table { border-spacing: 2px }"
    L"td, th { padding: 1px; vertical-align: middle }"
    L"th { text-align: center }"
    L"hr { border-top: 1px solid #A0A0A0; margin: 8px 0 }"
    L"a[href] { color: #0000EE; text-decoration: underline; cursor: pointer }"
    L"nobr { white-space: nowrap }";

// The built-in controls: their boxes, so that layout and painting agree on them. Pages restyle
// any of it.
const wchar_t kControls[] =
    L"input, textarea, button, select, progress { box-sizing: border-box }"
    L"input, textarea { border: 1px solid #A0A0A0; border-radius: 3px; padding: 4px 8px; background: white;"
    L" cursor: text }"
    L"input[type=checkbox], input[type=radio], button[type=checkbox], button[type=radio] { border: none; padding: 0;"
    L" background: transparent; width: 14px; height: 14px; margin: 3px; cursor: default }"
    L"input[type=button], input[type=submit], button { border: 1px solid #A0A0A0; border-radius: 3px;"
    L" padding: 5px 12px; background: white; text-align: center; cursor: default; white-space: nowrap }"
    L"button[type=checkbox], button[type=radio] { padding: 0 0 0 18px; width: auto; height: auto;"
    L" background: transparent; border: none; text-align: left }"
    L"select { display: inline-flex; align-items: center; border: 1px solid #A0A0A0; border-radius: 3px;"
    L" padding: 4px 0 4px 8px; background: white; cursor: default; white-space: nowrap }"
    L"select > caption { display: block; flex-grow: 1; overflow: hidden; text-overflow: ellipsis }"
    L"select > button { border: none; padding: 0; width: 20px; align-self: stretch; background: transparent }"
    L"popup { background: white; border: 1px solid #A0A0A0; overflow-y: auto }"
    L"popup > option, option { display: block; padding: 4px 8px; white-space: nowrap; cursor: default }"
    L"progress { width: 160px; height: 10px }";

}  // namespace

const wchar_t* DefaultStyleSheet()
{
    static const std::wstring sheet = std::wstring(kHidden) + kHtml + kControls;
    return sheet.c_str();
}

}  // namespace htmlengine
