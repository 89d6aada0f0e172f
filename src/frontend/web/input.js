// Input: presses of the mouse, a pen or a finger on the machine, in machine
// pixels, and keys by the names the browser gives them; the game's one table
// of keys says what each stands for. The machine's keys are its own only while
// it has the focus; elsewhere the page's buttons and windows take them.
'use strict';
const Input = (() => {
  const canvas = Display.canvas;
  const buttonNumber = (b) => (b === 0 ? 1 : b === 2 ? 2 : b === 1 ? 4 : 8 << (b - 3));
  const held = new Set();
  canvas.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    canvas.focus();
    canvas.setPointerCapture(e.pointerId);
    held.add(e.button);
    const [x, y] = Display.machinePoint(e);
    Module._fw_press(buttonNumber(e.button), x, y);
  });
  function release(e, inside) {
    if (!held.delete(e.button)) return;
    const [x, y, within] = Display.machinePoint(e);
    Module._fw_release(x, y, inside && within ? 1 : 0, buttonNumber(e.button));
  }
  canvas.addEventListener('pointerup', (e) => release(e, true));
  canvas.addEventListener('pointercancel', (e) => release(e, false));
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  window.addEventListener('blur', () => {
    if (held.size) { held.clear(); Module._fw_release(-1, -1, 0, 0); }
  });

  // The view's commands are the page's to carry out; the game takes the rest.
  const view = {
    [Contract.window.fullScreen]: () => Display.toggleFullScreen(),
    [Contract.window.zoomIn]: () => Display.zoom(Display.scale + 1),
    [Contract.window.zoomOut]: () => Display.zoom(Display.scale - 1),
    [Contract.window.actualSize]: () => Display.zoom(1),
  };
  document.addEventListener('keydown', (e) => {
    if (!Fruitwhirl.running || e.defaultPrevented || document.querySelector('dialog[open]:modal')) return;
    // Called directly, not through ccall: while the machine is in a pause, ccall
    // would hand back a promise, and a zoom pressed during a spin would be lost.
    const size = lengthBytesUTF8(e.key) + 1, name = Module._malloc(size);
    stringToUTF8(e.key, name, size);
    const command = Module._fw_keydown(name, e.shiftKey, e.ctrlKey, e.altKey || e.metaKey, e.repeat,
                                       document.activeElement === canvas);
    Module._free(name);
    if (command < 0) return;
    e.preventDefault();
    if (view[command]) view[command]();
  });
  return { buttonNumber };
})();
