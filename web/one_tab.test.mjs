import assert from "node:assert/strict";
import { test } from "node:test";

import { claimGame, kLockName, takeOver } from "./one_tab.mjs";

// The Web Locks API as far as the page uses it, for one lock name: held
// until the holder's promise settles, ifAvailable answered with null while
// held, steal handing the lock over at once and rejecting the former
// holder's request with an AbortError.
function fakeLocks() {
  let holder = null; // {reject}
  return {
    names: [],
    request(name, options, callback) {
      this.names.push(name);
      return new Promise((resolve, reject) => {
        if (options.ifAvailable && holder) {
          Promise.resolve(callback(null)).then(resolve);
          return;
        }
        if (options.steal && holder) {
          const former = holder;
          holder = null;
          former.reject(Object.assign(new Error("stolen"), { name: "AbortError" }));
        }
        holder = { reject };
        Promise.resolve(callback({ name })).then(resolve);
      });
    },
  };
}

const tick = () => new Promise((resolve) => setTimeout(resolve, 0));

test("the first tab holds the game, a second finds it elsewhere", async () => {
  const locks = fakeLocks();
  const lost = [];
  assert.equal(await claimGame(() => lost.push(1), locks), "held");
  assert.equal(await claimGame(() => lost.push(2), locks), "elsewhere");
  await tick();
  assert.deepEqual(lost, []);
  assert.deepEqual(locks.names, [kLockName, kLockName]);
});

test("a take-over tells the first tab at once, and can be taken back", async () => {
  const locks = fakeLocks();
  const lost = [];
  await claimGame(() => lost.push("first"), locks);
  await takeOver(() => lost.push("second"), locks);
  await tick();
  assert.deepEqual(lost, ["first"]);
  await takeOver(() => lost.push("third"), locks);
  await tick();
  assert.deepEqual(lost, ["first", "second"]);
});

test("without Web Locks every tab plays", async () => {
  assert.equal(await claimGame(() => assert.fail("lost"), null), "none");
});
