// The page on every screen and in every hand: the field fits and stays sharp, touch and a
// game pad play, keys never stick, a hidden page pauses, the page never scrolls.
// Usage: node anywhere.test.js build-web/site
'use strict';
const {openGame, shot, differ, shown, check, until, main} = require('./browser');

const phone = {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true};
const desktop = {width: 1000, height: 800, deviceScaleFactor: 1};

const moveDir = page => page.evaluate(() => Module._playerMoveDir());
const paused = page => page.evaluate(() => !!Module._gamePaused());
const ticks = page => page.evaluate(() => Module._ticksSoFar());
const rect = (page, selector) => page.$eval(selector, e => {
  const r = e.getBoundingClientRect();
  return {x: r.left, y: r.top, width: r.width, height: r.height, right: r.right, bottom: r.bottom};
});
const centre = r => ({x: r.x + r.width / 2, y: r.y + r.height / 2});

async function fitsEveryScreen(browser, url) {
  const screens = [
    [320, 480, 2, true], [390, 844, 3, true], [844, 390, 3, true], [820, 1180, 2, true],
    [683, 657, 1, false], [1366, 657, 1, false], [1920, 969, 2, false], [3840, 2160, 1, false],
  ];
  for (const [width, height, ratio, touch] of screens) {
    const name = `${width} x ${height} x ${ratio}`;
    const viewport = {width, height, deviceScaleFactor: ratio, isMobile: touch, hasTouch: touch};
    const {page} = await openGame(browser, url, viewport);
    const field = await rect(page, '#canvas');
    const buffer = await page.$eval('#canvas', c => [c.width, c.height]);
    const side = Math.min(width, height);
    const scale = Math.min(ratio, 2);
    check(`${name}: the field is the largest square, wholly in view`,
          field.x >= 0 && field.y >= 0 && field.right <= width && field.bottom <= height &&
          Math.abs(field.width - side) <= 1 && field.width === field.height,
          `${field.width} x ${field.height} at ${field.x}, ${field.y}`);
    check(`${name}: drawn at the screen's pixels`,
          buffer.every(b => Math.abs(b - Math.round(side * scale)) <= 2), `${buffer.join(' x ')}`);
    const buttons = await page.$$eval('#controls button', all => all.map(b => {
      const r = b.getBoundingClientRect();
      return {name: b.getAttribute('aria-label'), width: r.width, height: r.height, right: r.right, bottom: r.bottom};
    }));
    const usable = buttons.every(b => b.width >= 44 && b.height >= 44 && b.right <= width && b.bottom <= height);
    check(`${name}: touch controls ${touch ? 'shown and in reach' : 'hidden'}`,
          touch ? usable : buttons.every(b => b.width === 0),
          buttons.map(b => `${b.name} ${b.width}`).join(', '));
    await page.keyboard.press('q');
    check(`${name}: the end message shows over the field`, await shown(page, '#message a'),
          await page.$eval('#message', m => m.textContent));
  }
}

