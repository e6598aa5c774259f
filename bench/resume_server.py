#!/usr/bin/env python3
"""A loopback server for bench/resume_bench.sh: serves one file with an ETag, answers Range
requests with 206, and counts the body bytes it sends. The first whole-file answer stalls
after STALL bytes (the connection stays open), as a server that stops sending would.
usage: resume_server.py FILE PORTFILE STATSFILE STALL"""
import http.server
import os
import socketserver
import sys
import threading
import time

path, port_file, stats_file, stall = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
size = os.path.getsize(path)
etag = '"%x-%x"' % (size, int(os.path.getmtime(path)))
lock = threading.Lock()
sent = 0
stalled = False


def count(n):
    global sent
    with lock:
        sent += n
        with open(stats_file, "w") as f:
            f.write("%d\n" % sent)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        global stalled
        first = 0
        rng = self.headers.get("Range", "")
        if_range = self.headers.get("If-Range")
        if rng.startswith("bytes=") and rng.endswith("-") and if_range in (None, etag):
            first = int(rng[6:-1])
        if first >= size:
            self.send_response(416)
            self.send_header("Content-Range", "bytes */%d" % size)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        self.send_response(206 if first else 200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("ETag", etag)
        self.send_header("Content-Length", str(size - first))
        if first:
            self.send_header("Content-Range", "bytes %d-%d/%d" % (first, size - 1, size))
        self.end_headers()
        stall_at = None
        with lock:
            if not first and not stalled:
                stalled = True
                stall_at = stall
        with open(path, "rb") as f:
            f.seek(first)
            done = 0
            while True:
                want = 1 << 16
                if stall_at is not None:
                    want = min(want, stall_at - done)
                    if want <= 0:
                        # Sends nothing more and keeps the connection until the client goes.
                        while True:
                            time.sleep(3600)
                block = f.read(want)
                if not block:
                    return
                try:
                    self.wfile.write(block)
                except OSError:
                    return
                done += len(block)
                count(len(block))


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
with open(port_file, "w") as f:
    f.write(str(server.server_address[1]))
server.serve_forever()
