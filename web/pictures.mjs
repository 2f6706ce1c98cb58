// The pictures. The game's bitmaps come as their own bytes, gzipped; at the
// start each is inflated into the game folder, and the core composes the day
// card, the lamps, the films and the chart from those files as on the
// desktop (canvas/). The page only shows the RGBA pixels the core hands back.
import * as core from "./core.mjs";
import { inWindow } from "./windows.mjs";

const kCanvases = {
  Image2: () => inWindow("frmKelmar", "Image2"), // the board
  Image1: () => inWindow("frmKelmar", "Image1"), // the film
  Chart: () => inWindow("frmStage", "Image1"),
};

export const canvasOf = (target) => kCanvases[target]();

export function showPixels(target, rgba, width, height) {
  const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
  canvasOf(target).getContext("2d").putImageData(new ImageData(pixels, width, height), 0, 0);
}

// The bytes of a gzipped file. A server that declares the file's encoding
// has let the browser inflate it already: a bitmap begins with "BM".
async function inflated(response) {
  const bytes = new Uint8Array(await response.arrayBuffer());
  if (bytes[0] === 0x42 && bytes[1] === 0x4d) return bytes;
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// Every bitmap the core names into the game folder. One that cannot be
// fetched stays missing there: the core reports it where the desktop would.
export async function bringPictures() {
  await Promise.all(core.pictureFiles().map(async (name) => {
    try {
      const response = await fetch("pictures/" + encodeURIComponent(name) + ".bmp.gz");
      if (response.ok) core.writeGameFile(name + ".bmp", await inflated(response));
    } catch (e) {
      console.warn(`${name}.bmp: ${e && e.message ? e.message : e}`);
    }
  }));
}
