#!/usr/bin/env python3
"""The update server of the end-to-end tests: serves the files below --root on 127.0.0.1.

A missing file is answered 404 "Not Found"; a path given with --truncate announces its whole
length, sends half of it and closes the connection. Every request line is appended to --log.
"""
import argparse
import http.server
import os
import sys


def make_handler(root, truncated, log_path):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            with open(log_path, "a") as log:
                log.write(f"GET {self.path}\n")
            path = os.path.join(root, self.path.lstrip("/"))
            if not os.path.isfile(path):
                self.send_error(404, "Not Found")
                return
            with open(path, "rb") as f:
                body = f.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            if self.path in truncated:
                self.wfile.write(body[: len(body) // 2])
                self.wfile.flush()
                self.close_connection = True
                return
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--root", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--ready", required=True, help="file written once the port is bound")
    parser.add_argument("--truncate", action="append", default=[])
    args = parser.parse_args()
    try:
        server = http.server.HTTPServer(
            ("127.0.0.1", args.port), make_handler(args.root, set(args.truncate), args.log))
    except OSError as error:
        print(f"server: cannot listen on 127.0.0.1:{args.port}: {error}", file=sys.stderr)
        sys.exit(2)
    with open(args.ready, "w") as ready:
        ready.write(f"{args.port}\n")
    server.serve_forever()


if __name__ == "__main__":
    main()
