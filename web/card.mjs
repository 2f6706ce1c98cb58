// 力士カード: the card of a career as a PNG, drawn in a canvas from the layout
// the core composes (record/career_card.h) with the game's title picture and
// the page's fonts; shared where the browser shares files, else downloaded.
import * as core from "./core.mjs";
import { starPoints } from "./trajectory.mjs";
import { showError } from "./windows.mjs";
import { tr } from "./language.mjs";

let last = null; // the promise of the last card's PNG

const font = (size, bold) =>
  `${bold ? "bold " : ""}${size}px ${getComputedStyle(document.body).getPropertyValue("--gothic")}`;

function drawTitle(context, rect) {
  const title = core.gamePicture(core.titlePicture());
  if (!title) return;
  const picture = document.createElement("canvas");
  picture.width = title.width;
  picture.height = title.height;
  const pixels = new Uint8ClampedArray(title.rgba.buffer, title.rgba.byteOffset, title.rgba.length);
  picture.getContext("2d").putImageData(new ImageData(pixels, title.width, title.height), 0, 0);
  context.drawImage(picture, rect.left, rect.top, rect.width, rect.height);
}

function drawTrajectory(context, card) {
  const frame = card.trajectory;
  context.fillStyle = "#fff";
  context.fillRect(frame.left, frame.top, frame.width, frame.height);
  context.strokeStyle = card.border;
  context.lineWidth = 1;
  context.strokeRect(frame.left + 0.5, frame.top + 0.5, frame.width - 1, frame.height - 1);
  context.strokeStyle = card.line;
  context.beginPath();
  card.points.forEach((p, i) => (i === 0 ? context.moveTo(p.x, p.y) : context.lineTo(p.x, p.y)));
  context.stroke();
  const radius = card.points.length > 60 ? 2 : 3;
  for (const p of card.points) {
    context.fillStyle = p.colour;
    context.beginPath();
    context.arc(p.x, p.y, radius, 0, 2 * Math.PI);
    context.fill();
  }
  for (const p of card.points.filter((q) => q.champion)) {
    context.fillStyle = card.star;
    context.strokeStyle = "#806000";
    context.beginPath();
    starPoints(p.x, p.y, 7).forEach(([x, y], i) => (i === 0 ? context.moveTo(x, y) : context.lineTo(x, y)));
    context.closePath();
    context.fill();
    context.stroke();
  }
}

// The card's canvas for a layout of the core.
export function drawCard(card) {
  const canvas = document.createElement("canvas");
  canvas.width = card.width;
  canvas.height = card.height;
  const context = canvas.getContext("2d");
  context.fillStyle = card.paper;
  context.fillRect(0, 0, card.width, card.height);
  context.strokeStyle = card.border;
  context.lineWidth = card.borderWidth;
  context.strokeRect(card.borderWidth / 2, card.borderWidth / 2,
    card.width - card.borderWidth, card.height - card.borderWidth);
  drawTitle(context, card.title);
  drawTrajectory(context, card);
  for (const t of card.texts) {
    context.font = font(t.size, t.bold);
    context.fillStyle = t.colour;
    context.fillText(t.text, t.x, t.y);
  }
  return canvas;
}

async function offer(blob, name) {
  const file = new File([blob], name, { type: "image/png" });
  if (navigator.canShare && navigator.canShare({ files: [file] })) {
    try {
      await navigator.share({ files: [file], title: name });
      return;
    } catch (e) {
      if (e && e.name === "AbortError") return;
    }
  }
  const a = document.createElement("a");
  a.href = URL.createObjectURL(blob);
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// KCard: the card of the career that 力士の記録 shows.
export function makeCard(career) {
  const card = career ? core.careerCard(career.summary.career) : null;
  if (!card) {
    showError(tr("カードにする記録がまだありません。"));
    return;
  }
  const canvas = drawCard(card);
  last = new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
  last.then((blob) => blob && offer(blob, `${card.shikona || "kelmar"}.png`));
}

// The last card's PNG, or null.
export const lastCard = () => last;
