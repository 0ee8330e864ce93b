"""HTTP(S) on loopback: /rpc for the client, /control for tests."""

import json
import socket
import socketserver
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from control import run_command
from faults import Response, json_body, shaped
from literal import decode_body
from sessions import COOKIE_NAME, session_id_from

LOOPBACK = "127.0.0.1"


class DemoServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, rpc, board, recorder, tls_context=None,
                 plain_tcp=False):
        self.rpc = rpc
        self.board = board
        self.recorder = recorder
        self.tls_context = tls_context
        self.plain_tcp = plain_tcp
        super().__init__((LOOPBACK, port), RequestHandler)

    def server_bind(self):
        # The base class looks up the host's full name, which can stall.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    def finish_request(self, request, client_address):
        # The TLS handshake runs on the request's thread, not the accept loop.
        if self.tls_context is None:
            super().finish_request(request, client_address)
            return
        with self.tls_context.wrap_socket(request, server_side=True) as secured:
            super().finish_request(secured, client_address)

    def handle_error(self, request, client_address):
        # A client refusing the certificate or hanging up is expected; a fault
        # of the server's own would otherwise only show as a dropped connection.
        if not isinstance(sys.exc_info()[1], OSError):
            super().handle_error(request, client_address)

    def address(self):
        scheme = "https" if self.tls_context is not None else "http"
        return f"{scheme}://{LOOPBACK}:{self.server_port}/rpc"


class RequestHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def setup(self):
        # Headers and body go out in two writes; with Nagle's algorithm the
        # body would wait for the client's delayed acknowledgement (~40 ms).
        # A plain server (--plain-tcp) keeps the system's defaults, as a
        # server written with the standard library alone does.
        self.disable_nagle_algorithm = not self.server.plain_tcp
        super().setup()

    def log_message(self, format, *args):
        pass

    def do_POST(self):
        raw = self._read_body()
        if self.path == "/control":
            self._control(raw)
        elif self.path.endswith("/rpc"):
            self._rpc(raw)
        else:
            self._not_found(raw)

    def do_GET(self):
        self._not_found(b"")

    do_HEAD = do_GET

    def _read_body(self):
        # The client, too, sends headers and body in two writes; acknowledge at
        # once so the body is not held back by our delayed acknowledgement.
        self._acknowledge_quickly()
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length)

    def _acknowledge_quickly(self):
        if self.server.plain_tcp:
            return
        try:
            self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_QUICKACK, 1)
        except (AttributeError, OSError):
            pass  # a TLS socket or a platform without the option

    def _rpc(self, raw):
        started = time.perf_counter()
        text = decode_body(raw)
        session_id = session_id_from(self.headers.get("Cookie"))
        method = None
        try:
            method, reply = self.server.rpc.answer_text(text, session_id)
        finally:
            # Recorded even when answering it failed.
            self.server.recorder.add("POST", self.path, self.headers, raw,
                                     text, method,
                                     time.perf_counter() - started)
        response = Response(body=json_body(reply.payload),
                            cookie=reply.new_session)
        override = self.server.board.current()["methods"].get(method, {})
        time.sleep(override.get("delay", 0))
        self._send(shaped(response, override))

    def _control(self, raw):
        try:
            command = json.loads(raw or b"{}")
            reply, status = run_command(command, self.server.board,
                                        self.server.recorder), 200
        except ValueError as problem:  # bad JSON or a refused command
            reply, status = {"error": str(problem)}, 400
        self._send(Response(status=status, body=json_body(reply)))

    def _not_found(self, raw):
        self.server.recorder.add(self.command, self.path, self.headers, raw,
                                 decode_body(raw), None)
        self._send(Response(status=404, body=json_body({"error": "no such path"})))

    def _send(self, response):
        if response.no_reply:
            self.close_connection = True
            return
        self.send_response(response.status)
        self.send_header("Content-Type", response.content_type)
        self.send_header("Content-Length", str(len(response.body)))
        if response.cookie:
            self.send_header("Set-Cookie",
                             f"{COOKIE_NAME}={response.cookie}; Path=/")
        self.end_headers()
        if self.command != "HEAD":
            self._write_body(response)

    def _write_body(self, response):
        if response.cut_after is None:
            self.wfile.write(response.body)
            return
        self.wfile.write(response.body[:response.cut_after])
        self.wfile.flush()
        self.close_connection = True
        self.connection.shutdown(socket.SHUT_RDWR)
