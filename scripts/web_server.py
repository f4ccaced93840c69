#!/usr/bin/env python3
"""Serves the browser edition's folder on 127.0.0.1 (the module needs
application/wasm). Usage: web_server.py PORT FOLDER"""
import functools
import http.server
import sys


class Seiten(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".data": "application/octet-stream"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()


def main():
    port, ordner = int(sys.argv[1]), sys.argv[2]
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", port), functools.partial(Seiten, directory=ordner))
    print(f"Saldino im Browser: http://127.0.0.1:{port}/", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
