// The browser build measured in headless Chromium: ticks a second of the real loop, the
// page's main thread busy share while playing and while paused, the time from the page's
// request to its first frame in a browser just started and in one already running, and
// the gzipped download.
// Usage: node bench/web_bench.js build-web/site
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {serve, launch, openGame} = require('../tests/web/browser');

const launches = 5;
const playSeconds = 5;

const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Ticks and main-thread task time over a stretch of wall time.
async function sample(page, seconds) {
  const ticks = () => page.evaluate(() => Module._ticksSoFar());
  const taskSeconds = async () => (await page.metrics()).TaskDuration;
  const [ticks0, busy0, t0] = [await ticks(), await taskSeconds(), Date.now()];
  await pause(seconds * 1000);
  const [ticks1, busy1, t1] = [await ticks(), await taskSeconds(), Date.now()];
  const wall = (t1 - t0) / 1000;
  return {ticksPerSecond: (ticks1 - ticks0) / wall, busy: (busy1 - busy0) / wall};
}

async function main() {
  const site = path.resolve(process.argv[2]);
  const server = await serve(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const firstFrames = [];
  const reloadedFirstFrames = [];
  let playing, paused;
  for (let k = 0; k < launches; ++k) {
    const browser = await launch();
    try {
      const {page, firstFrameMs} = await openGame(browser, url);
      firstFrames.push(firstFrameMs);
      // Loaded again in the same browser, whose GPU side is now running, as a player's is.
      await page.reload({waitUntil: 'load'});
      for (let t = 0; t < 600 && !(await page.evaluate(() => Module.firstFrameAt)); ++t)
        await pause(50);
      reloadedFirstFrames.push(await page.evaluate(() => Module.firstFrameAt));
      if (k === 0) {
        await page.focus('#canvas');
        await pause(1000);
        playing = await sample(page, playSeconds);
        await page.keyboard.press('/');
        paused = await sample(page, playSeconds);
      }
    } finally {
      await browser.close();
    }
  }
  server.close();

  const gzipped = ['tanks.js', 'tanks.wasm']
    .map(name => zlib.gzipSync(fs.readFileSync(path.join(site, name)), {level: 9}).length)
    .reduce((a, b) => a + b);
  const percent = x => `${(100 * x).toFixed(1)}%`;
  console.log(`ticks a second, playing          ${playing.ticksPerSecond.toFixed(1)}`);
  console.log(`main thread busy, playing        ${percent(playing.busy)}`);
  console.log(`main thread busy, paused         ${percent(paused.busy)}`);
  console.log(`request to first frame, median   ${Math.round(median(firstFrames))} ms ` +
              `(of ${launches}: ${firstFrames.map(Math.round).join(', ')})`);
  console.log(`the same, page loaded again       ${Math.round(median(reloadedFirstFrames))} ms ` +
              `(${reloadedFirstFrames.map(Math.round).join(', ')})`);
  console.log(`tanks.js + tanks.wasm, gzipped   ${(gzipped / 1024).toFixed(1)} KiB`);
}

main().catch(error => {
  console.error(error.message);
  process.exit(1);
});
