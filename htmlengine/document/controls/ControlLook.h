#pragma once
// The look of the built-in controls beyond their boxes (the engine's default sheet sizes
// them): focus rings, the disabled look, the list's highlight and hover, the drop button's
// chevron, the progress track. It follows the engine's default sheet, so pages restyle it.
namespace htmlengine {

const wchar_t* ControlLookStyleSheet();

}  // namespace htmlengine
