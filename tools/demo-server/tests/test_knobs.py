import http.client
import time
import unittest

from rpc import NO_RIGHTS_TRACE
from tests.support import CHALLENGE, RunningServer

LEAVE_TYPES = '{ method:"QBService_v1.getAllLeaveTypes", params:[] }'
METHOD = "QBService_v1.getAllLeaveTypes"


class KnobTest(unittest.TestCase):
    def setUp(self):
        self.server = RunningServer(start_knobs={"auth": False})
        self.client = self.server.client()

    def tearDown(self):
        self.client.close()
        self.server.stop()

    def override(self, **override):
        self.server.set_knobs(methods={METHOD: override})

    def test_challenge_and_login_texts(self):
        self.server.set_knobs(version="10.0", build="b7", serverUUID="site-2",
                              services=["qbservice_v1"])
        challenge = self.client.call(CHALLENGE)["result"]
        self.assertEqual((challenge["version"], challenge["build"]),
                         ("10.0", "b7"))
        login = self.client.log_in()
        self.assertEqual((login["serverUUID"], login["availableServices"]),
                         ("site-2", ["qbservice_v1"]))

    def test_forced_login_result(self):
        for code in ["error_account_disabled", "error_authentication_failed",
                     "error_license_expired", "ok"]:
            with self.subTest(code=code):
                self.server.set_knobs(loginResult=code)
                self.assertEqual(self.client.log_in("JSmith", "wrong")
                                 ["resultCode"], code)

    def test_error_replies(self):
        self.override(mode="error", code=0, trace="boom")
        self.assertEqual(self.client.call(LEAVE_TYPES)["error"],
                         {"code": 0, "msg": "boom", "trace": "boom"})
        self.override(mode="no-rights")
        trace = self.client.call(LEAVE_TYPES)["error"]["trace"]
        self.assertTrue(trace.startswith(NO_RIGHTS_TRACE + ":"))

    def test_malformed_and_raw_bodies(self):
        self.override(mode="malformed")
        with self.assertRaises(ValueError):
            self.client.call(LEAVE_TYPES)
        self.override(mode="raw", body="", status=200)
        self.assertEqual(self.client.post(LEAVE_TYPES), (200, ""))

    def test_html_error_page(self):
        self.override(mode="html", status=503)
        status, body = self.client.post(LEAVE_TYPES)
        self.assertEqual(status, 503)
        self.assertTrue(body.startswith("<html>"))

    def test_reply_cut_off_mid_body(self):
        self.override(mode="cut")
        with self.assertRaises(http.client.IncompleteRead) as caught:
            self.client.post(LEAVE_TYPES)
        self.assertGreater(len(caught.exception.partial), 0)

    def test_connection_closed_without_reply(self):
        self.override(mode="close")
        with self.assertRaises(http.client.RemoteDisconnected):
            self.client.post(LEAVE_TYPES)

    def test_slow_reply(self):
        self.override(delay=0.3)
        started = time.monotonic()
        self.assertIn("result", self.client.call(LEAVE_TYPES))
        self.assertGreaterEqual(time.monotonic() - started, 0.3)

    def test_override_is_per_method_and_removable(self):
        self.override(mode="error")
        self.assertIn("result", self.client.call(CHALLENGE))
        self.server.set_knobs(methods={METHOD: None})
        self.assertIn("result", self.client.call(LEAVE_TYPES))

    def test_reset_restores_the_start_up_knobs(self):
        self.server.set_knobs(version="3.1", methods={METHOD: {"mode": "close"}})
        status, reply = self.server.control({"command": "reset"})
        self.assertEqual(reply["knobs"]["version"], "3.2")
        self.assertEqual(reply["knobs"]["methods"], {})
        self.assertFalse(reply["knobs"]["auth"])

    def test_bad_commands_are_refused(self):
        odd_mode = {"methods": {METHOD: {"mode": "odd"}}}
        for command in [{"command": "set", "knobs": {"colour": 1}},
                        {"command": "set", "knobs": {"version": 3.1}},
                        {"command": "set", "knobs": odd_mode},
                        {"command": "explode"}, []]:
            with self.subTest(command=command):
                self.assertEqual(self.server.control(command)[0], 400)

    def test_requests_can_be_read_and_cleared(self):
        self.client.post(LEAVE_TYPES)
        self.assertEqual(len(self.server.requests()), 1)
        self.server.control({"command": "clear"})
        self.assertEqual(self.server.requests(), [])


if __name__ == "__main__":
    unittest.main()
