import unittest

from loginhash import login_hash, lower_ascii
from tests.support import CHALLENGE, RunningServer, login_text

HASH_VECTORS = [
    # user, password, hash with the challenge "1234abcd"
    ("JSmith", "secret", "7b630ec45e94be73fd0820f9ca5d517b"),
    ("JSmith", "päss", "10734ea136b1b18fc894dbea67ae535c"),
    ("Jörg", "secret", "6561fe15588cfb86c5fc717cbb2e541d"),
]


class LoginHashTest(unittest.TestCase):
    def test_vectors(self):
        for user, password, expected in HASH_VECTORS:
            with self.subTest(user=user, password=password):
                self.assertEqual(login_hash(user, password, "1234abcd"),
                                 expected)

    def test_lower_casing_touches_a_to_z_only(self):
        self.assertEqual(lower_ascii("JÖRG Ünal-XY"), "jÖrg Ünal-xy")


class LoginTest(unittest.TestCase):
    def setUp(self):
        self.server = RunningServer()
        self.client = self.server.client()

    def tearDown(self):
        self.client.close()
        self.server.stop()

    def test_challenge_is_fresh_strings_and_sets_the_session_cookie(self):
        first = self.client.call(CHALLENGE)["result"]
        second = self.client.call(CHALLENGE)["result"]
        self.assertNotEqual(first["challengeValue"], second["challengeValue"])
        self.assertTrue(all(isinstance(v, str) for v in first.values()))
        self.assertEqual(first["version"], "3.2")
        self.assertEqual(self.client.cookie,
                         "QVSESSION=" + second["sessionId"])

    def test_outcomes(self):
        cases = [
            # user, password, resultCode, userId
            ("JSmith", "secret", "ok", 7),
            ("jsmith", "secret", "ok", 7),
            ("Jörg", "secret", "ok", 15),
            ("soconnor", "päss", "ok", 21),
            ("JSmith", "Secret", "error_authentication_failed", -1),
            ("nobody", "secret", "error_authentication_failed", -1),
            ("oformer", "secret", "error_account_disabled", -1),
        ]
        for user, password, code, user_id in cases:
            with self.subTest(user=user, password=password):
                result = self.client.log_in(user, password)
                self.assertEqual((result["resultCode"], result["userId"]),
                                 (code, user_id))
                self.assertEqual(result["availableServices"],
                                 ["QBService_v1", "SyncService_v1"])

    def test_login_without_a_challenge_cookie_is_refused(self):
        self.client.call(CHALLENGE)
        self.client.cookie = None
        text = login_text("JSmith", "0" * 32)
        self.assertEqual(self.client.call(text)["result"]["resultCode"],
                         "error_authentication_failed")

    def test_data_calls_need_a_logged_in_session(self):
        leave_types = '{ method:"QBService_v1.getAllLeaveTypes", params:[] }'
        self.assertEqual(self.client.call(leave_types)["error"]["code"], 401)
        self.client.log_in("JSmith", "wrong")
        self.assertEqual(self.client.call(leave_types)["error"]["code"], 401)
        self.client.log_in()
        self.assertEqual(len(self.client.call(leave_types)["result"]), 4)

    def test_no_auth_serves_data_and_logs_in_without_cookies(self):
        self.server.set_knobs(auth=False)
        challenge = self.client.call(CHALLENGE)["result"]["challengeValue"]
        self.client.cookie = None
        leave_types = '{ method:"QBService_v1.getAllLeaveTypes", params:[] }'
        self.assertIn("result", self.client.call(leave_types))
        text = login_text("JSmith", login_hash("JSmith", "secret", challenge))
        self.assertEqual(self.client.call(text)["result"]["resultCode"], "ok")


if __name__ == "__main__":
    unittest.main()
