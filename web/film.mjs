// Timer1: while a bout's film runs, the page's timer ticks the core at the
// chosen pace, shows or hides Image1 as each step says, and ends the film's
// wait when the core says the film has ended. A pause stops the timer.
import * as core from "./core.mjs";
import { showFilm } from "./main_window.mjs";

// Timer1's interval at the standard pace, as the desktop's.
const kStandardTickMs = 300;

let pace = "standard";
let timer = null;
let ended = null; // ends the film's wait

function tick() {
  const step = core.tick();
  if (step.show) showFilm(true);
  if (step.hide) showFilm(false);
  if (!core.filmRuns()) end();
}

function start() {
  stop();
  timer = setInterval(tick, core.tickInterval(pace, kStandardTickMs));
}

function stop() {
  if (timer !== null) clearInterval(timer);
  timer = null;
}

// The film's wait: settles when the film has ended (or the game quits).
export function runFilm() {
  return new Promise((resolve) => {
    ended = resolve;
    if (!core.pauseHolds()) start();
  });
}

export function end() {
  stop();
  const resolve = ended;
  ended = null;
  if (resolve) resolve();
}

export function pause() {
  stop();
}

// After a pause: a film that waits goes on.
export function goOn() {
  if (ended) start();
}

// The pace by its name among the core's paces; a running film takes it at once.
export function setPace(name) {
  pace = name;
  if (timer !== null) start();
}
