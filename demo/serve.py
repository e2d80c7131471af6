#!/usr/bin/env python3
"""Serves the demo site on the loopback address.

Usage: serve.py [PORT] [LOG] [FOLDER]. Each request path is appended to LOG (when given), so a
script can see what the pages reported (/report?...) and what they fetched. FOLDER is the site to
serve (default: the demo site beside this script). Ends on SIGTERM.
"""
import functools
import http.server
import os
import signal
import sys

SITE = os.path.dirname(os.path.abspath(__file__))


class DemoHandler(http.server.SimpleHTTPRequestHandler):
    log_path = None

    def do_GET(self):
        self._record()
        if self.path.startswith("/report"):
            self.send_response(204)
            self.end_headers()
            return
        super().do_GET()

    def do_POST(self):
        # Pages report with beacons too, which are posted.
        self._record()
        self.send_response(204 if self.path.startswith("/report") else 405)
        self.end_headers()

    def _record(self):
        if self.log_path:
            with open(self.log_path, "a", encoding="utf-8") as log:
                log.write(self.path + "\n")

    def log_message(self, format, *args):
        pass


class DemoServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that drops a connection it no longer needs is no fault of the site.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    port = int(sys.argv[1]) if len(sys.argv) > 1 else 8617
    DemoHandler.log_path = sys.argv[2] if len(sys.argv) > 2 else None
    site = sys.argv[3] if len(sys.argv) > 3 else SITE
    handler = functools.partial(DemoHandler, directory=site)
    try:
        server = DemoServer(("127.0.0.1", port), handler)
    except OSError as error:
        print("The demo site cannot serve on 127.0.0.1:%d: %s" % (port, error.strerror),
              file=sys.stderr)
        return 1
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        server.serve_forever()
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
