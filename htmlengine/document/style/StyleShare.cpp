#include "htmlengine/document/style/StyleShare.h"

namespace htmlengine {

namespace {

// A page that keeps making new styles (a long session, the randomized test) starts afresh.
const size_t kMaximumStyles = 20000;

size_t Mix(size_t seed, const void* pointer)
{
    return seed * 31 + std::hash<const void*>()(pointer);
}

}  // namespace

size_t StyleShare::Hash::operator()(const Key& key) const
{
    size_t hash = Mix(Mix(key.root, key.parent), key.defaultDisplay);
    for (const Declaration* declaration : key.declarations)
        hash = Mix(hash, declaration);
    return hash;
}

std::shared_ptr<const ComputedStyle> StyleShare::Find(const Key& key) const
{
    auto found = styles_.find(key);
    return found == styles_.end() ? nullptr : found->second.style;
}

void StyleShare::Add(Key key, std::shared_ptr<const ComputedStyle> parent, std::shared_ptr<const ComputedStyle> style)
{
    if (styles_.size() >= kMaximumStyles)
        styles_.clear();
    styles_.emplace(std::move(key), Value { std::move(parent), std::move(style) });
}

}  // namespace htmlengine
