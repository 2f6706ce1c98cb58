// The face the core shows itself through: one method per moment of the game
// (the seam of core/state/frontend.h), called by the core with the page's
// texts. A wait returns a promise that settles with the player's answer; the
// rest return at once.
import * as dialogs from "./dialogs.mjs";
import { runFilm } from "./film.mjs";
import { clearBout, setLabel, showBout, showMainView } from "./main_window.mjs";
import { showPixels } from "./pictures.mjs";
import { keepGameFile } from "./saves.mjs";
import { showError } from "./windows.mjs";

export const face = {
  // What the main window shows around the board: the core's MainView.
  show: (view) => showMainView(view),
  dayBegins: (caption) => setLabel("lblBasyo", caption),
  boutBegins: (east, eastPlayer, west, westPlayer) => showBout(east, eastPlayer, west, westPlayer),
  dayEnds: () => clearBout(),
  showPixels: (canvas, rgba, width, height) => showPixels(canvas, rgba, width, height),
  showError: (message) => showError(message),
  // The core wrote this file of the game folder: the browser keeps it.
  fileWritten: (name) => keepGameFile(name),

  newspaper: (page) => dialogs.newspaper(page),
  askTactic: (name, age) => dialogs.askTactic(name, age),
  report: (label3, label1, label2, label4) => dialogs.report([label3, label1, label2, label4]),
  runFilm: () => runFilm(),
  paused: () => dialogs.paused(),
  dailyChart: (refusal) => dialogs.dailyChart(refusal),
  askName: (caption, prompt, preset) => dialogs.askName(caption, prompt, preset),
};
