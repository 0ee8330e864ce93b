import contextlib
import http.client
import io
import unittest

from tests.support import CHALLENGE, USER_AGENT, RunningServer

RANGE = '"2026-10-1", "2026-11-30"'
LOAD = [
    '{ method:"QBService_v1.getUsersToImport",params:[%s] }' % RANGE,
    '{ method:"QBService_v1.getUsersInfoWithDuplicates", params:[ [7, 12, ] ] }',
    '{ method:"QBService_v1.getUserTimeTrack", params:["12", %s ] }' % RANGE,
    '{ method:"QBService_v1.getAllLeaveTypes", params:[] }',
    '{ method:"SyncService_v1.getGeneralSettings", params:[] }',
]


def ids(items):
    return [item["id"] for item in items]


class LoadRoundTripTest(unittest.TestCase):
    """One load as the client makes it, on one connection."""

    @classmethod
    def setUpClass(cls):
        cls.server = RunningServer()
        client = cls.server.client()
        client.log_in()
        cls.replies = [client.call(text) for text in LOAD]
        client.close()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_users_with_working_or_leave_time(self):
        self.assertEqual(self.replies[0]["result"], [7, 12, 15, 21, 23, 26, 28])

    def test_users_come_with_their_duplicates_in_request_order(self):
        entries = self.replies[1]["result"]["map"]
        self.assertEqual(list(entries), ["7", "12"])
        self.assertEqual(ids(entries["7"]["duplicatesInfo"]), [12])
        self.assertEqual(set(entries["7"]["userInfo"]),
                         {"id", "firstName", "middleInitial", "lastName",
                          "username"})

    def test_time_track_holds_what_its_records_refer_to(self):
        track = self.replies[2]["result"]
        self.assertEqual(len(track["TTRecords"]), 3)
        self.assertEqual(track["TTRecords"][0],
                         {"taskId": 103, "date": "2026-10-05", "spent": 90,
                          "comment": "Call with client\r\nfollow-up by mail"})
        self.assertEqual((ids(track["tasks"]), ids(track["projects"]),
                          ids(track["customers"]), ids(track["billingTypes"])),
                         ([103], [11], [1], [1]))
        self.assertEqual((track["leaveTypes"], track["leaveRecords"]), ([], []))

    def test_leave_types_and_terminology(self):
        self.assertEqual(ids(self.replies[3]["result"]), [1, 2, 3, 4])
        self.assertEqual(self.replies[4]["result"]["firstLevelPluralForm"],
                         "Clients")

    def test_record_holds_every_request_exactly(self):
        record = self.server.requests()
        self.assertEqual([r["body"] for r in record[2:]], LOAD)
        self.assertEqual(record[0]["body"], CHALLENGE)
        self.assertEqual(record[2]["method"], "QBService_v1.getUsersToImport")
        headers = dict(record[3]["headers"])
        self.assertEqual(headers["User-Agent"], USER_AGENT)
        self.assertTrue(headers["Cookie"].startswith("QVSESSION="))


class DataRepliesTest(unittest.TestCase):
    def setUp(self):
        self.server = RunningServer()
        self.client = self.server.client()
        self.client.log_in()

    def tearDown(self):
        self.client.close()
        self.server.stop()

    def test_leave_records_bring_their_leave_types(self):
        text = ('{ method:"QBService_v1.getUserTimeTrack", params:'
                '["26", "2026-10-30", "2026-11-2" ] }')
        track = self.client.call(text)["result"]
        self.assertEqual([(r["typeId"], r["date"], r["time"])
                          for r in track["leaveRecords"]],
                         [(1, "2026-10-30", 0), (4, "2026-11-02", 480)])
        self.assertEqual(ids(track["leaveTypes"]), [1, 4])
        self.assertEqual(track["TTRecords"], [])

    def test_dates_are_read_with_or_without_padding(self):
        padded = self.client.call(
            '{ method:"QBService_v1.getUsersToImport",params:'
            '["2026-10-05", "2026-10-07"] }')
        self.assertEqual(padded["result"], [7, 12, 15, 21, 23])

    def test_unknown_users_get_nothing(self):
        info = self.client.call('{ method:"QBService_v1.getUsersInfoWithDuplicates",'
                                ' params:[ [999, ] ] }')
        self.assertEqual(info["result"], {"map": {}})

    def test_protocol_errors(self):
        cases = [
            '{ method:"QBService_v1.noSuchThing", params:[] }',
            '{ method:"QBService_v1.getUserTimeTrack", params:["x", "2024-1-1", "2024-1-2" ] }',
            '{ method:"QBService_v1.getUsersToImport",params:["2024-13-1", "2024-1-2"] }',
            '{ method:"QBService_v1.getUsersInfoWithDuplicates", params:[ ["7"] ] }',
            'not a request',
        ]
        for text in cases:
            with self.subTest(text=text):
                error = self.client.call(text)["error"]
                self.assertEqual(error["code"], 591)
                self.assertTrue(error["trace"].startswith("com.brenholt.quorvane"))

    def test_any_path_ending_in_rpc_is_served(self):
        status, reply = self.client.post(CHALLENGE, path="/quorvane//rpc")
        self.assertEqual(status, 200)
        self.assertIn("challengeValue", reply)


class ServerFaultTest(unittest.TestCase):
    def test_a_fault_of_the_server_itself_is_reported(self):
        server = RunningServer()
        self.addCleanup(server.stop)

        def broken(text, session_id):
            raise KeyError("a bug in the demo server")

        server.server.rpc.answer_text = broken
        client = server.client()
        self.addCleanup(client.close)
        errors = io.StringIO()
        with contextlib.redirect_stderr(errors):
            with self.assertRaises(http.client.RemoteDisconnected):
                client.post(CHALLENGE)
        self.assertIn("a bug in the demo server", errors.getvalue())


if __name__ == "__main__":
    unittest.main()
