// Saldino's service worker: after the first visit the whole edition is kept
// in the browser's cache, so that the page opens and works without the
// network. Each build has its own cache; a new build waits until the page
// agrees to reload ("Eine neue Version von Saldino ist da. Neu laden?"), so
// that nothing changes in the middle of a lesson.
const version = "@SALDINO_WEB_VERSION@";
const cachename = `saldino-${version}`;
const dateien = [@SALDINO_WEB_DATEIEN@];
// Beside the pages when the server has it; the edition works without it.
const beiwerk = ["Anleitung.pdf"];

self.addEventListener("install", (ereignis) => {
  ereignis.waitUntil(
    caches.open(cachename).then(async (cache) => {
      // From the server itself, never from the browser's HTTP cache: a new
      // version must not mix with files of the old one.
      const frisch = (datei) => new Request(datei, { cache: "reload" });
      await cache.addAll(["./", ...dateien].map(frisch));
      await Promise.all(beiwerk.map((datei) => cache.add(frisch(datei)).catch(() => undefined)));
    }),
  );
});

self.addEventListener("activate", (ereignis) => {
  ereignis.waitUntil(
    caches
      .keys()
      .then((namen) =>
        Promise.all(namen.filter((n) => n.startsWith("saldino-") && n !== cachename).map((n) => caches.delete(n))),
      )
      .then(() => self.clients.claim()),
  );
});

// The page's answer "Ja": the waiting version takes over.
self.addEventListener("message", (ereignis) => {
  if (ereignis.data === "uebernehmen") {
    self.skipWaiting();
  }
});

// The edition's own files from the cache; anything else from the network.
// A HEAD request ("Hilfe" asks whether the manual is there) is answered from
// the cached file without its body.
self.addEventListener("fetch", (ereignis) => {
  const anfrage = ereignis.request;
  if (new URL(anfrage.url).origin !== self.location.origin || !["GET", "HEAD"].includes(anfrage.method)) {
    return;
  }
  ereignis.respondWith(
    caches.open(cachename).then(async (cache) => {
      const gefunden = await cache.match(anfrage, { ignoreMethod: true, ignoreSearch: true });
      if (gefunden) {
        return anfrage.method === "HEAD"
          ? new Response(null, { status: gefunden.status, headers: gefunden.headers })
          : gefunden;
      }
      return fetch(anfrage);
    }),
  );
});
