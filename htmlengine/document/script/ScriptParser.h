#pragma once
// Parses a page script (the value of an "on-..." style property) into statements.
#include "htmlengine/document/script/ScriptLexer.h"
#include "htmlengine/document/script/ScriptTree.h"

namespace htmlengine {

// Throws ScriptError, naming the token where reading stopped.
Block ParseScript(std::wstring_view source);

}  // namespace htmlengine
