#!/usr/bin/env python3
"""HTTP server for the client's tests: each path answers one case, some of them faulty.

Prints its port and process id on the first line, then serves on 127.0.0.1 until killed or until the
process that started it is gone.
"""
import os
import sys
import threading
import time
from urllib.parse import unquote
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PAGES = {
    "/page/crlf": b"19/06/2024\r\n<html>\r\n<body>Nouvelle version</body>\r\n</html>\r\n",
    "/page/lf": b"19/06/2024\n<html>\n</html>\n",
    "/page/cr": b"19/06/2024\r<html>\r</html>\r",
    "/page/zero": b"0",
    "/page/empty": b"",
    "/page/leadingbreak": b"\r\n19/06/2024\r\n",
    "/page/html": b"<html><head><title>Erreur</title></head></html>\r\n19/06/2024\r\n",
}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, status, body, headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        self.close_connection = True

    def raw(self, data):
        self.wfile.write(data)
        self.wfile.flush()
        self.close_connection = True

    def do_GET(self):
        path, _, query = self.path.partition("?")
        if path in PAGES:
            return self.reply(200, PAGES[path], [("Content-Type", "text/html")])
        if path == "/page/date":  # /page/date?19/06/2024: that text as the first line
            return self.reply(200, unquote(query).encode() + b"\r\n<html></html>\r\n")
        if path == "/status/404":
            return self.reply(404, b"<html>introuvable</html>")
        if path == "/redirect":
            return self.reply(301, b"", [("Location", "/page/crlf")])
        if path == "/short":  # announces 1000 bytes, sends 10 and closes
            return self.raw(b"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n19/06/2024")
        if path == "/chunked":
            return self.raw(b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                            b"6\r\n19/06/\r\n"
                            b"6;ext=1\r\n2024\r\n\r\n"
                            b"9\r\n<html></>\r\n"
                            b"0\r\nX-Trailer: fin\r\n\r\n")
        if path == "/close":  # no length: the body ends when the connection closes
            return self.raw(b"HTTP/1.0 200 OK\r\n\r\n19/06/2024\r\nfin")
        if path == "/setcookie":
            return self.reply(200, b"ok", [("Set-Cookie", "session=abc123; Path=/; HttpOnly"),
                                           ("Set-Cookie", "lang=fr")])
        if path == "/dropcookie":
            return self.reply(200, b"ok", [("Set-Cookie", "session=; Max-Age=0")])
        if path == "/echo":  # the request head as the body
            head = self.requestline + "\r\n" + str(self.headers).replace("\n", "\r\n")
            return self.reply(200, head.encode("latin-1"))
        if path == "/slow":
            time.sleep(2)
            return self.reply(200, b"19/06/2024\r\n")
        if path == "/big":
            return self.reply(200, bytes(i % 251 for i in range(300000)))
        if path == "/garbage":
            return self.raw(b"SSH-2.0-OpenSSH\r\n\r\n")
        if path == "/dropped":
            self.close_connection = True
            return
        if path == "/badlength":
            return self.raw(b"HTTP/1.1 200 OK\r\nContent-Length: douze\r\n\r\nabc")
        return self.reply(404, b"")


def watch_parent(parent):
    while os.getppid() == parent:
        time.sleep(0.5)
    os._exit(0)


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], os.getpid(), flush=True)
    threading.Thread(target=watch_parent, args=(os.getppid(),), daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
