// The page around the machine: the start card, the canvas at a whole-number
// scale, pointer, touch and keys, the menus and dialogs, Web Audio, and the
// browser's storage. The game itself (fruitwhirl.js, .wasm) calls in here.
'use strict';
const $ = (s) => document.querySelector(s);
const params = new URLSearchParams(location.search);
const canvas = $('#screen');
// Opaque: the browser need not blend the machine with the page behind it.
const context = canvas.getContext('2d', { alpha: false });
const frame = context.createImageData(320, 256);
const frameWords = new Uint32Array(frame.data.buffer);

const Fruitwhirl = {
  trace: [],        // the game's trace marks, with ?trace
  soundLog: [],     // every sound started or stopped: [file, 'once' | 'loop' | 'stop']
  lastError: '',
  asides: [],       // the keys of copies kept aside this visit
  running: false,
  audioContext: null,
  sounds: [], names: [], loops: [],
  timers: [null, null],

  present(heap, pixels, first, end) {
    // The machine's 0x00RRGGBB words become the canvas's R, G, B, A bytes
    // (0xAABBGGRR words on this little-endian heap), a word at a time.
    const words = new Uint32Array(heap.buffer, pixels + first * 320 * 4, (end - first) * 320);
    for (let i = 0, o = first * 320; i < words.length; ++i, ++o) {
      const p = words[i];
      frameWords[o] = 0xff000000 | (p & 0xff) << 16 | (p & 0xff00) | (p >>> 16 & 0xff);
    }
    context.putImageData(frame, 0, 0, 0, first, 320, end - first);
    if (!this.firstFrame) this.firstFrame = performance.now();
  },
  showWindow() {
    $('#card').hidden = true;
    canvas.hidden = false;
    $('#menus').hidden = false;
    fit();
  },
  setPointer(busy, drag) {
    canvas.style.cursor = busy ? 'wait' : drag === 1 ? 'url(icons/drag-coin.png) 16 16, grab'
      : drag === 2 ? 'url(icons/drag-stack.png) 16 16, grab' : 'default';
  },
  enableMenu(menu, on) { document.querySelector(`.menu[data-menu="${menu}"]`).classList.toggle('disabled', !on); },
  setThemeItem(i, caption, visible, on) {
    const item = themeItems[i];
    item.textContent = caption.replace(/&(&?)/g, '$1');  // the desktop's "&" marks the access key
    item.hidden = !visible;
    item.disabled = !on;
  },
  checkThemeItem(i, on) { themeItems[i].classList.toggle('checked', !!on); },
  enableTimer(timer, on) {
    clearInterval(this.timers[timer]);
    this.timers[timer] = on ? setInterval(() => Module._fw_tick(timer), timer === 0 ? 1000 : 10000) : null;
  },
  endProgram(status) {
    canvas.hidden = true;
    $('#menus').hidden = true;
    const ended = $('#ended');
    ended.textContent = 'Fruitwhirl has ended. Reload the page to play again.';
    ended.hidden = false;
    this.ended = status;
  },
  modal(dialog) {
    closeMenus();
    return new Promise((resolve) => {
      dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
      dialog.returnValue = '';
      dialog.showModal();
    });
  },
  async message(error, title, text) {
    const d = $('#message');
    d.querySelector('h2').textContent = (error ? '\u26d4 ' : '\u26a0 ') + title;
    d.querySelector('p').innerText = text;
    // A copy kept aside is offered for download beside the message that names it.
    const offers = d.querySelector('.offers');
    offers.replaceChildren();
    for (const key of this.asides.filter((k) => text.includes(k))) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = 'Download ' + key;
      b.addEventListener('click', () => this.download(key, this.storageGet(key) || ''));
      offers.append(b);
    }
    await this.modal(d);
  },
  async ask(title, text, yes, no) {
    const d = $('#ask');
    d.querySelector('h2').textContent = '\u26a0 ' + title;
    d.querySelector('p').innerText = text;
    d.querySelector('[value=yes]').textContent = yes;
    d.querySelector('[value=no]').textContent = no;
    return await this.modal(d) === 'yes';
  },
  unsaved(text) {
    const p = $('#unsaved');
    p.textContent = text;
    p.hidden = !text;
  },
  download(name, text) {
    this.lastDownload = { name, text };
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  },
  taken(pointer) {
    const text = UTF8ToString(pointer);
    Module._free(pointer);
    return text;
  },
  async about(version) {
    const d = $('#about');
    d.querySelector('p').textContent = 'Fruitwhirl ' + version + ': a three-reel fruit machine.';
    await this.modal(d);
  },
  async config(name, soundOn, speed, soundAvailable) {
    const f = $('#config form').elements;
    f.name.value = name;
    f.sound.checked = soundAvailable && soundOn === 1;
    f.sound.disabled = !soundAvailable;
    f.speed.value = 100 - speed;
    f.reset.checked = false;
    if (await this.modal($('#config')) !== 'ok') return null;
    return { name: f.name.value, soundOn: f.sound.checked ? 1 : 0, speed: 100 - Number(f.speed.value),
             reset: f.reset.checked ? 1 : 0 };
  },
  async showManual() {
    const d = $('#manual');
    d.querySelector('pre').textContent = await (await fetch('manual.txt')).text();
    if (!d.open) { d.show(); beside(d); }
  },
  // The odds' rows, section by section: a heading, a table (its cells' exact fractions
  // shown on hovering, the best hold marked) and a note; the prizes, the next game and
  // its holds in the left column, the long run and the pay lines in the right.
  showOdds(sections, open) {
    const d = $('#odds');
    const columns = [...d.querySelectorAll('.sections > div')];
    for (const column of columns) column.replaceChildren();
    for (const section of sections) {
      const part = document.createElement('section');
      part.dataset.key = section.key;
      const heading = document.createElement('h3');
      heading.textContent = section.title;
      const table = document.createElement('table');
      table.className = section.header.length ? 'columns' : 'figures';
      if (section.header.length) {
        const row = table.createTHead().insertRow();
        for (const text of section.header) row.appendChild(document.createElement('th')).textContent = text;
      }
      const rows = table.createTBody();
      for (const r of section.rows) {
        const row = rows.insertRow();
        if (r.best) row.className = 'best';
        for (const c of r.cells) {
          const cell = row.insertCell();
          cell.textContent = c.text;
          if (c.exact) cell.title = c.exact;
        }
      }
      part.append(heading, table);
      if (section.note) part.appendChild(document.createElement('p')).textContent = section.note;
      columns[['LongRun', 'PayLines'].includes(section.key) ? 1 : 0].appendChild(part);
    }
    if (open && !d.open) { d.show(); beside(d); }
  },
  oddsShown() { return $('#odds').open; },

  audioOpen() {
    if (this.audioContext) this.rest();  // silent until the first sound
    return !!this.audioContext;
  },
  async audioLoad(slot, path) {
    this.names[slot] = path.slice(path.lastIndexOf('/') + 1);
    try {
      // The site carries each WAV as FLAC: the same samples in fewer bytes.
      const bytes = FS.readFile(path.replace(/\.wav$/, '.flac'));
      this.sounds[slot] = await this.audioContext.decodeAudioData(bytes.buffer.slice(0));
    } catch (e) { this.sounds[slot] = null; }  // a sound that cannot be read stays silent
  },
  audio(slot, what) {
    if (what === 3) {
      for (const s of this.loops) if (s) s.stop();
      this.loops = [];
      return;
    }
    this.soundLog.push([this.names[slot], ['once', 'loop', 'stop'][what]]);
    if (what === 2) {
      if (this.loops[slot]) this.loops[slot].stop();
      this.loops[slot] = null;
      return;
    }
    if (what === 1 && this.loops[slot]) return;
    if (!this.sounds[slot]) return;
    const source = this.audioContext.createBufferSource();
    source.buffer = this.sounds[slot];
    source.loop = what === 1;  // a buffer loops without a seam
    source.connect(this.audioContext.destination);
    this.wake();
    ++this.playing;
    source.onended = () => { if (--this.playing === 0) this.rest(); };
    source.start();
    if (what === 1) this.loops[slot] = source;
  },
  // A silent machine costs nothing: the audio output is suspended a second
  // after the last sound ends, and resumed by the next one.
  playing: 0,
  wake() {
    clearTimeout(this.resting);
    if (this.audioContext.state === 'suspended') this.audioContext.resume();
  },
  rest() {
    clearTimeout(this.resting);
    this.resting = setTimeout(() => { if (this.playing === 0) this.audioContext.suspend(); }, 1000);
  },

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

  storageProblem() {
    try {
      localStorage.setItem('Fruitwhirl.probe', '1');
      localStorage.removeItem('Fruitwhirl.probe');
      return '';
    } catch (e) { return e.message || String(e); }
  },
  storageGet(key) { try { return localStorage.getItem(key); } catch (e) { return null; } },
  storageSet(key, text) {
    try {
      if (text === null) localStorage.removeItem(key); else localStorage.setItem(key, text);
      return '';
    } catch (e) {
      return e.name === 'QuotaExceededError' ? "the browser's storage is full" : (e.message || String(e));
    }
  },
};
window.Fruitwhirl = Fruitwhirl;

