// Serves the built site on localhost and opens it in Debian's headless Chromium, its
// Firefox ESR or its WebKitGTK; shared by the browser tests and the benchmark.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const readline = require('readline');
const puppeteer = require('puppeteer-core');
const {launchWebKit} = require('./webdriver');

const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.png': 'image/png', '.json': 'application/json',
               '.webmanifest': 'application/manifest+json'};

// A plain static server: no special headers, as any host would serve the site.
function serve(site) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(site, name === '/' ? 'index.html' : name);
    fs.readFile(file, (error, body) => {
      if (error || !file.startsWith(site)) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
      response.end(body);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// WebGL through SwiftShader, pinned; --disable-gpu is left out: it changes nothing here,
// WebGL is SwiftShader's in Chromium's GPU process either way.
const flags = [
  '--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--no-first-run', '--no-default-browser-check', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--disable-extensions', '--mute-audio',
  '--window-size=1000,1100',
];

// puppeteer keeps hidden pages at full pace; a player's browser slows their timers, and
// the game must be tested against that.
const playersBackground = ['--disable-background-timer-throttling', '--disable-renderer-backgrounding',
                           '--disable-backgrounding-occluded-windows'];

// A fresh profile each time, so nothing of an earlier run is reused.
async function launchChromium(extraArgs = []) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tanks-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', args: [...flags, ...extraArgs, `--user-data-dir=${profile}`],
    ignoreDefaultArgs: playersBackground, headless: true, timeout: 30000, protocolTimeout: 60000,
  });
  browser.process().once('exit', () => fs.rmSync(profile, {recursive: true, force: true}));
  return browser;
}

// Added to puppeteer's own: what else would reach the network, or show a first-run page,
// in Debian's Firefox ESR. Release builds ignore another remote settings server unless
// MOZ_DISABLE_NONLOCAL_CONNECTIONS is set, which is also what refuses any connection
// beyond this machine; with both, Firefox looks up no name but the page's.
const firefoxPrefs = {
  'services.settings.server': 'data:,#remote-settings-dummy/v1',
  'toolkit.telemetry.enabled': false, 'toolkit.telemetry.unified': false,
  'toolkit.telemetry.archive.enabled': false, 'toolkit.telemetry.server': '',
  'datareporting.usage.uploadEnabled': false,
  'app.update.auto': false, 'extensions.systemAddon.update.enabled': false,
  'extensions.blocklist.enabled': false,
  'app.normandy.enabled': false, 'app.shield.optoutstudies.enabled': false,
  'messaging-system.rsexperimentloader.enabled': false,
  'browser.safebrowsing.provider.google4.updateURL': '',
  'browser.safebrowsing.provider.google.updateURL': '',
  'browser.safebrowsing.provider.mozilla.updateURL': '',
  'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false,
  'dom.push.connection.enabled': false, 'network.trr.mode': 5,
  'network.dns.disablePrefetch': true, 'network.prefetch-next': false, 'network.predictor.enabled': false,
  'browser.region.network.url': '', 'browser.region.update.enabled': false,
  'browser.aboutwelcome.enabled': false, 'browser.ml.enable': false,
  'browser.translations.enable': false, 'browser.backup.enabled': false,
};

// Headed: headless Firefox offers no WebGL at all, so it draws in a window on the X display
// the tests run on (Mesa's llvmpipe). puppeteer speaks WebDriver BiDi to it.
async function launchFirefox() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tanks-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: false,
    userDataDir: profile, extraPrefsFirefox: firefoxPrefs, args: ['--width=1000', '--height=1000'],
    env: {...process.env, MOZ_DISABLE_NONLOCAL_CONNECTIONS: '1'}, timeout: 30000, protocolTimeout: 60000,
  }).catch(error => {
    fs.rmSync(profile, {recursive: true, force: true});
    throw error;
  });
  browser.process().once('exit', () => fs.rmSync(profile, {recursive: true, force: true}));
  firefoxOutput.set(browser, readline.createInterface({input: browser.process().stderr}));
  return browser;
}

