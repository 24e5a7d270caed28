// The browser build played in headless Chromium: its start picture against the native
// game's, the keys and the drag, and a console with nothing to say.
// Usage: node play.test.js build-web/site
'use strict';
const fs = require('fs');
const path = require('path');
const {openGame, shot, measure, check, main} = require('./browser');

// native-start.png is the native game's first frame, as scripts/capture takes it for
// docs/screenshot.png; take it again whenever the native picture changes.
//
// Canvas regions, in pixels from the top left. The enemies' entry band at the top is left
// out of the start picture: when the first enemy enters and moves depends on timing.
const regions = {
  field: {x: 0, y: 150, width: 800, height: 650},        // below the entry band
  status: {x: 15, y: 40, width: 200, height: 25},        // "LIVES: xxx   ENEMIES:"
  player: {x: 260, y: 600, width: 80, height: 140},      // the tank at its start and above
  wallAbove: {x: 270, y: 425, width: 60, height: 105},   // the wall the tank drives up to
  pillar: {x: 535, y: 150, width: 35, height: 200},      // bricks no shell reaches early
  whole: {x: 0, y: 0, width: 800, height: 800},
};

const pause = ms => new Promise(resolve => setTimeout(resolve, ms));

async function play(page, lab) {
  const ticks = () => page.evaluate(() => Module._ticksSoFar());
  const percent = x => `${(100 * x).toFixed(2)}%`;
  await page.focus('#canvas');

  // Paused at once, so that the few ticks since the first frame move little; from here on
  // the game moves only by steps of ".".
  await page.keyboard.press('/');
  const start = await shot(page);
  const native = fs.readFileSync(path.join(__dirname, 'native-start.png'));
  for (const name of ['field', 'status', 'player']) {
    const {differ} = await measure(lab, start, native, regions[name]);
    check(`start picture's ${name} as the native one's`, differ <= 0.01, `${percent(differ)} differ`);
  }
  const steps = async n => {
    for (let k = 0; k < n; ++k)
      await page.keyboard.press('.');
  };

  await page.keyboard.down('w');
  await steps(10);
  await page.keyboard.up('w');
  const driven = await shot(page);
  const moved = (await measure(lab, driven, start, regions.player)).differ;
  check('a held "w" moves the tank', moved > 0.05, `${percent(moved)} of its region changed`);

  await page.keyboard.press('j');
  await steps(40);  // the shell's way to the wall, at a quarter unit a tick
  const cut = (await measure(lab, await shot(page), driven, regions.wallAbove)).differ;
  check('"j" cuts the wall ahead', cut > 0.03, `${percent(cut)} of the wall changed`);

  // A paused game must stand still for as long as one looks; this alone waits on the clock.
  // The last frame drawn may reach the screen a little after the pause on a busy machine,
  // so the picture to hold is the first that two shots agree on.
  await page.keyboard.press('/');
  await page.keyboard.press('/');
  let frozen = await shot(page);
  for (let settled = false, k = 0; !settled && k < 20; ++k) {
    const next = await shot(page);
    settled = (await measure(lab, next, frozen, regions.whole)).differ === 0;
    frozen = next;
  }
  const frozenTicks = await ticks();
  await pause(400);
  const still = (await measure(lab, await shot(page), frozen, regions.whole)).differ;
  check('"/" freezes the picture', still === 0 && (await ticks()) === frozenTicks, `${percent(still)} changed`);

  await page.keyboard.down('s');
  await page.keyboard.press('.');
  await page.keyboard.up('s');
  const stepped = await shot(page);
  const step = (await measure(lab, stepped, frozen, regions.player)).differ;
  check('"." runs one tick and draws it', step > 0.01 && (await ticks()) === frozenTicks + 1,
        `${percent(step)} of the tank's region changed`);

  const stepThen = async key => {
    await page.keyboard.press(key);
    await page.keyboard.press('.');
    return measure(lab, await shot(page), null, regions.pillar);
  };
  const unlit = await stepThen('l');
  const lit = await stepThen('l');
  check('"l" turns lighting off and on', unlit.dark > 0.9 && lit.dark < 0.1,
        `dark bricks ${percent(unlit.dark)} then ${percent(lit.dark)}`);
  const outlined = await stepThen('p');
  const filled = await stepThen('p');
  check('"p" outlines and fills', outlined.light > 0.5 && filled.light < 0.1,
        `light bricks ${percent(outlined.light)} then ${percent(filled.light)}`);

  const beforeDrag = await shot(page);
  await page.mouse.move(400, 400);
  await page.mouse.down();
  for (let k = 1; k <= 10; ++k)
    await page.mouse.move(400 + 10 * k, 400 + 5 * k);
  await page.mouse.up();
  await page.keyboard.press('.');
  const turned = (await measure(lab, await shot(page), beforeDrag, regions.whole)).differ;
  check('a drag orbits the camera', turned > 0.2, `${percent(turned)} changed`);

  await page.keyboard.down('Shift');
  await page.keyboard.press('KeyQ');
  await page.keyboard.up('Shift');
  await page.keyboard.press('Q');
  await page.keyboard.press('/');
  const running = await ticks();
  let goesOn = false;
  for (const deadline = Date.now() + 10000; !goesOn && Date.now() < deadline; await pause(20))
    goesOn = (await ticks()) > running + 2;
  check('a capital "Q" does not quit', goesOn, 'ticks go on');

  await page.keyboard.press('q');
  const ended = await ticks();
  await pause(300);
  const message = await page.$eval('#message', m => m.textContent);
  check('"q" ends the game and offers another', (await ticks()) === ended && /Play again/.test(message),
        `"${message}"`);
}

main(async (browser, url) => {
  // Opened first: a page sent behind another one pauses its game.
  const lab = await browser.newPage();
  const {page, reports} = await openGame(browser, url);
  await play(page, lab);
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
});
