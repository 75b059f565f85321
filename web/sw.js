// The page's service worker: it keeps every file of the build, so that the
// game plays with the network gone. worker.py writes the files in and names
// the cache after a hash of them: a new build is a new worker, which takes
// over at once and drops what the last one kept; the page it serves from the
// next visit on is the new one.
"use strict";
const BUILD = "lastrino-@HASH@", FILES = [@FILES@];

self.addEventListener("install", e => e.waitUntil(caches.open(BUILD)
  // Asked of the server again, whatever the HTTP cache holds: the worker keeps this build's files.
  .then(c => c.addAll(FILES.map(f => new Request(f, { cache: "no-cache" })))).then(() => self.skipWaiting())));

self.addEventListener("activate", e => e.waitUntil(caches.keys()
  .then(names => Promise.all(names.filter(n => n !== BUILD).map(n => caches.delete(n))))
  .then(() => self.clients.claim())));

// The page is index.html at whatever address it was opened.
self.addEventListener("fetch", e => {
  if (e.request.method !== "GET") return;
  const kept = e.request.mode === "navigate" ? "index.html" : e.request;
  e.respondWith(caches.open(BUILD).then(c => c.match(kept)).then(r => r || fetch(e.request)));
});
