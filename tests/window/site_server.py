# SPDX-License-Identifier: MIT
"""The static site served over HTTP on a free local port, as any static host serves it."""
import functools
import http.server
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    # As static hosts do: connections kept open for the page's next requests, and each response
    # sent at once, not held back waiting for acknowledgements.
    protocol_version = "HTTP/1.1"
    disable_nagle_algorithm = True
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *arguments):
        pass


class SiteServer:
    """Serves `folder` from the moment it is made until stop(); url is the site's address."""

    def __init__(self, folder):
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()
