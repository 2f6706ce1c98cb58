// The page as an installed app: its service worker (sw.js, built by
// web/precache.cmake), registered once New game is usable, so that the
// precache costs the first start nothing; and a new version, offered to the
// player between two basho and otherwise taken at the next start.
import * as core from "./core.mjs";
import { closeWindow, inWindow, openWindow } from "./windows.mjs";

// What the about box says of the app: "offline" (the worker controls the
// page), "installing", "waiting" (a new version waits), "none" (no worker:
// outside a secure context or without the API).
let state = "none";
export const appState = () => state;

// The browser grants a worker only in a secure context (https, localhost).
export const secure = () => Boolean(globalThis.isSecureContext);

function offerNewVersion(registration) {
  state = "waiting";
  const offer = () => {
    if (core.runningBasho()) {
      core.runningBasho().finally(offer);
      return;
    }
    openWindow("frmUpdate", true, "UpdateNow");
  };
  inWindow("frmUpdate", "UpdateNow").onclick = () => {
    closeWindow("frmUpdate");
    navigator.serviceWorker.addEventListener("controllerchange", () => location.reload(), { once: true });
    registration.waiting.postMessage("takeNewVersion");
  };
  inWindow("frmUpdate", "UpdateLater").onclick = () => closeWindow("frmUpdate");
  offer();
}

// A worker that has installed while a version controls the page is a new
// version; the first install is no news.
function watch(registration) {
  const installed = (worker) => worker.state === "installed" && navigator.serviceWorker.controller;
  if (registration.waiting && navigator.serviceWorker.controller) offerNewVersion(registration);
  registration.addEventListener("updatefound", () => {
    const worker = registration.installing;
    if (state !== "offline") state = "installing";
    worker.addEventListener("statechange", () => {
      if (installed(worker)) offerNewVersion(registration);
      else if (worker.state === "activated" && state === "installing") state = "offline";
    });
  });
}

export async function registerWorker() {
  if (!secure() || !("serviceWorker" in navigator)) return;
  if (navigator.serviceWorker.controller) state = "offline";
  try {
    watch(await navigator.serviceWorker.register("sw.js"));
  } catch (e) {
    console.warn(`sw.js: ${e && e.message ? e.message : e}`);
  }
}
