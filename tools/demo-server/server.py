#!/usr/bin/env python3
"""Quorvane demo server: the server's JSON-RPC protocol on loopback, over
HTTP or HTTPS, with data sets and knobs for every failure the client must
handle. A test fixture and the program's demo default.

Start:
    python3 tools/demo-server/server.py [--data demo|PATH] [--port 0] [--tls]
        [--tls-cert trusted|untrusted|wrong-host|expired] [--state-dir DIR]
        [--generate users=N,days=D,entries=E,seed=S] [--relative-to-today]
        [--no-auth] [--server-version 3.1] [--services A,B]
        [--login-result CODE] [--knobs JSON] [--time-limit SECONDS]
        [--plain-tcp]

It listens on 127.0.0.1 only (--port 0, the default, picks a free port)
and answers POST on any path that ends in /rpc. It prints to stdout and
flushes, then serves until SIGTERM, Ctrl-C or the time limit:
    ca certificate: DIR/ca.pem        (with --tls only; ca.der is beside it)
    listening on http://127.0.0.1:PORT/rpc     (https with --tls)
The CA is made at start-up with the openssl command and written to
--state-dir (default: a temporary folder removed when the server stops).
--tls-cert implies --tls. The served certificate is for localhost and
127.0.0.1 and signed by that CA ("trusted", the default), except:
"untrusted" is self-signed, "wrong-host" names wrong-host.invalid, and
"expired" was valid only in January 2020.
--plain-tcp serves with the system's TCP defaults (Nagle's algorithm on,
delayed acknowledgements), as a plain standard-library server does; by
default the server sends at once and acknowledges at once.

Data methods need a session logged in through the QVSESSION cookie that
getChallenge sets (--no-auth lifts that). The demo company
(data/demo.json, dates in October and November 2026) logs in as
JSmith / secret; oformer is disabled. Generated
companies log in as user1 / secret; their days start on 2024-01-01.
--relative-to-today moves a data set's dates by whole weeks so that its
latest record falls in the current week.

Control endpoint, POST /control on the same port, a JSON object:
    {"command": "set", "knobs": {...}}  change knobs (schema in knobs.py)
    {"command": "reset"}                back to the start-up knobs
    {"command": "requests"}             {"requests": [{time, verb, path,
                                         method, body, length, headers,
                                         seconds}]}  (seconds: the time
                                         the server took to answer)
    {"command": "clear"}                forget the recorded requests
Example: {"command": "set", "knobs": {"version": "3.1", "methods":
    {"QBService_v1.getAllLeaveTypes": {"mode": "cut", "delay": 2}}}}
Modes: normal, error (code, trace), no-rights, malformed, cut, close,
html (status, body), raw (status, body).
"""

import argparse
import datetime
import json
import shutil
import signal
import ssl
import subprocess
import sys
import tempfile
import threading

import certificates
import dataset
import generator
import knobs
from httpserver import DemoServer
from recorder import Recorder
from rpc import RpcService
from sessions import Sessions


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Quorvane demo server")
    parser.add_argument("--data", default="demo")
    parser.add_argument("--generate", metavar="SETTINGS")
    parser.add_argument("--relative-to-today", action="store_true")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--tls", action="store_true")
    parser.add_argument("--tls-cert", choices=certificates.KINDS)
    parser.add_argument("--state-dir")
    parser.add_argument("--no-auth", action="store_true")
    parser.add_argument("--server-version")
    parser.add_argument("--services")
    parser.add_argument("--login-result")
    parser.add_argument("--knobs", type=json.loads, default={})
    parser.add_argument("--time-limit", type=float, default=0)
    parser.add_argument("--plain-tcp", action="store_true")
    return parser.parse_args(argv)


def start_knobs(arguments):
    changes = dict(arguments.knobs)
    if arguments.no_auth:
        changes["auth"] = False
    if arguments.server_version is not None:
        changes["version"] = arguments.server_version
    if arguments.services is not None:
        changes["services"] = [s for s in arguments.services.split(",") if s]
    if arguments.login_result is not None:
        changes["loginResult"] = arguments.login_result
    return knobs.merged(knobs.DEFAULTS, changes)


def load_data(arguments):
    if arguments.generate:
        content = generator.generate(**generator.parse_settings(arguments.generate))
    else:
        content = dataset.load_file(arguments.data)
    weeks = 0
    if arguments.relative_to_today:
        weeks = dataset.weeks_to_today(content, datetime.date.today())
    return dataset.DataSet(content, shift_weeks=weeks)


def tls_context(arguments, work_dir):
    """The server's TLS context; announces where the CA certificate is."""
    files = certificates.make_tls_files(arguments.tls_cert or "trusted",
                                        work_dir)
    ca_path = certificates.publish_ca(files, arguments.state_dir or work_dir)
    print(f"ca certificate: {ca_path}", flush=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(files.certificate, files.key)
    return context


def serve(arguments, work_dir):
    board = knobs.KnobBoard(start_knobs(arguments))
    rpc = RpcService(load_data(arguments), board, Sessions())
    context = None
    if arguments.tls or arguments.tls_cert:
        context = tls_context(arguments, work_dir)
    server = DemoServer(arguments.port, rpc, board, Recorder(), context,
                        plain_tcp=arguments.plain_tcp)
    if arguments.time_limit > 0:
        timer = threading.Timer(arguments.time_limit, server.shutdown)
        timer.daemon = True
        timer.start()
    print(f"listening on {server.address()}", flush=True)
    try:
        server.serve_forever()
    finally:
        server.server_close()


def main(argv=None):
    arguments = parse_arguments(argv)
    signal.signal(signal.SIGTERM, lambda number, frame: sys.exit(0))
    work_dir = tempfile.mkdtemp(prefix="demo-server-")
    try:
        serve(arguments, work_dir)
    except KeyboardInterrupt:
        pass
    except (OSError, ValueError, subprocess.CalledProcessError) as problem:
        print(f"demo server: {problem}", file=sys.stderr)
        return 2
    finally:
        shutil.rmtree(work_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
