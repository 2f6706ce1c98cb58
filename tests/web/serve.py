#!/usr/bin/python3
"""The browser test's server (scripts/check-web): the page's static folder at
/ and the tests' hooks modules tests/web/hooks.mjs and record_hooks.mjs at
/tests/, on 127.0.0.1 only, or at HOST.

usage: serve.py PORT PAGE_DIR [HOST]
"""
import functools
import http.server
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
HOOKS = {"/tests/hooks.mjs": os.path.join(HERE, "hooks.mjs"),
         "/tests/record_hooks.mjs": os.path.join(HERE, "record_hooks.mjs")}


class Handler(http.server.SimpleHTTPRequestHandler):
    def translate_path(self, path):
        hooks = HOOKS.get(path.split("?", 1)[0])
        if hooks:
            return hooks
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
