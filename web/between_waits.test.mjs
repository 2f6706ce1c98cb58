import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import vm from "node:vm";

// between_waits.js in a scope of its own, as the glue has it: a Module and
// an Asyncify whose pending wait is `pending`.
function glue(pending) {
  const scope = { Module: {}, Asyncify: { currData: pending } };
  vm.runInNewContext(readFileSync(new URL("./between_waits.js", import.meta.url), "utf8"), scope);
  return scope;
}

test("a call between waits sees no pending wait, which is kept for the basho", () => {
  const { Module, Asyncify } = glue(5000);
  const seen = Module.atOnce(() => Asyncify.currData);
  assert.equal(seen, null);
  assert.equal(Asyncify.currData, 5000);
  assert.equal(Module.atOnce(() => 42), 42);
});

test("a call that raises leaves the pending wait as it was", () => {
  const { Module, Asyncify } = glue(5000);
  assert.throws(() => Module.atOnce(() => {
    throw new Error("game error");
  }), /game error/);
  assert.equal(Asyncify.currData, 5000);
});

test("a call that begins a wait of its own is an error", () => {
  for (const pending of [null, 5000]) {
    const { Module, Asyncify } = glue(pending);
    assert.throws(() => Module.atOnce(() => (Asyncify.currData = 6000)), /waited/);
    assert.equal(Asyncify.currData, pending);
  }
});
