// The display: the machine's picture on the canvas at a whole-number scale in
// device pixels (the largest that fits unless the player zoomed; full screen
// takes the largest), the pointer's look, and windows placed beside the machine.
'use strict';
const Display = (() => {
  const $ = (s) => document.querySelector(s);
  const canvas = $('#screen');
  const width = Contract.limits.screenWidth, height = Contract.limits.screenHeight;
  // Opaque: the browser need not blend the machine with the page behind it.
  const context = canvas.getContext('2d', { alpha: false });
  const frame = context.createImageData(width, height);
  const frameWords = new Uint32Array(frame.data.buffer);
  let chosenScale = 0;

  function largestScale() {
    const ratio = window.devicePixelRatio || 1;
    const stage = $('#stage');
    return Math.max(1, Math.floor(Math.min(stage.clientWidth * ratio / width, stage.clientHeight * ratio / height)));
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
      $('#menus').hidden = false;
      this.fit();
      canvas.focus();  // the machine's keys are its own from the start
    },
    endProgram() {
      for (const d of document.querySelectorAll('dialog[open]')) d.close();  // the manual, the odds
      canvas.hidden = true;
      $('#menus').hidden = true;
      const ended = $('#ended');
      ended.textContent = 'Fruitwhirl has ended. Reload the page to play again.';
      ended.hidden = false;
    },
    setPointer(busy, drag) {
      const icon = drag === Contract.dragIcon.oneCoin ? 'drag-coin' : drag === Contract.dragIcon.fiveCoins
        ? 'drag-stack' : '';
      canvas.style.cursor = busy ? 'wait' : icon ? `url(icons/${icon}.png) 16 16, grab` : 'default';
    },
    // The scale the records keep (the game tells it before the machine shows); a
    // scale kept on its own by an earlier version of the page goes into them once.
    setView(scale) {
      const earlier = Number(Store.get('Fruitwhirl.scale')) || 0;
      chosenScale = scale || earlier;
      if (earlier) {
        if (!scale) Module._fw_view(earlier);
        Store.set('Fruitwhirl.scale', null);
      }
    },
    fit() {
      const ratio = window.devicePixelRatio || 1;
      const most = largestScale();
      const k = document.fullscreenElement || !chosenScale ? most : Math.min(chosenScale, most);
      canvas.style.width = (width * k / ratio) + 'px';
      canvas.style.height = (height * k / ratio) + 'px';
      this.scale = k;
    },
    zoom(k) {
      if (document.fullscreenElement) return;
      chosenScale = Math.max(1, Math.min(k, largestScale()));
      Module._fw_view(chosenScale);
      this.fit();
    },
    toggleFullScreen() {
      if (document.fullscreenElement) document.exitFullscreen(); else document.documentElement.requestFullscreen();
    },
    // A window beside the machine opens right of it where the page has room, else
    // left of it, so the reels and the lever stay in view (as on the desktop).
    beside(dialog) {
      const machine = canvas.getBoundingClientRect(), wide = dialog.offsetWidth;
      dialog.style.margin = '0';
      dialog.style.top = Math.max(0, machine.top) + 'px';
      if (window.innerWidth - machine.right >= wide + 8) dialog.style.left = (machine.right + 8) + 'px';
      else if (machine.left >= wide + 8) dialog.style.left = (machine.left - wide - 8) + 'px';
      else dialog.style.margin = dialog.style.top = dialog.style.left = '';
    },
    // Where a pointer event lies, in machine pixels (fractions and all: the game
    // takes the whole pixel), and whether it lies on the machine.
    machinePoint(e) {
      const r = canvas.getBoundingClientRect();
      return [(e.clientX - r.left) * width / r.width, (e.clientY - r.top) * height / r.height,
              e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom];
    },
  };
  window.addEventListener('resize', () => Display.fit());
  return Display;
})();
