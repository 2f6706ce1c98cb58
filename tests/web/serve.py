#!/usr/bin/python3
"""The browser test's server (scripts/check-web): the page's static folder at
/ and the test's hooks module tests/web/hooks.mjs at /tests/hooks.mjs, on
127.0.0.1 only, or at HOST.

usage: serve.py PORT PAGE_DIR [HOST]
"""
import functools
import http.server
import os
import sys

HOOKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hooks.mjs")


class Handler(http.server.SimpleHTTPRequestHandler):
    def translate_path(self, path):
        if path.split("?", 1)[0] == "/tests/hooks.mjs":
            return HOOKS
        return super().translate_path(path)

    def log_message(self, *args):
        pass


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    handler = functools.partial(Handler, directory=sys.argv[2])
    host = sys.argv[3] if len(sys.argv) == 4 else "127.0.0.1"
    http.server.ThreadingHTTPServer((host, int(sys.argv[1])), handler).serve_forever()


main()