// ---- The canvas: a whole-number scale in device pixels, the largest that fits
// unless the player zoomed (kept for the next visit); full screen takes the largest ----
let chosenScale = 0;
// The scale the records keep (the game tells it before the machine shows); a
// scale kept on its own by an earlier version of the page goes into them once.
Fruitwhirl.setView = (scale) => {
  const earlier = Number(Fruitwhirl.storageGet('Fruitwhirl.scale')) || 0;
  chosenScale = scale || earlier;
  if (earlier) {
    if (!scale) Module._fw_view(earlier);
    Fruitwhirl.storageSet('Fruitwhirl.scale', null);
  }
};
function largestScale() {
  const ratio = window.devicePixelRatio || 1;
  const stage = $('#stage');
  return Math.max(1, Math.floor(Math.min(stage.clientWidth * ratio / 320, stage.clientHeight * ratio / 256)));
}
function fit() {
  const ratio = window.devicePixelRatio || 1;
  const most = largestScale();
  const k = document.fullscreenElement || !chosenScale ? most : Math.min(chosenScale, most);
  canvas.style.width = (320 * k / ratio) + 'px';
  canvas.style.height = (256 * k / ratio) + 'px';
  Fruitwhirl.scale = k;
}
function zoom(k) {
  if (document.fullscreenElement) return;
  chosenScale = Math.max(1, Math.min(k, largestScale()));
  Module._fw_view(chosenScale);
  fit();
}
window.addEventListener('resize', fit);

