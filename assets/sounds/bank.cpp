// Recipes of the 22 sounds. Times are in seconds, pitches in Hz or MIDI notes.
// Every recipe returns a raw signal; mastering (fades, loudness, peak) is done
// by the caller, the same way for every one-shot sound.
#include "bank.h"

#include <algorithm>
#include <cmath>

namespace sfx {
namespace {

// ---- Shared voices ------------------------------------------------------------------------

// The sounds heard at every coin keep their sparkle below the hiss range: two low-pass stages.
Signal Darker(Signal s, double hz) {
    for (int stage = 0; stage < 2; ++stage) {
        Biquad lp;
        lp.LowPass(hz, 0.707);
        for (double& v : s) v = lp.Process(v);
    }
    return s;
}

// A coin struck: thin-disc modes, bright and inharmonic, with a tick of noise.
Signal CoinHit(double f0, double tau, Rng& rng, double dur = 0.45) {
    Signal s = Modal(dur,
                     {{f0, 1.0, tau},
                      {f0 * 1.47, 0.75, tau * 0.8},
                      {f0 * 1.93, 0.55, tau * 0.6},
                      {f0 * 2.52, 0.35, tau * 0.45},
                      {f0 * 2.89, 0.25, tau * 0.3}},
                     0.0006, rng.Range(0, kTwoPi));
    Mix(s, NoiseBurst(0.02, 6500, 1.2, 0.002, rng), 0, 0.8);
    return s;
}

// A tuned mallet note: marimba-like, used for the light fanfares.
Signal Mallet(double freq, double dur) {
    return Modal(dur, {{freq, 1.0, 0.30}, {freq * 3.93, 0.35, 0.06}, {freq * 9.8, 0.10, 0.015}}, 0.002);
}

// One ratchet tooth: a bright tick over a short body knock.
Signal RatchetTooth(double pitch, double gain, Rng& rng) {
    Signal s = NoiseBurst(0.03, 3200 * pitch, 2.5, 0.003, rng);
    Mix(s, Modal(0.03, {{2350 * pitch, 0.5, 0.006}, {1280 * pitch, 0.6, 0.009}, {520 * pitch, 0.5, 0.012}}),
        0);
    Scale(s, gain);
    return s;
}

// A reel coming to rest against its stop: a heavy thump, a wooden knock from
// the reel drum and the bright snap of the detent.
Signal Klonk(double body, double knock, double snap, std::uint64_t seed) {
    Rng rng(seed);
    Signal s = Thump(0.3, body * 1.9, body, 0.012, 0.05);
    Mix(s, Modal(0.3, {{knock, 0.7, 0.045}, {knock * 2.37, 0.45, 0.025}, {knock * 5.1, 0.25, 0.012}}), 0);
    Mix(s, NoiseBurst(0.05, 1800, 0.9, 0.006, rng), 0, 1.2);
    Mix(s, Modal(0.1, {{snap, 0.35, 0.010}, {snap * 1.61, 0.2, 0.007}}), 0.004);
    // A small rebound of the detent.
    Mix(s, Modal(0.1, {{knock * 1.02, 0.18, 0.02}, {snap, 0.1, 0.006}}), 0.038);
    return Room(s, 0.5, 0.5, 0.2, 0.05);
}

// ---- 0 Activate: the machine switches on ---------------------------------------------------
// Heard at the first coin of every credit run, so it is short: a quick whoop and a three-note chime.
Signal Activate() {
    const double whoop = 0.2;
    Signal s = Additive(
        whoop, [](double t) { return 110.0 * std::pow(3.0, t / 0.2); },
        {{1, 1.0}, {2, 0.5}, {3, 0.33}, {4, 0.25}, {5, 0.2}, {6, 0.16}},
        [](double t) { return Gate(t, 0.2, 0.03, 0.07) * (0.4 + 0.6 * t / 0.2); });
    Biquad lp;
    for (std::size_t n = 0; n < s.size(); ++n) {
        lp.LowPass(300 + 2200 * TimeOf(n) / whoop, 1.2);
        s[n] = lp.Process(s[n]);
    }
    Scale(s, 0.6);
    const double notes[] = {Hz(79), Hz(84), Hz(88)};  // G5 C6 E6
    for (int i = 0; i < 3; ++i) Mix(s, Chime(notes[i], 0.28, i == 2 ? 0.12 : 0.07), 0.12 + 0.04 * i, 0.55);
    return Room(s, 0.6, 0.5, 0.2, 0.06);
}

// ---- 1, 2 CircHigh / CircLow: the bonus wheel's two chimes ------------------------------------
// They alternate every 100 ms while the wheel's result flashes: a fifth apart.
Signal CircHigh() {
    return Room(Chime(Hz(86), 0.28, 0.07), 0.4, 0.5, 0.15, 0.04);
}  // D6
Signal CircLow() {
    return Room(Chime(Hz(79), 0.28, 0.08), 0.4, 0.5, 0.15, 0.04);
}  // G5

// ---- 3 Click: a button pressed and released ---------------------------------------------------
Signal Click() {
    Rng rng(3);
    Signal s = NoiseBurst(0.03, 3600, 2.0, 0.0025, rng);
    Mix(s, Modal(0.03, {{2250, 0.5, 0.005}, {640, 0.6, 0.008}}), 0);
    Signal release = NoiseBurst(0.03, 4200, 2.0, 0.002, rng);
    Mix(release, Modal(0.03, {{2700, 0.35, 0.004}, {760, 0.35, 0.006}}), 0);
    Mix(s, release, 0.038, 0.55);
    Pad(s, 0.01);
    return s;
}

// ---- 4 Coin: a coin drops, bounces, spins and settles ---------------------------------------------
Signal Coin() {
    Rng rng(4);
    Signal s;
    // Bounces: each gap and each blow smaller than the one before.
    double t = 0.0, gap = 0.15, gain = 1.0;
    for (int i = 0; i < 6; ++i) {
        Mix(s, CoinHit(2900 + rng.Range(-60, 60), 0.16 * (0.6 + gain * 0.4), rng), t, gain);
        if (i == 0) Mix(s, Thump(0.12, 260, 150, 0.01, 0.025), t, 0.6);  // the tray takes the blow
        t += gap;
        gap *= 0.68;
        gain *= 0.66;
    }
    // The coin rolls over and spins down: quickening, fading chatter.
    double spin = 0.028;
    gain = 0.22;
    while (spin > 0.006) {
        Mix(s, CoinHit(3050 + rng.Range(-100, 100), 0.03, rng, 0.12), t, gain * rng.Range(0.7, 1.0));
        t += spin;
        spin *= 0.90;
        gain *= 0.93;
    }
    return Room(s, 0.6, 0.5, 0.18, 0.15);
}

// ---- 5 Congrats: the 1000-coin offer -------------------------------------------------------------
Signal Congrats() {
    Signal s;
    struct Note {
        double midi, at, dur;
    };
    // Ta-da-da-daa, da-daaa: a little C major tune that ends on a held chord.
    const Note tune[] = {{72, 0.00, 0.13}, {76, 0.13, 0.13}, {79, 0.26, 0.13},
                         {84, 0.39, 0.30}, {79, 0.72, 0.13}, {84, 0.85, 0.95}};
    for (const Note& n : tune) {
        Mix(s, Brass(Hz(n.midi), n.dur, 1.2, 0.005), n.at, 0.5);
        Mix(s, Mallet(Hz(n.midi + 12), 0.5), n.at, 0.3);
    }
    for (double m : {64.0, 67.0, 72.0}) Mix(s, Brass(Hz(m), 0.95, 0.8, 0.004), 0.85, 0.25);
    // A sprinkle of high bells over the held chord.
    const double sparkle[] = {96, 100, 103, 108, 103, 108};
    for (int i = 0; i < 6; ++i) Mix(s, Chime(Hz(sparkle[i]), 0.4, 0.12), 0.95 + 0.075 * i, 0.12);
    return Room(Echo(s, 0.16, 0.22, 3000, 0.1), 0.9, 0.4, 0.22, 0.25);
}

// ---- 6 Door: a door swings shut ------------------------------------------------------------------
Signal Door() {
    Rng rng(6);
    Signal s(Samples(0.36), 0.0);
    // The hinge creaks: stick-slip pulses through the door's resonances.
    Biquad r1, r2;
    r1.BandPass(820, 9);
    r2.BandPass(1650, 7);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        const double rate = 38 + 22 * t / 0.36 + 6 * std::sin(kTwoPi * 3.1 * t);
        phase += rate / kRate;
        double pulse = 0;
        if (phase >= 1) {
            phase -= 1;
            pulse = 1.0 + 0.3 * rng.Bipolar();
        }
        const double x = pulse + 0.02 * rng.Bipolar();
        s[n] = (r1.Process(x) + 0.6 * r2.Process(x)) * Gate(t, 0.36, 0.12, 0.06) * 16.0;
    }
    // The slam: a deep thump, the wood of the door and frame, the latch.
    const double slam = 0.37;
    Mix(s, Thump(0.6, 120, 52, 0.02, 0.13), slam, 1.0);
    Mix(s, Modal(0.5, {{185, 0.6, 0.09}, {312, 0.45, 0.06}, {517, 0.3, 0.04}, {890, 0.15, 0.02}}), slam, 0.8);
    Signal rumble(Samples(0.25));
    Biquad lp;
    lp.LowPass(500, 0.8);
    for (std::size_t n = 0; n < rumble.size(); ++n)
        rumble[n] = lp.Process(rng.Bipolar()) * Strike(TimeOf(n), 0.002, 0.035);
    Mix(s, rumble, slam, 1.6);
    Mix(s, Modal(0.12, {{2750, 0.3, 0.02}, {4100, 0.18, 0.012}}), slam + 0.012, 1.0);
    Mix(s, Modal(0.12, {{2820, 0.15, 0.015}, {4250, 0.1, 0.01}}), slam + 0.065, 1.0);  // the latch settles
    return Room(s, 1.2, 0.35, 0.35, 0.3);
}

// ---- 7 Lever: the lever pulled through its ratchet and sprung back -----------------------------------
// The lever goes down in 6 x 75 ms and springs back in 6 x 70 ms.
Signal Lever() {
    Rng rng(7);
    Signal s;
    // Going down: the pawl clicks over the teeth.
    for (int i = 0; i < 11; ++i)
        Mix(s, RatchetTooth(0.95 + 0.01 * i, 0.55 + 0.04 * i, rng), 0.01 + 0.039 * i);
    // Friction of the arm in its guide under the clicks.
    Signal rub(Samples(0.9));
    Biquad bp;
    bp.BandPass(380, 1.5);
    for (std::size_t n = 0; n < rub.size(); ++n) {
        const double t = TimeOf(n);
        rub[n] =
            bp.Process(rng.Bipolar()) * (Gate(t, 0.45, 0.05, 0.05) + 0.8 * Gate(t - 0.47, 0.4, 0.03, 0.08));
    }
    Mix(s, rub, 0, 0.12);
    // The bottom stop.
    Mix(s, Thump(0.25, 160, 85, 0.015, 0.05), 0.45, 0.8);
    Mix(s, Modal(0.2, {{720, 0.5, 0.03}, {1710, 0.3, 0.015}}), 0.45, 0.8);
    // Springing back: quicker, lighter clicks.
    for (int i = 0; i < 12; ++i)
        Mix(s, RatchetTooth(1.08 + 0.008 * i, 0.55 - 0.02 * i, rng), 0.49 + 0.031 * i);
    // The top stop, a softer knock.
    Mix(s, Thump(0.2, 190, 110, 0.012, 0.035), 0.88, 0.45);
    Mix(s, Modal(0.15, {{860, 0.35, 0.02}, {2050, 0.15, 0.01}}), 0.88, 0.6);
    return Room(s, 0.5, 0.5, 0.15, 0.08);
}

// ---- 8 Mania: the bonus period starts -----------------------------------------------------------
Signal Mania() {
    // A warbling rise over two octaves ...
    Signal s = Additive(
        1.3,
        [](double t) { return 220.0 * std::pow(2.0, 2.5 * t / 1.3) * (1 + 0.02 * std::sin(kTwoPi * 9 * t)); },
        {{1, 1.0}, {2, 0.45}, {3, 0.3}, {4, 0.18}, {5, 0.12}},
        [](double t) { return Gate(t, 1.3, 0.1, 0.25) * (0.35 + 0.65 * t / 1.3); });
    Scale(s, 0.35);
    // ... a climbing arpeggio racing up the chord ...
    const double arp[] = {60, 64, 67, 72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 10; ++i) Mix(s, Mallet(Hz(arp[i]), 0.35), 0.25 + 0.085 * i, 0.35 + 0.02 * i);
    // ... and a shimmering chord to open the period.
    const double chordAt = 1.12;
    Signal chord;
    for (double m : {72.0, 76.0, 79.0, 84.0}) Mix(chord, Brass(Hz(m), 0.9, 1.3, 0.006), 0, 0.3);
    for (std::size_t n = 0; n < chord.size(); ++n)
        chord[n] *= 0.75 + 0.25 * std::cos(kTwoPi * 11 * TimeOf(n));
    Mix(s, chord, chordAt);
    Mix(s, Chime(Hz(96), 0.8, 0.25), chordAt, 0.3);
    return Room(Echo(s, 0.13, 0.25, 3500, 0.15), 1.0, 0.4, 0.22, 0.2);
}

// ---- 9 NoMoney: out of coins, a sad falling phrase -------------------------------------------------
Signal NoMoney() {
    Signal s;
    // Wah, wah, wah, waaah: a muted horn falling by semitones.
    const double notes[] = {58, 57, 56, 55};  // Bb3 A3 Ab3 G3
    const double at[] = {0.0, 0.36, 0.72, 1.08};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double dur = last ? 1.0 : 0.32;
        Signal note = Brass(Hz(notes[i]), dur, 1.0, last ? 0.0 : 0.003, 16);
        // The mute opens and closes on each note ("wah").
        Biquad lp;
        for (std::size_t n = 0; n < note.size(); ++n) {
            const double t = TimeOf(n);
            const double open = last ? 0.5 + 0.5 * std::sin(kPi * std::min(1.0, t / 0.25)) *
                                                 (0.6 + 0.4 * std::cos(kTwoPi * 4.5 * t))
                                     : std::sin(kPi * std::min(1.0, t / dur));
            lp.LowPass(300 + 1500 * open, 2.2);
            note[n] = lp.Process(note[n]);
        }
        if (last) {
            // The last note sags in pitch as it dies away.
            Signal bent(note.size());
            for (std::size_t n = 0; n < note.size(); ++n) {
                const double t = TimeOf(n);
                const double pos = t - 0.04 * std::max(0.0, t - 0.5) * std::max(0.0, t - 0.5);
                const double idx = pos * kRate;
                const std::size_t k = static_cast<std::size_t>(idx);
                const double frac = idx - k;
                bent[n] = k + 1 < note.size() ? note[k] * (1 - frac) + note[k + 1] * frac : 0.0;
            }
            note = bent;
        }
        Mix(s, note, at[i]);
    }
    return Room(s, 0.8, 0.5, 0.2, 0.2);
}

