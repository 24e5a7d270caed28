// Just enough of the W3C WebDriver protocol, over HTTP with node's own fetch, to play the
// page in Debian's WebKitGTK through its WebKitWebDriver: a page that evaluates a function
// as puppeteer's does, so that browser.js's helpers take it, keys and screenshots.
// WebKitGTK draws WebGL only in a window, on the X display DISPLAY names.
'use strict';
const {spawn} = require('child_process');
const net = require('net');

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const elementKey = 'element-6066-11e4-a52e-4f735466cecf';

function freePort() {
  return new Promise(resolve => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

const pause = ms => new Promise(resolve => setTimeout(resolve, ms));

// One command; the driver's error, if any, thrown with its message. A signal may end the
// wait for the answer.
async function send(base, method, path, body, signal) {
  const response = await fetch(base + path, {
    method, headers: {'Content-Type': 'application/json'}, signal,
    body: method === 'GET' ? undefined : JSON.stringify(body || {}),
  });
  const {value} = await response.json();
  if (!response.ok)
    throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
  return value;
}

// The function's result, or its error thrown here; arguments as JSON, as puppeteer's.
function evaluator(session) {
  return (fn, ...args) => session('POST', '/execute/async', {
    script: `const done = arguments[arguments.length - 1];
             Promise.resolve().then(() => (${fn})(...[...arguments].slice(0, -1)))
               .then(value => done({value}), error => done({error: String(error)}));`,
    args,
  }).then(({value, error}) => {
    if (error)
      throw new Error(error);
    return value;
  });
}

function pageOf(session) {
  const keys = (...actions) => session('POST', '/actions', {actions: [{type: 'key', id: 'keys', actions}]});
  const page = {
    evaluate: evaluator(session),
    goto: url => session('POST', '/url', {url}),
    press: key => keys({type: 'keyDown', value: key}, {type: 'keyUp', value: key}),
    down: key => keys({type: 'keyDown', value: key}),
    up: key => keys({type: 'keyUp', value: key}),
    // The element's pixels as a PNG.
    async screenshot(selector) {
      const element = await session('POST', '/element', {using: 'css selector', value: selector});
      return Buffer.from(await session('GET', `/element/${element[elementKey]}/screenshot`), 'base64');
    },
    // The window grown or shrunk until the page's viewport has the size asked for.
    async setViewport({width, height}) {
      for (let k = 0; k < 3; ++k) {
        const [w, h] = await page.evaluate(() => [innerWidth, innerHeight]);
        if (w === width && h === height)
          return;
        const rect = await session('GET', '/window/rect');
        await session('POST', '/window/rect', {width: rect.width + width - w, height: rect.height + height - h});
      }
    },
  };
  return page;
}

// WebKitWebDriver now and then never answers a request for a new session (seen here about
// once in eight runs of webkit.test.js, at its second browser): a launch not answered
// within 30 s starts again with a driver of its own, twice at most.
async function launchWebKit(args = []) {
  for (let attempt = 1; ; ++attempt) {
    try {
      return await startWebKit(args);
    } catch (error) {
      if (attempt === 3 || error.name !== 'TimeoutError')
        throw error;
    }
  }
}

// A browser with one page. Everything but the loopback goes to a proxy that is not there,
// so the browser reaches nothing beyond this machine. args go to MiniBrowser's command
// line, as "--enable-webgl=false".
async function startWebKit(args) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=local'], {stdio: 'ignore'});
  const base = `http://127.0.0.1:${port}`;
  try {
    for (const deadline = Date.now() + 10000; ; await pause(50)) {
      if (await send(base, 'GET', '/status').then(status => status.ready, () => false))
        break;
      if (Date.now() > deadline)
        throw new Error('WebKitWebDriver did not answer within 10 s');
    }
    const {sessionId} = await send(base, 'POST', '/session', {capabilities: {alwaysMatch: {
      'webkitgtk:browserOptions': {binary: miniBrowser, args: ['--automation', ...args]},
      proxy: {proxyType: 'manual', httpProxy: `127.0.0.1:${await freePort()}`,
              sslProxy: `127.0.0.1:${await freePort()}`, noProxy: ['127.0.0.1']},
    }}}, AbortSignal.timeout(30000));
    const session = (method, path, body) => send(base, method, `/session/${sessionId}${path}`, body);
    return {page: pageOf(session), close: () => session('DELETE', '').finally(() => driver.kill())};
  } catch (error) {
    driver.kill();
    throw error;
  }
}

module.exports = {launchWebKit};
