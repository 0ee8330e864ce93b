"""Turns a method's normal reply into the failure its override asks for."""

import json
from dataclasses import dataclass, replace
from typing import Optional

from rpc import NO_RIGHTS_TRACE, TRACE_PREFIX, error_reply

JSON_TYPE = "application/json; charset=utf-8"
HTML_TYPE = "text/html; charset=utf-8"
MALFORMED = '{"result": {"tasks": [1, 2,, }, "error": nul'
DEFAULT_TRACE = (TRACE_PREFIX + ".services.ServiceException: "
                 "failure injected by the demo server")
NO_RIGHTS_MESSAGE = ": the user may not generate cost and billing reports"
HTML_PAGE = ("<html><head><title>{status} Server Error</title></head>"
             "<body><h1>{status} Server Error</h1>"
             "<p>The demo server was told to fail.</p></body></html>")


@dataclass
class Response:
    status: int = 200
    body: bytes = b""
    content_type: str = JSON_TYPE
    cookie: Optional[str] = None
    cut_after: Optional[int] = None     # bytes sent before the connection drops
    no_reply: bool = False              # close without sending anything


def json_body(payload):
    return json.dumps(payload, ensure_ascii=False,
                      separators=(",", ":")).encode("utf-8")


def shaped(response, override):
    """The response as the override's mode makes it."""
    mode = (override or {}).get("mode", "normal")
    return _SHAPERS[mode](response, override or {})


def _normal(response, override):
    return response


def _error(response, override):
    payload = error_reply(override.get("code", 500),
                          override.get("trace", DEFAULT_TRACE))
    return replace(response, body=json_body(payload))


def _no_rights(response, override):
    payload = error_reply(override.get("code", 500),
                          NO_RIGHTS_TRACE + NO_RIGHTS_MESSAGE)
    return replace(response, body=json_body(payload))


def _malformed(response, override):
    return replace(response, body=MALFORMED.encode("utf-8"))


def _cut(response, override):
    return replace(response, cut_after=len(response.body) // 2)


def _close(response, override):
    return replace(response, no_reply=True)


def _html(response, override):
    status = override.get("status", 500)
    page = HTML_PAGE.format(status=status)
    return replace(response, status=status, content_type=HTML_TYPE,
                   body=override.get("body", page).encode("utf-8"))


def _raw(response, override):
    return replace(response, status=override.get("status", 200),
                   body=override.get("body", "").encode("utf-8"))


_SHAPERS = {"normal": _normal, "error": _error, "no-rights": _no_rights,
            "malformed": _malformed, "cut": _cut, "close": _close,
            "html": _html, "raw": _raw}
# The modes a knob may ask for: exactly those that have a shaper.
MODES = tuple(_SHAPERS)
