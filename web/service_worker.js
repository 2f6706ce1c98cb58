// The page's service worker (built as sw.js, after the list of the page's
// files kPrecache and their version kVersion). It keeps every file of the
// page in a cache of this version, so that the game loads and plays with no
// network: at the page's address with any query (?clock=, ?lang=) it answers
// with index.html. A new version installs beside the one in use and waits;
// it is taken at the next start of the page, or when the page asks for it
// (the player agreed, between two basho).

const kCachePrefix = "kelmar-";
const kCache = kCachePrefix + kVersion;

// The cached file that answers a request of this address, or null for one
// that goes to the network as usual (another origin, a file not listed).
// `scope` is the worker's scope, `files` the listed names.
function precachedFile(scope, files, address, navigation) {
  const url = new URL(address);
  const base = new URL(scope);
  if (url.origin !== base.origin || !url.pathname.startsWith(base.pathname)) return null;
  const name = decodeURIComponent(url.pathname.slice(base.pathname.length));
  if (navigation && (name === "" || name === "index.html")) return "index.html";
  return files.includes(name) ? name : null;
}

// The caches of the page's other versions.
const stale = (names) => names.filter((n) => n.startsWith(kCachePrefix) && n !== kCache);

async function precache() {
  const cache = await caches.open(kCache);
  await Promise.all(kPrecache.map(async ([name]) => {
    const url = new URL(name, self.registration.scope);
    const response = await fetch(new Request(url, { cache: "reload" }));
    if (!response.ok) throw new Error(`${name}: ${response.status}`);
    await cache.put(url, response);
  }));
}

async function answer(request, name) {
  const cache = await caches.open(kCache);
  const kept = await cache.match(new URL(name, self.registration.scope));
  return kept || fetch(request);
}

if (typeof self !== "undefined" && self.registration) {
  self.addEventListener("install", (event) => event.waitUntil(precache()));
  self.addEventListener("activate", (event) =>
    event.waitUntil(caches.keys().then((names) => Promise.all(stale(names).map((n) => caches.delete(n))))));
  self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET") return;
    const files = kPrecache.map(([name]) => name);
    const name = precachedFile(self.registration.scope, files, request.url, request.mode === "navigate");
    if (name !== null) event.respondWith(answer(request, name));
  });
  self.addEventListener("message", (event) => {
    if (event.data === "takeNewVersion") self.skipWaiting();
  });
}
