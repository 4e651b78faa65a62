#!/usr/bin/env python3
"""Synthesises every sound effect of the game into a run folder: generate.py DIST_DIR.

Writes DIST_DIR/bin/sound/*.wav (22050 Hz, mono, 16-bit). Each effect seeds its own
random generator, so the files are the same on every run.
"""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from soundlib import (SR, at, band, decay, fade, glide, grains, harmonics, loop,  # noqa: E402
                      noise, normalise, resonate, sweep, times, write_wav)


def crunch(rng, pitch):
    """One footstep into loose earth: gravelly grains over a soft low knock."""
    t = times(0.16)
    gravel = band(noise(rng, 0.16), 250, 2200) * grains(rng, 0.16, 260, 0.004, 0.7)
    knock = sweep(glide(t, pitch, pitch * 0.7)) * decay(t, 0.025, 0.004)
    return fade((gravel * 0.8 + knock * 0.6) * decay(t, 0.045, 0.008), 0.002, 0.03)


def solis(rng):
    # Both steps end inside the loop: it starts and ends in silence.
    return at(crunch(rng, 95), 0.01, 0.5) + at(crunch(rng, 80), 0.26, 0.5) * 0.85


def lapsta(rng):
    t = times(0.25)
    scrape = band(noise(rng, 0.25), 900, 4500) * decay(t, 0.05, 0.01)
    scrape *= 1 + 0.5 * np.sin(2 * np.pi * 55 * t)  # the blade chattering over grit
    thud = at(sweep(glide(t, 120, 60)) * decay(t, 0.05, 0.003), 0.035, 0.25)
    soil = at(band(noise(rng, 0.25), 60, 500) * decay(t, 0.04, 0.003), 0.035, 0.25)
    return fade(scrape * 0.5 + thud + soil * 0.6)


def cirtnis(rng):
    t = times(0.3)
    tick = band(noise(rng, 0.3), 2500) * decay(t, 0.0015, 0.0003)
    # Inharmonic partials of a struck steel head.
    ring = sum(a * np.sin(2 * np.pi * f * t) * decay(t, tau, 0.0005)
               for f, a, tau in ((2240, 1, 0.09), (3610, 0.7, 0.06), (5170, 0.5, 0.04),
                                 (6930, 0.3, 0.025)))
    chips = band(noise(rng, 0.3), 1500, 6000) * decay(t, 0.012, 0.0005)
    return fade(tick + ring * 0.6 + chips * 0.5, 0.0005)


def pneimo(rng):
    t = times(0.45)
    n = len(t)
    hits = np.zeros(n)
    steps = np.arange(0.01, 0.43, 1 / 25)  # 25 blows a second, slightly uneven
    steps += rng.normal(0, 0.001, len(steps))
    hits[(steps * SR).astype(int)] = rng.uniform(0.7, 1, len(steps))
    k = times(0.03)
    blow = band(noise(rng, 0.03), 600, 7000) * decay(k, 0.006, 0.0005) \
        + np.sin(2 * np.pi * 1750 * k) * decay(k, 0.008, 0.0005) * 0.7 \
        + np.sin(2 * np.pi * 140 * k) * decay(k, 0.012, 0.001)
    rattle = np.convolve(hits, blow)[:n]
    air = band(noise(rng, 0.45), 1500, 8000) * 0.06
    return fade((rattle + air) * np.minimum(t / 0.01, 1), 0.003, 0.04)


def degls(rng):
    t = times(1.2)
    flutter = band(noise(rng, 1.2), hi=6)
    flutter = 0.75 + 0.25 * flutter / flutter.std()  # slow uneven burning
    hiss = band(noise(rng, 1.2), 2500, 9000) * np.clip(flutter, 0.4, 1.2)
    sparks = band(grains(rng, 1.2, 30, 0.0008, 0.9) * rng.choice([-1, 1], len(t)), 1000)
    return loop(hiss * 0.4 + sparks, 1.0, 0.15)


def blast(rng, seconds, boom_hz, rumble_hz, tau):
    t = times(seconds)
    crack = band(noise(rng, seconds), 400) * decay(t, 0.008, 0.0005)
    boom = sweep(glide(t, boom_hz, boom_hz * 0.35)) * decay(t, tau * 0.6, 0.004)
    body = band(noise(rng, seconds), 30, 900) * decay(t, tau, 0.004)
    rumble = band(noise(rng, seconds), 20, rumble_hz, 3) * decay(t, tau * 2, 0.05)
    debris = band(grains(rng, seconds, 25, 0.003) * noise(rng, seconds), 1500) \
        * np.clip((t - 0.25) * 4, 0, 1) * np.exp(-t / (seconds * 0.4))
    return crack, boom, body, rumble, debris


