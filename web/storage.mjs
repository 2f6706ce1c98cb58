// The browser's storage of what the game keeps: its files (the saved game
// Kelmar.ini and the top ten Rank.txt, with the bytes the game wrote) in
// IndexedDB, the database "kelmar" of the page's address; and the film's
// pace, an option beside the game, in local storage.

const kDatabase = "kelmar";
const kFiles = "files";
const kPaceKey = "kelmar.filmPace";

let store = null;
let opener = null; // opens the database again after the browser closed it
let writable = true;

// The error of a write where the page has no database: its name tells the
// kind of the failure (write_reports.mjs).
const noStore = () => Object.assign(new Error("no IndexedDB"), { name: "NoStoreError" });

// Opens the database; without it (refused, or a private window that has
// none) the game plays on and keeps nothing, and this rejects.
export function openStore(factory = globalThis.indexedDB) {
  store = null;
  opener = factory ? () => openStore(factory) : null;
  return new Promise((resolve, reject) => {
    if (!factory) {
      reject(noStore());
      return;
    }
    const request = factory.open(kDatabase, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(kFiles);
    request.onsuccess = () => {
      store = request.result;
      // Storage cleared under the page closes the connection.
      store.onclose = () => (store = null);
      resolve();
    };
    request.onerror = () => reject(request.error);
  });
}

function transaction(mode, work) {
  return new Promise((resolve, reject) => {
    const tx = store.transaction(kFiles, mode);
    const request = work(tx.objectStore(kFiles));
    tx.oncomplete = () => resolve(request.result);
    tx.onerror = () => reject(tx.error);
    tx.onabort = () => reject(tx.error);
  });
}

// Without a database a read finds nothing and a write is refused, after one
// more try to open it. A database that the browser closed under the page
// (its storage cleared) is opened once again; when that fails too, the
// first error stands.
async function inStore(mode, work) {
  if (!store) {
    if (mode === "readonly") return undefined;
    if (!opener) throw noStore();
    await opener().catch(() => Promise.reject(noStore()));
  }
  try {
    return await transaction(mode, work);
  } catch (e) {
    if (!e || e.name !== "InvalidStateError" || !opener) throw e;
    await opener().catch(() => Promise.reject(e));
    return transaction(mode, work);
  }
}

// The bytes kept under this name, or undefined.
export const keptFile = (name) => inStore("readonly", (files) => files.get(name));

// Kept under this name; a write the browser refuses rejects. Once the game
// has gone to another tab this tab writes nothing more, and says false.
export async function keepFile(name, bytes) {
  if (!writable) return false;
  await inStore("readwrite", (files) => files.put(bytes, name));
  return true;
}

// No more writes from this tab.
export const stopWriting = () => (writable = false);

// navigator.storage.persist(), asked once, at the first write of a kept
// save: "granted", "refused", "unasked" (no write yet) or "unavailable"
// (a browser without it, or a page outside a secure context).
let persistence = "unasked";
let asked = null;
export function askToPersist(storage = globalThis.navigator && navigator.storage) {
  if (asked) return asked;
  if (!storage || typeof storage.persist !== "function") {
    persistence = "unavailable";
    asked = Promise.resolve(persistence);
  } else {
    asked = storage.persist().then(
      (granted) => (persistence = granted ? "granted" : "refused"),
      () => (persistence = "refused"));
  }
  return asked;
}

// Whether the browser keeps the storage already (granted at an earlier
// visit), without asking.
export async function readPersistence(storage = globalThis.navigator && navigator.storage) {
  if (!storage || typeof storage.persisted !== "function") persistence = "unavailable";
  else if (!asked && (await storage.persisted().catch(() => false))) persistence = "granted";
  return persistence;
}

export const persistenceState = () => persistence;

// The pace's name as kept, or null; nothing is kept where local storage is
// refused.
export function keptPace(local = globalThis.localStorage) {
  try {
    return local.getItem(kPaceKey);
  } catch {
    return null;
  }
}

export function keepPace(name, local = globalThis.localStorage) {
  try {
    local.setItem(kPaceKey, name);
  } catch {
    // The pace holds for this visit.
  }
}
