// Handles, the tree and finding elements.
#include "ui/toolkit/Element.h"

#include <cstdarg>

#include "ui/toolkit/Guarded.h"
#include "ui/toolkit/SelectorFormat.h"
#include "json/TextHelpers.h"

namespace htmlayout {
namespace dom {

namespace {

// The referenced handle, or null when the engine refuses it.
HELEMENT use(HELEMENT he)
{
    return he && HTMLayout_UseElement(he) == ENGINE_OK ? he : nullptr;
}

void unuse(HELEMENT he)
{
    if (he)
        HTMLayout_UnuseElement(he);
}

// Wraps the handle an engine call gives through its out parameter; null when the call fails.
template <typename Call>
element received(Call call)
{
    HELEMENT he = nullptr;
    return call(&he) == ENGINE_OK ? element(he) : element();
}

}  // namespace

BOOL CALLBACK callback::element_callback(HELEMENT he, LPVOID param)
{
    auto* visitor = static_cast<callback*>(param);
    return detail::guarded(L"element visitor", true, [&] { return visitor->on_element(he); });
}

bool element::find_first_callback::on_element(HELEMENT he)
{
    found = he;
    return true;
}

bool element::find_all_callback::on_element(HELEMENT he)
{
    m_found->push_back(element(he));
    return false;
}

INT CALLBACK element::comparator::compare_callback(HELEMENT a, HELEMENT b, LPVOID param)
{
    auto* order = static_cast<comparator*>(param);
    return detail::guarded(L"element comparator", 0, [&] { return order->compare(element(a), element(b)); });
}

// ---- handles

element::element(HELEMENT he) : m_handle(use(he)) {}

element::element(const element& other) : m_handle(use(other.m_handle)) {}

element::element(element&& other) noexcept : m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

element& element::operator=(const element& other)
{
    assign(other.m_handle);
    return *this;
}

element& element::operator=(element&& other) noexcept
{
    if (this != &other) {
        release();
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

element::~element()
{
    release();
}

// The new reference is taken before the old one goes, so assigning an element to itself keeps it.
void element::assign(HELEMENT he)
{
    HELEMENT taken = use(he);
    release();
    m_handle = taken;
}

void element::release()
{
    unuse(m_handle);
    m_handle = nullptr;
}

// ---- identity and tree

element element::root_element(HWND hwnd)
{
    return received([&](HELEMENT* root) { return HTMLayoutGetRootElement(hwnd, root); });
}

element element::root() const
{
    element top = *this;
    for (element up = parent(); up.is_valid(); up = up.parent())
        top = up;
    return top;
}

element element::parent() const
{
    return received([&](HELEMENT* found) { return HTMLayoutGetParentElement(m_handle, found); });
}

UINT element::children_count() const
{
    UINT count = 0;
    return HTMLayoutGetChildrenCount(m_handle, &count) == ENGINE_OK ? count : 0;
}

element element::child(UINT n) const
{
    return received([&](HELEMENT* found) { return HTMLayoutGetNthChild(m_handle, n, found); });
}

UINT element::index() const
{
    UINT found = 0;
    return HTMLayoutGetElementIndex(m_handle, &found) == ENGINE_OK ? found : 0;
}

HWND element::get_element_hwnd(bool root_window) const
{
    HWND found = nullptr;
    return HTMLayoutGetElementHwnd(m_handle, &found, root_window) == ENGINE_OK ? found : nullptr;
}

UINT element::get_uid() const
{
    UINT uid = 0;
    return HTMLayoutGetElementUID(m_handle, &uid) == ENGINE_OK ? uid : 0;
}

element element::element_by_uid(HWND hwnd, UINT uid)
{
    return received([&](HELEMENT* found) { return HTMLayoutGetElementByUID(hwnd, uid, found); });
}

// ---- finding

namespace {

element first_match(HELEMENT scope, const char* selector)
{
    element::find_first_callback first;
    HTMLayoutSelectElements(scope, selector, callback::element_callback, &first);
    return element(first.found);
}

element first_match(HELEMENT scope, const wchar_t* selector)
{
    element::find_first_callback first;
    HTMLayoutSelectElementsW(scope, selector, callback::element_callback, &first);
    return element(first.found);
}

}  // namespace

element element::find_first(const char* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::narrow_selector selector(format, args);
    va_end(args);
    return selector.fits() ? first_match(m_handle, selector.c_str()) : element();
}

element element::find_first_w(const wchar_t* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::wide_selector selector(format, args);
    va_end(args);
    return selector.fits() ? first_match(m_handle, selector.c_str()) : element();
}

void element::find_all(std::vector<element>* found, const char* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::narrow_selector selector(format, args);
    va_end(args);
    find_all_callback all(found);
    if (selector.fits())
        HTMLayoutSelectElements(m_handle, selector.c_str(), callback::element_callback, &all);
}

void element::find_all_w(std::vector<element>* found, const wchar_t* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::wide_selector selector(format, args);
    va_end(args);
    find_all_callback all(found);
    if (selector.fits())
        HTMLayoutSelectElementsW(m_handle, selector.c_str(), callback::element_callback, &all);
}

void element::select(callback* visitor, const char* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::narrow_selector selector(format, args);
    va_end(args);
    if (selector.fits() && visitor)
        HTMLayoutSelectElements(m_handle, selector.c_str(), callback::element_callback, visitor);
}

element element::select_parent_w(const wchar_t* format, ...) const
{
    va_list args;
    va_start(args, format);
    detail::wide_selector selector(format, args);
    va_end(args);
    if (!selector.fits())
        return element();
    return received([&](HELEMENT* found) { return HTMLayoutSelectParentW(m_handle, selector.c_str(), 0, found); });
}

element element::get_element_by_id(const wchar_t* id) const
{
    if (!id)
        return element();
    find_first_callback first;
    HTMLayoutVisitElements(m_handle, nullptr, "id", id, callback::element_callback, &first, 0);
    return element(first.found);
}

element element::get_element_by_id(const char* id) const
{
    if (!id)
        return element();
    a2w wide(id, -1);
    return get_element_by_id(wide.c_str());
}

// ---- creating and removing

element element::create(const char* tag, const wchar_t* text)
{
    return received([&](HELEMENT* made) { return HTMLayoutCreateElement(tag, text, made); });
}

void element::insert(const element& child, UINT index)
{
    HTMLayoutInsertElement(child.m_handle, m_handle, index);
}

void element::append(const element& child)
{
    insert(child, 0x7FFFFFFF);
}

void element::detach()
{
    HTMLayoutDetachElement(m_handle);
}

void element::destroy()
{
    HTMLayoutDeleteElement(m_handle);
    release();
}

void element::delete_children_from(int first)
{
    if (first < 0)
        first = 0;
    UINT count = children_count();
    for (UINT n = static_cast<UINT>(first); n < count; ++n) {
        element gone = child(static_cast<UINT>(first));
        gone.detach();
        gone.destroy();
    }
}

void element::sort(UINT first, UINT last, comparator& order)
{
    HTMLayoutSortElements(m_handle, first, last, comparator::compare_callback, &order);
}

}  // namespace dom
}  // namespace htmlayout
