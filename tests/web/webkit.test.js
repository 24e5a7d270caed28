// The browser build in Safari's engine: Debian's WebKitGTK, driven through its WebDriver in
// a window on the tests' X display, draws a first frame, drives on a held "w", pauses on
// "/" and steps on ".", runs its audio after the first key, and says so in the field's
// place when WebGL is switched off. Touch stays with Chromium's emulation: WebKitGTK's
// driver sends a touch pointer as mouse events.
// Usage: DISPLAY=:n node webkit.test.js build-web/site
'use strict';
const {launch, untilFirstFrame, measure, check, until, main} = require('./browser');

// Canvas regions, in pixels from the top left, as in play.test.js.
const regions = {
  player: {x: 260, y: 600, width: 80, height: 140},   // the tank at its start and above
  whole: {x: 0, y: 0, width: 800, height: 800},
};

// Every audio context made from here on: the page makes none before the first key.
function watchAudio() {
  window.audioContexts = [];
  const Native = window.AudioContext;
  window.AudioContext = class extends Native {
    constructor(...args) {
      super(...args);
      window.audioContexts.push(this);
    }
  };
}

async function shot(page) {
  await page.evaluate(() => {
    const style = document.createElement('style');
    style.id = 'unnoted';
    style.textContent = '#field > p { visibility: hidden !important; } canvas { outline: none !important; }';
    document.head.appendChild(style);
  });
  const png = await page.screenshot('#canvas');
  await page.evaluate(() => document.getElementById('unnoted').remove());
  return png;
}

async function play(page) {
  const ticks = () => page.evaluate(() => Module._ticksSoFar());
  const state = () => page.evaluate(() => ({paused: !!Module._gamePaused(), moveDir: Module._playerMoveDir(),
                                            audio: audioContexts.map(c => c.state).join(' ')}));
  const percent = x => `${(100 * x).toFixed(2)}%`;
  await page.evaluate(watchAudio);
  const field = await page.evaluate(() => {
    const c = document.getElementById('canvas');
    return [c.clientWidth, c.clientHeight, c.width, c.height].join(' ');
  });
  // The first frame reaches the window a moment after it is drawn.
  let picture, drawn;
  await until('a picture in the window', async () => {
    picture = await measure(page, await shot(page), null, regions.whole);
    drawn = 1 - picture.light - picture.dark;
    return drawn > 0.2;
  });
  check('a first frame on an 800 x 800 field', field === '800 800 800 800' && drawn > 0.2 && picture.light > 0.3,
        `canvas ${field}, ${percent(drawn)} coloured, ${percent(picture.light)} light`);
  check('no audio context before the first key', (await state()).audio === '', `"${(await state()).audio}"`);

  await page.evaluate(() => document.getElementById('canvas').focus());
  await page.press('/');
  const pausedAt = await ticks();
  check('"/" pauses', (await state()).paused, `${pausedAt} ticks`);
  await until('the audio context running after the first key', async () => (await state()).audio === 'running');

  const before = await shot(page);
  await page.down('w');
  const held = await state();
  for (let k = 0; k < 5; ++k)
    await page.press('.');
  await page.up('w');
  let moved = 0;
  await until('the steps in the window', async () => {
    moved = (await measure(page, await shot(page), before, regions.player)).differ;
    return moved > 0.05;
  });
  const stepped = (await ticks()) - pausedAt;
  check('a held "w" drives the tank, and "." steps', held.moveDir === 1 && stepped === 5 && moved > 0.05,
        `moveDir ${held.moveDir}, ${stepped} ticks, ${percent(moved)} of its region changed`);
  await page.press('/');
  await until('"/" goes on', async () => (await ticks()) > pausedAt + 10);
}

// WebKit without WebGL has no WebGLRenderingContext at all.
async function withoutWebGl(url) {
  const browser = await launch('webkit', ['--enable-webgl=false']);
  try {
    const {page} = browser;
    await page.goto(url);
    await until('no WebGL: a message', () => page.evaluate(() => document.getElementById('message').textContent !== ''));
    const said = await page.evaluate(() => [document.getElementById('message').textContent,
                                            getComputedStyle(document.getElementById('loading')).display]);
    check('no WebGL: the field says so, and loads no longer', /offers no WebGL/.test(said[0]) && said[1] === 'none',
          `"${said[0]}", loading note ${said[1]}`);
  } finally {
    await browser.close();
  }
}

main(async ({page}, url) => {
  await page.setViewport({width: 800, height: 800});
  await page.goto(url);
  await untilFirstFrame(page);
  await play(page);
  await withoutWebGl(url);
}, {browser: 'webkit'});