def spradziens(rng):
    crack, boom, body, rumble, debris = blast(rng, 1.2, 95, 200, 0.22)
    x = crack * 0.6 + boom * 0.9 + body * 0.7 + rumble * 1.5 + debris * 0.4
    # Mild saturation: the crack alone would set the peak and leave the boom thin.
    return fade(np.tanh(1.5 * x / np.max(np.abs(x))), 0.001, 0.1)


def semtex(rng):
    crack, boom, body, rumble, debris = blast(rng, 1.8, 70, 110, 0.45)
    x = crack * 0.5 + boom * 1.2 + body * 0.8 + rumble * 2.5 + debris * 0.3
    # Driven into soft saturation: a heavier, denser blast.
    return fade(np.tanh(2 * x / np.max(np.abs(x))), 0.001, 0.15)


def note(freq, seconds, amps, tau, attack=0.004, release=0.01):
    t = times(seconds)
    return fade(harmonics(np.full(len(t), freq), amps) * decay(t, tau, attack), 0, release)


def pacelt(rng):
    bright = (1, 0, 0.3, 0, 0.12)
    x = at(note(1319, 0.07, bright, 0.05), 0, 0.2) + at(note(1976, 0.13, bright, 0.05), 0.065, 0.2)
    return fade(x)


def aptieka(rng):
    t = times(0.4)
    pitch = glide(t, 620, 1040) * (1 + 0.004 * np.sin(2 * np.pi * 7 * t))
    swell = np.minimum(t / 0.06, 1) * np.exp(-t / 0.18)
    x = harmonics(pitch, (1, 0.15, 0.05)) * swell
    shimmer = harmonics(pitch * 2.76, (1,)) * swell * np.exp(-t / 0.08) * 0.2
    return fade(x + shimmer, 0.003, 0.03)


def baterija(rng):
    t = times(0.35)
    pitch = glide(t, 110, 520)
    buzz = harmonics(pitch, [1 / k for k in range(1, 24)])
    hum = np.sin(2 * np.pi * 50 * t) * 0.3
    fizz = band(noise(rng, 0.35), 3000) * grains(rng, 0.35, 80, 0.002) * 0.6
    env = np.minimum(t / 0.02, 1) * np.minimum((0.35 - t) / 0.06, 1)
    return fade((buzz * 0.5 + hum + fizz) * env)


def bell(freq, seconds, tau):
    t = times(seconds)
    return sum(a * np.sin(2 * np.pi * freq * r * t) * decay(t, tau * d, 0.001)
               for r, a, d in ((1, 1, 1), (2, 0.35, 0.6), (3, 0.12, 0.4), (4.16, 0.08, 0.25)))


def kontrolpunkts(rng):
    x = sum(at(bell(f, 0.6 - s, 0.12 if i < 2 else 0.2), s, 0.6)
            for i, (f, s) in enumerate(((784, 0), (988, 0.1), (1175, 0.2))))
    return fade(x, 0.001, 0.05)


def sap_sprad(rng):
    t = times(0.35)
    # Glottal-like pulses through "uh" formants: a short grunt.
    pitch = glide(t, 125, 80)
    voice = harmonics(pitch, [1 / k for k in range(1, 40)])
    voice = resonate(voice, 600, 200) + resonate(voice, 1100, 250) * 0.5
    voice *= np.minimum(t / 0.015, 1) * np.exp(-t / 0.1)
    thump = sweep(glide(t, 90, 45)) * decay(t, 0.07, 0.003)
    dust = band(noise(rng, 0.35), 80, 1200) * decay(t, 0.05, 0.002)
    return fade(voice / np.max(np.abs(voice)) * 0.7 + thump + dust * 0.25, 0.002, 0.03)


def sap_inde(rng):
    t = times(0.4)
    hiss = band(noise(rng, 0.4), 2000, 7000) * np.minimum(t / 0.04, 1) * np.exp(-t / 0.2)
    x = hiss * 0.3
    for start in np.sort(rng.uniform(0, 0.3, 9)):  # bubbles rising and popping
        b = times(rng.uniform(0.02, 0.045))
        f0 = rng.uniform(300, 700)
        pop = sweep(f0 * (1 + 2.5 * b / b[-1])) * np.sin(np.pi * b / b[-1]) ** 2
        x += at(pop * rng.uniform(0.5, 1), start, 0.4)
    return fade(x, 0.003, 0.04)


def sap_star(rng):
    clicks = grains(rng, 0.4, 70, 0.0004, 0.2)
    clicks = resonate(clicks - np.mean(clicks), 3200, 1500)  # the counter's little speaker
    hum = band(noise(rng, 0.4), 200, 1000) * 0.01
    return fade(clicks + hum * np.max(np.abs(clicks)), 0.002, 0.02)


