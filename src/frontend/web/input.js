// Input: presses of the mouse, a pen or a finger on the machine, in machine
// pixels, and keys by the names the browser gives them; the game's one table
// of keys says what each stands for. The machine's keys are its own only while
// it has the focus; elsewhere the page's buttons and windows take them. A
// finger reaches a small target a few CSS pixels away, and a finger held
// still is the right button (a stack of five, this run's statistics).
'use strict';
const Input = (() => {
  const canvas = Display.canvas;
  const buttonNumber = (b) => (b === 0 ? 1 : b === 2 ? 2 : b === 1 ? 4 : 8 << (b - 3));
  const held = new Set();
  // Fingers on the machine, by pointer: where each went down, and the button its press became.
  const fingers = new Map();
  const touch = Contract.touch;
  function fingerPress(finger, button) {
    clearTimeout(finger.timer);
    finger.button = button;
    const [x, y] = finger.at;
    Module._fw_press(button, x, y, touch.reach * Contract.limits.screenWidth / canvas.getBoundingClientRect().width);
  }
  canvas.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    canvas.focus();
    canvas.setPointerCapture(e.pointerId);
    const [x, y] = Display.machinePoint(e);
    if (e.pointerType === 'touch') {
      // The press waits until the finger moves, lifts or has been held still.
      const finger = { at: [x, y], from: [e.clientX, e.clientY], button: 0 };
      finger.timer = setTimeout(() => fingerPress(finger, 2), touch.longPress);
      fingers.set(e.pointerId, finger);
      return;
    }
    held.add(e.button);
    Module._fw_press(buttonNumber(e.button), x, y, 0);
  });
  canvas.addEventListener('pointermove', (e) => {
    const finger = fingers.get(e.pointerId);
    if (finger && !finger.button && Math.hypot(e.clientX - finger.from[0], e.clientY - finger.from[1]) > touch.still)
      fingerPress(finger, 1);
  });
  function release(e, inside) {
    const [x, y, within] = Display.machinePoint(e);
    const finger = fingers.get(e.pointerId);
    if (finger) {
      fingers.delete(e.pointerId);
      if (!finger.button && inside) fingerPress(finger, 1);  // a tap
      clearTimeout(finger.timer);
      if (finger.button) Module._fw_release(x, y, inside && within ? 1 : 0, finger.button);
      return;
    }
    if (!held.delete(e.button)) return;
    Module._fw_release(x, y, inside && within ? 1 : 0, buttonNumber(e.button));
  }
  canvas.addEventListener('pointerup', (e) => release(e, true));
  canvas.addEventListener('pointercancel', (e) => release(e, false));
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  window.addEventListener('blur', () => {
    for (const finger of fingers.values()) clearTimeout(finger.timer);
    if (held.size || fingers.size) { held.clear(); fingers.clear(); Module._fw_release(-1, -1, 0, 0); }
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
    const command = Fruitwhirl.withText(e.key, (name) => Module._fw_keydown(
      name, e.shiftKey, e.ctrlKey, e.altKey || e.metaKey, e.repeat, document.activeElement === canvas));
    if (command < 0) return;
    e.preventDefault();
    if (view[command]) view[command]();
  });
  return { buttonNumber };
})();
