"""Serves a built page (build-web/) on 127.0.0.1 and prints its address.

Usage: serve.py DIRECTORY [PORT]   (port 0, the default, takes a free one; a
port in use gives way to the next free one)

Only the regular files inside DIRECTORY are served: no folder listings (/ is
index.html), nothing a symlink reaches outside it. Every answer says
"Cache-Control: no-cache", so the browser asks again each time (a 304 when
nothing changed) and a rebuilt page loads fresh.
"""
import functools
import http.server
import os
import re
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # WebAssembly compiles as it streams in only when served as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".webmanifest": "application/manifest+json"}

    def send_head(self):
        root = os.path.realpath(self.directory)
        path = os.path.realpath(self.translate_path(self.path))
        if path == root:
            path = os.path.join(root, "index.html")
        if os.path.commonpath([root, path]) != root or not os.path.isfile(path):
            self.send_error(404)
            return None
        return super().send_head()

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        pass


def server(directory, port=0, tries=1):
    """The server on the first free port of port, port + 1, ... (tries of them)."""
    handler = functools.partial(Handler, directory=directory)
    for candidate in range(port, min(port + tries, 65536)):
        try:
            return http.server.ThreadingHTTPServer(("127.0.0.1", candidate), handler)
        except OSError as e:
            error = e
    sys.exit(f"serve.py: cannot serve on port {port}" + (f" to {port + tries - 1}" if tries > 1 else "")
             + f": {error.strerror}")


if __name__ == "__main__":
    args = sys.argv[1:]
    port = args[1] if len(args) == 2 else "0"
    if not 1 <= len(args) <= 2 or not re.fullmatch(r"\d{1,5}", port) or int(port) > 65535:
        sys.exit("usage: serve.py DIRECTORY [PORT]   (PORT a number up to 65535; 0 takes a free one)")
    if not os.path.isdir(args[0]):
        sys.exit(f"serve.py: {args[0]} is not a folder (build the page first: scripts/web --build)")
    port = int(port)
    httpd = server(args[0], port, 100 if port else 1)
    print(f"Lastrino! is served at http://127.0.0.1:{httpd.server_address[1]}/ (Ctrl+C stops it)", flush=True)
    try:
        httpd.serve_forever()
    except KeyboardInterrupt:
        pass
