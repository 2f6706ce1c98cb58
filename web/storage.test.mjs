import assert from "node:assert/strict";
import { test } from "node:test";

import {
  askToPersist, keepFile, keepPace, keptFile, keptPace, openStore, persistenceState, readPersistence, stopWriting,
} from "./storage.mjs";

// A browser's IndexedDB as far as the page uses it: databases of object
// stores kept across openings, requests answered after the call returns, a
// write refused in a read-only transaction, and a store that can be made to
// fail its transactions.
function fakeIndexedDB({ refuseOpen = false } = {}) {
  const databases = new Map();
  const later = (f) => setTimeout(f, 0);
  const factory = {
    upgrades: 0,
    failing: false,
    closed: false, // the browser closed the connection (storage cleared)
    open(name) {
      const request = {};
      later(() => {
        if (refuseOpen) {
          request.error = new Error("refused");
          request.onerror();
          return;
        }
        const isNew = !databases.has(name);
        if (isNew) databases.set(name, new Map());
        const stores = databases.get(name);
        request.result = {
          createObjectStore: (store) => stores.set(store, new Map()),
          transaction(store, mode) {
            if (factory.closed) {
              factory.closed = false;
              throw Object.assign(new Error("The database connection is closing."), { name: "InvalidStateError" });
            }
            const data = stores.get(store);
            const tx = {};
            const ask = (work) => {
              const r = {};
              later(() => {
                if (factory.failing) {
                  tx.error = new Error("quota");
                  tx.onerror();
                  return;
                }
                r.result = work();
                tx.oncomplete();
              });
              return r;
            };
            tx.objectStore = () => ({
              get: (key) => ask(() => data.get(key)),
              put(value, key) {
                if (mode !== "readwrite") throw new Error("ReadOnlyError");
                return ask(() => data.set(key, value));
              },
            });
            return tx;
          },
        };
        if (isNew) {
          ++factory.upgrades;
          request.onupgradeneeded();
        }
        request.onsuccess();
      });
      return request;
    },
  };
  return factory;
}

test("a kept file comes back with its bytes, across openings; the store is made once", async () => {
  const idb = fakeIndexedDB();
  await openStore(idb);
  const save = new Uint8Array([0x5b, 0x57, 0x72, 0x65, 0x73, 0x5d, 0x0d, 0x0a]);
  await keepFile("Kelmar.ini", save);
  assert.deepEqual(await keptFile("Kelmar.ini"), save);
  assert.equal(await keptFile("Rank.txt"), undefined);
  await openStore(idb);
  assert.deepEqual(await keptFile("Kelmar.ini"), save);
  assert.equal(idb.upgrades, 1);
});

test("a failed write is reported to the caller", async () => {
  const idb = fakeIndexedDB();
  await openStore(idb);
  idb.failing = true;
  await assert.rejects(keepFile("Rank.txt", new Uint8Array([1])), /quota/);
  await assert.rejects(keptFile("Rank.txt"), /quota/);
});

test("without the browser's storage nothing is kept, a write is refused as such, and the game plays on", async () => {
  for (const idb of [fakeIndexedDB({ refuseOpen: true }), null]) {
    await assert.rejects(openStore(idb));
    await assert.rejects(keepFile("Kelmar.ini", new Uint8Array([1])), { name: "NoStoreError" });
    assert.equal(await keptFile("Kelmar.ini"), undefined);
  }
});

test("a connection the browser closed is opened again for the next write", async () => {
  const idb = fakeIndexedDB();
  await openStore(idb);
  idb.closed = true;
  assert.equal(await keepFile("Kelmar.ini", new Uint8Array([7])), true);
  assert.deepEqual(await keptFile("Kelmar.ini"), new Uint8Array([7]));
});

test("the film's pace is kept by its name, and a refused local storage keeps none", () => {
  const kept = new Map();
  const local = { getItem: (k) => (kept.has(k) ? kept.get(k) : null), setItem: (k, v) => kept.set(k, v) };
  assert.equal(keptPace(local), null);
  keepPace("veryFast", local);
  assert.equal(keptPace(local), "veryFast");
  const refusing = {
    getItem() {
      throw new Error("SecurityError");
    },
    setItem() {
      throw new Error("SecurityError");
    },
  };
  assert.equal(keptPace(refusing), null);
  assert.doesNotThrow(() => keepPace("fast", refusing));
});

test("persist() is asked once, at the first write of a kept save, and its answer kept", async () => {
  const asked = [];
  const storage = (granted) => ({
    persist: async () => (asked.push(granted), granted),
    persisted: async () => false,
  });
  assert.equal(persistenceState(), "unasked");
  assert.equal(await readPersistence(storage(true)), "unasked");
  assert.equal(await askToPersist(storage(false)), "refused");
  assert.equal(await askToPersist(storage(true)), "refused");
  assert.deepEqual(asked, [false]);
  assert.equal(persistenceState(), "refused");
});

test("once the game has gone to another tab, nothing more is written", async () => {
  const idb = fakeIndexedDB();
  await openStore(idb);
  await keepFile("Kelmar.ini", new Uint8Array([1]));
  stopWriting();
  assert.equal(await keepFile("Kelmar.ini", new Uint8Array([2])), false);
  assert.deepEqual(await keptFile("Kelmar.ini"), new Uint8Array([1]));
});
