// The record test's hooks into the page (tests/web/record_test.py injects
// this module beside hooks.mjs; build/web/ does not ship it): the page's own
// functions of the career record as window.kelmarRecord.
//   kept()          the kept store's bytes as an array, or null
//   settled()       every write of the store kept
//   importRecord    the page's import of a store, of bytes
//   keep()          the store kept now, as after a write
//   card()          the last card as {width, height, colours, bytes}: its PNG's
//                   size and header bytes, and the distinct colours it holds
//   timed(work)     the milliseconds of `work` of this module's names
import { lastCard } from "../card.mjs";
import * as core from "../core.mjs";
import { importRecord, keepRecord, recordKept } from "../record_store.mjs";
import { keptFile } from "../storage.mjs";

async function kept() {
  const bytes = await keptFile("Kelmar.db");
  return bytes ? Array.from(bytes) : null;
}

async function card() {
  const blob = await lastCard();
  if (!blob) return null;
  const bytes = new Uint8Array(await blob.arrayBuffer());
  const bitmap = await createImageBitmap(blob);
  const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
  const context = canvas.getContext("2d");
  context.drawImage(bitmap, 0, 0);
  const pixels = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
  const colours = new Set();
  for (let i = 0; i < pixels.length; i += 4) colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
  return { width: bitmap.width, height: bitmap.height, colours: colours.size, head: Array.from(bytes.slice(0, 24)) };
}

window.kelmarRecord = {
  kept,
  settled: () => recordKept(),
  keep: () => keepRecord(),
  importRecord: (bytes) => importRecord(new Blob([new Uint8Array(bytes)])),
  card,
  core,
};
