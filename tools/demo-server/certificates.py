"""A throw-away certificate authority and server certificate, made with
the openssl command at start-up so that no key is ever committed.

Kinds of served certificate: "trusted" (signed by the CA, for localhost
and 127.0.0.1), "untrusted" (self-signed), "wrong-host" (signed by the CA
for another host) and "expired" (signed by the CA, valid only in 2020).
"""

import datetime
import os
import shutil
import subprocess
from dataclasses import dataclass

KINDS = ("trusted", "untrusted", "wrong-host", "expired")
WRONG_HOST = "wrong-host.invalid"
_CONFIG = """\
[req]
distinguished_name = dn
prompt = no
[dn]
CN = unused
[ca_ext]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[server_ext]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = serverAuth
subjectKeyIdentifier = hash
subjectAltName = {names}
[ca]
default_ca = signer
[signer]
database = index.txt
new_certs_dir = .
serial = serial
default_md = sha256
policy = any_name
unique_subject = no
[any_name]
commonName = supplied
"""


@dataclass
class TlsFiles:
    ca_certificate: str
    certificate: str
    key: str


def make_tls_files(kind, work_dir):
    """Writes the CA and the served certificate of the given kind."""
    host = WRONG_HOST if kind == "wrong-host" else "localhost"
    names = f"DNS:{host}" if kind == "wrong-host" else \
        "DNS:localhost, IP:127.0.0.1"
    _write(work_dir, "openssl.cnf", _CONFIG.format(names=names))
    _write(work_dir, "index.txt", "")
    _openssl(work_dir, "req", "-x509", "-newkey", "rsa:2048", "-nodes",
             "-keyout", "ca.key", "-out", "ca.pem", "-days", "30",
             "-subj", "/CN=Pellworth Demo Test CA", "-extensions", "ca_ext")
    if kind == "untrusted":
        _self_signed_server(work_dir, host)
    else:
        _signed_server(work_dir, host, expired=(kind == "expired"))
    return TlsFiles(*(os.path.join(work_dir, name)
                      for name in ("ca.pem", "server.pem", "server.key")))


def publish_ca(tls_files, state_dir):
    """Copies the CA certificate (PEM and DER) where tests can find it."""
    os.makedirs(state_dir, exist_ok=True)
    pem = os.path.join(state_dir, "ca.pem")
    if os.path.abspath(pem) != os.path.abspath(tls_files.ca_certificate):
        shutil.copyfile(tls_files.ca_certificate, pem)
    _openssl(state_dir, "x509", "-in", "ca.pem", "-outform", "DER",
             "-out", "ca.der")
    return pem


def _self_signed_server(work_dir, host):
    _openssl(work_dir, "req", "-x509", "-newkey", "rsa:2048", "-nodes",
             "-keyout", "server.key", "-out", "server.pem", "-days", "30",
             "-subj", f"/CN={host}", "-extensions", "server_ext")


def _signed_server(work_dir, host, expired):
    _openssl(work_dir, "req", "-new", "-newkey", "rsa:2048", "-nodes",
             "-keyout", "server.key", "-out", "server.csr",
             "-subj", f"/CN={host}")
    if expired:
        start, end = "20200101000000Z", "20200201000000Z"
    else:
        now = datetime.datetime.now(datetime.timezone.utc)
        start, end = _asn1_time(now), _asn1_time(now + datetime.timedelta(29))
    _openssl(work_dir, "ca", "-batch", "-notext", "-rand_serial",
             "-cert", "ca.pem", "-keyfile", "ca.key", "-in", "server.csr",
             "-out", "server.pem", "-extensions", "server_ext",
             "-startdate", start, "-enddate", end)


def _asn1_time(moment):
    return moment.strftime("%Y%m%d%H%M%SZ")


def _openssl(work_dir, *arguments):
    config = os.path.join(work_dir, "openssl.cnf")
    command = ["openssl", arguments[0], *arguments[1:]]
    if arguments[0] in ("req", "ca"):
        command += ["-config", config]
    subprocess.run(command, cwd=work_dir, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def _write(work_dir, name, text):
    with open(os.path.join(work_dir, name), "w", encoding="ascii") as file:
        file.write(text)
