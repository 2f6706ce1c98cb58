// The game's core in WebAssembly (kelmar-core.mjs and its .wasm, built from
// web/*.cpp and core/): the only module that touches it. Every command of the
// player is one function here, with plain values in and out and the texts in
// UTF-8; the moments come back through the face handed to loadCore.
//
// A basho runs inside confirm() and resume(), whose promise settles when it
// has ended. While it waits for the player every other function may be
// called, and none of them waits; a second basho cannot start.
import createKelmarCore from "./kelmar-core.mjs";

const kGameFolder = "/game/";
// The scratch folder where a picked save is tried: the game folder's data
// files and pictures, and the picked file as Kelmar.ini.
const kTrialFolder = "/trial/";
const kKeptFiles = new Set(["Kelmar.ini", "Rank.txt", "Kelmar.db"]);

let core = null;
let basho = null; // the promise of the basho that runs, or null

// The core's function `name`, which returns at once, also while a basho waits
// (between_waits.js).
const call = (name, ...args) => core.atOnce(() => core[name](...args));

export async function loadCore(face) {
  core = await createKelmarCore({
    face,
    record: recordMoments,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
  });
}

// The game starts: `clock` [START, STEP] for the rules' stepped clock, or
// null for the time of day; the top ten is read when the browser keeps one.
export const start = (clock, topTenKept) =>
  call("start", clock !== null, clock ? clock[0] : 0, clock ? clock[1] : 0, topTenKept);

export const mainView = () => call("view");
// The language the core words what it hands over in: "ja" or "en".
export const setLanguage = (code) => call("setLanguage", code);
// The texts of the moments shown last, in the language now: {paper,
// tacticName, tacticAge, report, day, east, west}, or null.
export const textsShown = () => call("textsShown");
// The new-career panel in the language now: {names, name}, or null.
export const panelTexts = () => call("panelTexts");
// KN1: {names, blank} for the panel, or null after the error's message.
export const newGame = () => call("newGame");
// JuryoList's entry 1..27: {name, age, power, speed, skill}, or null.
export const pick = (entry) => call("pick", entry);
// KS1: whether Kelmar.ini was written.
export const save = () => call("save");
export const setPractice = (on) => call("setPractice", on);
export const setAnimation = (on) => call("setAnimation", on);
export const togglePause = () => call("togglePause");
export const quit = () => call("quit");
// One tick of the film: {show, hide} for Image1.
export const tick = () => call("tick");
export const filmRuns = () => call("filmRuns");
export const pauseHolds = () => call("pauseHolds");
export const bashoRunning = () => call("bashoRunning");
// KB1: whether the chart was drawn.
export const chart = () => call("chart");
export const chartTitles = () => call("chartTitles");
// The open chart drawn again from the sheet of the language now.
export const chartAgain = () => call("chartAgain");
// The title picture's file in the language now (title.bmp, title-en.bmp).
export const titlePicture = () => call("titlePicture");
// KT2: {names, scores}, ten lines each.
export const topTen = () => call("topTen");
// KP1: [{number, title, paragraphs: [[{text, link}, ...], ...]}], or null.
export const help = () => call("help");
// [{name, caption}], the standard pace first.
export const filmPaces = () => call("filmPaces");
// The pace of this name, the standard one for any other.
export const filmPaceOf = (name) => call("filmPaceOf", String(name));
export const tickInterval = (pace, standardMs) => call("tickInterval", pace, standardMs);
export const pictureFiles = () => call("pictureFiles");
export const clearBoard = () => call("clearBoard");
export const tacticAnswers = () => ({ none: core.kNoTactic, opponentReport: core.kShowOpponentReport });

// The basho that runs, as a promise, or null.
export const runningBasho = () => basho;

function runBasho(entry) {
  basho = core.ccall(entry, "number", [], [], { async: true }).finally(() => {
    basho = null;
  });
  return basho;
}

// PlayerOkButton: the confirm of a new career or 次へ, a basho run; none
// while one runs.
export function confirm() {
  return basho ? basho : runBasho("web_confirm");
}

// KO2: the saved game resumed and its basho run. While a basho runs the rules
// refuse it with their message, at once and without waiting.
export function resume() {
  if (!basho) return runBasho("web_resume");
  if (call("bashoRunning")) core._web_resume();
  return basho;
}

export function readGameFile(name) {
  try {
    return core.FS.readFile(kGameFolder + name);
  } catch {
    return null;
  }
}

export const writeGameFile = (name, bytes) => core.FS.writeFile(kGameFolder + name, bytes);

// 保存ファイルの読み込み: these bytes tried as Kelmar.ini in the scratch
// folder, up to the first bout of their basho; the game's error that refuses
// them, or null. The game folder is untouched; a file-system error throws.
export function importRefusal(bytes) {
  const fs = core.FS;
  if (!fs.analyzePath(kTrialFolder).exists) {
    fs.mkdir(kTrialFolder);
    for (const name of fs.readdir(kGameFolder))
      if (!kKeptFiles.has(name) && fs.isFile(fs.stat(kGameFolder + name).mode))
        fs.writeFile(kTrialFolder + name, fs.readFile(kGameFolder + name));
  }
  fs.writeFile(kTrialFolder + "Kelmar.ini", bytes);
  try {
    return call("importRefusal", kTrialFolder);
  } finally {
    fs.unlink(kTrialFolder + "Kelmar.ini");
  }
}

// The career record (web/record_bindings.cpp). The listener is told when the
// record has written the store, when a career begins and when one has ended
// (with its number, 0 when the record kept none).
let recordListener = null;
const recordMoments = {
  written: () => recordListener?.written(),
  careerBegins: () => recordListener?.careerBegins(),
  careerEnds: (career) => recordListener?.careerEnds(career),
};
export const listenToRecord = (listener) => (recordListener = listener);
// 歴代の力士: [{career, shikona, firstNengo, firstMonth, basho, bestRank, yusyo, wins, losses, score, retired}].
export const recordCareers = () => call("recordCareers");
// 力士の記録 of a career, 0 for the running or last one: {summary, cover, basho, rivals}, or null.
export const recordCareer = (career) => call("recordCareer", career);
// 資料館: [{code, name, careers, firstCareer, shikona, nengo, month}], name "" when none earned it.
export const recordTallies = () => call("recordTallies");
export const rankWords = () => call("rankWords");
// The home's glance at the saved game: {exists, shikona, rank, nengo, month}.
export const savedGlance = () => call("savedGlance");
// A bitmap of the game folder as {width, height, rgba}, or null.
export const gamePicture = (name) => call("gamePicture", name);
// Why this file of the game folder cannot become the record, or "".
export const storeRefusal = (name) => call("storeRefusal", name);
// The checked file becomes the record; false after the error's message.
export const takeStore = (name) => call("takeStore", name);
export const recordFailed = () => call("recordFailed");
export const openRecord = () => call("openRecord");
// 力士カード's layout for a career (0: the running or last one), or null.
export const careerCard = (career) => call("careerCard", career);
export function removeGameFile(name) {
  try {
    core.FS.unlink(kGameFolder + name);
  } catch {
    // Not there: nothing to remove.
  }
}
