// Serves the built site on localhost and opens it in Debian's headless Chromium; shared by
// the browser test and the benchmark.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

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
async function launchOnce() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tanks-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', args: [...flags, `--user-data-dir=${profile}`],
    ignoreDefaultArgs: playersBackground, headless: true, timeout: 30000, protocolTimeout: 60000,
  });
  browser.process().once('exit', () => fs.rmSync(profile, {recursive: true, force: true}));
  return browser;
}

// Only the start of the browser itself is tried again, never anything the game does.
async function launch() {
  for (let attempt = 1;; ++attempt) {
    try {
      return await launchOnce();
    } catch (error) {
      if (attempt === 3)
        throw error;
      console.log(`Chromium did not start (${error.message}); starting it again`);
    }
  }
}

// Everything the page reports that a player's console would show.
function watchConsole(page) {
  const reports = [];
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

// The canvas as the screen shows it, as a PNG, without the notes the page lays over it.
async function shot(page) {
  const box = await page.$eval('#canvas', c => {
    const r = c.getBoundingClientRect();
    return {x: r.left, y: r.top, width: r.width, height: r.height};
  });
  const notesHidden = await page.addStyleTag({content: '#field > p { visibility: hidden !important; }'});
  const png = await page.screenshot({clip: box, type: 'png'});
  await notesHidden.evaluate(style => style.remove());
  return png;
}

// Checks that report as they go and are counted at the end.
const failures = [];
function check(what, ok, detail) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what} (${detail})`);
  if (!ok)
    failures.push(what);
}

// Serves the site, opens a browser, runs the test and closes both, however it ends.
async function runBrowserTest(test, site) {
  const server = await serve(path.resolve(site));
  const browser = await launch();
  try {
    await test(browser, `http://127.0.0.1:${server.address().port}/`, server);
  } finally {
    await browser.close();
    server.close();
  }
  if (failures.length)
    throw new Error(`${failures.length} failed: ${failures.join(', ')}`);
}

// The site is the command line's first argument unless the test has one of its own.
function main(test, site = process.argv[2]) {
  runBrowserTest(test, site).catch(error => {
    console.error(error.message);
    process.exit(1);
  });
}

module.exports = {serve, launch, openGame, untilFirstFrame, shot, check, main};
