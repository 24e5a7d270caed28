// The page as an app: Chromium finds it installable, its service worker keeps the whole
// site and plays it offline, and a new build replaces the old one on the next visit.
// Usage: node install.test.js build-web/site
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const {openGame, untilFirstFrame, check, until, main} = require('./browser');

// Served from a copy, which the test turns into a new build.
const site = fs.mkdtempSync(path.join(os.tmpdir(), 'tanks-site-'));
fs.cpSync(path.resolve(process.argv[2]), site, {recursive: true});
process.on('exit', () => fs.rmSync(site, {recursive: true, force: true}));

// The caches' names, and the paths the one named holds.
const cacheNames = page => page.evaluate(() => caches.keys());
const cachedPaths = (page, name) => page.evaluate(async name => {
  const requests = await (await caches.open(name)).keys();
  return requests.map(request => new URL(request.url).pathname).sort();
}, name);
const title = page => page.evaluate(() => document.title);

// Loads the page again up to its first frame; the responses to it and the requests that
// reached the server meanwhile.
async function reload(page, server) {
  const responses = [];
  let served = 0;
  const record = response => responses.push(response);
  const count = () => ++served;
  page.on('response', record);
  server.on('request', count);
  await page.reload({waitUntil: 'load'});
  await untilFirstFrame(page);
  page.off('response', record);
  server.off('request', count);
  return {responses, served, fromWorker: responses.every(r => r.fromServiceWorker())};
}

async function installs(page) {
  // navigator.serviceWorker.ready, asked without waiting: it never settles if no worker comes.
  await until('a service worker is ready', () => page.evaluate(async () =>
    !!(await navigator.serviceWorker.getRegistration())?.active), 30);
  const session = await page.createCDPSession();
  const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
  const {errors} = await session.send('Page.getAppManifest');
  check('Chromium finds the page installable and its manifest sound',
        installabilityErrors.length === 0 && errors.length === 0,
        JSON.stringify([...installabilityErrors, ...errors]));
  await session.detach();
}

async function playsOffline(page, server) {
  const names = await cacheNames(page);
  const paths = names.length === 1 ? await cachedPaths(page, names[0]) : [];
  const files = fs.readdirSync(site).filter(name => name !== 'service-worker.js');
  const wanted = ['/', ...files.map(name => `/${name}`)].sort();
  check('one cache holds the whole site', paths.join() === wanted.join(), `${names}: ${paths.join(' ')}`);

  await reload(page, server);
  check('after one reload the worker controls the page',
        await page.evaluate(() => !!navigator.serviceWorker.controller), 'controlled');

  await page.setOfflineMode(true);
  const offline = await reload(page, server);
  check('offline, the worker answers every request', offline.fromWorker && offline.served === 0,
        `${offline.responses.length} responses, ${offline.served} requests reached the server`);
  const wasm = offline.responses.find(response => response.url().endsWith('/tanks.wasm'));
  const type = wasm && wasm.headers()['content-type'];
  check('tanks.wasm comes as application/wasm and compiles as it streams in',
        type === 'application/wasm' && (await page.evaluate(() => window.wasmStreamed)), `${type}`);

  // Paused, so that the check does not race the game's timers.
  await page.focus('#canvas');
  await page.keyboard.press('/');
  const ticks = await page.evaluate(() => Module._ticksSoFar());
  await page.keyboard.down('w');
  await page.keyboard.press('.');
  const moveDir = await page.evaluate(() => Module._playerMoveDir());
  const stepped = (await page.evaluate(() => Module._ticksSoFar())) - ticks;
  await page.keyboard.up('w');
  check('offline, "w" drives and "." steps', moveDir === 1 && stepped === 1,
        `moveDir ${moveDir}, ${stepped} ticks`);
  await page.setOfflineMode(false);
}

// A new build, as the site changes: another page, so another cache name in the worker.
async function updates(page, server) {
  const [old] = await cacheNames(page);
  const edit = (name, from, to) => {
    const file = path.join(site, name);
    fs.writeFileSync(file, fs.readFileSync(file, 'utf8').replace(from, to));
  };
  edit('index.html', '<title>tanks</title>', '<title>tanks, rebuilt</title>');
  edit('service-worker.js', /const cacheName = '[^']*'/, "const cacheName = 'tanks-rebuilt'");

  // The browser looks for the new build during this visit, or already after the last one.
  await reload(page, server);
  const found = await title(page);
  await until('the new build is installed', async () => (await cacheNames(page)).join() === 'tanks-rebuilt', 30);
  const ticks = await page.evaluate(() => Module._ticksSoFar());
  await until('the page that found it plays on', async () =>
    (await page.evaluate(() => Module._ticksSoFar())) > ticks + 2, 30);
  const next = await reload(page, server);
  const names = await cacheNames(page);
  check('the next visit plays the new build from its cache, the old cache deleted',
        (await title(page)) === 'tanks, rebuilt' && next.fromWorker && names.join() === 'tanks-rebuilt',
        `"${found}", then "${await title(page)}"; caches ${names.join(' ')} (before: ${old})`);
}

main(async (browser, url, server) => {
  // Notes whether the game's code compiled from the stream, as the browser prefers.
  const [tab] = await browser.pages();
  await tab.evaluateOnNewDocument(() => {
    const streaming = WebAssembly.instantiateStreaming;
    WebAssembly.instantiateStreaming = (...args) => streaming(...args).then(result => {
      window.wasmStreamed = true;
      return result;
    });
  });
  const {page, reports} = await openGame(browser, url);
  await installs(page);
  await playsOffline(page, server);
  await updates(page, server);
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
}, {site});