// Two fingers: one drives, one fires and steps; lifting one lets go of its control alone.
async function playsByTouch(browser, url) {
  const {page} = await openGame(browser, url, phone);
  const touchAt = ({x, y}) => page.touchscreen.touchStart(x, y);
  const tap = async selector => (await touchAt(centre(await rect(page, selector)))).end();
  await tap('#pause');
  check('the Pause button pauses', await paused(page), 'paused');
  check('the page says how to go on', await shown(page, '#paused'),
        await page.$eval('#paused', p => p.innerText));
  const drive = await rect(page, '#drive');
  const driver = await touchAt({x: drive.x + drive.width / 2, y: drive.y + 5});
  check('a finger at the top of the stick drives up', (await moveDir(page)) === 1, `moveDir ${await moveDir(page)}`);
  await driver.move(drive.x + drive.width - 5, drive.y + drive.height / 2);
  check('moved to its right it drives right', (await moveDir(page)) === 4, `moveDir ${await moveDir(page)}`);
  const before = await ticks(page);
  await tap('#fire');
  await tap('#step');
  check('another finger fires and steps while the first drives',
        (await ticks(page)) === before + 1 && (await moveDir(page)) === 4, `moveDir ${await moveDir(page)}`);
  const start = await shot(page);
  const field = await rect(page, '#canvas');
  const turner = await touchAt(centre(field));
  for (let k = 1; k <= 5; ++k)
    await turner.move(field.x + field.width / 2 + 20 * k, field.y + field.height / 2);
  await turner.end();
  await tap('#step');
  check('a finger dragged on the field turns the camera', (await differ(page, start, await shot(page))) > 0.2,
        'the picture turned');
  check('lifting the other fingers kept the drive', (await moveDir(page)) === 4, `moveDir ${await moveDir(page)}`);
  await driver.end();
  check('lifting the driving finger stops', (await moveDir(page)) === 0, `moveDir ${await moveDir(page)}`);

  // A pinch and a double tap on the field, as a player's fingers would try.
  const session = await page.createCDPSession();
  const touch = (type, points) => session.send('Input.dispatchTouchEvent', {type, touchPoints: points});
  const at = (x, y, id) => ({x: field.x + x, y: field.y + y, id});
  await touch('touchStart', [at(150, 150, 1), at(200, 200, 2)]);
  await touch('touchMove', [at(100, 100, 1), at(300, 300, 2)]);
  await touch('touchEnd', []);
  await tap('#canvas');
  await tap('#canvas');
  const view = await page.evaluate(() => [visualViewport.scale, scrollX, scrollY]);
  check('touches never zoom or scroll the page', view[0] === 1 && view[1] === 0 && view[2] === 0, view.join(', '));
  await tap('#pause');
  check('Pause again goes on', !(await paused(page)), 'running');
}

// navigator.getGamepads answers with the pad the test holds; each answer is counted, so
// the test knows when the game has read a change.
async function playsByPad(browser, url) {
  const [page] = await browser.pages();
  await page.evaluateOnNewDocument(() => {
    const buttons = () => Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}));
    window.testPad = {id: 'test pad', index: 0, connected: true, mapping: 'standard', timestamp: 0,
                      axes: [0, 0, 0, 0], buttons: buttons()};
    window.padPlugged = true;
    window.padReads = 0;
    Navigator.prototype.getGamepads = () => {
      ++window.padReads;
      return [window.padPlugged ? window.testPad : null, null, null, null];
    };
  });
  const {page: game} = await openGame(browser, url, desktop);
  const read = async (what, change) => {
    await game.evaluate(change);
    const reads = await game.evaluate(() => window.padReads);
    await until(what, async () => (await game.evaluate(() => window.padReads)) >= reads + 2);
  };
  const button = (k, pressed) => `testPad.buttons[${k}].pressed = ${pressed}`;
  await read('Start is read', () => { testPad.buttons[9].pressed = true; });
  check('Start pauses', await paused(game), 'paused');
  await read('Start let go', () => { testPad.buttons[9].pressed = false; });
  const cases = [
    ['the d-pad drives up', button(12, true), 1],
    ['the d-pad wins over the stick', 'testPad.axes[0] = 1', 1],
    ['let go, the stick drives right', button(12, false), 4],
    ['inside the dead zone it stops', 'testPad.axes = [0.1, -0.2, 0, 0]', 0],
    ['the larger axis wins', 'testPad.axes = [-0.5, 0.9, 0, 0]', 2],
    ['a pad unplugged lets go', 'padPlugged = false', 0],
    ['plugged in again it drives', 'padPlugged = true', 2],
  ];
  for (const [what, change, expected] of cases) {
    await read(what, change);
    check(what, (await moveDir(game)) === expected, `moveDir ${await moveDir(game)}`);
  }
  const start = await shot(game);
  await read('the right stick is read', () => { testPad.axes = [0, 0, 1, 0]; });
  await game.keyboard.press('.');
  check('the right stick turns the camera', (await differ(game, start, await shot(game))) > 0.05, 'turned');
  await read('the top button is read', () => { testPad.axes = [0, 0, 0, 0]; testPad.buttons[3].pressed = true; });
  await game.keyboard.press('.');
  check('the top button puts the camera back', (await differ(game, start, await shot(game))) < 0.05, 'back');
  await read('Start again', () => { testPad.buttons[9].pressed = true; });
  check('Start goes on', !(await paused(game)), 'running');
}