// A window beside the machine opens right of it where the page has room, else
// left of it, so the reels and the lever stay in view (as on the desktop).
function beside(dialog) {
  const machine = canvas.getBoundingClientRect(), width = dialog.offsetWidth;
  dialog.style.margin = '0';
  dialog.style.top = Math.max(0, machine.top) + 'px';
  if (window.innerWidth - machine.right >= width + 8) dialog.style.left = (machine.right + 8) + 'px';
  else if (machine.left >= width + 8) dialog.style.left = (machine.left - width - 8) + 'px';
  else dialog.style.margin = dialog.style.top = dialog.style.left = '';
}

// ---- Pointer and touch: presses in machine pixels ----
function machinePoint(e) {
  const r = canvas.getBoundingClientRect();
  return [(e.clientX - r.left) * 320 / r.width, (e.clientY - r.top) * 256 / r.height,
          e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom];
}
const buttonNumber = (b) => (b === 0 ? 1 : b === 2 ? 2 : b === 1 ? 4 : 8 << (b - 3));
const held = new Set();
canvas.addEventListener('pointerdown', (e) => {
  e.preventDefault();
  closeMenus();
  canvas.setPointerCapture(e.pointerId);
  held.add(e.button);
  const [x, y] = machinePoint(e);
  Module._fw_press(buttonNumber(e.button), x, y);
});
function release(e, inside) {
  if (!held.delete(e.button)) return;
  const [x, y, within] = machinePoint(e);
  Module._fw_release(x, y, inside && within ? 1 : 0, buttonNumber(e.button));
}
canvas.addEventListener('pointerup', (e) => release(e, true));
canvas.addEventListener('pointercancel', (e) => release(e, false));
canvas.addEventListener('contextmenu', (e) => e.preventDefault());
window.addEventListener('blur', () => {
  if (held.size) { held.clear(); Module._fw_release(-1, -1, 0, 0); }
});

// ---- Keys: the desktop's ----
const keyCommands = { c: 0, ' ': 2, Enter: 2, h: 4, s: 5, Backspace: 6, Escape: 6, q: 7 };
document.addEventListener('keydown', (e) => {
  if (!Fruitwhirl.running || document.querySelector('dialog[open]:modal')) return;
  if (e.ctrlKey && e.key.toLowerCase() === 'q') { e.preventDefault(); Module._fw_menu(1, 0); return; }
  if (e.key === 'F1') { e.preventDefault(); Module._fw_menu(4, 0); return; }
  if (e.key === 'F11') { e.preventDefault(); toggleFullScreen(); return; }
  if (e.ctrlKey && (e.key === '+' || e.key === '=')) { e.preventDefault(); zoom(Fruitwhirl.scale + 1); return; }
  if (e.ctrlKey && e.key === '-') { e.preventDefault(); zoom(Fruitwhirl.scale - 1); return; }
  if (e.ctrlKey && e.key === '0') { e.preventDefault(); zoom(1); return; }
  if (e.ctrlKey || e.altKey || e.metaKey || e.repeat) return;
  const key = e.key.length === 1 ? e.key.toLowerCase() : e.key;
  if (e.shiftKey && key !== 'c') return;
  e.preventDefault();
  if (key === 'c') Module._fw_key(e.shiftKey ? 1 : 0, 0);
  else if (key in keyCommands) Module._fw_key(keyCommands[key], 0);
  else if (key >= '1' && key <= '9') Module._fw_key(3, Number(key));
  else if (key === '0') Module._fw_key(3, 10);
});