// ---- 10 Pay: a coin clinks into the slot (and each coin of a payout) ---------------------------------
Signal Pay() {
    Rng rng(10);
    Signal s = CoinHit(3300, 0.09, rng, 0.3);
    Mix(s, CoinHit(2650, 0.12, rng, 0.3), 0.045, 0.7);    // onto the coins below
    Mix(s, CoinHit(2680, 0.05, rng, 0.15), 0.085, 0.25);  // a small rebound
    return Room(Darker(s, 4500), 0.5, 0.5, 0.15, 0.05);
}

// ---- 11 Pick: a handful of coins lifted from the pile ----------------------------------------------
Signal Pick() {
    Rng rng(11);
    Signal s;
    for (int i = 0; i < 11; ++i) {
        const double at =
            0.004 + 0.012 * i + 0.0012 * i * i + 0.01 * rng.Uniform();  // crowded, then thinning
        Mix(s, CoinHit(rng.Range(2500, 4300), rng.Range(0.04, 0.1), rng, 0.25), at, rng.Range(0.3, 0.8));
    }
    // The coins scrape over each other.
    Signal scrape(Samples(0.22));
    Biquad bp;
    bp.BandPass(5200, 1.5);
    for (std::size_t n = 0; n < scrape.size(); ++n)
        scrape[n] = bp.Process(rng.Bipolar()) * Gate(TimeOf(n), 0.22, 0.03, 0.12);
    Mix(s, scrape, 0.0, 0.25);
    return Room(Darker(s, 4000), 0.5, 0.5, 0.15, 0.05);
}