const launchers = {chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit};

// Only the start of the browser itself is tried again, never anything the game does.
// extraArgs go to Chromium's command line, or WebKit's MiniBrowser's.
async function launch(name = 'chromium', extraArgs = []) {
  // Without a display Firefox exits at once; said plainly rather than as a failed start.
  if (name !== 'chromium' && !process.env.DISPLAY)
    throw new Error(`${name} draws WebGL only in a window: set DISPLAY to an X display ` +
                    '(scripts/web test starts a private Xvfb)');
  for (let attempt = 1;; ++attempt) {
    try {
      return await launchers[name](extraArgs);
    } catch (error) {
      if (attempt === 3)
        throw error;
      console.log(`${name} did not start (${error.message}); starting it again`);
    }
  }
}

// Firefox's standard error, by browser: the one place it reports the page's warnings, its
// WebGL ones among them, which WebDriver BiDi does not pass on.
const firefoxOutput = new WeakMap();

// Of what Firefox writes there, the page's own (http://127.0.0.1:port/) and what has no
// source at all, as a document's WebGL warnings have; Firefox's own scripts name theirs.
const aboutThePage = /^JavaScript (error|warning): (http:\/\/127\.0\.0\.1:\d+\/[^,]*)?, line \d+: /;

// Everything the page reports that a player's console would show.
function watchConsole(page) {
  const reports = [];
  firefoxOutput.get(page.browser())?.on('line', line => {
    if (aboutThePage.test(line))
      reports.push(`Firefox: ${line}`);
  });
  page.on('console', m => reports.push(`console ${m.type()}: ${m.text()}`));
  page.on('pageerror', e => reports.push(`page error: ${e.message}`));
  page.on('requestfailed', r => reports.push(`request failed: ${r.url()}`));
  page.on('response', r => { if (r.status() >= 400) reports.push(`HTTP ${r.status()}: ${r.url()}`); });
  return reports;
}

// The page with its first frame drawn; the time from the request to it, in ms.
// Asked from here rather than with waitForFunction: its poller inside the page now and
// then never answered although the game was drawing and ticking (about 1 launch in 20
// on a busy machine), which is what looked like a page that never drew.
async function untilFirstFrame(page) {
  const drawn = () => page.evaluate(() => !!(window.Module && Module.firstFrameAt));
  for (const deadline = Date.now() + 30000; Date.now() < deadline;) {
    if (await drawn())
      return;
    await new Promise(resolve => setTimeout(resolve, 50));
  }
  const state = await page.evaluate(() => JSON.stringify({
    visibility: document.visibilityState, started: !!(window.Module && Module.calledRun),
    message: document.getElementById('message').textContent}));
  throw new Error(`no first frame within 30 s: ${state}`);
}

// In the browser's own first tab, brought to the front: a page behind another one gets
// its timers slowed and no frames.
// The default viewport makes the field 800 x 800, the native window's size.
async function openGame(browser, url, viewport = {width: 800, height: 800, deviceScaleFactor: 1}) {
  const [page] = await browser.pages();
  await page.bringToFront();
  await page.setViewport(viewport);
  const reports = watchConsole(page);
  await page.goto(url, {waitUntil: 'load'});
  await untilFirstFrame(page).catch(error => {
    throw new Error(`${error.message} ${reports.join('; ')}`);
  });
  const firstFrameMs = await page.evaluate(() => Module.firstFrameAt);
  return {page, reports, firstFrameMs};
}

