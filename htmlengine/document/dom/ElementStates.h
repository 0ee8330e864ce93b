#pragma once
// Bits of an element's state word, as the C API exposes them.

namespace htmlengine {

enum ElementStateBit : unsigned {
    kStateLink = 0x1,
    kStateHover = 0x2,
    kStateActive = 0x4,
    kStateFocus = 0x8,
    kStateVisited = 0x10,
    kStateCurrent = 0x20,
    kStateChecked = 0x40,
    kStateDisabled = 0x80,
    kStateReadOnly = 0x100,
    kStateExpanded = 0x200,
    kStateCollapsed = 0x400,
    kStateAnchor = 0x4000,
};

}  // namespace htmlengine