// ---- 12, 13 Siren4 / Siren8: the siren lamp turns ------------------------------------------------------
// The siren sweeps up and back down once per lamp turn, 8 x 49 ms, swelling
// as it rises, and lasts exactly as long as the lamp: 4 or 8 turns. Its level
// is set so that its loudest moments match those of the win jingles.
Signal Siren(int turns) {
    const double dur = turns * kSirenTurn;
    Signal s(Samples(dur));
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        const double sweep = 0.5 - 0.5 * std::cos(kTwoPi * t / kSirenTurn);  // 0 at each turn's start
        const double f = 620.0 * std::pow(2.0, 1.1 * sweep);
        double v = 0;
        for (int k = 1; k <= 9; k += 2)
            v += std::sin(kTwoPi * phase * k) / (k * k * 0.6 + 0.4);  // soft square
        v += 0.25 * std::sin(kTwoPi * phase * 2);
        s[n] = v * Gate(t, dur, 0.01, 0.04) * (0.6 + 0.4 * sweep);
        phase += f / kRate;
        phase -= std::floor(phase);
    }
    // A second, slightly detuned horn makes it fuller.
    Signal second(s.size());
    phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        const double sweep = 0.5 - 0.5 * std::cos(kTwoPi * t / kSirenTurn);
        second[n] = std::sin(kTwoPi * phase) * Gate(t, dur, 0.01, 0.04) * (0.6 + 0.4 * sweep);
        phase += 1.503 * 620.0 * std::pow(2.0, 1.1 * sweep) / kRate;
    }
    Mix(s, second, 0, 0.35);
    return s;  // no reverb tail: the length is exact
}
Signal Siren4() {
    return Siren(4);
}
Signal Siren8() {
    return Siren(8);
}

