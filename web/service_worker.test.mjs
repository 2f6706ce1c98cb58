import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import vm from "node:vm";

// service_worker.js as the build makes sw.js: after a list of files and a
// version, in a scope of its own (no registration: no listeners).
function worker(files, version = "v1") {
  const scope = { URL, decodeURIComponent };
  const source = `const kVersion = ${JSON.stringify(version)};\nconst kPrecache = ${JSON.stringify(files)};\n` +
    readFileSync(new URL("./service_worker.js", import.meta.url), "utf8");
  vm.runInNewContext(source + "\nthis.precachedFile = precachedFile; this.stale = stale;", scope);
  return scope;
}

const kScope = "https://example.org/kelmar/";
const kFiles = ["index.html", "start.mjs", "kelmar-core.wasm", "pictures/力士.bmp.gz",
  "pictures/rikishi-en.bmp.gz", "pictures/title-en.bmp.gz"];

test("a request of the page's address or a listed file is answered from the cache", () => {
  const sw = worker(kFiles.map((f) => [f, "00"]));
  const cases = [
    // address, navigation, file
    ["https://example.org/kelmar/", true, "index.html"],
    ["https://example.org/kelmar/?clock=4000000,777", true, "index.html"],
    ["https://example.org/kelmar/?lang=en", true, "index.html"],
    ["https://example.org/kelmar/index.html?clock=1", true, "index.html"],
    ["https://example.org/kelmar/start.mjs", false, "start.mjs"],
    ["https://example.org/kelmar/start.mjs?v=2", false, "start.mjs"],
    ["https://example.org/kelmar/pictures/%E5%8A%9B%E5%A3%AB.bmp.gz", false, "pictures/力士.bmp.gz"],
    ["https://example.org/kelmar/pictures/rikishi-en.bmp.gz", false, "pictures/rikishi-en.bmp.gz"],
    ["https://example.org/kelmar/pictures/title-en.bmp.gz?v=2", false, "pictures/title-en.bmp.gz"],
    ["https://example.org/kelmar/pictures/rikishi.bmp.gz", false, null],
    ["https://example.org/kelmar/tests/hooks.mjs", false, null],
    ["https://example.org/kelmar/", false, null],
    ["https://example.org/kelmar/other.html", true, null],
    ["https://example.org/elsewhere/start.mjs", false, null],
    ["https://other.example/kelmar/start.mjs", false, null],
  ];
  for (const [address, navigation, file] of cases)
    assert.equal(sw.precachedFile(kScope, kFiles, address, navigation), file, `${address} ${navigation}`);
});

test("on activation the caches of the page's other versions go, no other", () => {
  const sw = worker([], "abc");
  assert.deepEqual(sw.stale(["kelmar-abc", "kelmar-old", "kelmar-older", "someone-else"]),
                   ["kelmar-old", "kelmar-older"]);
  assert.deepEqual(sw.stale(["kelmar-abc"]), []);
});
