#!/usr/bin/env python3
"""Compiles the translators' catalogues i18n/*.po into what the game reads:
a C++ table for the core, the list of languages for its Language type, and an
ES module for the page. Run by the build (core/lang/CMakeLists.txt); the
output lives in the build tree.

    compile_catalogues.py --cpp OUT.cpp --languages OUT.inc --js OUT.mjs A.po B.po ...

Each catalogue is named by its language code (en.po: "en"). Its header names
the language in its own words (X-Language-Name) and the C++ enumerator it gets
(X-Language-Identifier). A msgid is the Japanese text exactly as the game
shows it, in UTF-8, with {placeholders} where the game puts pieces in; an
msgstr must hold the same placeholders. Entries marked fuzzy and empty msgstrs
are left out, so that the game shows the Japanese text.
"""

import argparse
import json
import pathlib
import re
import sys

PLACEHOLDER = re.compile(r"\{([A-Za-z][A-Za-z0-9_]*)\}")
IDENTIFIER = re.compile(r"[A-Z][A-Za-z0-9]*\Z")
# gettext's separator between a context and its msgid.
CONTEXT_SEPARATOR = "\x04"


class CatalogueError(Exception):
    pass


def unquote(text, where):
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise CatalogueError("%s: a string is written between double quotes" % where)
    out = []
    body = text[1:-1]
    i = 0
    escapes = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\"}
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in escapes:
                raise CatalogueError("%s: unknown escape in %s" % (where, text))
            out.append(escapes[body[i + 1]])
            i += 2
        elif c == '"':
            raise CatalogueError("%s: a double quote inside a string must be escaped" % where)
        else:
            out.append(c)
            i += 1
    return "".join(out)


def parse_po(path):
    """The entries of a .po file: dicts with msgctxt (when it has one), msgid,
    msgstr, fuzzy and the line where each begins."""
    entries = []
    entry = None
    field = None
    flags = set()

    def finish():
        nonlocal entry, field, flags
        if entry is not None:
            if "msgid" not in entry or "msgstr" not in entry:
                raise CatalogueError("%s:%d: an entry needs a msgid and a msgstr"
                                     % (path, entry["line"]))
            entries.append(entry)
        entry = None
        field = None
        flags = set()

    lines = path.read_text(encoding="utf-8").split("\n")
    for number, raw in enumerate(lines, start=1):
        line = raw.strip()
        where = "%s:%d" % (path, number)
        if not line:
            finish()
        elif line.startswith("#"):
            if entry is not None and "msgstr" in entry:
                finish()
            if line.startswith("#,"):
                flags.update(f.strip() for f in line[2:].split(","))
        elif line.startswith('"'):
            if field is None:
                raise CatalogueError("%s: a string without its keyword" % where)
            entry[field] += unquote(line, where)
        else:
            keyword, _, rest = line.partition(" ")
            if keyword not in ("msgctxt", "msgid", "msgstr"):
                raise CatalogueError("%s: cannot read %r" % (where, raw))
            if keyword != "msgstr" and entry is not None and "msgstr" in entry:
                finish()
            if entry is None:
                if keyword == "msgstr":
                    raise CatalogueError("%s: a msgstr without its msgid" % where)
                entry = {"line": number, "fuzzy": "fuzzy" in flags}
            if keyword in entry or (keyword == "msgctxt" and "msgid" in entry):
                raise CatalogueError("%s: %s out of its place in the entry" % (where, keyword))
            entry[keyword] = unquote(rest.strip(), where)
            field = keyword
    finish()
    return entries


def header_fields(msgstr):
    fields = {}
    for line in msgstr.split("\n"):
        name, sep, value = line.partition(":")
        if sep:
            fields[name.strip()] = value.strip()
    return fields


def read_catalogue(path):
    code = path.stem
    entries = parse_po(path)
    header = [e for e in entries if e["msgid"] == "" and "msgctxt" not in e]
    if len(header) != 1:
        raise CatalogueError("%s: the catalogue needs one header entry" % path)
    fields = header_fields(header[0]["msgstr"])
    if fields.get("Language", code) != code:
        raise CatalogueError("%s: its header's Language is %s" % (path, fields.get("Language")))
    for name in ("X-Language-Name", "X-Language-Identifier"):
        if not fields.get(name):
            raise CatalogueError("%s: its header needs %s" % (path, name))
    identifier = fields["X-Language-Identifier"]
    if not IDENTIFIER.match(identifier) or identifier == "Japanese":
        raise CatalogueError("%s: %s is no name for a language of ours" % (path, identifier))
    texts = {}
    for e in entries:
        if e is header[0]:
            continue
        where = "%s:%d" % (path, e["line"])
        if e["msgid"] == "":
            raise CatalogueError("%s: an empty msgid" % where)
        key = e["msgid"] if "msgctxt" not in e else e["msgctxt"] + CONTEXT_SEPARATOR + e["msgid"]
        if key in texts:
            raise CatalogueError("%s: the msgid %r is there twice" % (where, e["msgid"]))
        wanted = sorted(set(PLACEHOLDER.findall(e["msgid"])))
        given = sorted(set(PLACEHOLDER.findall(e["msgstr"])))
        if e["msgstr"] and wanted != given:
            raise CatalogueError("%s: the msgstr holds the placeholders %s, its msgid %s"
                                 % (where, given, wanted))
        if e["msgstr"] and not e["fuzzy"]:
            texts[key] = e["msgstr"]
        else:
            texts.setdefault(key, None)
    return {
        "code": code,
        "identifier": identifier,
        "name": fields["X-Language-Name"],
        "texts": {k: v for k, v in texts.items() if v is not None},
    }


