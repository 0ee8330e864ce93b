#!/usr/bin/env python3
"""Runs a command with demo servers beside it, each on a free port.

    with_demo_servers.py [NAME=ARGUMENTS ...] -- COMMAND ...

Every NAME=ARGUMENTS starts tools/demo-server/server.py --port 0 with the
arguments (split at blanks). The command finds the server's address in
PELLWORTH_DEMO_<NAME> (host localhost for HTTPS) and, for a TLS server, its test CA (DER) in
PELLWORTH_DEMO_<NAME>_CA as a Wine path. The servers stop when the command
ends; the command's exit status is the wrapper's.
"""

import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SERVER = os.path.join(ROOT, "tools", "demo-server", "server.py")
START_TIMEOUT = 60
TIME_LIMIT = "900"  # a server orphaned by a killed test run still ends


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


def named_host(address):
    """The test certificates name localhost, and Wine's SSL policy does not
    match an IP address against a certificate."""
    if address.startswith("https://127.0.0.1:"):
        return address.replace("127.0.0.1", "localhost", 1)
    return address


class DemoServer:
    def __init__(self, name, arguments, state_dir):
        self.name = name
        self.process = subprocess.Popen(
            [sys.executable, SERVER, "--port", "0", "--state-dir", state_dir,
             "--time-limit", TIME_LIMIT, *arguments],
            stdout=subprocess.PIPE, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._pump, daemon=True).start()

    def _pump(self):
        for line in self.process.stdout:
            self.lines.put(line.strip())
        self.lines.put(None)

    def announced(self):
        """The environment entries for this server, once it listens."""
        entries = {}
        key = "PELLWORTH_DEMO_" + self.name.upper()
        while True:
            line = self.lines.get(timeout=START_TIMEOUT)
            if line is None:
                raise RuntimeError(f"demo server {self.name} ended at start-up")
            if line.startswith("ca certificate: "):
                pem = line[len("ca certificate: "):]
                entries[key + "_CA"] = wine_path(pem[:-len(".pem")] + ".der")
            if line.startswith("listening on "):
                entries[key] = named_host(line[len("listening on "):])
                return entries

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def split_arguments(argv):
    separator = argv.index("--")
    servers = [entry.split("=", 1) for entry in argv[:separator]]
    return [(name, options.split()) for name, options in servers], argv[separator + 1:]


def main(argv):
    servers, command = split_arguments(argv)
    state = tempfile.mkdtemp(prefix="pellworth-demo-")
    running = []
    environment = dict(os.environ)
    for proxy in ("http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"):
        environment.pop(proxy, None)
    environment["no_proxy"] = "127.0.0.1,localhost"
    try:
        for name, options in servers:
            running.append(DemoServer(name, options, os.path.join(state, name)))
        for server in running:
            environment.update(server.announced())
        return subprocess.call(command, env=environment)
    finally:
        for server in running:
            server.stop()
        shutil.rmtree(state, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