// ---- 14 Tick: the bonus wheel's light moves on (every 120 ms) ----------------------------------------
Signal Tick() {
    Rng rng(14);
    Signal s = NoiseBurst(0.03, 2600, 2.5, 0.002, rng);
    Mix(s, Modal(0.03, {{1850, 0.7, 0.005}, {4300, 0.3, 0.002}}), 0);
    Pad(s, 0.01);
    return s;
}

// ---- 15 WhlRun: the reels running (played repeating) ------------------------------------------------------
// One second long, and every partial runs a whole number of cycles in it, so
// the end joins the start without a seam: whole-Hz tones, a whirr of noise
// built from whole-Hz sines, a 24 Hz flutter and 12 reel ticks placed round
// the loop.
Signal WhlRun() {
    const std::size_t len = kRate;  // 1 s
    std::vector<double> table(len);
    for (std::size_t n = 0; n < len; ++n) table[n] = std::sin(kTwoPi * static_cast<double>(n) / len);
    auto sine = [&](std::size_t hz, std::size_t n, double phase) {
        const std::size_t shift = static_cast<std::size_t>(phase / kTwoPi * len);
        return table[(hz * n + shift) % len];
    };

    Rng rng(15);
    Signal hum(len, 0.0), whirr(len, 0.0);
    // The motor: 60 Hz and its harmonics.
    for (std::size_t k = 1; k <= 12; ++k) {
        const double a = 0.5 / k * (k == 2 || k == 5 ? 1.6 : 1.0);
        const double ph = rng.Range(0, kTwoPi);
        for (std::size_t n = 0; n < len; ++n) hum[n] += a * sine(60 * k, n, ph);
    }
    // The whirr: a band of noise around 900 Hz, as sines 1 Hz apart with random phases.
    for (std::size_t hz = 200; hz <= 4000; ++hz) {
        const double x = std::log2(hz / 900.0);
        const double a = std::exp(-x * x / 0.9) * 0.05;
        const double ph = rng.Range(0, kTwoPi);
        for (std::size_t n = 0; n < len; ++n) whirr[n] += a * sine(hz, n, ph);
    }
    Signal s(len, 0.0);
    for (std::size_t n = 0; n < len; ++n) {
        // The symbols passing the window flutter the whirr 24 times a second.
        const double flutter = 0.55 + 0.45 * std::pow(0.5 + 0.5 * table[(24 * n) % len], 2.0);
        s[n] = 0.35 * hum[n] + whirr[n] * flutter;
    }
    // Soft ticks of the reel mechanism, wrapped round the loop's end.
    for (int i = 0; i < 12; ++i) {
        Signal tick = Modal(0.04, {{1400 + 40.0 * (i % 3), 0.5, 0.006}, {3100, 0.25, 0.003}});
        MixWrapped(s, tick,
                   static_cast<std::size_t>(i) * len / 12 + static_cast<std::size_t>(rng.Range(0, 300)),
                   rng.Range(0.6, 1.0));
    }
    // Start the loop where the wave crosses zero, rising gently: rotating a
    // periodic signal keeps it periodic.
    std::size_t best = 0;
    double bestScore = 1e9;
    for (std::size_t n = 0; n < len; ++n) {
        const double prev = s[(n + len - 1) % len];
        const double score = std::abs(s[n]) + 0.5 * std::abs(s[n] - prev);
        if (score < bestScore) bestScore = score, best = n;
    }
    std::rotate(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(best), s.end());
    return s;
}

