"""A time server for bench/sync_accuracy.sh: HTTP on 127.0.0.1 only, whose
Date header runs a given number of seconds ahead of this machine's clock.
Prints its port, answers HEAD and GET on kept-open connections, and stops
by itself after the given lifetime.

    sync_accuracy_server.py <offset seconds> <lifetime seconds>
"""
import email.utils
import http.server
import socketserver
import sys
import threading
import time

offset = float(sys.argv[1])
lifetime = float(sys.argv[2])


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self, body):
        self.send_response_only(200)
        # The second the request is answered in, on the server's clock.
        self.send_header("Date", email.utils.formatdate(time.time() + offset, usegmt=True))
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return body

    def do_HEAD(self):
        self.answer(b"")

    def do_GET(self):
        self.wfile.write(self.answer(b"<html></html>"))

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
threading.Timer(lifetime, server.shutdown).start()
server.serve_forever()