def nave(rng):
    t = times(1.2)
    pitch = glide(t, 330, 70) * (1 + 0.02 * np.sin(2 * np.pi * 5 * t) * np.exp(-t))
    tone = harmonics(pitch, (1, 0.5, 0.3, 0.15)) * np.minimum(t / 0.03, 1) * np.exp(-t / 0.5)
    tt = times(0.35)
    thud = sweep(glide(tt, 80, 40)) * decay(tt, 0.08, 0.003) \
        + band(noise(rng, 0.35), 40, 600) * decay(tt, 0.04, 0.002) * 0.6
    return fade(tone * 0.6 + at(thud, 0.82, 1.2), 0.003, 0.06)


def tumsa(rng):
    t = times(1.2)
    pitch = glide(t, 260, 28)
    buzz = harmonics(pitch, [1 / k for k in range(1, 30)]) * np.exp(-t / 0.8)
    # The lamp flickers more and more as it dies.
    wobble = band(noise(rng, 1.2), hi=25)
    gate = band((wobble / wobble.std() > -2.5 + 3 * t).astype(float), hi=60)
    fizz = band(noise(rng, 1.2), 2500) * grains(rng, 1.2, 60, 0.003) * 0.4
    return fade((buzz * 0.4 + fizz) * gate * np.minimum(t / 0.02, 1), 0.003, 0.08)


def melody(notes, length, amps, tau):
    """Notes given as (Hz, start, seconds), each let go with a short release."""
    return sum(at(note(f, d, amps, tau, 0.012, 0.04), s, length) for f, s, d in notes)


def uzvara(rng):
    brass = [1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.08]
    x = melody(((523, 0, 0.13), (659, 0.12, 0.13), (784, 0.24, 0.17), (1047, 0.4, 0.8)),
               1.2, brass, 0.5)
    return fade(x, 0.003, 0.1)


def zaudets(rng):
    reed = [1, 0, 0.35, 0, 0.15, 0, 0.07]
    x = melody(((659, 0, 0.24), (587, 0.22, 0.24), (523, 0.44, 0.24), (440, 0.66, 0.54)),
               1.2, reed, 0.4)
    return fade(x, 0.003, 0.12)


def klikskis(rng):
    t = times(0.06)
    x = band(noise(rng, 0.06), 2000) * decay(t, 0.0008, 0.0002) \
        + np.sin(2 * np.pi * 2600 * t) * decay(t, 0.006, 0.0003) * 0.6 \
        + np.sin(2 * np.pi * 900 * t) * decay(t, 0.012, 0.0005) * 0.4
    return fade(x, 0.0003, 0.01)


def virs(rng):
    t = times(0.04)
    return fade(np.sin(2 * np.pi * 3900 * t) * decay(t, 0.005, 0.0005), 0.0003, 0.01)


def slaids(rng):
    t = times(0.7)
    air = noise(rng, 0.7)
    # The passing air rises in pitch and falls again, band by band.
    centre = 250 + 700 * np.sin(np.pi * t / 0.7) ** 2
    x = sum(band(air, lo, lo * 1.6) * np.exp(-np.log(centre / lo) ** 2 / 0.25)
            for lo in (120, 200, 330, 540, 880, 1450))
    return fade(x * np.sin(np.pi * t / 0.7) ** 1.5, 0.003, 0.02)


def pikst(rng):
    t = times(0.15)
    x = harmonics(np.full(len(t), 880), (1, 0.08)) * np.minimum(t / 0.008, 1)
    return fade(x, 0.008, 0.035)


# Name, maker, seed, peak in dBFS (by role: blasts loudest, the hover tick quietest).
EFFECTS = [
    ("solis", solis, 1, -12), ("lapsta", lapsta, 2, -6), ("cirtnis", cirtnis, 3, -4),
    ("pneimo", pneimo, 4, -5), ("degls", degls, 5, -10), ("spradziens", spradziens, 6, -2.5),
    ("semtex", semtex, 7, -1.2), ("pacelt", pacelt, 8, -10), ("aptieka", aptieka, 9, -7),
    ("baterija", baterija, 10, -8), ("kontrolpunkts", kontrolpunkts, 11, -5),
    ("sap_sprad", sap_sprad, 12, -4), ("sap_inde", sap_inde, 13, -7),
    ("sap_star", sap_star, 14, -8), ("nave", nave, 15, -3), ("tumsa", tumsa, 16, -5),
    ("uzvara", uzvara, 17, -5), ("zaudets", zaudets, 18, -10), ("klikskis", klikskis, 19, -9),
    ("virs", virs, 20, -18), ("slaids", slaids, 21, -10), ("pikst", pikst, 22, -12),
]


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: generate.py DIST_DIR\n")
        return 2
    out = os.path.join(os.path.abspath(sys.argv[1]), "bin", "sound")
    os.makedirs(out, exist_ok=True)
    for name, make, seed, peak in EFFECTS:
        x = make(np.random.default_rng(seed))
        write_wav(os.path.join(out, name + ".wav"), normalise(x, peak))
    return 0


if __name__ == "__main__":
    sys.exit(main())
