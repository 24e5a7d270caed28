// The browser build measured in headless Chromium: ticks and frames a second of the real
// loop at 800 x 800 and on three screens players bring, the page's main thread busy share
// while playing and while paused, the time from the page's request to its first frame in a
// browser just started and in one already running, and the gzipped download.
// Usage: node bench/web_bench.js build-web/site
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {serve, launch, openGame, untilFirstFrame} = require('../tests/web/browser');

const launches = 5;
const playSeconds = 5;
// A laptop's browser, a phone, a high-DPI desktop: the page draws at CSS size x
// devicePixelRatio (capped at 2), so the drawing buffer, and with it the software
// renderer's work a frame, differs nearly 9 times between them.
const screens = [
  {width: 1366, height: 657, deviceScaleFactor: 1},
  {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
  {width: 1920, height: 969, deviceScaleFactor: 2},
];

const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Ticks, frames counted by play() and main-thread task time over a stretch of wall time.
async function sample(page, seconds) {
  const counts = () => page.evaluate(() => [Module._ticksSoFar(), window.benchFrames || 0]);
  const taskSeconds = async () => (await page.metrics()).TaskDuration;
  const [[ticks0, frames0], busy0, t0] = [await counts(), await taskSeconds(), Date.now()];
  await pause(seconds * 1000);
  const [[ticks1, frames1], busy1, t1] = [await counts(), await taskSeconds(), Date.now()];
  const wall = (t1 - t0) / 1000;
  return {ticksPerSecond: (ticks1 - ticks0) / wall, framesPerSecond: (frames1 - frames0) / wall,
          busy: (busy1 - busy0) / wall};
}

// Play on the page's screen after a second's warm-up. Frames are requestAnimationFrame's
// callbacks, counted while playing only, as they are work too: the game ticks on a timer,
// so a compositor that falls behind shows in frames, never in ticks.
async function play(page) {
  await page.focus('#canvas');
  await pause(1000);
  const buffer = await page.$eval('#canvas', c => `${c.width} x ${c.height}`);
  await page.evaluate(() => {
    window.benchFrames = 0;
    const count = () => {
      if (window.benchFrames >= 0) {
        ++window.benchFrames;
        requestAnimationFrame(count);
      }
    };
    requestAnimationFrame(count);
  });
  const played = await sample(page, playSeconds);
  await page.evaluate(() => { window.benchFrames = -1; });
  return {screen: page.viewport(), buffer, ...played};
}

// A slow link, as the page must start on it: 1.6 Mbit/s down, 150 ms each way of a round
// trip, from a server that does not compress. The page is loaded again with the
// browser's cache and the service worker passed by, so everything comes over the link;
// the link is put back afterwards.
async function slowFirstFrame(page) {
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', {cacheDisabled: true});
  await cdp.send('Network.setBypassServiceWorker', {bypass: true});
  await cdp.send('Network.emulateNetworkConditions',
                 {offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8});
  await page.reload({waitUntil: 'load'});
  await untilFirstFrame(page);
  await cdp.detach();
  return page.evaluate(() => Module.firstFrameAt);
}

async function main() {
  const site = path.resolve(process.argv[2]);
  const server = await serve(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const firstFrames = [];
  const reloadedFirstFrames = [];
  const slowFirstFrames = [];
  let paused;
  const played = [];
  for (let k = 0; k < launches; ++k) {
    const browser = await launch();
    try {
      const {page, firstFrameMs} = await openGame(browser, url);
      firstFrames.push(firstFrameMs);
      // Loaded again in the same browser, whose GPU side is now running, as a player's is.
      await page.reload({waitUntil: 'load'});
      await untilFirstFrame(page);
      reloadedFirstFrames.push(await page.evaluate(() => Module.firstFrameAt));
      slowFirstFrames.push(await slowFirstFrame(page));
      await page.reload({waitUntil: 'load'});
      if (k === 0) {
        played.push(await play(page));
        await page.keyboard.press('/');
        paused = await sample(page, playSeconds);
        // Each screen in the same tab, kept in front: a page behind another one pauses.
        for (const screen of screens)
          played.push(await play((await openGame(browser, url, screen)).page));
      }
    } finally {
      await browser.close();
    }
  }
  server.close();

  const gzipped = ['tanks.js', 'tanks.wasm', 'index.html']
    .map(name => zlib.gzipSync(fs.readFileSync(path.join(site, name)), {level: 9}).length)
    .reduce((a, b) => a + b);
  const percent = x => `${(100 * x).toFixed(1)}%`;
  for (const {screen: {width, height, deviceScaleFactor}, buffer, ...rates} of played)
    console.log(`ticks a second, ${width} x ${height} x ${deviceScaleFactor}`.padEnd(33) +
                `${rates.ticksPerSecond.toFixed(1)}  (${rates.framesPerSecond.toFixed(1)} frames, ` +
                `canvas ${buffer})`);
  console.log(`main thread busy, playing        ${percent(played[0].busy)}`);
  console.log(`main thread busy, paused         ${percent(paused.busy)}`);
  console.log(`request to first frame, median   ${Math.round(median(firstFrames))} ms ` +
              `(of ${launches}: ${firstFrames.map(Math.round).join(', ')})`);
  console.log(`the same, page loaded again       ${Math.round(median(reloadedFirstFrames))} ms ` +
              `(${reloadedFirstFrames.map(Math.round).join(', ')})`);
  console.log(`the same at 1.6 Mbit/s and 150 ms  ${Math.round(median(slowFirstFrames))} ms ` +
              `(${slowFirstFrames.map(Math.round).join(', ')})`);
  console.log(`tanks.js + tanks.wasm + page, gzipped   ${(gzipped / 1024).toFixed(1)} KiB`);
}

main().catch(error => {
  console.error(error.message);
  process.exit(1);
});