// ---- 16 WinHigh: the big win, with the prize lamp flashing -------------------------------------------
Signal WinHigh() {
    Signal s;
    struct Note {
        double midi, at, dur;
    };
    // Ta-ta-ta-taaa, ta-taaaa: brass in octaves, ending on a full chord.
    const Note tune[] = {{67, 0.00, 0.10}, {67, 0.12, 0.10}, {67, 0.24, 0.10},
                         {72, 0.36, 0.28}, {76, 0.66, 0.12}, {79, 0.80, 1.20}};
    for (const Note& n : tune) {
        Mix(s, Brass(Hz(n.midi), n.dur, 1.3, 0.006), n.at, 0.45);
        Mix(s, Brass(Hz(n.midi - 12), n.dur, 0.9, 0.004), n.at, 0.3);
    }
    for (double m : {60.0, 64.0, 72.0, 76.0}) Mix(s, Brass(Hz(m), 1.2, 1.0, 0.005), 0.80, 0.2);
    // Bells race up over the chord.
    const double bells[] = {84, 88, 91, 96, 100, 103, 108};
    for (int i = 0; i < 7; ++i) Mix(s, Chime(Hz(bells[i]), 0.5, 0.15), 0.82 + 0.06 * i, 0.13);
    // A roll of the snare under the final chord.
    Rng rng(16);
    Signal roll(Samples(1.0));
    Biquad hp;
    hp.HighPass(1500, 0.7);
    for (std::size_t n = 0; n < roll.size(); ++n) {
        const double t = TimeOf(n);
        const double beat = std::fmod(t, 1.0 / 24);
        roll[n] = hp.Process(rng.Bipolar()) * std::exp(-beat / 0.012) * Gate(t, 1.0, 0.3, 0.3);
    }
    Mix(s, roll, 0.8, 0.12);
    return Room(Echo(s, 0.15, 0.2, 3000, 0.1), 1.0, 0.4, 0.22, 0.3);
}

