#pragma once
// Bits of an element's state word, as the C API exposes them.

namespace htmlengine {

constexpr unsigned kStateHover = 0x2;
constexpr unsigned kStateFocus = 0x8;
constexpr unsigned kStateCurrent = 0x20;
constexpr unsigned kStateChecked = 0x40;
constexpr unsigned kStateDisabled = 0x80;
constexpr unsigned kStateExpanded = 0x200;
constexpr unsigned kStateCollapsed = 0x400;
constexpr unsigned kStateAnchor = 0x4000;

}  // namespace htmlengine
