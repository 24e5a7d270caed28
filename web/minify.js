// Shrinks the JavaScript that emscripten writes, in place: on a slow link its bytes come
// before the first frame. Names are shortened everywhere but Module, which the page
// shares; emscripten reaches the game's exports and imports by strings, which stay.
// Usage: node web/minify.js site/tanks.js (with Debian's node-terser on NODE_PATH)
'use strict';
const fs = require('fs');
const {minify} = require('terser');

const file = process.argv[2];
minify(fs.readFileSync(file, 'utf8'), {
  compress: true, toplevel: true, mangle: {toplevel: true, reserved: ['Module']},
}).then(result => fs.writeFileSync(file, result.code), error => {
  console.error(`${file}: ${error.message}`);
  process.exit(1);
});