// ---- Menus ----
const themeItems = [null];
for (let i = 1; i <= 10; ++i) {
  const item = document.createElement('button');
  item.textContent = 'Theme' + i;
  item.hidden = i !== 1;
  item.addEventListener('click', () => { closeMenus(); Module._fw_menu(2, i); });
  $('#themes').append(item);
  themeItems.push(item);
}
function closeMenus() { for (const m of document.querySelectorAll('.menu.open')) m.classList.remove('open'); }
for (const menu of document.querySelectorAll('.menu')) {
  menu.firstElementChild.addEventListener('click', () => {
    const open = menu.classList.contains('open');
    closeMenus();
    if (!open && !menu.classList.contains('disabled')) menu.classList.add('open');
  });
}
for (const item of document.querySelectorAll('[data-item]')) {
  item.addEventListener('click', () => { closeMenus(); Module._fw_menu(Number(item.dataset.item), 0); });
}
function toggleFullScreen() {
  if (document.fullscreenElement) document.exitFullscreen(); else document.documentElement.requestFullscreen();
}
for (const [item, scale] of [['in', () => Fruitwhirl.scale + 1], ['out', () => Fruitwhirl.scale - 1],
                             ['actual', () => 1]]) {
  $(`[data-view="${item}"]`).addEventListener('click', () => { closeMenus(); zoom(scale()); });
}
$('[data-view="full"]').addEventListener('click', () => { closeMenus(); toggleFullScreen(); });
// Full screen is checked, and the zooms are disabled while it lasts, as on the desktop.
document.addEventListener('fullscreenchange', () => {
  const full = !!document.fullscreenElement;
  $('[data-view="full"]').classList.toggle('checked', full);
  for (const item of ['in', 'out', 'actual']) $(`[data-view="${item}"]`).disabled = full;
  fit();
});

// ---- Records as a file: the desktop's Fruitwhirl.ini, down and up ----
$('[data-records="download"]').addEventListener('click', () => {
  closeMenus();
  Fruitwhirl.download('Fruitwhirl.ini', Fruitwhirl.taken(Module._fw_records_text()));
});
$('[data-records="load"]').addEventListener('click', () => { closeMenus(); $('#load').click(); });
$('#load').addEventListener('change', async (e) => {
  const file = e.target.files[0];
  e.target.value = '';
  if (!file) return;
  // Larger files are refused by the checks after their first MiB and a byte.
  const bytes = new Uint8Array(await file.slice(0, (1 << 20) + 1).arrayBuffer());
  const block = Module._malloc(bytes.length + 1);
  HEAPU8.set(bytes, block);
  const nameSize = lengthBytesUTF8(file.name) + 1, name = Module._malloc(nameSize);
  stringToUTF8(file.name, name, nameSize);
  const problem = Fruitwhirl.taken(Module._fw_check_records(name, block, bytes.length));
  Module._free(block);
  Module._free(name);
  if (problem) { await Fruitwhirl.message(0, 'Fruitwhirl', problem); return; }
  if (!await Fruitwhirl.ask('Fruitwhirl', `Load the records of "${file.name}"? They take the place of the ` +
      'high scores, statistics and settings kept in this browser, and the game starts again with them; ' +
      'the run under way is not entered.', 'Load', 'Cancel')) return;
  const why = Fruitwhirl.taken(Module._fw_replace_records());
  if (why) { await Fruitwhirl.message(1, 'Fruitwhirl', why); return; }
  Fruitwhirl.replaced = true;
  location.reload();
});

