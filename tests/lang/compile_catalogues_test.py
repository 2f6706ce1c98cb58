"""The catalogue compiler refuses a catalogue the game could not use, and
compiles one it can into tables that say what the catalogue says."""

import codecs
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools" / "lang" / "compile_catalogues.py"

HEADER = '''msgid ""
msgstr ""
"Language: xx\\n"
"X-Language-Name: Test\\n"
"X-Language-Identifier: Testish\\n"

'''


class CompileCatalogues(unittest.TestCase):
    def compile(self, body, name="xx.po", header=HEADER):
        folder = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        po = folder / name
        po.write_text(header + body, encoding="utf-8")
        out = {k: folder / ("out." + k) for k in ("cpp", "inc", "mjs")}
        run = subprocess.run([sys.executable, str(TOOL), "--cpp", str(out["cpp"]), "--languages",
                              str(out["inc"]), "--js", str(out["mjs"]), str(po)],
                             capture_output=True, text=True)
        texts = {k: p.read_text(encoding="utf-8") for k, p in out.items() if p.exists()}
        return run, texts

    def assertRefused(self, body, why, **kw):
        run, _ = self.compile(body, **kw)
        self.assertNotEqual(run.returncode, 0, body)
        self.assertIn(why, run.stderr)

    def test_refusals(self):
        cases = [
            ('msgid "得点 : {score}"\nmsgstr "Score: {points}"\n', "placeholders"),
            ('msgid "{a}{b}"\nmsgstr "{a}"\n', "placeholders"),
            ('msgid "横綱"\nmsgstr "Y"\n\nmsgid "横綱"\nmsgstr "Z"\n', "twice"),
            ('msgid "横綱\nmsgstr "Y"\n', "double quotes"),
            ('msgid "a\\qb"\nmsgstr "Y"\n', "escape"),
            ('msgstr "Y"\n', "without its msgid"),
            ('msgid "横綱"\n', "needs a msgid and a msgstr"),
            ('msgid ""\nmsgstr "x"\n', "header"),
            ('msgid "横綱"\nmsgtext "Y"\n', "cannot read"),
        ]
        for body, why in cases:
            with self.subTest(body=body):
                self.assertRefused(body, why)

    def test_header_refusals(self):
        self.assertRefused("", "Language is xx", name="yy.po")
        self.assertRefused("", "X-Language-Name",
                           header=HEADER.replace('"X-Language-Name: Test\\n"\n', ""))
        self.assertRefused("", "no name for a language",
                           header=HEADER.replace("Testish", "Japanese"))
        self.assertRefused("", "no name for a language",
                           header=HEADER.replace("Testish", "not-a-name"))

    def test_entries_compiled_sorted_with_contexts_and_continuations(self):
        body = ('# a comment\nmsgctxt "rank, short"\nmsgid "横綱"\nmsgstr "Y"\n\n'
                'msgid "横綱"\nmsgstr ""\n"Yoko"\n"zuna"\n\n'
                'msgid "{a}\\"引用\\""\nmsgstr "{a} \\"quoted\\"\\n"\n\n'
                '#, fuzzy\nmsgid "大関"\nmsgstr "O?"\n\n'
                'msgid "関脇"\nmsgstr ""\n')
        run, out = self.compile(body)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("KELMAR_LANGUAGE(Testish, std::string_view(\"xx\", 2)", out["inc"])
        self.assertIn("const size_t kTableCount = 1;", out["cpp"])
        self.assertIn("{Language::Testish, kTestish, 3}", out["cpp"],
                      "the fuzzy and the empty entries are left out")
        self.assertNotIn("\\346", out["cpp"].split("kTestish[] = {")[0])
        module = out["mjs"]
        self.assertIn('["横綱", "Yokozuna"]', module)
        self.assertIn('["rank, short\\u0004横綱", "Y"]', module)
        self.assertIn(json.dumps('{a}"引用"', ensure_ascii=False), module)
        self.assertNotIn("O?", module)
        entries = out["cpp"].split("kTestish[] = {")[1].split("};")[0].strip().split("\n")
        self.assertEqual(len(entries), 3)
        literal = re.compile(r'std::string_view\("((?:[^"\\]|\\.)*)"')
        keys = [codecs.decode(literal.search(e).group(1), "unicode_escape").encode("latin-1")
                for e in entries]
        self.assertEqual(keys, sorted(keys), "sorted by their bytes for the look-up")
        self.assertIn("横綱".encode(), keys)
        self.assertIn(b"rank, short\x04" + "横綱".encode(), keys)

    def test_output_is_plain_ascii_cpp(self):
        run, out = self.compile('msgid "鶴"\nmsgstr "Tsuru ü"\n')
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertTrue(out["cpp"].isascii(), "no compiler's character set may change a byte")
        self.assertIn('std::string_view("\\351\\266\\264", 3)', out["cpp"])
        self.assertIn('std::string_view("Tsuru \\303\\274", 8)', out["cpp"])


if __name__ == "__main__":
    unittest.main()
