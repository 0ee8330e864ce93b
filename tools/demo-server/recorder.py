"""The record of every request, so tests can check what the client sent."""

import datetime
import threading


class Recorder:
    def __init__(self):
        self._entries = []
        self._lock = threading.Lock()

    def add(self, verb, path, headers, raw_body, body_text, method,
            seconds=0.0):
        entry = {
            "time": datetime.datetime.now(datetime.timezone.utc)
                    .isoformat(timespec="milliseconds"),
            "verb": verb,
            "path": path,
            "method": method,
            "body": body_text,
            "length": len(raw_body),
            "headers": [[name, value] for name, value in headers.items()],
            "seconds": seconds,
        }
        with self._lock:
            self._entries.append(entry)

    def entries(self):
        with self._lock:
            return list(self._entries)

    def clear(self):
        with self._lock:
            self._entries.clear()
