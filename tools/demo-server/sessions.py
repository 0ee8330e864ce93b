"""Login sessions, tied to the client by the cookie set with the challenge."""

import secrets
import threading
from dataclasses import dataclass
from typing import Optional

COOKIE_NAME = "QVSESSION"


@dataclass
class Session:
    session_id: str
    challenge: str
    user_id: Optional[int] = None


class Sessions:
    def __init__(self):
        self._sessions = {}
        self._latest = None
        self._lock = threading.Lock()

    def open(self):
        session = Session(secrets.token_hex(16), secrets.token_hex(16))
        with self._lock:
            self._sessions[session.session_id] = session
            self._latest = session
        return session

    def find(self, session_id):
        with self._lock:
            return self._sessions.get(session_id)

    def latest(self):
        """The session of the last challenge, for clients without cookies."""
        with self._lock:
            return self._latest


def session_id_from(cookie_header):
    for item in (cookie_header or "").split(";"):
        name, _, value = item.strip().partition("=")
        if name == COOKIE_NAME:
            return value
    return None
