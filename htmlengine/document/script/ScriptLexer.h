#pragma once
// Tokens of the page-script language (see htmlengine/README.md).
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptToken {
    enum class Kind { Name, String, Number, Symbol, End };
    Kind kind = Kind::End;
    std::wstring text;  // the name, the string's characters, the digits or the symbol
};

// Throws ScriptError for an unterminated string or a character the language does not use.
std::vector<ScriptToken> TokenizeScript(std::wstring_view source);

}  // namespace htmlengine
