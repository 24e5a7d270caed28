// The page when its graphics fail: a WebGL context lost and given back pauses the game as
// a hidden page does and draws the same picture again; a browser without WebGL, or a
// shader that does not compile, gets a message in the field's place that says which.
// Usage: node context.test.js build-web/site
'use strict';
const {watchConsole, openGame, shot, differ, shown, check, until, main} = require('./browser');

// Below the enemies' entry band and the status line: the commander goes on releasing
// enemies while the game is paused.
const belowEntryBand = {x: 0, y: 150, width: 800, height: 650};

const paused = page => page.evaluate(() => !!Module._gamePaused());
const ticks = page => page.evaluate(() => Module._ticksSoFar());
const moveDir = page => page.evaluate(() => Module._playerMoveDir());

// WEBGL_lose_context, which the test may ask of the game's context although the game asks
// for no extension; taken while the context lives, as a lost one gives none.
async function loseGraphics(page) {
  await page.evaluate(() => {
    window.loseContext = window.loseContext ||
                         document.getElementById('canvas').getContext('webgl').getExtension('WEBGL_lose_context');
    loseContext.loseContext();
  });
  return until('the page says the graphics were lost', () => shown(page, '#lost'));
}

async function giveGraphicsBack(page) {
  await page.evaluate(() => loseContext.restoreContext());
  return until('the graphics come back', async () => !(await shown(page, '#lost')));
}

async function lostAndGivenBack(browser, url) {
  const {page, reports} = await openGame(browser, url);
  await page.focus('#canvas');
  await page.keyboard.press('/');
  const before = await shot(page);
  const pausedTicks = await ticks(page);
  await loseGraphics(page);
  check('the lost note stands in for the paused one', !(await shown(page, '#paused')), 'paused note hidden');
  await giveGraphicsBack(page);
  const share = await differ(page, before, await shot(page), belowEntryBand);
  check('given back, the picture is the one before', share === 0, `${(100 * share).toFixed(3)}% differ`);
  check('and the game is still paused where it was', (await paused(page)) && (await ticks(page)) === pausedTicks,
        `${(await ticks(page)) - pausedTicks} ticks`);

  await page.keyboard.press('/');
  await until('ticks run again', async () => (await ticks(page)) > pausedTicks + 2);
  await page.keyboard.down('KeyD');
  const held = await moveDir(page);
  await loseGraphics(page);
  const lostAt = await ticks(page);
  check('a lost context pauses the game and lets go of the keys',
        (await paused(page)) && held === 4 && (await moveDir(page)) === 0, `moveDir ${held}, then ${await moveDir(page)}`);
  await page.keyboard.up('KeyD');
  await giveGraphicsBack(page);
  check('given back, the game stays paused and the page says how to go on',
        (await paused(page)) && (await ticks(page)) === lostAt && (await shown(page, '#paused')),
        await page.$eval('#paused', p => p.innerText));
  await page.keyboard.press('.');
  check('"." steps and draws in the context given back', (await ticks(page)) === lostAt + 1, 'one tick');
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
}

// Each in a page of its own, broken before the game's code loads.
async function startFailures(browser, url) {
  const rows = [
    ['no WebGL', {width: 800, height: 800, deviceScaleFactor: 1}, () => {
      const getContext = HTMLCanvasElement.prototype.getContext;
      HTMLCanvasElement.prototype.getContext = function (type, attributes) {
        return /webgl/.test(type) ? null : getContext.call(this, type, attributes);
      };
    }, /offers no WebGL/, /no WebGL 1 context/],
    ['a shader that does not compile', {width: 320, height: 480, deviceScaleFactor: 2}, () => {
      const context = WebGLRenderingContext.prototype;
      const parameter = context.getShaderParameter;
      context.getShaderParameter = function (shader, name) {
        return name === this.COMPILE_STATUS ? false : parameter.call(this, shader, name);
      };
      context.getShaderInfoLog = () => 'ERROR: 0:1: broken by the test';
    }, /a shader did not compile/, /shader did not compile: ERROR: 0:1: broken by the test/],
  ];
  for (const [what, viewport, breakIt, message, log] of rows) {
    const page = await browser.newPage();
    await page.bringToFront();
    await page.setViewport(viewport);
    await page.evaluateOnNewDocument(breakIt);
    const reports = watchConsole(page);
    await page.goto(url, {waitUntil: 'load'});
    await until(`${what}: a message`, () => page.$eval('#message', m => m.textContent !== ''));
    const text = await page.$eval('#message', m => m.textContent);
    check(`${what}: the field says so, in view`, message.test(text) && (await shown(page, '#message')), `"${text}"`);
    check(`${what}: the console says why`, reports.some(r => log.test(r)), reports.join('; '));
    await page.close();
  }
}

main(async (browser, url) => {
  await lostAndGivenBack(browser, url);
  await startFailures(browser, url);
});
