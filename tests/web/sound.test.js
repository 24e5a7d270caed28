// The page's sound in headless Chromium under the autoplay rule players have: no audio
// context until a key, then "j" starts a sound, and the Sound button silences it. Headless
// Chromium here lets any page play, flag or not (puppeteer's navigation counts as the
// user's), so the page's AudioContext is made to keep the rule itself, as Chromium's
// builds that apply it do: one made before a user activation starts suspended, with the
// warning they print, and resumes only once the page has had one.
// Usage: node sound.test.js build-web/site
'use strict';
const {openGame, check, until, main} = require('./browser');

// Every AudioContext the page makes, under the autoplay rule, and every sound it starts.
function watchAudio() {
  window.audioContexts = [];
  window.soundsStarted = 0;
  const Native = window.AudioContext;
  window.AudioContext = class extends Native {
    constructor(...args) {
      super(...args);
      window.audioContexts.push(this);
      if (!navigator.userActivation.hasBeenActive) {
        console.warn('The AudioContext was not allowed to start. It must be resumed (or created) ' +
                     'after a user gesture on the page.');
        super.suspend();
      }
    }

    resume() {
      return navigator.userActivation.hasBeenActive ? super.resume() : Promise.resolve();
    }
  };
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    ++window.soundsStarted;
    return start.apply(this, args);
  };
}

const states = page => page.evaluate(() => window.audioContexts.map(c => c.state).join(' '));
const started = page => page.evaluate(() => window.soundsStarted);

main(async (browser, url) => {
  const [first] = await browser.pages();
  await first.evaluateOnNewDocument(watchAudio);
  const {page, reports} = await openGame(browser, url);
  check('no audio context before the player\'s first key', (await states(page)) === '',
        `"${await states(page)}"`);
  check('the console is clean at start', reports.length === 0, reports.join('; ') || 'nothing reported');

  await page.focus('#canvas');
  await page.keyboard.press('/');  // paused: from here on only the keys make sounds
  await until('one audio context, running after a key', async () => (await states(page)) === 'running');
  const beforeShot = await started(page);
  await page.keyboard.press('j');
  await until('a sound started by "j"', async () => (await started(page)) > beforeShot);

  await page.click('#sound');
  check('the Sound button says it is off',
        (await page.$eval('#sound', b => b.getAttribute('aria-pressed'))) === 'false', 'aria-pressed');
  const keysReach = await page.evaluate(() => document.activeElement.id);
  check('the keys still reach the game', keysReach === 'canvas', `focus on #${keysReach}`);
  const beforeMuted = await started(page);
  await page.keyboard.press('j');  // the second shell: a shot, silenced
  await new Promise(resolve => setTimeout(resolve, 300));  // a negative: nothing to wait for
  check('no sound while it is off', (await started(page)) === beforeMuted,
        `${(await started(page)) - beforeMuted} started`);

  await page.click('#sound');
  await page.keyboard.press('n');  // a new game: both shells free again
  const beforeOn = await started(page);
  await page.keyboard.press('j');
  await until('a sound again once it is on', async () => (await started(page)) > beforeOn);
  check('the console stays clean', reports.length === 0, reports.join('; ') || 'nothing reported');
}, {args: ['--autoplay-policy=document-user-activation-required']});  // what players have
