"""Reads request bodies the way the client writes them.

The client sends JavaScript-style object literals rather than strict JSON:
member names may be bare identifiers and arrays may end in a trailing comma
("[7, 12, ]" holds two elements). Strings use the JSON escapes.
"""

import re

_NUMBER = re.compile(r"-?\d+(\.\d+)?([eE][+-]?\d+)?")
_IDENTIFIER = re.compile(r"[A-Za-z_$][A-Za-z0-9_$]*")
_ESCAPES = {'"': '"', "\\": "\\", "/": "/", "b": "\b", "f": "\f",
            "n": "\n", "r": "\r", "t": "\t"}
_WORDS = {"true": True, "false": False, "null": None}

# A user name sent without escaping may itself hold quotes or backslashes;
# the fixed layout of the login text still tells where it ends.
_RAW_LOGIN = re.compile(
    r'\{\s*"?method"?\s*:\s*"LoginService\.login"\s*,\s*"?params"?\s*:'
    r'\s*\[\s*"(.*)"\s*,\s*"([0-9A-Fa-f]*)"\s*\]\s*\}\s*', re.DOTALL)


class LiteralError(ValueError):
    pass


def decode_body(raw):
    """UTF-8 text of a body; surrogates encoded one by one are joined and
    bytes that are not UTF-8 become U+FFFD."""
    try:
        return join_surrogates(raw.decode("utf-8", errors="surrogatepass"))
    except UnicodeDecodeError:
        return raw.decode("utf-8", errors="replace")


def join_surrogates(text):
    return text.encode("utf-16-le", errors="surrogatepass").decode(
        "utf-16-le", errors="replace")


def parse_request(text):
    """Returns (method, params) of one request body; raises LiteralError."""
    try:
        value = parse(text)
    except LiteralError:
        raw = _RAW_LOGIN.fullmatch(text)
        if not raw:
            raise
        value = {"method": "LoginService.login", "params": [raw[1], raw[2]]}
    if not isinstance(value, dict) or not isinstance(value.get("method"), str):
        raise LiteralError("the request is not an object with a method")
    params = value.get("params", [])
    if not isinstance(params, list):
        raise LiteralError("params is not an array")
    return value["method"], params


def parse(text):
    reader = _Reader(text)
    value = reader.value()
    reader.skip_blanks()
    if reader.pos != len(text):
        reader.fail("text after the value")
    return value


class _Reader:
    def __init__(self, text):
        self.text = text
        self.pos = 0

    def fail(self, what):
        raise LiteralError(f"{what} at offset {self.pos}")

    def skip_blanks(self):
        while self.pos < len(self.text) and self.text[self.pos] in " \t\r\n":
            self.pos += 1

    def peek(self):
        self.skip_blanks()
        return self.text[self.pos] if self.pos < len(self.text) else ""

    def expect(self, char):
        if self.peek() != char:
            self.fail(f"expected {char!r}")
        self.pos += 1

    def value(self):
        char = self.peek()
        if char == "{":
            return self.object()
        if char == "[":
            return self.array()
        if char == '"':
            return self.string()
        return self.number_or_word()

    def object(self):
        self.expect("{")
        members = {}
        while self.peek() != "}":
            key = self.string() if self.peek() == '"' else self.identifier()
            self.expect(":")
            members[key] = self.value()
            if self.peek() != ",":
                break
            self.pos += 1
        self.expect("}")
        return members

    def array(self):
        self.expect("[")
        elements = []
        while self.peek() != "]":
            elements.append(self.value())
            if self.peek() != ",":
                break
            self.pos += 1
        self.expect("]")
        return elements

    def identifier(self):
        match = _IDENTIFIER.match(self.text, self.pos)
        if not match:
            self.fail("expected a member name")
        self.pos = match.end()
        return match.group()

    def number_or_word(self):
        match = _NUMBER.match(self.text, self.pos)
        if match:
            self.pos = match.end()
            number = match.group()
            return int(number) if match.lastindex is None else float(number)
        word = self.identifier()
        if word not in _WORDS:
            self.fail(f"unknown word {word!r}")
        return _WORDS[word]

    def string(self):
        self.expect('"')
        parts = []
        while True:
            end = self._next_special()
            parts.append(self.text[self.pos:end])
            self.pos = end + 1
            if self.text[end] == '"':
                return join_surrogates("".join(parts))
            parts.append(self.escape())

    def _next_special(self):
        quote = self.text.find('"', self.pos)
        backslash = self.text.find("\\", self.pos, quote if quote >= 0 else None)
        if quote < 0:
            self.fail("unterminated string")
        return backslash if backslash >= 0 else quote

    def escape(self):
        char = self.text[self.pos:self.pos + 1]
        if char in _ESCAPES:
            self.pos += 1
            return _ESCAPES[char]
        digits = self.text[self.pos + 1:self.pos + 5]
        if char != "u" or not re.fullmatch(r"[0-9A-Fa-f]{4}", digits):
            self.fail("bad escape")
        self.pos += 5
        return chr(int(digits, 16))
