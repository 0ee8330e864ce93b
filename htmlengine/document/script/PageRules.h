#pragma once
// The page's rules: style properties whose values are scripts, run when their event reaches
// the element on its bubbling way.
//   on-click         a click on the element or inside it (button, link, "clickable" and
//                    plain clicks alike, once per click)
//   on-change        the element's value changed by the user (or a sent value-changed event)
//   on-focus-lost    the element lost the focus
//   on-key-up-<code> a key with that virtual-key code was released on it or inside it
// Disabled elements run no rules.
namespace htmlengine {

class Document;

void InstallPageRules(Document& document);

}  // namespace htmlengine
