// What the page keeps: the records in the browser's storage in the desktop's
// INI text (the game's records store decides what is written), the records
// as a file down and up, the player's own themes in IndexedDB, and the run
// kept when the tab is hidden or closed.
'use strict';
const Store = (() => {
  const $ = (s) => document.querySelector(s);
  const Store = {
    asides: [],  // the keys of copies kept aside this visit, offered beside the message that names them
    lastDownload: null,
    problem() {
      try {
        localStorage.setItem('Fruitwhirl.probe', '1');
        localStorage.removeItem('Fruitwhirl.probe');
        return '';
      } catch (e) { return e.message || String(e); }
    },
    get(key) { try { return localStorage.getItem(key); } catch (e) { return null; } },
    set(key, text) {
      try {
        if (text === null) localStorage.removeItem(key); else localStorage.setItem(key, text);
        return '';
      } catch (e) {
        return e.name === 'QuotaExceededError' ? t('records', "the browser's storage is full") : (e.message || String(e));
      }
    },
    // A save that failed, said below the machine until one works ("" then).
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
    // The player's own themes: pictures kept in IndexedDB, given to the game as
    // /Themes/NAME.Thm at each start, where the theme scan finds them.
    themes(mode) {
      return new Promise((resolve, reject) => {
        const open = indexedDB.open('Fruitwhirl', 1);
        open.onupgradeneeded = () => open.result.createObjectStore('themes');
        open.onsuccess = () => resolve(open.result.transaction('themes', mode).objectStore('themes'));
        open.onerror = () => reject(open.error);
      });
    },
    async ownThemes() {
      const store = await this.themes('readonly');
      const [names, pictures] = await Promise.all([done(store.getAllKeys()), done(store.getAll())]);
      return names.map((name, i) => [name, pictures[i]]);
    },
    // An own theme removed from IndexedDB leaves the Theme menu at the next start,
    // as a picture taken out of the themes folder leaves the desktop's.
    async ownThemeNames() {
      let names = [];
      try { names = (await this.ownThemes()).map(([name]) => name); } catch (e) { /* no IndexedDB: none kept */ }
      $('#remove-theme').disabled = names.length === 0;
      return names;
    },
  };
  const done = (request) => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });

  // ---- Records as a file: the desktop's Fruitwhirl.ini, down and up ----
  $('[data-records="download"]').addEventListener('click', () => {
    Dialogs.closeMenus();
    Store.download('Fruitwhirl.ini', Fruitwhirl.taken(Module._fw_records_text()));
  });
  $('[data-records="load"]').addEventListener('click', () => { Dialogs.closeMenus(); $('#load').click(); });
  $('#load').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (!file) return;
    // Larger files are refused by the checks after their first MiB and a byte.
    const bytes = new Uint8Array(await file.slice(0, (1 << 20) + 1).arrayBuffer());
    const block = Module._malloc(bytes.length + 1);
    HEAPU8.set(bytes, block);
    const words = Fruitwhirl.taken(Fruitwhirl.withText(file.name, (name) => Module._fw_check_records(
      name, block, bytes.length)));
    Module._free(block);
    if (!Module._fw_records_loadable()) { await Dialogs.message(Contract.message.message, 'Fruitwhirl', words); return; }
    if (!await Dialogs.ask('Fruitwhirl', words, t('records', 'Load'), t('records', 'Cancel'))) return;
    const why = Fruitwhirl.taken(Module._fw_replace_records());
    if (why) { await Dialogs.message(Contract.message.error, 'Fruitwhirl', why); return; }
    location.reload();  // the store writes nothing of this run over them now
  });

  // ---- The player's own themes, added and removed ----
  const error = Contract.message.error;
  $('#add-theme').addEventListener('click', () => { Dialogs.closeMenus(); $('#theme-file').click(); });
  $('#theme-file').addEventListener('change', async (e) => {
    const picture = e.target.files[0];
    e.target.value = '';
    if (!picture) return;
    const file = picture.name.replace(/\.[^.]*$/, '') + '.Thm';
    const bytes = new Uint8Array(await picture.arrayBuffer());
    while (!Module._fw_idle()) await new Promise((r) => setTimeout(r, 100));
    const picked = '/tmp/' + picture.name;  // as the player named it, which the messages say
    FS.writeFile(picked, bytes);
    const checked = Module.ccall('fw_add_theme', 'number', ['string', 'string'], [picked, file], { async: true });
    const problem = Fruitwhirl.taken(await checked);
    FS.unlink(picked);
    if (problem) { await Dialogs.message(error, 'Fruitwhirl', problem); return; }
    try {
      await done((await Store.themes('readwrite')).put(bytes, file));
    } catch (why) {
      await Dialogs.message(error, 'Fruitwhirl',
                            fill(t('themes', 'The theme "%1" could not be kept: %2.'), file, why.message || why));
      return;
    }
    Store.ownThemeNames();
    if (await Dialogs.ask('Fruitwhirl', fill(t('themes', 'The theme "%1" is kept in this browser; the Theme menu ' +
        'lists it when the game starts again. Start again now?'), file), t('themes', 'Start Again'),
        t('themes', 'Later'))) location.reload();
  });
  $('#remove-theme').addEventListener('click', async () => {
    Dialogs.closeMenus();
    const d = $('#remove');
    const select = d.querySelector('select');
    select.replaceChildren(...(await Store.ownThemeNames()).map((name) => new Option(name.replace(/\.Thm$/, ''), name)));
    if (!select.options.length || await Dialogs.modal(d) !== 'remove') return;
    const file = select.value;
    try {
      await done((await Store.themes('readwrite')).delete(file));
    } catch (why) {
      await Dialogs.message(error, 'Fruitwhirl',
                            fill(t('themes', 'The theme "%1" could not be removed: %2.'), file, why.message || why));
      return;
    }
    Store.ownThemeNames();
    if (await Dialogs.ask('Fruitwhirl', fill(t('themes', 'The theme "%1" is removed from this browser; the Theme ' +
        'menu drops it when the game starts again. Start again now?'), file), t('themes', 'Start Again'),
        t('themes', 'Later'))) location.reload();
  });

  // ---- Records kept when the tab is hidden or closed; the time hidden is no play time ----
  document.addEventListener('visibilitychange', () => {
    if (Fruitwhirl.running) Module._fw_away(document.visibilityState === 'hidden' ? 1 : 0);
  });
  window.addEventListener('pagehide', () => { if (Fruitwhirl.running) Module._fw_keep(); });
  return Store;
})();
