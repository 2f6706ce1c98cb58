// The page's scale: the stage (the main window and room for the chart below
// it) in whole-number factors wherever the board fits, and below its width
// (430 px, a phone's) a smooth fit, so that the whole board shows without
// sideways scrolling. On a phone (phone.mjs) the board fills the width and
// the window of the moment has the space below it, or beside it when the
// phone lies on its side.

export const kStageWidth = 430;
export const kStageHeight = 346;
// The main window's height and its menu bar's, which a phone shows behind
// one button instead.
export const kMainHeight = 344;
export const kMenuBarHeight = 20;
// The tallest window of the moment: the chart, with the phone's caption and
// button of 44 px.
export const kMomentHeight = 421;
// The phone's bar with the menu's button, in CSS pixels: above the board, or
// at its left side in landscape.
export const kPhoneBar = 48;

export function scaleFactor(width, height) {
  if (width < kStageWidth) return width / kStageWidth;
  return Math.max(1, Math.floor(Math.min(width / kStageWidth, height / kStageHeight)));
}

// Whether the window takes the phone layout: under 600 px wide, or its
// shorter side under 600 px with a coarse pointer (a phone on its side).
export const isPhone = (width, height, coarse) => width < 600 || (coarse && Math.min(width, height) < 600);

// The phone layout of a window of this size (CSS px): the stage's scale; the
// board beside the window of the moment or above it; and where that window
// goes, in the stage's pixels. Its height is the rest of the screen, at least
// the tallest window's, for the windows that fill it (the record's).
export function phoneLayout(width, height) {
  if (width > height) {
    const scale = Math.min((width - kPhoneBar) / (2 * kStageWidth), height / kMomentHeight);
    const tall = Math.max(kMomentHeight, Math.floor(height / scale));
    return { scale, beside: true, moment: { left: kStageWidth, top: kMenuBarHeight, width: kStageWidth, height: tall } };
  }
  const scale = width / kStageWidth;
  const tall = Math.max(kMomentHeight, Math.floor((height - kPhoneBar) / scale) - (kMainHeight - kMenuBarHeight));
  return { scale, beside: false, moment: { left: 0, top: kMainHeight, width: kStageWidth, height: tall } };
}

// Scales #stage within #frame to the window, now and on every resize; whole
// factors keep the pictures' pixels sharp. `phone` (phone.mjs) takes the
// phone layout when it returns one.
export function fitStage(doc = document, win = window, phone = () => null) {
  const frame = doc.getElementById("frame");
  const stage = doc.getElementById("stage");
  const rescale = () => {
    const layout = phone();
    const f = layout ? layout.scale : scaleFactor(doc.documentElement.clientWidth, win.innerHeight);
    // On a phone the menu bar's strip goes, and the window of the moment
    // has its place in the frame.
    const lift = layout ? kMenuBarHeight : 0;
    stage.style.transform = `scale(${f})` + (lift ? ` translateY(${-lift}px)` : "");
    const wide = layout && layout.beside ? 2 * kStageWidth : kStageWidth;
    const tall = layout ? (layout.beside ? 0 : kMainHeight - lift) + layout.moment.height : kStageHeight;
    frame.style.width = Math.floor(wide * f) + "px";
    frame.style.height = Math.ceil(tall * f) + "px";
    stage.dataset.scale = String(f);
    stage.style.setProperty("--f", String(f));
    if (layout) stage.style.setProperty("--moment-height", layout.moment.height + "px");
    for (const c of doc.querySelectorAll("canvas"))
      c.style.imageRendering = Number.isInteger(f) ? "pixelated" : "auto";
  };
  win.addEventListener("resize", rescale);
  rescale();
  return rescale;
}
