#pragma once
// The engine's own style sheet, weaker than any page's (the user-agent origin): what is never
// shown, the margins and fonts of plain HTML, and the built-in controls' boxes.
namespace htmlengine {

const wchar_t* DefaultStyleSheet();

}  // namespace htmlengine