// Keys held when the field loses the keyboard, or let go under Shift, never stick; the
// keys that would move the page do nothing to it.
async function keysNeverStick(browser, url) {
  const {page} = await openGame(browser, url, desktop);
  const field = await rect(page, '#canvas');
  await page.focus('#canvas');
  await page.keyboard.press('/');
  const cases = [
    ['a click beside the field', () => page.mouse.click(field.x / 2, 400)],
    ['Shift held at the release', async () => {
      await page.keyboard.down('Shift');
      await page.keyboard.up('KeyW');
      await page.keyboard.up('Shift');
    }],
    ['another tab in front', async () => {
      const other = await browser.newPage();
      await other.close();
      await page.bringToFront();
    }],
  ];
  for (const [what, loseKey] of cases) {
    await page.focus('#canvas');
    await page.keyboard.down('KeyW');
    const held = await moveDir(page);
    await loseKey();
    check(`"w" let go with ${what}`, held === 1 && (await moveDir(page)) === 0, `moveDir ${held}, then ${await moveDir(page)}`);
    await page.keyboard.up('KeyW');
  }
  await page.mouse.click(field.x / 2, 400);
  check('the page shows when the field lacks the keyboard', await shown(page, '#hint'), 'hint shown');
  await page.focus('#canvas');
  check('and hides it when it has it', !(await shown(page, '#hint')), 'hint hidden');

  await page.evaluate(() => {
    window.keysLeftToPage = [];
    document.addEventListener('keydown', e => { if (!e.defaultPrevented) keysLeftToPage.push(e.code); });
  });
  const pageKeys = ['Space', 'ArrowDown', 'ArrowUp', 'PageDown', 'PageUp', 'End', 'Home', 'Slash', 'Quote'];
  for (const key of pageKeys)
    await page.keyboard.press(key);
  const left = await page.evaluate(() => keysLeftToPage);
  const moved = await rect(page, '#canvas');
  check('Space, arrows, paging and quick find keys do nothing to the page',
        left.length === 0 && moved.y === field.y, `left to the page: ${left.join(' ') || 'none'}`);
}

// Letter keys go by their place, as other layouts send them: AZERTY's "z" and a Russian "ц"
// where a US keyboard has "w", and AZERTY's "q" where it has "a", which drives, not quits.
async function keysGoByPlace(browser, url) {
  const {page} = await openGame(browser, url, desktop);
  await page.focus('#canvas');
  const session = await page.createCDPSession();
  const send = (type, code, key) => session.send('Input.dispatchKeyEvent', {type, code, key});
  for (const [code, key, expected] of [['KeyW', 'z', 1], ['KeyW', 'ц', 1], ['KeyA', 'q', 3]]) {
    await send('keyDown', code, key);
    const held = await moveDir(page);
    await send('keyUp', code, key);
    check(`"${key}" in the place of ${code} drives and lets go`, held === expected && (await moveDir(page)) === 0,
          `moveDir ${held}, then ${await moveDir(page)}`);
  }
  const message = await page.$eval('#message', m => m.textContent);
  check('and the game goes on', message === '', `"${message}"`);
}

// With the browser's own background throttling on, as a player's is.
async function hiddenPagePauses(browser, url) {
  const {page} = await openGame(browser, url, desktop);
  await page.focus('#canvas');
  await page.keyboard.down('KeyD');
  const other = await browser.newPage();
  await other.goto('about:blank');
  const hidden = await ticks(page);
  await new Promise(resolve => setTimeout(resolve, 1500));
  await page.bringToFront();
  await page.keyboard.up('KeyD');
  check('a hidden page pauses and stays paused on return',
        (await paused(page)) && (await ticks(page)) === hidden && (await moveDir(page)) === 0,
        `${(await ticks(page)) - hidden} ticks while hidden`);
  check('the page says how to go on', await shown(page, '#paused'), await page.$eval('#paused', p => p.innerText));
  await page.focus('#canvas');
  await page.keyboard.press('/');
  check('"/" goes on', await until('ticks run again', async () => (await ticks(page)) > hidden + 2), 'ticking');
  await other.close();
}

main(async (browser, url) => {
  await fitsEveryScreen(browser, url);
  await playsByTouch(browser, url);
  await keysNeverStick(browser, url);
  await keysGoByPlace(browser, url);
  await hiddenPagePauses(browser, url);
  await playsByPad(browser, url);
});