// ---- 17 WinLow: a win, while the banner flashes ---------------------------------------------------------
Signal WinLow() {
    Signal s;
    // Quick mallets up the chord and a ringing pair at the top.
    const double notes[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) Mix(s, Mallet(Hz(notes[i]), 0.45), 0.09 * i, 0.6);
    Mix(s, Mallet(Hz(84), 0.9), 0.27, 0.6);
    Mix(s, Mallet(Hz(88), 0.9), 0.27, 0.35);
    Mix(s, Brass(Hz(72), 0.5, 1.0, 0.005), 0.27, 0.25);
    Mix(s, Chime(Hz(96), 0.7, 0.2), 0.3, 0.12);
    return Room(Echo(s, 0.12, 0.18, 3500, 0.05), 0.8, 0.4, 0.2, 0.15);
}

// ---- 18 Wrong: a refused action, a two-beat buzzer ------------------------------------------------------
Signal Wrong() {
    Signal s;
    auto buzz = [](double f, double dur) {
        Signal b = Additive(
            dur, [f](double) { return f; },
            {{1, 1.0},
             {2, 0.5},
             {3, 0.33},
             {4, 0.25},
             {5, 0.2},
             {6, 0.17},
             {7, 0.14},
             {8, 0.12},
             {9, 0.11},
             {10, 0.1}},
            [dur](double t) { return Gate(t, dur, 0.006, 0.025); });
        // A second reed a little sharp makes the buzz rough.
        Signal rough = Additive(
            dur, [f](double) { return f * 1.06; }, {{1, 1.0}, {2, 0.5}, {3, 0.33}, {4, 0.25}, {5, 0.2}},
            [dur](double t) { return Gate(t, dur, 0.006, 0.025); });
        Mix(b, rough, 0, 0.6);
        Biquad lp;
        lp.LowPass(1900, 0.9);
        for (double& v : b) v = lp.Process(v);
        return b;
    };
    Mix(s, buzz(146.8, 0.16), 0.0);   // "uh-
    Mix(s, buzz(123.5, 0.22), 0.22);  //  uh"
    return Room(s, 0.4, 0.5, 0.1, 0.05);
}

