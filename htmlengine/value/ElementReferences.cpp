#include "htmlengine/value/ElementReferences.h"

#include "htmlengine/value/ValueSlot.h"

namespace htmlengine {

namespace {

void CountNothing(HELEMENT) {}

// Set once by the document at start-up, read by every thread afterwards.
ElementReferenceCounter g_counter = { CountNothing, CountNothing };

}  // namespace

void SetElementReferenceCounter(const ElementReferenceCounter& counter)
{
    g_counter = counter;
}

void UseElement(HELEMENT element)
{
    g_counter.use(element);
}

void UnuseElement(HELEMENT element)
{
    g_counter.unuse(element);
}

void SetElementValue(VALUE& value, HELEMENT element)
{
    UseElement(element);
    SetScalar(value, VALUE_DOM_OBJECT, 0, reinterpret_cast<uintptr_t>(element));
}

}  // namespace htmlengine
