// The browser test's hooks into the page (tests/web/play_test.py injects this
// module; build/web/ does not ship it). It imports the page's own modules by
// their addresses, so it shares their instances, and offers window.kelmarTest:
//   firstPictures   digests of the board at the first wait of the first day
//                   (a film or the tactic window) and of the first evening chart
//   canvasDigest    the digest of a canvas ("Image2", "Image1", "Chart")
//   pictureDigest   the digest of NAME.bmp in the core's game folder
//   pixelsDigest    the digest of the pixels of NAME (a bitmap of the game
//                   folder) as the core reads them, as a canvas's
//   titleDigest     the digest of the home's title picture as shown
//   importFile, keepGameFile, keptFile, readGameFile, scaleFactor   the page's own
//   bashoRunning    whether a basho runs
//   readyAt         when the page was ready (ms of performance.now())
// A digest is FNV-1a: of a canvas its R, G, B bytes row after row, of a file
// its bytes.
import { gamePicture, readGameFile, runningBasho } from "../core.mjs";
import { face } from "../moments.mjs";
import { canvasOf } from "../pictures.mjs";
import { importFile, keepGameFile } from "../saves.mjs";
import { scaleFactor } from "../scaling.mjs";
import { keptFile } from "../storage.mjs";

function fnv1a(bytes, step = 1, take = 1) {
  let h = 0x811c9dc5;
  for (let i = 0; i < bytes.length; i += step)
    for (let k = 0; k < take; ++k) h = Math.imul(h ^ bytes[i + k], 0x01000193) >>> 0;
  return h;
}

const digestOf = (c) => fnv1a(c.getContext("2d").getImageData(0, 0, c.width, c.height).data, 4, 3);
const canvasDigest = (target) => digestOf(canvasOf(target));
const titleDigest = () => digestOf(document.querySelector('[data-name="TitlePicture"]'));

function pixelsDigest(name) {
  const picture = gamePicture(name);
  return picture ? fnv1a(picture.rgba, 4, 3) : null;
}

function pictureDigest(name) {
  const bytes = readGameFile(name + ".bmp");
  return bytes ? fnv1a(bytes) : null;
}

// The moments watched: each of the face's methods wrapped, as the core calls
// them by name at every moment.
const firstPictures = {};
let dayBegun = false;
function watch(moment, before) {
  const inner = face[moment];
  face[moment] = (...args) => {
    before();
    return inner(...args);
  };
}
watch("dayBegins", () => (dayBegun = true));
for (const wait of ["runFilm", "askTactic"])
  watch(wait, () => {
    if (dayBegun && !("board" in firstPictures)) firstPictures.board = canvasDigest("Image2");
  });
watch("dailyChart", () => {
  if (!("chart" in firstPictures)) firstPictures.chart = canvasDigest("Chart");
});

const ready = performance.getEntriesByName("kelmar-ready")[0];
window.kelmarTest = {
  firstPictures,
  canvasDigest,
  pictureDigest,
  pixelsDigest,
  titleDigest,
  importFile,
  keepGameFile,
  keptFile,
  readGameFile,
  bashoRunning: () => runningBasho() !== null,
  scaleFactor,
  readyAt: ready ? ready.startTime : null,
};
