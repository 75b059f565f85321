"""Serves a built page (build-web/) on 127.0.0.1 and prints its address.

Usage: serve.py DIRECTORY [PORT]   (port 0, the default, takes a free one)
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # WebAssembly compiles as it streams in only when served as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, format, *args):
        pass


def server(directory, port=0):
    handler = functools.partial(Handler, directory=directory)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    httpd = server(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 0)
    print(f"Lastrino! is served at http://127.0.0.1:{httpd.server_address[1]}/ (Ctrl+C stops it)", flush=True)
    try:
        httpd.serve_forever()
    except KeyboardInterrupt:
        pass
