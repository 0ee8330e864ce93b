"""The login hash, computed exactly as the client computes it."""

import hashlib


def lower_ascii(text):
    """Lower-cases A-Z only, so the result does not depend on a locale."""
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def login_hash(user_name, password, challenge):
    """MD5 over UTF-8 when password and lower-cased name are plain ASCII,
    over UTF-16LE otherwise (the client's two branches)."""
    lowered = lower_ascii(user_name)
    if (password + lowered).isascii():
        encoding = "utf-8"
    else:
        encoding = "utf-16-le"
    first = _md5hex(password.encode(encoding, errors="surrogatepass"))
    second = (first + challenge + lowered).encode(encoding,
                                                  errors="surrogatepass")
    return _md5hex(second)


def _md5hex(data):
    return hashlib.md5(data).hexdigest()