// ---- The player's own themes: pictures kept in IndexedDB, given to the game as
// /Themes/NAME.Thm at each start, where the theme scan finds them ----
function themeStore(mode) {
  return new Promise((resolve, reject) => {
    const open = indexedDB.open('Fruitwhirl', 1);
    open.onupgradeneeded = () => open.result.createObjectStore('themes');
    open.onsuccess = () => resolve(open.result.transaction('themes', mode).objectStore('themes'));
    open.onerror = () => reject(open.error);
  });
}
const done = (request) => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});
async function ownThemes() {
  const store = await themeStore('readonly');
  const [names, pictures] = await Promise.all([done(store.getAllKeys()), done(store.getAll())]);
  return names.map((name, i) => [name, pictures[i]]);
}
$('#add-theme').addEventListener('click', () => { closeMenus(); $('#theme-file').click(); });
$('#theme-file').addEventListener('change', async (e) => {
  const picture = e.target.files[0];
  e.target.value = '';
  if (!picture) return;
  const file = picture.name.replace(/\.[^.]*$/, '') + '.Thm';
  const bytes = new Uint8Array(await picture.arrayBuffer());
  while (!Module._fw_idle()) await new Promise((r) => setTimeout(r, 100));
  FS.writeFile(file, bytes);  // beside the game, as the player named it
  const checked = Module.ccall('fw_add_theme', 'number', ['string', 'string'], [file, file], { async: true });
  const problem = Fruitwhirl.taken(await checked);
  FS.unlink(file);
  if (problem) { await Fruitwhirl.message(1, 'Fruitwhirl', problem); return; }
  try {
    await done((await themeStore('readwrite')).put(bytes, file));
  } catch (error) {
    await Fruitwhirl.message(1, 'Fruitwhirl', `The theme "${file}" could not be kept: ${error.message || error}.`);
    return;
  }
  ownThemeNames();
  if (await Fruitwhirl.ask('Fruitwhirl', `The theme "${file}" is kept in this browser; the Theme menu lists ` +
      'it when the game starts again. Start again now?', 'Start Again', 'Later')) location.reload();
});
// An own theme removed from IndexedDB leaves the Theme menu at the next start,
// as a picture taken out of the themes folder leaves the desktop's.
async function ownThemeNames() {
  let names = [];
  try { names = (await ownThemes()).map(([name]) => name); } catch (e) { /* no IndexedDB: none kept */ }
  $('#remove-theme').disabled = names.length === 0;
  return names;
}
$('#remove-theme').addEventListener('click', async () => {
  closeMenus();
  const d = $('#remove');
  const select = d.querySelector('select');
  select.replaceChildren(...(await ownThemeNames()).map((name) => new Option(name.replace(/\.Thm$/, ''), name)));
  if (!select.options.length || await Fruitwhirl.modal(d) !== 'remove') return;
  const file = select.value;
  try {
    await done((await themeStore('readwrite')).delete(file));
  } catch (error) {
    await Fruitwhirl.message(1, 'Fruitwhirl', `The theme "${file}" could not be removed: ${error.message || error}.`);
    return;
  }
  ownThemeNames();
  if (await Fruitwhirl.ask('Fruitwhirl', `The theme "${file}" is removed from this browser; the Theme menu ` +
      'drops it when the game starts again. Start again now?', 'Start Again', 'Later')) location.reload();
});

// ---- Records kept when the tab is hidden or closed ----
const keep = () => { if (Fruitwhirl.running && !Fruitwhirl.replaced) Module._fw_keep(); };
document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'hidden') keep(); });
window.addEventListener('pagehide', keep);

// ---- The game: loaded at once, started by the press of the card ----
var Module = {
  noInitialRun: true,
  preRun: [() => {
    if (params.has('trace')) Module.ENV.FRUITWHIRL_TRACE = '1';
    FS.mkdir('/Themes');
    if (!window.indexedDB) return;
    Module.addRunDependency('themes');
    ownThemes().then((themes) => {
      for (const [name, bytes] of themes) FS.writeFile('/Themes/' + name, bytes);
      $('#remove-theme').disabled = themes.length === 0;
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
  const Audio = window.AudioContext || window.webkitAudioContext;
  if (Audio) Fruitwhirl.audioContext = new Audio();
  Fruitwhirl.running = true;
  Fruitwhirl.started = performance.now();
  Module.callMain([]);
}
// One game per browser: a second tab says so and offers the first.
const channel = 'BroadcastChannel' in window ? new BroadcastChannel('Fruitwhirl') : null;
if (channel) channel.onmessage = (e) => { if (e.data === 'focus') window.focus(); };
function refuse() {
  const card = $('#card');
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
  $('#card').addEventListener('click', start);
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
