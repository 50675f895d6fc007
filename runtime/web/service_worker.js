// SPDX-License-Identifier: MIT
// Keeps the site's files, so that once opened it opens again offline: each is answered from this
// build's cache, and anything else from the network. A new build brings a cache of its own,
// named by its files' hash, and the old ones go once it takes over, the open pages with it.
const Cache = 'tenvex-@TENVEX_SITE_HASH@';
const Files = ['./', @TENVEX_SITE_FILES@];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(Cache).then(cache => cache.addAll(Files)));
});
self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(keys => Promise.all(keys.filter(key => key !== Cache).map(key => caches.delete(key))))
    .then(() => self.clients.claim()));
});
self.addEventListener('fetch', event => {
  event.respondWith(caches.match(event.request).then(kept => kept || fetch(event.request)));
});
