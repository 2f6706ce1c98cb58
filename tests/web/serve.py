#!/usr/bin/python3
"""The browser test's server (scripts/check-web): the page's static folder at
/ and the test's hooks module tests/web/hooks.mjs at /tests/hooks.mjs, on
127.0.0.1 only.

usage: serve.py PORT PAGE_DIR
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
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    handler = functools.partial(Handler, directory=sys.argv[2])
    http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), handler).serve_forever()


main()
