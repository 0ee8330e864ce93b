"""The failure knobs: one schema for the command line and the control
endpoint.

    version, build, serverUUID   texts of the challenge and login replies
    services                     the login reply's availableServices
    loginResult                  a resultCode forced on every login, or null
    auth                         false lets data calls through without login
    methods                      per RPC method: {"mode": MODE, "delay": s,
                                 "code": n, "trace": t, "status": n,
                                 "body": text}; null removes the override
"""

import copy
import threading

from faults import MODES

OVERRIDE_TYPES = {"mode": str, "delay": (int, float), "code": int,
                  "trace": str, "status": int, "body": str}
DEFAULTS = {
    "version": "3.2",
    "build": "3.2.7-demo",
    "serverUUID": "5f0b3c9e-2d41-4a57-9c1e-7d2f8a6b0c13",
    "services": ["QBService_v1", "SyncService_v1"],
    "loginResult": None,
    "auth": True,
    "methods": {},
}
_TYPES = {"version": str, "build": str, "serverUUID": str, "services": list,
          "loginResult": (str, type(None)), "auth": bool, "methods": dict}


class KnobError(ValueError):
    pass


def merged(knobs, changes):
    """A copy of knobs with the changes applied; raises KnobError."""
    if not isinstance(changes, dict):
        raise KnobError("knobs must be a JSON object")
    result = copy.deepcopy(knobs)
    for name, value in changes.items():
        if name not in _TYPES:
            raise KnobError(f"unknown knob {name!r}")
        if not isinstance(value, _TYPES[name]):
            raise KnobError(f"knob {name!r} has the wrong type")
        if name == "methods":
            _merge_methods(result["methods"], value)
        else:
            result[name] = copy.deepcopy(value)
    return result


def _merge_methods(methods, changes):
    for method, override in changes.items():
        if override is None:
            methods.pop(method, None)
        else:
            methods[method] = _checked_override(override)


def _checked_override(override):
    if not isinstance(override, dict):
        raise KnobError("a method override must be an object or null")
    for key, value in override.items():
        expected = OVERRIDE_TYPES.get(key)
        if expected is None or not isinstance(value, expected):
            raise KnobError(f"bad override member {key!r}")
    if override.get("mode", "normal") not in MODES:
        raise KnobError(f"unknown mode {override['mode']!r}")
    return dict(override)


class KnobBoard:
    """The knobs in force, shared by the request threads."""

    def __init__(self, start_knobs):
        self._start = copy.deepcopy(start_knobs)
        self._knobs = copy.deepcopy(start_knobs)
        self._lock = threading.Lock()

    def current(self):
        with self._lock:
            return copy.deepcopy(self._knobs)

    def change(self, changes):
        with self._lock:
            self._knobs = merged(self._knobs, changes)
            return copy.deepcopy(self._knobs)

    def reset(self):
        with self._lock:
            self._knobs = copy.deepcopy(self._start)
            return copy.deepcopy(self._knobs)
