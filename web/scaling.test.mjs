import assert from "node:assert/strict";
import { test } from "node:test";

import { kStageHeight, kStageWidth, scaleFactor } from "./scaling.mjs";

test("whole factors where the stage fits, a smooth fit below its width", () => {
  const cases = [
    // width, height, factor
    [390, 844, 390 / 430],
    [215, 2000, 0.5],
    [429, 300, 429 / 430],
    [430, 700, 1],
    [859, 1000, 1],
    [860, 692, 2],
    [860, 691, 1],
    [900, 700, 2],
    [1300, 1100, 3],
    [1366, 768, 2],
    [4000, 200, 1],
  ];
  for (const [width, height, factor] of cases)
    assert.equal(scaleFactor(width, height), factor, `${width} x ${height}`);
  assert.deepEqual([kStageWidth, kStageHeight], [430, 346]);
});
