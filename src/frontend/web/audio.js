// The machine's sounds through Web Audio: decoded once, played, looped
// without a seam and stopped as the game asks; the output rests while silent.
'use strict';
const Sound = (() => {
  const op = Contract.audio;
  const Sound = {
    context: null,
    log: [],       // every sound started or stopped: [file, 'once' | 'loop' | 'stop']
    buffers: [], names: [], loops: [],
    playing: 0,
    level: 1,      // the volume the game set, 0..1 of each sound's own level
    // Made at the player's first press: a browser lets sound start only then.
    // Every sound goes through one gain: the volume scales them all alike.
    create() {
      const Audio = window.AudioContext || window.webkitAudioContext;
      if (!Audio) return;
      this.context = new Audio();
      this.output = this.context.createGain();
      this.output.connect(this.context.destination);
      this.output.gain.value = this.level;
    },
    // The volume, in percent, for the sounds playing and those to come.
    volume(percent) {
      this.level = percent / 100;
      if (this.output) this.output.gain.value = this.level;
    },
    open() {
      if (this.context) this.rest();  // silent until the first sound
      return !!this.context;
    },
    async load(slot, path) {
      this.names[slot] = path.slice(path.lastIndexOf('/') + 1);
      try {
        // The site carries each WAV as FLAC: the same samples in fewer bytes.
        const bytes = FS.readFile(path.replace(/\.wav$/, '.flac'));
        this.buffers[slot] = await this.context.decodeAudioData(bytes.buffer.slice(0));
      } catch (e) { this.buffers[slot] = null; }  // a sound that cannot be read stays silent
    },
    play(slot, what) {
      if (what === op.releaseAll) {
        for (const s of this.loops) if (s) s.stop();
        this.loops = [];
        return;
      }
      this.log.push([this.names[slot], what === op.playOnce ? 'once' : what === op.repeat ? 'loop' : 'stop']);
      if (what === op.stop) {
        if (this.loops[slot]) this.loops[slot].stop();
        this.loops[slot] = null;
        return;
      }
      if (what === op.repeat && this.loops[slot]) return;
      if (!this.buffers[slot]) return;
      const source = this.context.createBufferSource();
      source.buffer = this.buffers[slot];
      source.loop = what === op.repeat;  // a buffer loops without a seam
      source.connect(this.output);
      this.wake();
      ++this.playing;
      source.onended = () => { if (--this.playing === 0) this.rest(); };
      source.start();
      if (what === op.repeat) this.loops[slot] = source;
    },
    // A silent machine costs nothing: the audio output is suspended a second
    // after the last sound ends, and resumed by the next one.
    wake() {
      clearTimeout(this.resting);
      if (this.context.state === 'suspended') this.context.resume();
    },
    rest() {
      clearTimeout(this.resting);
      this.resting = setTimeout(() => { if (this.playing === 0) this.context.suspend(); }, 1000);
    },
  };
  return Sound;
})();