// The canvas as the screen shows it, as a PNG, without the notes the page lays over it
// and, unless asked for, without the focus ring over its edge.
async function shot(page, {ring = false} = {}) {
  const box = await page.$eval('#canvas', c => {
    const r = c.getBoundingClientRect();
    return {x: r.left, y: r.top, width: r.width, height: r.height};
  });
  const notesHidden = await page.addStyleTag({
    content: `#field > p { visibility: hidden !important; } ${ring ? '' : 'canvas { outline: none !important; }'}`});
  // Taken from the viewport as it is: beyond it, Chromium would resize the page for the
  // shot, now and then through 1 x 1, and the game redraws on a resize, paused or not.
  const png = await page.screenshot({clip: box, type: 'png', captureBeyondViewport: false});
  await notesHidden.evaluate(style => style.remove());
  return png;
}

// In the region {x, y, width, height}, or the whole picture if none is given: the share of
// pixels that differ from the other picture by more than `tolerance` in a channel, and the
// shares of dark and of light pixels. Decoded in the page given: a blank one, or the
// game's own.
async function measure(lab, png, other, region, tolerance = 48) {
  return lab.evaluate(async (a, b, r, tolerance) => {
    const pixels = async base64 => {
      const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const {x, y, width, height} = r || {x: 0, y: 0, width: bitmap.width, height: bitmap.height};
      return context.getImageData(x, y, width, height).data;
    };
    const p = await pixels(a);
    const q = b ? await pixels(b) : p;
    let differ = 0, dark = 0, light = 0;
    for (let k = 0; k < p.length; k += 4) {
      const channels = [p[k], p[k + 1], p[k + 2]];
      if (Math.max(...channels) < 60) dark++;
      if (Math.min(...channels) > 230) light++;
      if (channels.some((c, i) => Math.abs(c - q[k + i]) > tolerance)) differ++;
    }
    const n = p.length / 4;
    return {differ: differ / n, dark: dark / n, light: light / n};
  }, png.toString('base64'), other ? other.toString('base64') : null, region || null, tolerance);
}

// The share of pixels that differ at all between two PNGs of the same size.
async function differ(page, a, b, region) {
  return (await measure(page, a, b, region, 0)).differ;
}

// Visible in the viewport, and on top where it takes clicks or taps.
function shown(page, selector) {
  return page.$eval(selector, e => {
    const r = e.getBoundingClientRect();
    const inView = r.width > 0 && r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
    const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
    const clickThrough = getComputedStyle(e).pointerEvents === 'none';
    return e.checkVisibility() && inView && (clickThrough || top === e || e.contains(top));
  });
}

// Checks that report as they go and are counted at the end.
const failures = [];
function check(what, ok, detail) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what} (${detail})`);
  if (!ok)
    failures.push(what);
}

// Waits for what the game does on its own timers, never for a fixed time.
async function until(what, condition, seconds = 10) {
  for (const deadline = Date.now() + seconds * 1000; Date.now() < deadline;) {
    if (await condition())
      return true;
    await new Promise(resolve => setTimeout(resolve, 20));
  }
  check(what, false, `not within ${seconds} s`);
  return false;
}

// Serves the site, opens a browser, runs the test and closes both, however it ends.
async function runBrowserTest(test, name, site, args) {
  const server = await serve(path.resolve(site));
  const browser = await launch(name, args).catch(error => {
    server.close();
    throw error;
  });
  try {
    await test(browser, `http://127.0.0.1:${server.address().port}/`, server);
  } finally {
    await browser.close();
    server.close();
  }
  if (failures.length)
    throw new Error(`${failures.length} failed: ${failures.join(', ')}`);
}

// The browser by name: 'chromium' (headless), 'firefox' or 'webkit' (in a window on
// DISPLAY); the site is the command line's first argument unless the test has one of its
// own; args are the browser's extra flags.
function main(test, {browser = 'chromium', site = process.argv[2], args = []} = {}) {
  runBrowserTest(test, browser, site, args).catch(error => {
    console.error(error.message);
    process.exit(1);
  });
}

module.exports = {serve, launch, watchConsole, openGame, untilFirstFrame, shot, measure, differ, shown, check, until,
                  main};