// ---- 19..21 klonk1..3: the reels stop, left to right ------------------------------------------------------
Signal Klonk1() {
    return Klonk(70, 205, 2150, 19);
}
Signal Klonk2() {
    return Klonk(80, 250, 2480, 20);
}
Signal Klonk3() {
    return Klonk(92, 300, 2860, 21);
}

}  // namespace

const std::vector<SoundRecipe>& Bank() {
    using fw::Sfx;
    // Importance decides loudness: the top prize and the Mania period loudest, then the other wins
    // and the siren, the panels, and quietest what is heard at every coin and every spin.
    static const std::vector<SoundRecipe> bank = {
        {Sfx::Activate, Kind::OneShot, -25, Activate}, {Sfx::CircHigh, Kind::OneShot, -19, CircHigh},
        {Sfx::CircLow, Kind::OneShot, -19, CircLow},   {Sfx::Click, Kind::OneShot, -24, Click},
        {Sfx::Coin, Kind::OneShot, -24, Coin},         {Sfx::Congrats, Kind::OneShot, -15, Congrats},
        {Sfx::Door, Kind::OneShot, -20, Door},         {Sfx::Lever, Kind::OneShot, -22, Lever},
        {Sfx::Mania, Kind::OneShot, -14, Mania},       {Sfx::NoMoney, Kind::OneShot, -20, NoMoney},
        {Sfx::Pay, Kind::OneShot, -27, Pay},           {Sfx::Pick, Kind::OneShot, -25, Pick},
        {Sfx::Siren4, Kind::OneShot, -17, Siren4},     {Sfx::Siren8, Kind::OneShot, -17, Siren8},
        {Sfx::Tick, Kind::OneShot, -24, Tick},         {Sfx::WheelRun, Kind::Loop, -25, WhlRun},
        {Sfx::WinHigh, Kind::OneShot, -14, WinHigh},   {Sfx::WinLow, Kind::OneShot, -17, WinLow},
        {Sfx::Wrong, Kind::OneShot, -20, Wrong},       {Sfx::Klonk1, Kind::OneShot, -23, Klonk1},
        {Sfx::Klonk2, Kind::OneShot, -23, Klonk2},     {Sfx::Klonk3, Kind::OneShot, -23, Klonk3},
    };
    return bank;
}

}  // namespace sfx
