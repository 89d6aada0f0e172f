// The display: the machine's picture on the canvas at a whole-number scale in
// device pixels (the largest that fits unless the player zoomed; full screen
// takes the largest), the caption line below it, the pointer's look, the touch
// controls laid out below the machine or on both sides of it, and the manual and
// the odds beside it where the page is wide enough, else as a panel over it; and
// for a screen reader the machine in words and what it says, in the page's live
// regions.
'use strict';
const Display = (() => {
  const $ = (s) => document.querySelector(s);
  const canvas = $('#screen');
  const width = Contract.limits.screenWidth, height = Contract.limits.screenHeight;
  // Opaque: the browser need not blend the machine with the page behind it.
  const context = canvas.getContext('2d', { alpha: false });
  const frame = context.createImageData(width, height);
  const frameWords = new Uint32Array(frame.data.buffer);
  const captionLine = $('#caption');
  let chosenScale = 0, captionsOn = false, captionSize = 14;
  // The caption's text size for a machine of this many CSS pixels across, and the line's three lines of room.
  const captionText = (across) => Math.round(Math.min(22, Math.max(13, across / 36)));
  const captionRoom = (size) => Math.ceil(3 * 1.25 * size) + 9;
  // A caption longer than its three lines is told a little smaller, down to 10 CSS pixels.
  function fitCaptionText() {
    let size = captionSize;
    captionLine.style.fontSize = size + 'px';
    while (size > 10 && captionLine.scrollHeight > captionLine.clientHeight) captionLine.style.fontSize = --size + 'px';
  }
  // A window beside the machine is at least this wide (CSS pixels), with this gap.
  const sideWidth = 420, gap = 8;
  const sideWindows = () => [...document.querySelectorAll('dialog.side[open]')];
  const touch = () => matchMedia('(pointer: coarse)').matches;

  // The machine's largest scale in a room of CSS pixels, and the touch controls'
  // arrangement and scale with it: below the machine in a tall room, on both
  // sides in a wide one, whichever lets the machine show larger.
  function layout(roomWidth, roomHeight) {
    // The caption line takes its room below the machine first, sized for the largest machine.
    const below = captionLine.hidden ? 0 : captionRoom(captionText(roomWidth)) + gap / 2;
    const ratio = window.devicePixelRatio || 1, w = roomWidth * ratio, h = (roomHeight - below) * ratio;
    const fits = (k) => width * k <= w && height * k <= h;
    if (!Controls.shown) {
      let k = 16;
      while (k > 1 && !fits(k)) --k;
      return { k, arrangement: '' };
    }
    const c = Controls.size, least = Controls.leastScale(ratio), g = gap / 2;
    const room = {
      below: (k, s) => Math.max(width * k, c.rowWidth * s) <= w && height * k + (c.rowsHeight + g) * s <= h,
      beside: (k, s) => width * k + 2 * (c.columnWidth + g) * s <= w && Math.max(height * k, c.columnHeight * s) <= h,
    };
    let best = { k: 0 };
    for (const arrangement of window.innerHeight > window.innerWidth ? ['below', 'beside'] : ['beside', 'below']) {
      let k = 16;
      while (k > 1 && !room[arrangement](k, Math.max(k, least))) --k;
      if (k > best.k) best = { k, arrangement, controls: Math.max(k, least) };
    }
    return best;
  }
  const Display = {
    canvas,
    scale: 0,
    firstFrame: 0,
    present(heap, pixels, first, end) {
      // The machine's 0x00RRGGBB words become the canvas's R, G, B, A bytes
      // (0xAABBGGRR words on this little-endian heap), a word at a time.
      const words = new Uint32Array(heap.buffer, pixels + first * width * 4, (end - first) * width);
      for (let i = 0, o = first * width; i < words.length; ++i, ++o) {
        const p = words[i];
        frameWords[o] = 0xff000000 | (p & 0xff) << 16 | (p & 0xff00) | (p >>> 16 & 0xff);
      }
      context.putImageData(frame, 0, 0, 0, first, width, end - first);
      if (!this.firstFrame) this.firstFrame = performance.now();
    },
    showWindow() {
      $('#card').hidden = true;
      canvas.hidden = false;
      captionLine.hidden = !captionsOn;
      $('#menus').hidden = false;
      this.fit();
      canvas.focus();  // the machine's keys are its own from the start
    },
    endProgram() {
      for (const d of document.querySelectorAll('dialog[open]')) d.close();  // the manual, the odds
      canvas.hidden = true;
      captionLine.hidden = true;
      $('#menus').hidden = true;
      this.fit();  // the touch controls and the caption go with the machine
      const ended = $('#ended');
      ended.textContent = t('page', 'Fruitwhirl has ended. Reload the page to play again.');
      ended.hidden = false;
    },
    setPointer(busy, drag) {
      const icon = drag === Contract.dragIcon.oneCoin ? 'drag-coin' : drag === Contract.dragIcon.fiveCoins
        ? 'drag-stack' : '';
      canvas.style.cursor = busy ? 'wait' : icon ? `url(icons/${icon}.png) 16 16, grab` : 'default';
    },
    // The view the records keep (the game tells it before the machine shows); a
    // scale kept on its own by an earlier version of the page goes into them once.
    setView(scale, captions, hints) {
      Dialogs.checkViewItem('captions', captionsOn = captions);
      Dialogs.checkViewItem('hints', hints);
      const earlier = Number(Store.get('Fruitwhirl.scale')) || 0;
      chosenScale = scale || earlier;
      if (earlier) {
        if (!scale) Module._fw_view(earlier);
        Store.set('Fruitwhirl.scale', null);
      }
    },
    fit() {
      const ratio = window.devicePixelRatio || 1, stage = $('#stage');
      for (const d of document.querySelectorAll('dialog.side')) d.style.left = d.style.top = d.style.width = d.style.maxHeight = '';
      Controls.shown = !canvas.hidden && touch();
      // A window beside the machine takes its room from the page's width when
      // the machine keeps at least its actual size in CSS pixels beside it.
      const roomWidth = window.innerWidth, side = !Controls.shown && roomWidth >= width + sideWidth + 3 * gap;
      const open = side ? sideWindows() : [];
      const fitted = layout(open.length ? roomWidth - sideWidth - 3 * gap : roomWidth, stage.clientHeight);
      let most = fitted.k;
      if (open.length) most = Math.max(most, Math.ceil(ratio));
      const k = document.fullscreenElement || !chosenScale ? most : Math.min(chosenScale, most);
      canvas.style.width = (width * k / ratio) + 'px';
      canvas.style.height = (height * k / ratio) + 'px';
      captionLine.style.width = (width * k / ratio) + 'px';
      captionSize = captionText(width * k / ratio);
      captionLine.style.height = captionRoom(captionSize) + 'px';
      fitCaptionText();
      this.scale = k;
      stage.dataset.arrangement = fitted.arrangement || '';
      Controls.fit(fitted.controls, ratio, gap / 2);
      // The machine and the windows beside it are centred together.
      const besideWidth = open.length ? Math.min(roomWidth - width * k / ratio - 3 * gap,
                                                 Math.max(...open.map((d) => d.scrollWidth), sideWidth)) : 0;
      stage.style.paddingRight = open.length ? (besideWidth + gap) + 'px' : '';
      const machine = canvas.getBoundingClientRect();
      for (const d of document.querySelectorAll('dialog.side')) {
        d.classList.toggle('panel', !side);
        if (!side || !d.open) continue;
        d.style.left = (machine.right + gap) + 'px';
        d.style.top = machine.top + 'px';
        d.style.width = besideWidth + 'px';
        d.style.maxHeight = machine.height + 'px';
      }
    },
    // View -> Captions: the line below the machine, kept with the records.
    showCaptions(on) {
      captionsOn = on;
      captionLine.hidden = !on || canvas.hidden;
      Module._fw_view_item(Contract.viewItem.captions, on ? 1 : 0);
      this.fit();
    },
    // A caption of the game's: what just happened and what the player can do now. The line
    // shows it while captions are on; the event carries every caption to whoever tells it otherwise.
    caption(sentence, urgent) {
      captionLine.textContent = sentence;
      if (!captionLine.hidden) fitCaptionText();
      document.dispatchEvent(new CustomEvent('fw-caption', { detail: { sentence, urgent } }));
    },
    largestScale() { return layout(window.innerWidth, $('#stage').clientHeight).k; },
    zoom(k) {
      if (document.fullscreenElement) return;
      chosenScale = Math.max(1, Math.min(k, this.largestScale()));
      Module._fw_view(chosenScale);
      this.fit();
    },
    toggleFullScreen() {
      if (document.fullscreenElement) document.exitFullscreen(); else document.documentElement.requestFullscreen();
    },
    // The manual or the odds: beside the machine, which makes room for it, so that
    // the reels and the lever stay in view and can be played (as on the desktop);
    // on a narrow page or a touch screen a panel over it, closed by Escape, its
    // Close button or a tap beside it.
    beside(dialog) {
      dialog.classList.add('side');
      if (!dialog.open) dialog.show();
      this.fit();
    },
    // The machine in words, which a screen reader reads as the canvas's description.
    describe(words) { $('#machine-words').textContent = words; },
    // A sentence the machine says: read out after what the screen reader is saying, or at
    // once when urgent (a panel, a jackpot). A new text each time, so that a sentence said
    // again is read again.
    say(sentence, urgent) {
      $(urgent ? '#said-now' : '#said').replaceChildren(document.createTextNode(sentence));
    },
    // Where a pointer event lies, in machine pixels (fractions and all: the game
    // takes the whole pixel), and whether it lies on the machine.
    machinePoint(e) {
      const r = canvas.getBoundingClientRect();
      return [(e.clientX - r.left) * width / r.width, (e.clientY - r.top) * height / r.height,
              e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom];
    },
  };
  // The start card's logo at a whole number of device pixels a pixel, near three CSS pixels.
  const logo = $('#card img');
  const fitLogo = () => {
    const ratio = window.devicePixelRatio || 1;
    logo.style.width = (logo.naturalWidth * Math.max(1, Math.floor(3 * ratio)) / ratio) + 'px';
  };
  if (logo.complete) fitLogo(); else logo.addEventListener('load', fitLogo);
  window.addEventListener('resize', () => { fitLogo(); Display.fit(); });
  // A press beside the manual or the odds shown as a panel only closes it.
  document.addEventListener('pointerdown', (e) => {
    const panels = [...document.querySelectorAll('dialog.side.panel[open]')];
    if (!panels.length || e.target.closest('dialog, .menu')) return;
    e.preventDefault();
    e.stopPropagation();
    for (const d of panels) d.close();
  }, true);
  for (const d of document.querySelectorAll('#manual, #odds')) d.addEventListener('close', () => Display.fit());
  document.addEventListener('fw-caption', (e) => Display.say(e.detail.sentence, e.detail.urgent));
  return Display;
})();
