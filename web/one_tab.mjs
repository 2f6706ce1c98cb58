// One tab plays at a time: the tab that plays holds the lock "kelmar-game"
// of the Web Locks API for as long as it lives. A tab that finds it held
// plays only once its player takes the game over; the tab that held it
// learns at once that the game went elsewhere. Where the browser has no Web
// Locks (outside a secure context) every tab plays, as before.

export const kLockName = "kelmar-game";

const forever = () => new Promise(() => {});

// Asks for the lock: "held" when this tab has it now, "elsewhere" when
// another tab holds it, "none" without Web Locks. `lost()` is called when
// a later tab takes the lock away.
export function claimGame(lost, locks = globalThis.navigator && navigator.locks) {
  if (!locks) return Promise.resolve("none");
  return new Promise((resolve) => {
    locks
      .request(kLockName, { ifAvailable: true }, (lock) => {
        if (!lock) {
          resolve("elsewhere");
          return undefined;
        }
        resolve("held");
        return forever();
      })
      .catch(() => lost());
  });
}

// Takes the lock from the tab that holds it; resolves when this tab has it.
// `lost()` as for claimGame.
export function takeOver(lost, locks = globalThis.navigator && navigator.locks) {
  return new Promise((resolve) => {
    locks
      .request(kLockName, { steal: true }, () => {
        resolve();
        return forever();
      })
      .catch(() => lost());
  });
}
