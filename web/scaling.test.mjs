import assert from "node:assert/strict";
import { test } from "node:test";

import {
  isPhone, kMainHeight, kMenuBarHeight, kMomentHeight, kPhoneBar, kStageHeight, kStageWidth, phoneLayout, scaleFactor,
} from "./scaling.mjs";

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

test("the phone layout under 600 px wide, or a shorter side under 600 px with a coarse pointer", () => {
  const cases = [
    // width, height, coarse, phone
    [390, 844, true, true],
    [390, 844, false, true],
    [599, 1000, false, true],
    [600, 1000, false, false],
    [844, 390, true, true],
    [844, 390, false, false],
    [1366, 599, true, true],
    [1366, 768, true, false],
    [1366, 768, false, false],
  ];
  for (const [width, height, coarse, phone] of cases)
    assert.equal(isPhone(width, height, coarse), phone, `${width} x ${height}, coarse ${coarse}`);
});

test("on a phone the board fills the width, the window of the moment below it, or beside it on its side", () => {
  const portrait = phoneLayout(390, 844);
  assert.equal(portrait.scale, 390 / kStageWidth);
  assert.equal(portrait.beside, false);
  const { height: below, ...place } = portrait.moment;
  assert.deepEqual(place, { left: 0, top: kMainHeight, width: kStageWidth });
  // Below the bar and the board's 324 pixels, the window of the moment has
  // the rest of the screen to the pixel, more than the tallest window.
  const shown = kPhoneBar + (kMainHeight - kMenuBarHeight + below) * portrait.scale;
  assert.ok(shown <= 844 && shown > 844 - portrait.scale, `${shown}`);
  assert.ok(below > kMomentHeight);

  const landscape = phoneLayout(844, 390);
  assert.equal(landscape.beside, true);
  const { height: beside, ...room } = landscape.moment;
  assert.deepEqual(room, { left: kStageWidth, top: kMenuBarHeight, width: kStageWidth });
  assert.ok(beside >= kMomentHeight && beside * landscape.scale <= 390);
  // The bar, the board and the window side by side within the width; the
  // tallest window within the height.
  assert.ok(kPhoneBar + 2 * kStageWidth * landscape.scale <= 844);
  assert.ok(kMomentHeight * landscape.scale <= 390 + 1e-9);
  assert.ok(Math.abs(landscape.scale - (844 - kPhoneBar) / (2 * kStageWidth)) < 1e-12);
  // A wide, low screen: the height decides.
  const low = phoneLayout(900, 360);
  assert.ok(Math.abs(kMomentHeight * low.scale - 360) < 1e-9 && kPhoneBar + 2 * kStageWidth * low.scale < 900);
});

test("the window of the moment as tall as the screen leaves, never less than the tallest window", () => {
  const cases = [
    // width, height, the moment's height in the stage's pixels
    [390, 844, 877 - 324],
    [360, 780, Math.floor((780 - kPhoneBar) / (360 / kStageWidth)) - 324],
    [360, 640, kMomentHeight],
    [390, 600, kMomentHeight], // short: the page scrolls to the tallest window
    [844, 390, 421],
    [900, 360, kMomentHeight],
    [1000, 500, Math.floor(500 / ((1000 - kPhoneBar) / (2 * kStageWidth)))],
  ];
  for (const [width, height, tall] of cases)
    assert.equal(phoneLayout(width, height).moment.height, tall, `${width} x ${height}`);
});
