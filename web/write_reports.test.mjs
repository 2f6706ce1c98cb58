import assert from "node:assert/strict";
import { test } from "node:test";

import { WriteReports, failureKind, kFailureMessages } from "./write_reports.mjs";

const error = (name, message = "") => Object.assign(new Error(message), { name });

test("each refused write has its kind, from the browsers' error names", () => {
  const cases = [
    // error, kind
    [error("QuotaExceededError"), "quota"],
    [error("UnknownError", "Quota exceeded for this origin"), "quota"],
    [error("NoStoreError"), "unavailable"],
    [error("InvalidStateError", "The database connection is closing."), "cleared"],
    [error("NotFoundError"), "cleared"],
    [error("AbortError"), "cleared"],
    [error("SecurityError"), "denied"],
    [error("UnknownError", "Internal error"), "denied"],
    [error("TypeError"), "other"],
    [undefined, "other"],
    ["a string", "other"],
  ];
  for (const [e, kind] of cases) assert.equal(failureKind(e), kind, `${e && e.name}: ${e && e.message}`);
  for (const kind of ["quota", "unavailable", "cleared", "denied", "other"]) assert.ok(kFailureMessages[kind]);
});

test("a kind is told once until a write succeeds, each kind on its own", () => {
  const r = new WriteReports();
  const quota = error("QuotaExceededError", "full");
  const first = r.failed("quota", "Kelmar.ini", quota);
  assert.match(first, /^Kelmar\.ini: .*いっぱい.*（full）\n.*続けられます/);
  assert.equal(r.failed("quota", "Rank.txt", quota), null);
  assert.match(r.failed("cleared", "Rank.txt"), /^Rank\.txt: .*消された/);
  assert.equal(r.failed("cleared", "Kelmar.ini"), null);
  r.succeeded();
  assert.ok(r.failed("quota", "Kelmar.ini", quota));
});

test("a kind told without a write (the start's message) is not told again", () => {
  const r = new WriteReports();
  r.toldAlready("unavailable");
  assert.equal(r.failed("unavailable", "Kelmar.ini"), null);
  assert.ok(r.failed("quota", "Kelmar.ini"));
  r.succeeded();
  assert.ok(r.failed("unavailable", "Kelmar.ini"));
});
