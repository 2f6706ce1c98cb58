// Appended to the core module's glue (--post-js), inside its scope.
//
// Module.atOnce(call): runs `call`, a call of the core's functions that does
// not wait, while a basho may wait for the player. Emscripten 3.1.6's embind
// takes any function called while a wait is pending for a part of that wait:
// it hands back a promise for the wait's end instead of the value, and in
// doing so takes over the promise of the basho's own call. Asyncify keeps the
// pending wait in Asyncify.currData; it is set aside for the call, which then
// returns its value as when nothing waits. A call that began a wait of its
// own would break the basho: it is an error.
Module["atOnce"] = function (call) {
  var pending = Asyncify.currData;
  Asyncify.currData = null;
  var began;
  try {
    return call();
  } finally {
    began = Asyncify.currData !== null;
    Asyncify.currData = pending;
    if (began) throw new Error("a call of the core that returns at once waited");
  }
};
