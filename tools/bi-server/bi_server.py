#!/usr/bin/env python3
"""Stand-in analytics server for tests and the demo: HTTPS on 127.0.0.1 only.

  bi_server.py certs DIR
      Makes a test CA (ca.pem), a server certificate for 127.0.0.1 signed by it
      (server.pem, server.key) and a second, unrelated CA (other-ca.pem).

  bi_server.py serve --cert server.pem --key server.key --out DIR [options]
      Prints "READY <port>" once it listens, then answers:
        POST /init/<rows>/                 the configuration (--config, JSON)
        POST /log/f/                       stores the batch; decodes gzip bodies with
                                           Python's gzip module
        GET  /api/cntysettings/v1/find/ID  {"c": <--country>}
        GET  /api/whichcountry/v1/plain    the text of --which-country with the status of
                                           --which-country-status (no body for 204), or no
                                           answer at all with --which-country-silent
      Every request becomes one JSON line in DIR/requests.jsonl (path, status, agent,
      header names, body size, gzip header fields, the records found), written before
      the answer goes out; each upload body is kept as DIR/body-<n>.bin.
      Options: --port (0 = any free port), --fail-init N, --fail-log N, --fail-country N
      (answer 500 to the first N such requests), --lifetime SECONDS (then exit).
"""

import argparse
import gzip
import http.server
import json
import os
import ssl
import struct
import subprocess
import sys
import threading
import time

LOOPBACK = "127.0.0.1"


def make_certs(folder):
    os.makedirs(folder, exist_ok=True)

    def run(*args):
        subprocess.run(["openssl", *args], cwd=folder, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    ca_ext = ["-addext", "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign,cRLSign"]
    for name, subject in (("ca", "/CN=Nova Test CA"), ("other-ca", "/CN=Unrelated Test CA")):
        run("req", "-x509", *key, "-keyout", name + ".key", "-out", name + ".pem", "-days", "2",
            "-subj", subject, *ca_ext)
    run("req", *key, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=" + LOOPBACK)
    with open(os.path.join(folder, "server.ext"), "w") as ext:
        ext.write("subjectAltName=IP:%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n" % LOOPBACK)
    run("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
        "-out", "server.pem", "-days", "2", "-extfile", "server.ext")


def split_records(text):
    """The JSON objects of a batch body, written back to back."""
    decoder = json.JSONDecoder()
    records, index = [], 0
    while index < len(text):
        record, index = decoder.raw_decode(text, index)
        records.append(record)
    return records


class State:
    def __init__(self, args):
        self.args = args
        self.lock = threading.Lock()
        self.count = 0
        self.served = {"init": 0, "log": 0, "country": 0}
        self.log = open(os.path.join(args.out, "requests.jsonl"), "a")

    def should_fail(self, kind):
        with self.lock:
            self.served[kind] += 1
            return self.served[kind] <= getattr(self.args, "fail_" + kind)

    def record(self, entry, body):
        with self.lock:
            self.count += 1
            entry["n"] = self.count
            if body is not None:
                with open(os.path.join(self.args.out, "body-%d.bin" % self.count), "wb") as out:
                    out.write(body)
            self.log.write(json.dumps(entry) + "\n")
            self.log.flush()
            os.fsync(self.log.fileno())


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    state = None

    def log_message(self, *args):
        pass

    def answer(self, status, payload):
        data = json.dumps(payload).encode()
        self.send_response(status)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def entry(self, status, body):
        return {"method": self.command, "path": self.path, "status": status,
                "agent": self.headers.get("User-Agent"), "headers": sorted(self.headers.keys()),
                "size": len(body) if body is not None else 0}

    def which_country(self):
        args = self.state.args
        if args.which_country_silent:
            self.state.record(self.entry(0, None), None)
            time.sleep(args.lifetime)
            return
        status = args.which_country_status
        data = args.which_country.encode() if status == 200 else b""
        self.state.record(self.entry(status, None), None)
        self.send_response(status)
        if status != 204:
            self.send_header("Content-Type", "text/plain")
            self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        if self.path == "/api/whichcountry/v1/plain":
            return self.which_country()
        prefix = "/api/cntysettings/v1/find/"
        if not self.path.startswith(prefix):
            self.state.record(self.entry(404, None), None)
            return self.answer(404, {})
        status = 500 if self.state.should_fail("country") else 200
        self.state.record(self.entry(status, None), None)
        self.answer(status, {"c": self.state.args.country} if status == 200 else {})

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if self.path.startswith("/init/"):
            status = 500 if self.state.should_fail("init") else 200
            config = {"url": "https://%s:%d" % (LOOPBACK, self.server.server_port), "compress": True,
                      "expire_time": 3600, "package_size": 65536, "package_line": 100}
            config.update(json.loads(self.state.args.config))
            self.state.record(self.entry(status, body), None)
            return self.answer(status, config if status == 200 else {})
        if self.path != "/log/f/":
            self.state.record(self.entry(404, body), None)
            return self.answer(404, {})
        entry = self.entry(200, body)
        text = body
        if body[:2] == b"\x1f\x8b":
            entry["gzip"] = {"mtime": struct.unpack("<I", body[4:8])[0], "os": body[9], "flags": body[3]}
            try:
                text = gzip.decompress(body)
            except (OSError, EOFError) as error:
                entry["status"], entry["error"] = 400, str(error)
        if entry["status"] == 200:
            try:
                entry["records"] = split_records(text.decode("utf-8"))
            except ValueError as error:
                entry["status"], entry["error"] = 400, str(error)
        if entry["status"] == 200 and self.state.should_fail("log"):
            entry["status"], entry["records"] = 500, []
        self.state.record(entry, body)
        self.answer(entry["status"], {})


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A client killed or refused mid-request is part of the tests, not news.
        if not isinstance(sys.exc_info()[1], (ConnectionError, ssl.SSLError)):
            super().handle_error(request, client_address)


def serve(args):
    os.makedirs(args.out, exist_ok=True)
    Handler.state = State(args)
    server = Server((LOOPBACK, args.port), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Timer(args.lifetime, server.shutdown).start()
    print("READY %d" % server.server_port, flush=True)
    server.serve_forever()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    certs = commands.add_parser("certs")
    certs.add_argument("folder")
    run = commands.add_parser("serve")
    run.add_argument("--cert", required=True)
    run.add_argument("--key", required=True)
    run.add_argument("--out", required=True)
    run.add_argument("--port", type=int, default=0)
    run.add_argument("--config", default="{}")
    run.add_argument("--country", default="US")
    run.add_argument("--which-country", default="CN")
    run.add_argument("--which-country-status", type=int, default=200)
    run.add_argument("--which-country-silent", action="store_true")
    run.add_argument("--fail-init", type=int, default=0)
    run.add_argument("--fail-log", type=int, default=0)
    run.add_argument("--fail-country", type=int, default=0)
    run.add_argument("--lifetime", type=float, default=600)
    args = parser.parse_args()
    if args.command == "certs":
        make_certs(args.folder)
    else:
        serve(args)


if __name__ == "__main__":
    sys.exit(main())
