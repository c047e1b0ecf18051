# SPDX-License-Identifier: GPL-3.0-or-later
"""The search provider as the real program's browser meets it, on the
loopback address: the browser's traffic goes through a proxy of the test's
own, which answers a tunnel to the provider's host over TLS with a
certificate of its own. The program's own search, as it sends it, arrives
here, and its results page is a plain magenta page, easy to find on a
screenshot."""
import os
import socketserver
import ssl
import subprocess
import tempfile
import threading
import urllib.parse

from desktop import wait_for

MAGENTA = (255, 0, 255)
RESULTS = (b"<html><head><title>Results</title></head>"
           b"<body style='background:#ff00ff'>results</body></html>")


class _Tunnel(socketserver.StreamRequestHandler):
    def handle(self):
        request = self.rfile.readline().decode("latin-1").split()
        while self.rfile.readline() not in (b"\r\n", b"\n", b""):
            pass
        if len(request) < 2 or request[0] != "CONNECT":
            return
        self.wfile.write(b"HTTP/1.1 200 Connection established\r\n\r\n")
        self.wfile.flush()
        try:
            tls = self.server.context.wrap_socket(self.request, server_side=True)
            reader = tls.makefile("rb")
            line = reader.readline().decode("latin-1").split()
            while reader.readline() not in (b"\r\n", b"\n", b""):
                pass
        except (ssl.SSLError, OSError):
            return
        if len(line) >= 2:
            self.server.requests.append(line[1])
        tls.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n"
                    b"Content-Length: " + str(len(RESULTS)).encode() + b"\r\n\r\n" + RESULTS)
        tls.close()


class SearchProvider:
    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        key = os.path.join(self.folder.name, "key.pem")
        certificate = os.path.join(self.folder.name, "cert.pem")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                        "-subj", "/CN=www.google.com", "-keyout", key, "-out", certificate],
                       check=True, capture_output=True)
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), _Tunnel)
        self.server.daemon_threads = True
        self.server.context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        self.server.context.load_cert_chain(certificate, key)
        self.server.requests = []
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        return self

    def __exit__(self, *exception):
        self.server.shutdown()
        self.folder.cleanup()

    def environment(self):
        """What the program's web engine needs to go through the proxy."""
        return {"QTWEBENGINE_CHROMIUM_FLAGS":
                f"--proxy-server=http://127.0.0.1:{self.server.server_address[1]} "
                "--ignore-certificate-errors --disable-background-networking"}

    def search(self, seconds):
        """The fields of the first search that arrives, decoded as UTF-8."""
        searches = wait_for(lambda: [p for p in self.server.requests
                                     if p.startswith("/custom?")], seconds)
        if not searches:
            return {}
        query = urllib.parse.urlsplit(searches[0]).query
        return dict(urllib.parse.parse_qsl(query, encoding="utf-8", errors="strict"))


def magenta_share(png):
    """How much of a screenshot is the results page's magenta."""
    from PIL import Image
    image = Image.open(png).convert("RGB").resize((160, 100))
    pixels = list(image.getdata())
    near = sum(1 for p in pixels if abs(p[0] - 255) + p[1] + abs(p[2] - 255) < 60)
    return near / len(pixels)
