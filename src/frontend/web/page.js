// The page around the machine: the start card, the game loaded and started,
// one game per browser, the window's timers and the pictures the browser
// decodes. The page's other parts each publish one object: Display
// (display.js), Sound (audio.js), Store (storage.js), Dialogs (dialogs.js),
// Input (input.js); the codes they share with the game are Contract's
// (contract.js, written by the build). The game itself (fruitwhirl.js, .wasm)
// calls in here.
'use strict';
const params = new URLSearchParams(location.search);

const Fruitwhirl = {
  trace: [],        // the game's trace marks, with ?trace
  lastError: '',
  running: false,
  timers: {},

  // A window timer of the game's, at the interval the game gives.
  enableTimer(timer, on, interval) {
    clearInterval(this.timers[timer]);
    this.timers[timer] = on ? setInterval(() => Module._fw_tick(timer), interval) : null;
  },
  endProgram(status) {
    Display.endProgram();
    this.ended = status;
  },
  taken(pointer) {
    const text = UTF8ToString(pointer);
    Module._free(pointer);
    return text;
  },
  // A picture decoded by the browser: width, height and RGBA bytes in one block
  // the game frees, or 0 with the reason in lastError.
  async decode(path) {
    let bytes;
    try { bytes = FS.readFile(path); } catch (e) { this.lastError = 'the file does not exist.'; return 0; }
    let picture;
    try {
      picture = await createImageBitmap(new Blob([bytes]), { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
    } catch (e) { this.lastError = 'Unsupported image format.'; return 0; }
    const c = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
    c.drawImage(picture, 0, 0);
    const rgba = c.getImageData(0, 0, picture.width, picture.height).data;
    const block = Module._malloc(8 + rgba.length);
    HEAP32[block >> 2] = picture.width;
    HEAP32[(block >> 2) + 1] = picture.height;
    HEAPU8.set(rgba, block + 8);
    return block;
  },
};
window.Fruitwhirl = Fruitwhirl;

// ---- The game: loaded at once, started by the press of the card ----
var Module = {
  noInitialRun: true,
  preRun: [() => {
    if (params.has('trace')) Module.ENV.FRUITWHIRL_TRACE = '1';
    FS.mkdir('/Themes');
    if (!window.indexedDB) return;
    Module.addRunDependency('themes');
    Store.ownThemes().then((themes) => {
      for (const [name, bytes] of themes) FS.writeFile('/Themes/' + name, bytes);
      document.querySelector('#remove-theme').disabled = themes.length === 0;
    }).catch(() => {}).finally(() => Module.removeRunDependency('themes'));
  }],
  printErr: (line) => { Fruitwhirl.trace.push(line); console.log(line); },
  onRuntimeInitialized: () => {
    Fruitwhirl.loaded = true;
    // Offline after the first visit: the service worker keeps the site, taking
    // the files just loaded from the browser's cache rather than again.
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js');
  },
};
window.Module = Module;
function start() {
  if (!Fruitwhirl.loaded || Fruitwhirl.running) return;
  Sound.create();
  Fruitwhirl.running = true;
  Fruitwhirl.started = performance.now();
  Module.callMain([]);
}
// One game per browser: a second tab says so and offers the first.
const channel = 'BroadcastChannel' in window ? new BroadcastChannel('Fruitwhirl') : null;
if (channel) channel.onmessage = (e) => { if (e.data === 'focus') window.focus(); };
function refuse() {
  const card = document.querySelector('#card');
  card.querySelector('span').textContent = 'Fruitwhirl is already running in another tab of this browser.';
  card.disabled = true;
  const button = document.createElement('button');
  button.id = 'switch';
  button.textContent = 'Switch to it';
  button.addEventListener('click', () => channel && channel.postMessage('focus'));
  card.after(button);
  Fruitwhirl.refused = true;
}
function load() {
  document.querySelector('#card').addEventListener('click', start);
  const script = document.createElement('script');
  script.src = 'fruitwhirl.js';
  document.body.append(script);
}
if (navigator.locks) {
  navigator.locks.request('Fruitwhirl', { ifAvailable: true }, (lock) => {
    if (!lock) { refuse(); return undefined; }
    load();
    return new Promise(() => {});  // held for the life of the page
  });
} else {
  load();
}