def cpp_string(text):
    """A C++ string_view of the UTF-8 bytes, every byte outside printable ASCII
    written in octal, so that no compiler's character set can change them."""
    data = text.encode("utf-8")
    out = []
    for b in data:
        c = chr(b)
        if c in '"\\?':
            out.append("\\" + c)
        elif 0x20 <= b < 0x7F:
            out.append(c)
        else:
            out.append("\\%03o" % b)
    return 'std::string_view("%s", %d)' % ("".join(out), len(data))


def write_if_changed(path, text):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    if not path.exists() or path.read_text(encoding="utf-8") != text:
        path.write_text(text, encoding="utf-8")


def cpp_tables(catalogues):
    out = ["// Generated by tools/lang/compile_catalogues.py from i18n/*.po: do not edit.",
           "// clang-format off",
           '#include "lang/catalogue_table.h"',
           "",
           "namespace kelmar::catalogue {",
           "namespace {",
           ""]
    for cat in catalogues:
        out.append("constexpr Entry k%s[] = {" % cat["identifier"])
        keys = sorted(cat["texts"], key=lambda k: k.encode("utf-8"))
        for key in keys:
            out.append("    {%s, %s}," % (cpp_string(key), cpp_string(cat["texts"][key])))
        if not keys:
            out.append("    {std::string_view(), std::string_view()},")
        out.append("};")
        out.append("")
    out.append("}  // namespace")
    out.append("")
    out.append("const Table kTables[] = {")
    for cat in catalogues:
        count = len(cat["texts"])
        out.append("    {Language::%s, %s, %d}," % (cat["identifier"],
                                                    "k" + cat["identifier"], count))
    if not catalogues:
        out.append("    {Language::Japanese, nullptr, 0},")
    out.append("};")
    out.append("const size_t kTableCount = %d;" % len(catalogues))
    out.append("")
    out.append("}  // namespace kelmar::catalogue")
    return "\n".join(out) + "\n"


def cpp_languages(catalogues):
    out = ["// Generated by tools/lang/compile_catalogues.py from i18n/*.po: do not edit.",
           "// KELMAR_LANGUAGE(identifier, code, name in its own words), one a catalogue."]
    for cat in catalogues:
        out.append("KELMAR_LANGUAGE(%s, %s, %s)" % (cat["identifier"], cpp_string(cat["code"]),
                                                    cpp_string(cat["name"])))
    return "\n".join(out) + "\n"


JS_FUNCTIONS = r"""
// The text of `msgid` (in `context`, if one is given) in the language `code`; the
// Japanese text itself where the catalogue has none.
export function translate(code, msgid, context) {
  const texts = catalogues[code];
  const key = context ? context + "\u0004" + msgid : msgid;
  return (texts && texts.get(key)) || msgid;
}

// The translated text with each {placeholder} replaced by pieces[placeholder];
// one without a piece is left as it is.
export function format(code, msgid, pieces, context) {
  return translate(code, msgid, context).replace(/\{([A-Za-z][A-Za-z0-9_]*)\}/g,
    (whole, name) => (Object.hasOwn(pieces, name) ? String(pieces[name]) : whole));
}

// The language of a browser's language tag: the one whose code is the tag's
// language ("ja-JP" Japanese, "en-GB" English), English for any other.
export function languageOfTag(tag) {
  const language = String(tag || "").split(/[-_.@]/)[0].toLowerCase();
  const known = languages.find((l) => l.code === language);
  return known ? known.code : "en";
}
"""


def js_module(catalogues):
    languages = [{"code": "ja", "name": "日本語"}]
    languages += [{"code": c["code"], "name": c["name"]} for c in catalogues]
    out = ["// Generated by tools/lang/compile_catalogues.py from i18n/*.po: do not edit.",
           "// The game's catalogues for the page: Japanese first, the game's own language.",
           "export const languages = Object.freeze(%s.map(Object.freeze));"
           % json.dumps(languages, ensure_ascii=False),
           "",
           "const catalogues = {"]
    for cat in catalogues:
        keys = sorted(cat["texts"], key=lambda k: k.encode("utf-8"))
        pairs = ",\n".join("    [%s, %s]" % (json.dumps(k, ensure_ascii=False),
                                             json.dumps(cat["texts"][k], ensure_ascii=False))
                           for k in keys)
        out.append("  %s: new Map([\n%s,\n  ])," % (json.dumps(cat["code"]), pairs)
                   if keys else "  %s: new Map()," % json.dumps(cat["code"]))
    out.append("};")
    return "\n".join(out) + "\n" + JS_FUNCTIONS


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cpp", required=True)
    parser.add_argument("--languages", required=True)
    parser.add_argument("--js", required=True)
    parser.add_argument("catalogues", nargs="*", type=pathlib.Path)
    args = parser.parse_args(argv)
    try:
        catalogues = [read_catalogue(p) for p in sorted(args.catalogues)]
    except CatalogueError as e:
        print("compile_catalogues: %s" % e, file=sys.stderr)
        return 1
    seen = {}
    for cat in catalogues:
        for field in ("code", "identifier"):
            if (field, cat[field]) in seen:
                print("compile_catalogues: two catalogues for %s" % cat[field], file=sys.stderr)
                return 1
            seen[(field, cat[field])] = True
    write_if_changed(args.cpp, cpp_tables(catalogues))
    write_if_changed(args.languages, cpp_languages(catalogues))
    write_if_changed(args.js, js_module(catalogues))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
