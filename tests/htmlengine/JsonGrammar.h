#pragma once
// An independent recogniser of the JSON the engine accepts (standard JSON, unquoted identifier
// member names, raw control characters in strings, nesting up to 512 levels). It only answers
// whether a text is acceptable, to judge the reader's answers on random texts.
#include <string>

bool IsAcceptableJson(const std::wstring& text);
