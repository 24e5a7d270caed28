// The browser build in a second engine: Debian's Firefox ESR, in a window on the tests' X
// display (headless Firefox has no WebGL), draws the game, drives the tank on a held key,
// and leaves the console clean.
// Usage: DISPLAY=:n node firefox.test.js build-web/site
'use strict';
const {openGame, shot, measure, check, main} = require('./browser');

// Canvas regions, in pixels from the top left, as in play.test.js.
const regions = {
  status: {x: 15, y: 40, width: 200, height: 25},     // "LIVES: xxx   ENEMIES:"
  player: {x: 260, y: 600, width: 80, height: 140},   // the tank at its start and above
  whole: {x: 0, y: 0, width: 800, height: 800},
};
const steps = 5;

async function play(page) {
  const ticks = () => page.evaluate(() => Module._ticksSoFar());
  const percent = x => `${(100 * x).toFixed(2)}%`;
  await page.focus('#canvas');

  await page.keyboard.press('/');
  const start = await shot(page);
  const picture = await measure(page, start, null, regions.whole);
  const drawn = 1 - picture.light - picture.dark;
  check('the picture is not blank', drawn > 0.2 && picture.light > 0.3,
        `${percent(drawn)} coloured, ${percent(picture.light)} light, ${percent(picture.dark)} dark`);
  const status = await measure(page, start, null, regions.status);
  check('the status line is written', status.dark > 0.05, `${percent(status.dark)} dark`);

  const paused = await ticks();
  await page.keyboard.down('w');
  const moveDir = await page.evaluate(() => Module._playerMoveDir());
  for (let k = 0; k < steps; ++k)
    await page.keyboard.press('.');
  const driven = await shot(page);
  await page.keyboard.up('w');
  const moved = (await measure(page, driven, start, regions.player)).differ;
  const stepped = (await ticks()) - paused;
  check('a held "w" drives the tank, step by step', moveDir === 1 && stepped === steps && moved > 0.05,
        `moveDir ${moveDir}, ${stepped} ticks, ${percent(moved)} of its region changed`);
}

main(async (browser, url) => {
  const {page, reports, firstFrameMs} = await openGame(browser, url);
  // The regions hold only if the viewport took: one CSS pixel one device pixel, 800 wide.
  const field = await page.$eval('#canvas', c => [c.clientWidth, c.clientHeight, c.width, c.height].join(' '));
  check('a first frame arrives on an 800 x 800 field', field === '800 800 800 800',
        `${Math.round(firstFrameMs)} ms after the request; canvas ${field}`);
  await play(page);
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
}, {browser: 'firefox'});
