import http.client
import os
import re
import shutil
import signal
import ssl
import subprocess
import sys
import tempfile
import unittest

import certificates
from tests.support import CHALLENGE, RunningServer

SERVER = os.path.join(os.path.dirname(os.path.dirname(__file__)), "server.py")


def https_status(port, host, ca_file):
    context = ssl.create_default_context(cafile=ca_file)
    connection = http.client.HTTPSConnection(host, port, context=context,
                                             timeout=10)
    try:
        connection.request("POST", "/rpc", body=CHALLENGE)
        return connection.getresponse().status
    finally:
        connection.close()


class CertificateKindTest(unittest.TestCase):
    """Each kind of served certificate against a client trusting the CA."""

    def serve(self, kind):
        work_dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, work_dir)
        files = certificates.make_tls_files(kind, work_dir)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(files.certificate, files.key)
        server = RunningServer(tls_context=context)
        self.addCleanup(server.stop)
        return server.port, files.ca_certificate

    def test_trusted_for_localhost_and_loopback_address(self):
        port, ca_file = self.serve("trusted")
        self.assertEqual(https_status(port, "localhost", ca_file), 200)
        self.assertEqual(https_status(port, "127.0.0.1", ca_file), 200)

    def test_refused_kinds(self):
        reasons = {"untrusted": "self-signed", "wrong-host": "match",
                   "expired": "expired"}
        for kind, reason in reasons.items():
            with self.subTest(kind=kind):
                port, ca_file = self.serve(kind)
                with self.assertRaisesRegex(ssl.SSLCertVerificationError,
                                            reason):
                    https_status(port, "localhost", ca_file)


class StartUpTest(unittest.TestCase):
    def test_tls_start_up_prints_ca_and_address_and_stops_cleanly(self):
        state_dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, state_dir)
        process = subprocess.Popen(
            [sys.executable, SERVER, "--tls", "--port", "0", "--state-dir",
             state_dir, "--time-limit", "60"],
            stdout=subprocess.PIPE, text=True)
        self.addCleanup(process.wait, 10)
        self.addCleanup(process.stdout.close)
        ca_line = process.stdout.readline()
        address = process.stdout.readline()
        try:
            self.assertEqual(ca_line,
                             f"ca certificate: {state_dir}/ca.pem\n")
            self.assertTrue(os.path.exists(os.path.join(state_dir, "ca.der")))
            port = int(re.fullmatch(r"listening on https://127\.0\.0\.1:"
                                    r"(\d+)/rpc\n", address)[1])
            ca_file = os.path.join(state_dir, "ca.pem")
            self.assertEqual(https_status(port, "localhost", ca_file), 200)
        finally:
            process.send_signal(signal.SIGTERM)
        self.assertEqual(process.wait(10), 0)


if __name__ == "__main__":
    unittest.main()
