import assert from "node:assert/strict";
import { test } from "node:test";

import { importRefusal, kMaxImport, sectionsOf } from "./import_check.mjs";

const bytes = (text) => new Uint8Array([...text].map((c) => c.charCodeAt(0)));
const slots = (from, to, eol = "\r\n") =>
  Array.from({ length: to - from + 1 }, (_, i) => `[${from + i}]${eol}Name=x${eol}`).join("");
const save = (eol = "\r\n") => `[Wres]${eol}Basyo=1${eol}` + slots(1, 32, eol);

test("a saved game's sections are found whatever its line ends", () => {
  for (const eol of ["\r\n", "\n", "\r"]) assert.equal(importRefusal(bytes(save(eol))), null, JSON.stringify(eol));
});

test("files that are no saved game are refused with the reason", () => {
  const cases = [
    ["empty", "", "[Wres]"],
    ["text without sections", "hello\r\n", "[Wres]"],
    ["the league's section missing", slots(1, 32), "[Wres]"],
    ["slot 32 missing", "[Wres]\r\n" + slots(1, 31), "[32]"],
    ["the first missing slot named", "[Wres]\r\n" + slots(1, 16) + slots(18, 32), "[17]"],
    ["a section name inside a value", "[Wres]\r\nNote=[32]\r\n" + slots(1, 31), "[32]"],
    ["a section line with more after it", "[Wres]\r\n" + slots(1, 31) + "[32] x\r\n", "[32]"],
  ];
  for (const [what, text, named] of cases) {
    const refusal = importRefusal(bytes(text));
    assert.ok(refusal && refusal.includes(named), `${what}: ${refusal}`);
  }
});

test("a file above 64 KB is refused for its size, one of 64 KB is read", () => {
  const whole = save();
  const padded = (size) => bytes(whole + "x".repeat(size - whole.length));
  assert.match(importRefusal(padded(kMaxImport + 1)), /大きすぎます/);
  assert.equal(importRefusal(padded(kMaxImport)), null);
});

test("section names are trimmed and Shift-JIS bytes in values are no hindrance", () => {
  const sjis = new Uint8Array([0x82, 0xa0, 0x93, 0xfa, 0x0d, 0x0a]);
  const text = bytes("  [ Wres ]  \r\nName=") ;
  const joined = new Uint8Array([...text, ...sjis, ...bytes(slots(1, 32))]);
  assert.deepEqual([...sectionsOf(joined)].slice(0, 2), ["Wres", "1"]);
  assert.equal(importRefusal(joined), null);
});
