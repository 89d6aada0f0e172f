// The touch controls: large buttons for what the machine's small targets do (a
// coin, a stack of five, the three holds, the lever, the high-score list and
// this run's statistics), shown on a touch screen. Each is a plate of the
// cabinet drawn from the machine's own sprite sheet and font, in whole pixels
// at a whole-number scale. The game says how each looks (Contract.look) and
// takes each press as the key it stands for, so the page holds no rule of its own.
'use strict';
const Controls = (() => {
  const look = Contract.look, cells = Contract.cells;
  // A plate, in the machine's pixels: a red bevelled frame round a dark panel, as under the reels.
  const W = 76, H = 56, inset = 4;
  const colours = { rim: '#280a0e', light: '#e85c44', red: '#c7382e', shade: '#7e1c1d', panel: '#1a0e12',
                    lit: '#4a2a12', gold: '#c88c10', slate: '#8090b0', cell: '#203070' };
  const controls = [
    // Their names for a screen reader (in the player's language, by Words.name), and the
    // plates' words, in the machine's own font, which stay as the machine's picture.
    ['hold1', tLater('page', 'Hold reel 1'), 'HOLD 1'], ['hold2', tLater('page', 'Hold reel 2'), 'HOLD 2'],
    ['hold3', tLater('page', 'Hold reel 3'), 'HOLD 3'], ['lever', tLater('page', 'Pull the lever'), 'PULL'],
    ['coin', tLater('page', 'One coin'), '1 COIN'], ['stack', tLater('page', 'A stack of five coins'), '5 COINS'],
    ['highScores', tLater('page', 'High scores'), 'HIGH'], ['statistics', tLater('page', 'Your statistics'), 'MY RUN'],
  ];
  const box = document.querySelector('#controls');
  let sheet = null, font = null, coin = null, stack = null, looks = 0, loading = null;

  // A cell of the sheet with its mask's white made transparent (the machine's SrcAnd/SrcInvert pair).
  function cutOut(cell, mask) {
    const c = new OffscreenCanvas(cell[2], cell[3]).getContext('2d');
    c.drawImage(sheet, mask[0], mask[1], cell[2], cell[3], 0, 0, cell[2], cell[3]);
    const keep = c.getImageData(0, 0, cell[2], cell[3]).data;
    c.drawImage(sheet, cell[0], cell[1], cell[2], cell[3], 0, 0, cell[2], cell[3]);
    const picture = c.getImageData(0, 0, cell[2], cell[3]);
    for (let i = 0; i < keep.length; i += 4) if (keep[i] > 127) picture.data[i + 3] = 0;
    c.putImageData(picture, 0, 0);
    return c.canvas;
  }
  // Words in the machine's font, centred across the plate unless x is given.
  function text(c, words, y, colour, x = Math.floor((W - (words.length * 7 - 1)) / 2)) {
    const [, , w, h] = cells.glyphWhite;
    [...words].forEach((ch, i) => {
      if (ch !== ' ') c.drawImage(font[colour], Contract.alphabet.indexOf(ch) * w, 0, w, h, x + 7 * i, y, w, h);
    });
  }
  // A cell drawn n times its size, centred across the plate, its top at y.
  function picture(c, from, cell, n, y) {
    const [sx, sy, w, h] = from === sheet ? cell : [0, 0, cell[2], cell[3]];
    c.drawImage(from, sx, sy, w, h, Math.floor((W - w * n) / 2), y, w * n, h * n);
  }
  function draw(button) {
    const c = button.querySelector('canvas').getContext('2d');
    const name = button.dataset.control, state = button.dataset.look, pressed = button.classList.contains('pressed');
    const sunk = pressed || state === 'on';
    c.imageSmoothingEnabled = false;
    c.fillStyle = colours.rim;
    c.fillRect(0, 0, W, H);
    c.fillStyle = sunk ? colours.shade : colours.light;
    c.fillRect(1, 1, W - 2, H - 2);
    c.fillStyle = sunk ? colours.light : colours.shade;
    c.fillRect(2, 2, W - 3, H - 3);
    c.fillStyle = colours.red;
    c.fillRect(2, 2, W - 4, H - 4);
    c.fillStyle = colours.gold;
    c.fillRect(inset - 1, inset - 1, W - 2 * inset + 2, H - 2 * inset + 2);
    c.fillStyle = state === 'on' && !name.startsWith('hold') ? colours.lit : colours.panel;
    c.fillRect(inset, inset, W - 2 * inset, H - 2 * inset);
    if (!sheet) return;
    c.save();
    c.translate(0, pressed ? 1 : 0);
    const label = controls.find((k) => k[0] === name)[2], colour = state === 'ready' ? 'yellow' : 'white';
    if (name.startsWith('hold')) {
      text(c, label, 9, 'yellow');
      picture(c, sheet, cells[state === 'on' ? 'holdStop' : state === 'ready' ? 'holdGo' : 'holdDark'], 2, 22);
    } else if (name === 'lever') {
      text(c, label, 8, colour);
      picture(c, sheet, [cells.lever[0], cells.lever[1], cells.lever[2], 31], 1, 18);
    } else if (name === 'coin') {
      text(c, label, 8, colour);
      picture(c, coin, cells.coin, 2, 18);
    } else if (name === 'stack') {
      text(c, label, 8, colour);
      picture(c, stack, cells.stack, 2, 18);
    } else if (name === 'highScores') {
      // The list: its numbered lines, the best one gold.
      text(c, label, 6, colour);
      text(c, 'SCORES', 14, colour);
      for (let i = 0; i < 3; ++i) {
        text(c, String(i + 1), 24 + 9 * i, 'white', 22);
        c.fillStyle = i ? colours.slate : colours.gold;
        c.fillRect(32, 26 + 9 * i, 24 - 6 * i, 3);
      }
    } else {
      // This run's page: rows of counts in its blue cells.
      text(c, label, 8, colour);
      for (let i = 0; i < 3; ++i) {
        c.fillStyle = colours.cell;
        c.fillRect(16, 20 + 9 * i, 44, 7);
        c.fillStyle = colours.gold;
        c.fillRect(18, 22 + 9 * i, [30, 14, 22][i], 3);
      }
    }
    c.restore();
    // A control that does nothing now is dimmed as a dark lamp is; one the
    // machine refuses half as much (a hold's dark GO says it already).
    if (state === 'off' || (state === 'refused' && !name.startsWith('hold'))) {
      c.fillStyle = state === 'off' ? 'rgba(16, 8, 10, 0.65)' : 'rgba(16, 8, 10, 0.45)';
      c.fillRect(inset, inset, W - 2 * inset, H - 2 * inset);
    }
  }

  for (const [name, label] of controls) {
    const button = document.createElement('button');
    button.className = 'control';
    button.dataset.control = name;
    button.dataset.look = 'off';
    button.style.gridArea = name;
    button.dataset.enLabel = label;
    button.setAttribute('aria-label', t('page', label));
    const canvas = button.appendChild(document.createElement('canvas'));
    canvas.width = W;
    canvas.height = H;
    const press = (down) => {
      if (button.classList.contains('pressed') === down) return;
      button.classList.toggle('pressed', down);
      draw(button);
    };
    button.addEventListener('pointerdown', () => press(true));
    for (const up of ['pointerup', 'pointerleave', 'pointercancel']) button.addEventListener(up, () => press(false));
    // A refused press still goes to the machine: it answers with its refusal sound.
    button.addEventListener('click', () => { Module._fw_control(Contract.control[name]); Display.canvas.focus(); });
    box.append(button);
  }

  const Controls = {
    shown: false,
    size: { rowWidth: 4 * W + 3 * inset, rowsHeight: 2 * H + inset, columnWidth: W, columnHeight: 4 * H + 3 * inset },
    // The least scale at which a plate is 44 CSS pixels on its shorter side.
    leastScale(ratio) { return Math.ceil(44 * ratio / H); },
    // The plates at scale k in device pixels, with the gap between them and the machine.
    fit(k, ratio, gap) {
      box.hidden = !this.shown;
      if (!this.shown) return;
      box.parentElement.style.setProperty('--plate-width', (W * k / ratio) + 'px');
      box.parentElement.style.setProperty('--plate-height', (H * k / ratio) + 'px');
      box.parentElement.style.setProperty('--plate-gap', (gap * k / ratio) + 'px');
      loading = loading || this.load();
    },
    async load() {
      sheet = await createImageBitmap(new Blob([FS.readFile('/sprites.png')]));
      const row = (g) => [g[0], g[1], g[2] * Contract.alphabet.length, g[3]];
      font = { yellow: cutOut(row(cells.glyphYellow), row(cells.glyphMask)),
               white: cutOut(row(cells.glyphWhite), row(cells.glyphMask)) };
      coin = cutOut(cells.coin, cells.coinMask);
      stack = cutOut(cells.stack, cells.stackMask);
      this.show(looks);
    },
    // The looks the game gives, two bits a control.
    show(given) {
      looks = given;
      const names = Object.keys(look);
      for (const button of box.children) {
        const state = names.find((n) => look[n] === (given >> (2 * Contract.control[button.dataset.control]) & 3));
        button.dataset.look = state;
        button.disabled = state === 'off';
        if (button.dataset.control.startsWith('hold')) button.setAttribute('aria-pressed', String(state === 'on'));
        draw(button);
      }
    },
  };
  return Controls;
})();
