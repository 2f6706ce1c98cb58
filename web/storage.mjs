// The browser's storage of what the game keeps: its files (the saved game
// Kelmar.ini and the top ten Rank.txt, with the bytes the game wrote) in
// IndexedDB, the database "kelmar" of the page's address; and the film's
// pace, an option beside the game, in local storage.

const kDatabase = "kelmar";
const kFiles = "files";
const kPaceKey = "kelmar.filmPace";

let store = null;

// Opens the database; without it (refused, or a private window that has
// none) the game plays on and keeps nothing, and this rejects.
export function openStore(factory = globalThis.indexedDB) {
  store = null;
  return new Promise((resolve, reject) => {
    if (!factory) {
      reject(new Error("no IndexedDB"));
      return;
    }
    const request = factory.open(kDatabase, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(kFiles);
    request.onsuccess = () => {
      store = request.result;
      resolve();
    };
    request.onerror = () => reject(request.error);
  });
}

function inStore(mode, work) {
  if (!store) return Promise.resolve(undefined);
  return new Promise((resolve, reject) => {
    const tx = store.transaction(kFiles, mode);
    const request = work(tx.objectStore(kFiles));
    tx.oncomplete = () => resolve(request.result);
    tx.onerror = () => reject(tx.error);
    tx.onabort = () => reject(tx.error);
  });
}

// The bytes kept under this name, or undefined.
export const keptFile = (name) => inStore("readonly", (files) => files.get(name));
export const keepFile = (name, bytes) => inStore("readwrite", (files) => files.put(bytes, name));

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
