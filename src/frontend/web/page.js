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
  // call(pointer) with text handed to the game as a C string, freed after.
  withText(text, call) {
    const size = lengthBytesUTF8(text) + 1, pointer = Module._malloc(size);
    stringToUTF8(text, pointer, size);
    try { return call(pointer); } finally { Module._free(pointer); }
  },
  // The size a picture's file declares in its header (PNG, GIF, BMP, JPEG), read
  // before anything decodes it: [width, height], or null when it does not tell.
  declaredSize(path) {
    try {
      const b = FS.readFile(path);
      const v = new DataView(b.buffer, b.byteOffset, b.length);
      const starts = (...bytes) => bytes.every((x, i) => b[i] === x);
      const size = (w, h) => [Math.min(w, 0x7fffffff), Math.min(h, 0x7fffffff)];
      if (starts(0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a)) return size(v.getUint32(16), v.getUint32(20));
      if (starts(0x47, 0x49, 0x46, 0x38)) return size(v.getUint16(6, true), v.getUint16(8, true));
      if (starts(0x42, 0x4d)) {
        if (v.getUint32(14, true) === 12) return size(v.getUint16(18, true), v.getUint16(20, true));
        return size(Math.abs(v.getInt32(18, true)), Math.abs(v.getInt32(22, true)));
      }
      if (starts(0xff, 0xd8)) {
        // The segments up to the frame header: a start-of-frame marker, C0 to CF but C4, C8 and CC.
        for (let i = 2; b[i] === 0xff; i += 2 + v.getUint16(i + 2)) {
          const marker = b[i + 1];
          if (marker >= 0xc0 && marker <= 0xcf && marker !== 0xc4 && marker !== 0xc8 && marker !== 0xcc)
            return size(v.getUint16(i + 7), v.getUint16(i + 5));
        }
      }
    } catch (e) { /* too short to tell */ }
    return null;
  },
  // A picture decoded by the browser: width, height and RGBA bytes in one block
  // the game frees, or 0 with the reason in lastError.
  async decode(path) {
    let bytes;
    try { bytes = FS.readFile(path); } catch (e) { this.lastError = 'the file does not exist.'; return 0; }
    let picture;
    try {
      picture = await createImageBitmap(new Blob([bytes]), { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
    } catch (e) { this.lastError = t('themes', 'Unsupported image format.'); return 0; }
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
    // The languages there are catalogues of.
    Module.addRunDependency('words');
    fetch('l10n/index.json').then((r) => r.json()).then((codes) => { Words.available = codes; })
      .catch(() => {}).finally(() => Module.removeRunDependency('words'));
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
    // The language the records chose, else the browser's, from the start card on.
    Words.use(Module.UTF8ToString(Module._fw_page_language()));
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
  card.querySelector('span').textContent = t('page', 'Fruitwhirl is already running in another tab of this browser.');
  card.disabled = true;
  const button = document.createElement('button');
  button.id = 'switch';
  button.textContent = t('page', 'Switch to it');
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
