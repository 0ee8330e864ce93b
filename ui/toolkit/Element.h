#pragma once
// htmlayout::dom::element: a counted handle of one engine element, passed by value. Every copy
// holds its own engine reference, so a node stays alive while any handle names it, even after
// it left the document. Nothing here throws: a failed engine call leaves a null element, an
// empty text or an untouched state.
#include <windows.h>

#include <vector>

#include "htmlengine/api/EngineDocument.h"
#include "json/CountedString.h"
#include "json/JsonValue.h"

// Checks the narrow selector formats as printf formats (%ls for a wide argument).
#define HTMLAYOUT_SELECTOR_FORMAT(format_index) __attribute__((format(gnu_printf, format_index, format_index + 1)))

namespace htmlayout {
namespace dom {

// An element visitor for the engine's selections; true from on_element stops the walk.
class callback {
public:
    virtual bool on_element(HELEMENT he) = 0;
    virtual ~callback() {}

    // The trampoline the engine calls, with the visitor as its parameter.
    static BOOL CALLBACK element_callback(HELEMENT he, LPVOID param);
};

class element {
public:
    class find_first_callback;
    class find_all_callback;
    class comparator;

    // Selectors are formatted into buffers of this many characters; a longer one finds nothing.
    static const int kSelectorBufferSize = 2048;

    element() : m_handle(nullptr) {}
    element(HELEMENT he);  // implicit, like the handles it wraps
    element(const element& other);
    element(element&& other) noexcept;
    element& operator=(const element& other);
    element& operator=(element&& other) noexcept;
    ~element();

    void assign(HELEMENT he);
    void release();
    bool is_valid() const { return m_handle != nullptr; }
    operator HELEMENT() const { return m_handle; }

    // ---- identity and tree
    static element root_element(HWND hwnd);
    element root() const;  // the topmost ancestor, the element itself when it has none
    element parent() const;
    UINT children_count() const;
    element child(UINT n) const;
    UINT index() const;
    HWND get_element_hwnd(bool root_window) const;
    UINT get_uid() const;
    static element element_by_uid(HWND hwnd, UINT uid);

    // ---- finding, under this element (":root" is this element)
    element find_first(const char* format, ...) const HTMLAYOUT_SELECTOR_FORMAT(2);
    element find_first_w(const wchar_t* format, ...) const;
    // Appends every match in document order; no match leaves the vector as it was.
    void find_all(std::vector<element>* found, const char* format, ...) const HTMLAYOUT_SELECTOR_FORMAT(3);
    void find_all_w(std::vector<element>* found, const wchar_t* format, ...) const;
    void select(callback* visitor, const char* format, ...) const HTMLAYOUT_SELECTOR_FORMAT(3);
    // This element or its nearest ancestor that matches.
    element select_parent_w(const wchar_t* format, ...) const;
    element get_element_by_id(const char* id) const;
    element get_element_by_id(const wchar_t* id) const;

    // ---- creating and removing
    static element create(const char* tag, const wchar_t* text = nullptr);
    // Also moves a child that has a parent; an index past the last child appends.
    void insert(const element& child, UINT index);
    void append(const element& child);
    void detach();  // out of its parent; the node lives on while handles remain
    void destroy();  // deletes the node and drops this handle
    // Removes the children from index `first` on; a first past the last child does nothing.
    void delete_children_from(int first);
    // Orders the children [first, last) by the comparator.
    void sort(UINT first, UINT last, comparator& order);

    // ---- text, markup, attributes, control values
    void set_text(const wchar_t* text);  // a null text does nothing
    json::string get_text() const;
    json::astring get_html(bool outer) const;  // UTF-8
    // where: ENGINE_SET_HTML_WHERE; missing markup empties the element.
    void set_html(const unsigned char* utf8, UINT length, int where = SIH_REPLACE_CONTENT);
    // Null when absent. The texts stay valid until the element changes.
    const wchar_t* get_attribute(const char* name) const;
    void set_attribute(const char* name, const wchar_t* value);  // null removes
    const wchar_t* get_style_attribute(const char* name) const;  // the computed value
    void set_style_attribute(const char* name, const wchar_t* value);  // null removes
    json::value get_value() const;
    void set_value(const json::value& value);
    UINT get_ctl_type() const;

    // ---- states (ENGINE_ELEMENT_STATE bits)
    UINT get_state() const;
    void set_state(UINT bits_to_set, UINT bits_to_clear, bool update = true);
    // These four act only on an element inside a document.
    void enable();
    void disable();
    void set_expanded_flag();  // sets expanded, clears nothing
    void set_collapsed_flag();  // sets collapsed, clears nothing

    // ---- view, events and methods
    void update(bool render_now = false);
    void scroll_to_view(UINT flags = 0);  // 0x10 scrolls smoothly
    bool is_visible() const;
    RECT get_location(UINT area) const;  // ENGINE_LOCATION
    void post_event(UINT code, UINT_PTR reason, const element& source);
    bool send_event(UINT code, UINT_PTR reason, const element& source);  // true when handled
    bool call_method(METHOD_PARAMS* params);  // true when the call succeeded
    bool click();  // the engine's click method, as a user's click

private:
    HELEMENT m_handle;
};

// Stops at the first match and keeps its raw handle (no reference taken).
class element::find_first_callback : public callback {
public:
    find_first_callback() : found(nullptr) {}
    bool on_element(HELEMENT he) override;
    HELEMENT found;
};

// Appends every match to the caller's vector, taking a reference each.
class element::find_all_callback : public callback {
public:
    explicit find_all_callback(std::vector<element>* found) : m_found(found) {}
    bool on_element(HELEMENT he) override;

private:
    std::vector<element>* m_found;
};

// An ordering for element::sort: negative, zero or positive.
class element::comparator {
public:
    virtual ~comparator() {}
    virtual int compare(const element& a, const element& b) = 0;

    // The trampoline the engine calls, with the comparator as its parameter.
    static INT CALLBACK compare_callback(HELEMENT a, HELEMENT b, LPVOID param);
};

}  // namespace dom
}  // namespace htmlayout
