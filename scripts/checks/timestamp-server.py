"""An RFC 3161 timestamp server on 127.0.0.1 for the signing check, answering with `openssl ts`.

    timestamp-server.py <openssl ts configuration> <file to write the port to>
"""
import http.server
import subprocess
import sys

config, port_file = sys.argv[1], sys.argv[2]


class Stamp(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", config, "-queryfile", "/dev/stdin",
                                "-out", "/dev/stdout"], input=query, capture_output=True).stdout
        self.send_response(200 if reply else 500)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Stamp)
with open(port_file, "w") as f:
    f.write(str(server.server_port))
server.serve_forever()
