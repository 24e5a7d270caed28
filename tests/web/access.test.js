// The page by keyboard alone and with a screen reader, in headless Chromium: the help
// opened and closed from the keyboard, the field's focus ring, the order of Tab, and the
// live region's words.
// Usage: node access.test.js build-web/site
'use strict';
const {openGame, shot, measure, check, until, main} = require('./browser');

const paused = page => page.evaluate(() => !!Module._gamePaused());
const focused = page => page.evaluate(() => document.activeElement.id || document.activeElement.localName);
const helpOpen = page => page.$eval('#help', h => h.open);
const focusHelp = page => page.focus('#help summary');

// The field's edge, where the ring lies, and the picture within it.
const edges = [{x: 0, y: 0, width: 800, height: 4}, {x: 0, y: 796, width: 800, height: 4},
               {x: 0, y: 0, width: 4, height: 800}, {x: 796, y: 0, width: 4, height: 800}];
const inside = {x: 4, y: 4, width: 792, height: 792};

async function ringShown(page) {
  const [plain, ringed] = [await shot(page), await shot(page, {ring: true})];
  const edge = [];
  for (const region of edges)
    edge.push((await measure(page, ringed, plain, region)).differ);
  return {edge: Math.min(...edge), inside: (await measure(page, ringed, plain, inside, 0)).differ};
}

// Each row: what the player does, then what must then hold and what was seen.
const keyboardCases = [
  ['Enter on "?" opens the help and pauses the game', async page => {
    await focusHelp(page);
    await page.keyboard.press('Enter');
    await until('the game pauses', () => paused(page));
    return [(await helpOpen(page)) && (await paused(page)), `open ${await helpOpen(page)}`];
  }],
  ['Escape closes it and gives the keys back to the field, still paused', async page => {
    await page.keyboard.press('Escape');
    await until('the field has the keys', async () => (await focused(page)) === 'canvas');
    return [!(await helpOpen(page)) && (await paused(page)), `focus on ${await focused(page)}`];
  }],
  ['"/" then goes on', async page => {
    await page.keyboard.press('/');
    return [!(await paused(page)), 'not paused'];
  }],
  ['"?" closes it too, and the keys go back', async page => {
    await focusHelp(page);
    await page.keyboard.press('Enter');
    await until('the help opens and the game pauses', async () => (await helpOpen(page)) && (await paused(page)));
    await page.keyboard.press('Enter');
    await until('the field has the keys', async () => (await focused(page)) === 'canvas');
    return [!(await helpOpen(page)), `focus on ${await focused(page)}`];
  }],
  ['a click on the field closes it', async page => {
    await page.click('#help summary');
    await until('the help opens and the game pauses', async () => (await helpOpen(page)) && (await paused(page)));
    await page.mouse.click(400, 700);
    await until('the field has the keys', async () => (await focused(page)) === 'canvas');
    return [!(await helpOpen(page)), `focus on ${await focused(page)}`];
  }],
  ['the field shows a ring while it has the keys, over its edge alone', async page => {
    check('the pictures compared stand still', await paused(page), 'paused since the help opened');
    const {edge, inside: within} = await ringShown(page);
    return [edge > 0.95 && within === 0, `${(100 * edge).toFixed(1)}% of the edge, ${within} inside`];
  }],
  ['and none once the keys are elsewhere', async page => {
    await focusHelp(page);
    const {edge} = await ringShown(page);
    return [edge === 0, `${edge} of the edge`];
  }],
  ['Tab goes from the field to Sound and the help, each showing its focus', async page => {
    await page.focus('#canvas');
    const seen = [];
    for (let k = 0; k < 2; ++k) {
      await page.keyboard.press('Tab');
      seen.push(await page.evaluate(() => {
        const e = document.activeElement;
        return `${e.id || e.localName}:${getComputedStyle(e).outlineStyle}`;
      }));
    }
    return [seen.join(' ') === 'sound:solid summary:solid', seen.join(' ')];
  }],
];

// What the live region said, in order, from the moment this is called.
function listen(page) {
  return page.evaluate(() => {
    window.saidWords = [];
    new MutationObserver(() => window.saidWords.push(document.getElementById('said').textContent))
      .observe(document.getElementById('said'), {childList: true, characterData: true, subtree: true});
  });
}
const heard = page => page.evaluate(() => window.saidWords);
const last = async page => (await heard(page)).at(-1);

// Shoots its own base from its start beside it: right, through the base's wall.
async function shootTheBase(page) {
  await page.keyboard.down('d');
  await page.keyboard.press('.');
  await page.keyboard.up('d');
  for (let shot = 0; shot < 12 && !/GAME OVER/.test(await last(page)); ++shot) {
    await page.keyboard.press('j');
    for (let k = 0; k < 20; ++k)
      await page.keyboard.press('.');
  }
}

const wordsCases = [
  ['at start', page => page.keyboard.press('n'), /^3 spare lives, 20 enemies to come\.$/],
  ['after a pause', page => page.keyboard.press('/'), /^Paused\.$/],
  ['going on', page => page.keyboard.press('/'), /^Going on\.$/],
  ['after the end', async page => {
    await page.keyboard.press('/');
    await shootTheBase(page);
  }, /^3 spare lives, \d+ enem(y|ies) to come\. GAME OVER!$/],
];

// Each row's words must be among those said after its action: an enemy coming in may
// have changed them again since.
async function words(page) {
  await listen(page);
  for (const [when, act, expected] of wordsCases) {
    const from = (await heard(page)).length;
    await act(page);
    let since = [];
    await until(`the live region's words ${when}`, async () => {
      since = (await heard(page)).slice(from);
      return since.some(w => expected.test(w));
    });
    check(`the live region ${when}`, since.some(w => expected.test(w)), since.map(w => `"${w}"`).join(', '));
  }
  const all = await heard(page);
  const repeated = all.filter((w, k) => k > 0 && w === all[k - 1]);
  const ticks = await page.evaluate(() => Module._ticksSoFar());
  check('it speaks once a change, never once a tick', repeated.length === 0 && all.length < ticks / 10,
        `${all.length} times in ${ticks} ticks`);
}

main(async (browser, url) => {
  const {page, reports} = await openGame(browser, url);
  await page.focus('#canvas');
  for (const [what, act] of keyboardCases) {
    const [ok, detail] = await act(page);
    check(what, ok, detail);
  }
  await page.focus('#canvas');
  if (await paused(page))
    await page.keyboard.press('/');
  await words(page);
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
});
