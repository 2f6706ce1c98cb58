import assert from "node:assert/strict";
import { test } from "node:test";

import { kRankColours, starPoints, trajectoryPoints } from "./trajectory.mjs";

const margin = { left: 10, top: 20, right: 30, bottom: 40 };

test("slot 1 at the top, slot 32 at the bottom, the basho from the left", () => {
  const rows = [
    { seq: 1, slot: 1, rank: 1, champion: true },
    { seq: 2, slot: 32, rank: 5, champion: false },
    { seq: 3, slot: 16, rank: 9, champion: false },
  ];
  const { points } = trajectoryPoints(rows, 440, 380, margin);
  assert.ok(points[0].y < points[2].y && points[2].y < points[1].y);
  assert.ok(points[0].x < points[1].x && points[1].x < points[2].x);
  assert.ok(points[0].y >= margin.top && points[1].y <= 380 - margin.bottom);
  assert.ok(points[2].x <= 440 - margin.right);
  assert.deepEqual(points.map((p) => p.colour), [kRankColours[0], kRankColours[4], "#999999"]);
  assert.deepEqual(points.map((p) => p.champion), [true, false, false]);
});

test("a slot outside the banzuke is drawn at its edge", () => {
  const { points } = trajectoryPoints([{ seq: 1, slot: 0, rank: 1 }, { seq: 2, slot: 40, rank: 5 }], 100, 100,
    { left: 0, top: 0, right: 0, bottom: 0 });
  assert.equal(points[0].y, 0.5 / 32 * 100);
  assert.equal(points[1].y, 31.5 / 32 * 100);
});

test("the basho axis's ticks: every basho up to 10, by 5 up to 50, by 10 beyond", () => {
  const rows = (n) => Array.from({ length: n }, (_, i) => ({ seq: i + 1, slot: 10, rank: 5 }));
  for (const [n, step] of [[1, 1], [10, 1], [11, 5], [50, 5], [51, 10]]) {
    const { ticks } = trajectoryPoints(rows(n), 400, 200, margin);
    assert.equal(ticks[1].seq - ticks[0].seq, step, `${n} basho`);
    assert.ok(ticks.at(-1).seq <= Math.max(2, n + 1));
  }
});

test("a star has ten corners, alternately on the outer and the inner circle", () => {
  const corners = starPoints(50, 50, 10);
  assert.equal(corners.length, 10);
  const radii = corners.map(([x, y]) => Math.hypot(x - 50, y - 50));
  radii.forEach((r, i) => assert.ok(Math.abs(r - (i % 2 === 0 ? 10 : 4.5)) < 1e-9));
  assert.ok(Math.abs(corners[0][0] - 50) < 1e-9 && corners[0][1] === 40); // the top point first
});
