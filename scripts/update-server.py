#!/usr/bin/env python3
"""A small update server for trying Garvo's updater on one machine.

It serves, from one folder:
  GET /garvo2win/version          the version reply (JSON)
  GET /garvo2win/download/update  the package (update.zip)

The folder holds update.zip and version.json; "publish" writes both:

  update-server.py publish FOLDER --from DIR --version 2.1.2.0 [--notes TEXT]
  update-server.py publish FOLDER --package some.zip --version 2.1.2.0
  update-server.py serve FOLDER [--host 127.0.0.1] [--port 8765]
                                [--cert cert.pem --key key.pem]

The client accepts plain http only from this machine; give --cert and --key
to serve https. Python standard library only.
"""

import argparse
import hashlib
import http.server
import json
import os
import shutil
import ssl
import sys
import tempfile
import urllib.parse
import zipfile

PRODUCT = "garvo2win"
PACKAGE = "update.zip"
VERSION_FILE = "version.json"


def sha256_of(path):
    digest = hashlib.sha256()
    with open(path, "rb") as stream:
        for block in iter(lambda: stream.read(1 << 16), b""):
            digest.update(block)
    return digest.hexdigest()


def zip_folder(source, target):
    """Zips the content of `source` (not the folder itself), keeping each
    file's permission bits; symbolic links are refused."""
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
        for root, folders, files in os.walk(source):
            folders.sort()
            for name in sorted(folders + files):
                path = os.path.join(root, name)
                if os.path.islink(path):
                    sys.exit("refusing symbolic link: %s" % path)
                if os.path.isfile(path) or os.path.isdir(path):
                    archive.write(path, os.path.relpath(path, source))


def publish(args):
    os.makedirs(args.folder, exist_ok=True)
    package = os.path.join(args.folder, PACKAGE)
    if args.package:
        shutil.copyfile(args.package, package)
    else:
        with tempfile.TemporaryDirectory() as scratch:
            made = os.path.join(scratch, PACKAGE)
            zip_folder(args.source, made)
            shutil.move(made, package)
    version = {
        "version": args.version,
        "release_notes": args.notes,
        "sha256": sha256_of(package),
    }
    with open(os.path.join(args.folder, VERSION_FILE), "w", encoding="utf-8") as stream:
        json.dump(version, stream, indent=2)
    print("published %s (%s) in %s" % (args.version, version["sha256"], args.folder))


class Handler(http.server.BaseHTTPRequestHandler):
    folder = "."

    def send_body(self, status, body, content_type):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_json(self, status, value):
        self.send_body(status, json.dumps(value).encode("utf-8"), "application/json; charset=utf-8")

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path == "/%s/version" % PRODUCT:
            self.send_version()
        elif path == "/%s/download/update" % PRODUCT:
            self.send_package()
        else:
            self.send_json(404, {"status": "error", "message": "Not found: %s" % path})

    def send_version(self):
        try:
            with open(os.path.join(self.folder, VERSION_FILE), encoding="utf-8") as stream:
                version = json.load(stream)
        except (OSError, ValueError):
            self.send_json(200, {"status": "error", "message": "No update has been published."})
            return
        data = {"application": PRODUCT}
        data.update(version)
        self.send_json(200, {"status": "success", "data": data})

    def send_package(self):
        try:
            with open(os.path.join(self.folder, PACKAGE), "rb") as stream:
                body = stream.read()
        except OSError:
            self.send_json(404, {"status": "error", "message": "No package has been published."})
            return
        self.send_body(200, body, "application/zip")


def serve(args):
    Handler.folder = os.path.abspath(args.folder)
    server = http.server.ThreadingHTTPServer((args.host, args.port), Handler)
    scheme = "http"
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
        scheme = "https"
    print("serving %s on %s://%s:%d" % (Handler.folder, scheme, args.host, args.port), flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)

    publishing = commands.add_parser("publish", help="write update.zip and version.json into FOLDER")
    publishing.add_argument("folder")
    source = publishing.add_mutually_exclusive_group(required=True)
    source.add_argument("--from", dest="source", help="folder whose content becomes the package")
    source.add_argument("--package", help="an existing zip file")
    publishing.add_argument("--version", required=True, help="for example 2.1.2.0")
    publishing.add_argument("--notes", default="", help="release notes (plain or rich text)")
    publishing.set_defaults(run=publish)

    serving = commands.add_parser("serve", help="serve FOLDER")
    serving.add_argument("folder")
    serving.add_argument("--host", default="127.0.0.1")
    serving.add_argument("--port", type=int, default=8765)
    serving.add_argument("--cert", help="certificate (PEM) for https")
    serving.add_argument("--key", help="private key (PEM) for https")
    serving.set_defaults(run=serve)

    args = parser.parse_args()
    args.run(args)


if __name__ == "__main__":
    main()
