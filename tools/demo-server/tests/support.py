"""Starts a demo server inside the test process and talks to it the way
the client does: one connection, the session cookie carried along."""

import http.client
import json
import threading

import dataset
import knobs
from httpserver import DemoServer
from loginhash import login_hash
from recorder import Recorder
from rpc import RpcService
from sessions import Sessions

USER_AGENT = "Quorvane Pellworth"
CHALLENGE = '{"method":"LoginService.getChallenge","params":[]}'


def login_text(user_name, hash_text):
    return ('{ method:"LoginService.login", params:["%s", "%s"] }'
            % (user_name, hash_text))


class RunningServer:
    def __init__(self, content=None, start_knobs=None, tls_context=None):
        content = content or dataset.load_file("demo")
        board = knobs.KnobBoard(knobs.merged(knobs.DEFAULTS, start_knobs or {}))
        rpc = RpcService(dataset.DataSet(content), board, Sessions())
        self.server = DemoServer(0, rpc, board, Recorder(), tls_context)
        self.port = self.server.server_port
        self._thread = threading.Thread(target=self.server.serve_forever,
                                        args=(0.05,))
        self._thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()
        self._thread.join()

    def client(self):
        return Client(http.client.HTTPConnection("127.0.0.1", self.port,
                                                 timeout=10))

    def control(self, command):
        connection = http.client.HTTPConnection("127.0.0.1", self.port)
        connection.request("POST", "/control", body=json.dumps(command))
        response = connection.getresponse()
        reply = json.loads(response.read())
        connection.close()
        return response.status, reply

    def set_knobs(self, **changes):
        status, reply = self.control({"command": "set", "knobs": changes})
        assert status == 200, reply

    def requests(self):
        return self.control({"command": "requests"})[1]["requests"]


class Client:
    def __init__(self, connection):
        self.connection = connection
        self.cookie = None

    def post(self, body, path="/rpc"):
        """(status, reply text) of one request, as the client sends it."""
        headers = {"User-Agent": USER_AGENT}
        if self.cookie:
            headers["Cookie"] = self.cookie
        self.connection.request("POST", path, body=body.encode("utf-8"),
                                headers=headers)
        response = self.connection.getresponse()
        cookie = response.getheader("Set-Cookie")
        if cookie:
            self.cookie = cookie.split(";")[0]
        return response.status, response.read().decode("utf-8")

    def call(self, body):
        return json.loads(self.post(body)[1])

    def log_in(self, user_name="JSmith", password="secret"):
        challenge = self.call(CHALLENGE)["result"]["challengeValue"]
        hash_text = login_hash(user_name, password, challenge)
        return self.call(login_text(user_name, hash_text))["result"]

    def close(self):
        self.connection.close()
