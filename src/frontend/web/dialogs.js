// The menus and the dialogs: the menu bar and its items, the Theme menu's
// themes, and every window the game opens (messages, questions, About,
// Configuration, the manual and the odds).
'use strict';
const Dialogs = (() => {
  const $ = (s) => document.querySelector(s);
  const themeItems = [null];
  const Dialogs = {
    // The focus, when in a menu that closes, goes back to the machine.
    closeMenus() {
      const focused = document.querySelector('.menu.open')?.contains(document.activeElement);
      for (const m of document.querySelectorAll('.menu.open')) {
        m.classList.remove('open');
        m.firstElementChild.setAttribute('aria-expanded', 'false');
      }
      if (focused) Display.canvas.focus();
    },
    // A menu of the game's, by its code (Contract.menu).
    enableMenu(menu, on) {
      const name = Object.keys(Contract.menu).find((key) => Contract.menu[key] === menu);
      document.querySelector(`.menu[data-menu="${name}"]`).classList.toggle('disabled', !on);
    },
    setThemeItem(i, caption, visible, on) {
      const item = themeItems[i];
      item.textContent = caption.replace(/&(&?)/g, '$1');  // the desktop's "&" marks the access key
      item.hidden = !visible;
      item.disabled = !on;
    },
    checkThemeItem(i, on) {
      themeItems[i].classList.toggle('checked', !!on);
      themeItems[i].setAttribute('aria-checked', String(!!on));
    },
    // A window the player must answer: the browser moves the focus into it, and back where it was when it closes.
    modal(dialog) {
      this.closeMenus();
      return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
        dialog.returnValue = '';
        dialog.showModal();
      });
    },
    async message(kind, title, text) {
      const d = $('#message');
      d.querySelector('h2').textContent = (kind === Contract.message.error ? '\u26d4 ' : '\u26a0 ') + title;
      d.querySelector('p').innerText = text;
      // A copy kept aside is offered for download beside the message that names it.
      const offers = d.querySelector('.offers');
      offers.replaceChildren();
      for (const key of Store.asides.filter((k) => text.includes(k))) {
        const b = document.createElement('button');
        b.type = 'button';
        b.textContent = fill(t('page', 'Download %1'), key);
        b.addEventListener('click', () => Store.download(key, Store.get(key) || ''));
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
    async about(text, links) {  // links: [kind ("mail", "web"), address, tooltip naming it]
      const d = $('#about');
      d.querySelector('p').innerText = text;
      d.querySelector('.links')?.remove();
      if (links.length) {
        const row = document.createElement('p');
        row.className = 'links';
        for (const [kind, url, tip] of links) {
          const a = Object.assign(document.createElement('a'), { href: url, title: tip, target: '_blank' });
          a.style.marginRight = '1.5em';
          a.append(Object.assign(new Image(), { src: kind === 'mail' ? 'email.png' : 'homepage.png', alt: tip }));
          row.append(a);
        }
        d.querySelector('form').before(row);
      }
      await this.modal(d);
    },
    // The slider's position comes and goes as the game's edition layer reads it.
    // Without a sound device the sound box and the volume show the stored choice, greyed.
    // languages: the Language list's choices, the system's first; language the one chosen.
    async config(name, soundOn, slider, soundAvailable, volume, language, languages) {
      const f = $('#config form').elements;
      f.language.replaceChildren(...languages.map((text, i) => new Option(text, String(i))));
      f.language.value = String(language);
      f.name.value = name;
      f.sound.checked = soundOn === 1;
      f.sound.disabled = f.volume.disabled = !soundAvailable;
      $('#config .no-device').hidden = !!soundAvailable;
      f.volume.value = volume;
      f.volumeShown.value = volume + ' %';
      namePreview(name);
      f.speed.value = slider;
      f.reset.checked = false;
      const shown = this.modal($('#config'));
      // The name is selected, ready to be typed over; on a touch screen nothing
      // is focused, so that the on-screen keyboard comes only when asked for.
      if (matchMedia('(pointer: coarse)').matches) document.activeElement.blur(); else f.name.select();
      if (await shown !== 'ok') return null;
      return { name: f.name.value, soundOn: f.sound.checked ? 1 : 0, slider: Number(f.speed.value),
               volume: Number(f.volume.value), reset: f.reset.checked ? 1 : 0, language: Number(f.language.value) };
    },
    async showManual() {
      const d = $('#manual');
      const file = Words.spoken === 'en' ? 'manual.txt' : `manual.${Words.spoken}.txt`;
      d.querySelector('pre').textContent = await (await fetch(file)).text();
      if (!d.open) { d.show(); Display.beside(d); }
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
      if (open && !d.open) { d.show(); Display.beside(d); }
    },
    oddsShown() { return $('#odds').open; },
  };

  // ---- Configuration's limits, and the menus ----
  const fields = $('#config form').elements;
  fields.name.maxLength = Contract.limits.nameLength;
  fields.volume.max = Contract.limits.fullVolume;
  fields.volume.step = Contract.limits.volumeStep;
  fields.volume.addEventListener('input', () => { fields.volumeShown.value = fields.volume.value + ' %'; });
  fields.name.addEventListener('input', () => namePreview(fields.name.value));
  // A name holding letters the machine's font has not: the name as the machine draws it.
  function namePreview(name) {
    const block = Fruitwhirl.withText(name, (text) => Module._fw_name_preview(text));
    const shown = $('#config .preview');
    shown.hidden = !block;
    if (!block) return;
    const [w, h] = [HEAP32[block >> 2], HEAP32[(block >> 2) + 1]];
    const canvas = shown.querySelector('canvas');
    [canvas.width, canvas.height] = [w, h];
    const rgba = new Uint8ClampedArray(HEAPU8.buffer, block + 8, 4 * w * h);
    canvas.getContext('2d').putImageData(new ImageData(rgba.slice(), w, h), 0, 0);
    Module._free(block);
  }
  fields.speed.min = Contract.limits.slowest;
  fields.speed.max = Contract.limits.fastest;
  for (let i = 1; i <= Contract.limits.themes; ++i) {
    const item = document.createElement('button');
    item.setAttribute('role', 'menuitemradio');
    item.setAttribute('aria-checked', 'false');
    item.textContent = 'Theme' + i;
    item.hidden = i !== 1;
    item.addEventListener('click', () => { Dialogs.closeMenus(); Module._fw_menu(Contract.command.theme, i); });
    $('#themes').append(item);
    themeItems.push(item);
  }
  const menus = [...document.querySelectorAll('.menu')];
  for (const item of document.querySelectorAll('.items > button')) item.setAttribute('role', 'menuitem');
  for (const item of document.querySelectorAll('[data-view="full"], [data-view-item]')) {
    item.setAttribute('role', 'menuitemcheckbox');
    item.setAttribute('aria-checked', 'false');
  }
  const usable = (list) => list.filter((b) => !b.hidden && !b.disabled && !b.classList.contains('disabled'));
  const items = (menu) => usable([...menu.querySelectorAll('.items button')]);
  function open(menu) {
    Dialogs.closeMenus();
    menu.classList.add('open');
    menu.firstElementChild.setAttribute('aria-expanded', 'true');
    items(menu)[0]?.focus();
  }
  for (const menu of menus) {
    menu.firstElementChild.addEventListener('click', () => {
      if (menu.classList.contains('open')) Dialogs.closeMenus();
      else if (!menu.classList.contains('disabled')) open(menu);
    });
  }
  // A click or a tap beside an open menu only closes it, as on the desktop: the
  // machine does not get it (caught on its way down, before the canvas has it).
  document.addEventListener('pointerdown', (e) => {
    if (e.target.closest('.menu') || !document.querySelector('.menu.open')) return;
    e.preventDefault();
    e.stopPropagation();
    Dialogs.closeMenus();
  }, true);
  // The keys of the menus, as on the desktop: Alt and a menu's first letter opens
  // it; the arrows go through its items and to its neighbours; Escape closes it, or
  // the manual or the odds when the focus is in them. Every other key is left alone.
  const next = (list, from, by) =>
    list[(Math.max(list.indexOf(from), by > 0 ? -1 : 0) + by + list.length) % list.length];
  document.addEventListener('keydown', (e) => {
    if (!Fruitwhirl.running || document.querySelector('dialog[open]:modal')) return;
    const current = document.querySelector('.menu.open');
    const by = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[e.key];
    const across = e.key === 'ArrowLeft' || e.key === 'ArrowRight';
    // The letter underlined in the player's language.
    const named = e.altKey && !e.ctrlKey && menus.find((m) =>
      m.firstElementChild.querySelector('u')?.textContent.toLowerCase() === e.key.toLowerCase());
    if (named && usable([named]).length) open(named);
    else if (current && by && !across) next(items(current), document.activeElement, by)?.focus();
    else if (current && by) open(next(usable(menus), current, by));
    else if (current && e.key === 'Escape') { Dialogs.closeMenus(); current.firstElementChild.focus(); }
    else if (e.key === 'Escape' && document.activeElement.closest('dialog[open]')) {
      document.activeElement.closest('dialog').close();
    } else return;
    e.preventDefault();
  });
  for (const item of document.querySelectorAll('[data-command]')) {
    item.addEventListener('click', () => {
      Dialogs.closeMenus();
      Module._fw_menu(Contract.command[item.dataset.command], 0);
    });
  }
  for (const [item, scale] of [['in', () => Display.scale + 1], ['out', () => Display.scale - 1],
                               ['actual', () => 1]]) {
    $(`[data-view="${item}"]`).addEventListener('click', () => { Dialogs.closeMenus(); Display.zoom(scale()); });
  }
  $('[data-view="full"]').addEventListener('click', () => { Dialogs.closeMenus(); Display.toggleFullScreen(); });
  // Captions and Hints: checked while on, kept with the records by the game.
  Dialogs.checkViewItem = (item, on) => {
    $(`[data-view-item="${item}"]`).classList.toggle('checked', on);
    $(`[data-view-item="${item}"]`).setAttribute('aria-checked', String(on));
  };
  const viewItemOn = (item) => $(`[data-view-item="${item}"]`).classList.contains('checked');
  $('[data-view-item="captions"]').addEventListener('click', () => {
    Dialogs.closeMenus();
    const on = !viewItemOn('captions');
    Dialogs.checkViewItem('captions', on);
    Display.showCaptions(on);
  });
  $('[data-view-item="hints"]').addEventListener('click', () => {
    Dialogs.closeMenus();
    const on = !viewItemOn('hints');
    Dialogs.checkViewItem('hints', on);
    Module._fw_view_item(Contract.viewItem.hints, on ? 1 : 0);
  });
  // Full screen is checked, and the zooms are disabled while it lasts, as on the desktop.
  document.addEventListener('fullscreenchange', () => {
    const full = !!document.fullscreenElement;
    $('[data-view="full"]').classList.toggle('checked', full);
    $('[data-view="full"]').setAttribute('aria-checked', String(full));
    for (const item of ['in', 'out', 'actual']) $(`[data-view="${item}"]`).disabled = full;
    Display.fit();
  });
  return Dialogs;
})();
