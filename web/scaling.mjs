// The page's scale: the stage (the main window and room for the chart below
// it) in whole-number factors wherever the board fits, and below its width
// (430 px, a phone's) a smooth fit, so that the whole board shows without
// sideways scrolling.

export const kStageWidth = 430;
export const kStageHeight = 346;

export function scaleFactor(width, height) {
  if (width < kStageWidth) return width / kStageWidth;
  return Math.max(1, Math.floor(Math.min(width / kStageWidth, height / kStageHeight)));
}

// Scales #stage within #frame to the window, now and on every resize; whole
// factors keep the pictures' pixels sharp.
export function fitStage(doc = document, win = window) {
  const frame = doc.getElementById("frame");
  const stage = doc.getElementById("stage");
  const rescale = () => {
    const f = scaleFactor(doc.documentElement.clientWidth, win.innerHeight);
    stage.style.transform = `scale(${f})`;
    frame.style.width = Math.floor(kStageWidth * f) + "px";
    frame.style.height = Math.ceil(kStageHeight * f) + "px";
    stage.dataset.scale = String(f);
    for (const c of doc.querySelectorAll("canvas"))
      c.style.imageRendering = Number.isInteger(f) ? "pixelated" : "auto";
  };
  win.addEventListener("resize", rescale);
  rescale();
}
