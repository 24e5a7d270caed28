// The pictures of the browser build on a phone, in portrait and in landscape, for the
// README: a few seconds of play with the touch controls showing.
// Usage: node scripts/capture-web.js build-web/site docs
'use strict';
const path = require('path');
const {serve, launch, openGame} = require('../tests/web/browser');

const phones = {
  'phone-portrait.png': {width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
  'phone-landscape.png': {width: 844, height: 390, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
};

async function main() {
  const [site, out] = process.argv.slice(2).map(p => path.resolve(p));
  const server = await serve(site);
  const browser = await launch();
  try {
    for (const [name, viewport] of Object.entries(phones)) {
      const {page} = await openGame(browser, `http://127.0.0.1:${server.address().port}/`, viewport);
      // Up the lane and a shot into the wall, then a moment for the enemies to come in.
      await page.keyboard.down('w');
      await new Promise(resolve => setTimeout(resolve, 1200));
      await page.keyboard.up('w');
      await page.keyboard.press('j');
      await new Promise(resolve => setTimeout(resolve, 1500));
      await page.keyboard.press('/');
      await page.addStyleTag({content: '#paused { visibility: hidden; }'});
      await page.screenshot({path: path.join(out, name)});
    }
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch(error => {
  console.error(error.message);
  process.exit(1);
});
