import unittest

from literal import LiteralError, decode_body, parse_request

# The request texts byte for byte as the client writes them.
EXACT_TEXTS = [
    ('{"method":"LoginService.getChallenge","params":[]}',
     "LoginService.getChallenge", []),
    ('{ method:"LoginService.login", params:["JSmith", "7b63"] }',
     "LoginService.login", ["JSmith", "7b63"]),
    ('{ method:"SyncService_v1.getGeneralSettings", params:[] }',
     "SyncService_v1.getGeneralSettings", []),
    ('{ method:"QBService_v1.getUsersToImport",params:["2024-1-5", "2024-1-31"] }',
     "QBService_v1.getUsersToImport", ["2024-1-5", "2024-1-31"]),
    ('{ method:"QBService_v1.getUsersInfoWithDuplicates", params:[ [7, 12, ] ] }',
     "QBService_v1.getUsersInfoWithDuplicates", [[7, 12]]),
    ('{ method:"QBService_v1.getUsersInfoWithDuplicates", params:[ [-3, ] ] }',
     "QBService_v1.getUsersInfoWithDuplicates", [[-3]]),
    ('{ method:"QBService_v1.getUsersInfoWithDuplicates", params:[ [] ] }',
     "QBService_v1.getUsersInfoWithDuplicates", [[]]),
    ('{ method:"QBService_v1.getUserTimeTrack", params:["7", "2024-1-5", "2024-1-31" ] }',
     "QBService_v1.getUserTimeTrack", ["7", "2024-1-5", "2024-1-31"]),
    ('{ method:"QBService_v1.getAllLeaveTypes", params:[] }',
     "QBService_v1.getAllLeaveTypes", []),
]

USER_NAMES = [
    # (as sent, as meant)
    (r'DOMAIN\\jsmith', "DOMAIN\\jsmith"),          # escaped
    (r'say \"hi\"', 'say "hi"'),                     # escaped
    ('DOMAIN\\jsmith', "DOMAIN\\jsmith"),            # raw backslash
    ('O"Brien', 'O"Brien'),                          # raw quote
    (r'J\u00f6rg', "Jörg"),
    (r'\ud83d\ude00', "\U0001F600"),                 # surrogate pair
]


class RequestTextTest(unittest.TestCase):
    def test_exact_texts_of_the_client(self):
        for text, method, params in EXACT_TEXTS:
            with self.subTest(text=text):
                self.assertEqual(parse_request(text), (method, params))

    def test_user_names_escaped_or_raw(self):
        for sent, meant in USER_NAMES:
            text = '{ method:"LoginService.login", params:["%s", "ab12"] }' % sent
            with self.subTest(sent=sent):
                self.assertEqual(parse_request(text)[1], [meant, "ab12"])

    def test_unreadable_texts_are_refused(self):
        for text in ["", "[]", "{ method:7 }", '{ method:"x", params:{} }',
                     '{ method:"x", params:[1 2] }', '{ "method":"x" ',
                     '{ method:"x", params:[bogus] }']:
            with self.subTest(text=text), self.assertRaises(LiteralError):
                parse_request(text)

    def test_body_bytes_decode_as_utf8_with_split_surrogates_joined(self):
        self.assertEqual(decode_body("päss".encode("utf-8")), "päss")
        cesu = "\ud83d".encode("utf-8", "surrogatepass") + \
            "\ude00".encode("utf-8", "surrogatepass")
        self.assertEqual(decode_body(cesu), "\U0001F600")
        self.assertEqual(decode_body(b"a\xffb"), "a\ufffdb")


if __name__ == "__main__":
    unittest.main()
