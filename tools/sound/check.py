#!/usr/bin/env python3
"""Checks the generated sound effects: check.py SOUND_DIR [--determinism] [--pictures DIR].

Prints each effect's length, peak and RMS; fails on a wrong format, a level over -1 dBFS,
a length out of 0.03..2.5 s, a click at an end, a loop that jumps at its seam, a missing or
stray file, or two effects that are near copies. --determinism also regenerates the set
and compares bytes; --pictures draws each effect's waveform and spectrogram.
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time
import wave

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
# The names the game loads; True marks the ones it plays in a loop.
EFFECTS = {"solis": True, "lapsta": False, "cirtnis": False, "pneimo": False, "degls": True,
           "spradziens": False, "semtex": False, "pacelt": False, "aptieka": False,
           "baterija": False, "kontrolpunkts": False, "sap_sprad": False, "sap_inde": False,
           "sap_star": False, "nave": False, "tumsa": False, "uzvara": False, "zaudets": False,
           "klikskis": False, "virs": False, "slaids": False, "pikst": False}


def db(v):
    return 20 * np.log10(np.maximum(v, 1e-9))


def read(path):
    with wave.open(path) as w:
        fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
        x = np.frombuffer(w.readframes(w.getnframes()), "<i2") / 32768
    return fmt, x


def db_levels(x, n=110):
    """Median magnitude in dB of each n-sample stretch (robust to single crackles)."""
    return db(np.median(np.abs(x[:len(x) // n * n]).reshape(-1, n), axis=1))


def problems(name, fmt, x):
    out = []
    if fmt != (1, 2, 22050, "NONE"):
        out.append("format %s, not mono 16-bit 22050 Hz PCM" % (fmt,))
    if not 0.03 <= len(x) / 22050 <= 2.5:
        out.append("lasts %.3f s" % (len(x) / 22050))
    peak = np.max(np.abs(x)) if len(x) else 0
    if db(peak) > -1:
        out.append("peak %.2f dBFS" % db(peak))
    if len(x) < 200 or peak == 0:
        return out + ["too short or silent to judge"]
    if EFFECTS.get(name):
        # Played twice in a row, the seam must neither step nor change level more than the
        # effect itself does between any two neighbouring 5 ms stretches.
        lv, jump = db_levels(x), abs(x[0] - x[-1])
        seam = abs(db_levels(x[-110:])[0] - lv[0])
        if jump > np.percentile(np.abs(np.diff(x)), 99.9) or seam > np.max(np.abs(np.diff(lv))) + 1:
            out.append("the seam jumps by %.4f and %.1f dB" % (jump, seam))
    elif max(abs(x[0]), abs(x[-1])) > 0.02 * peak:
        out.append("starts or ends with a click")
    return out


def spectrum(x):
    mag = np.abs(np.fft.rfft(x, 1 << 16))[:-1].reshape(512, -1).mean(axis=1)
    return (mag - mag.mean()) / (np.linalg.norm(mag - mag.mean()) + 1e-12)


def draw(name, x, folder):
    from PIL import Image, ImageDraw
    w, h = 900, 300
    img = Image.new("RGB", (w, h), (20, 20, 28))
    d = ImageDraw.Draw(img)
    peak = np.max(np.abs(x))
    cols = np.array_split(x / peak, w)  # drawn to the effect's own peak
    for i, c in enumerate(cols):  # waveform: min..max of each column, upper half
        lo, hi = (c.min(), c.max()) if len(c) else (0, 0)
        d.line([(i, 70 - hi * 68), (i, 70 - lo * 68)], fill=(120, 220, 140))
    frames = np.lib.stride_tricks.sliding_window_view(np.pad(x, (0, 512)), 512)[::128]
    levels = 20 * np.log10(np.abs(np.fft.rfft(frames * np.hanning(512)))[:, :256] + 1e-6)
    db_img = np.clip((levels - levels.max() + 60) / 60, 0, 1)[:, ::-1].T  # 0..11 kHz, top is high
    sg = Image.fromarray((db_img * 255).astype(np.uint8)).resize((w, h - 145))
    blue = sg.point(lambda v: min(255, 40 + 2 * v))
    img.paste(Image.merge("RGB", (sg, sg.point(lambda v: v * 4 // 5), blue)), (0, 145))
    label = "%s  %.2f s  peak %.1f dBFS" % (name, len(x) / 22050, db(peak))
    d.text((6, 4), label, fill=(255, 255, 255))
    img.save(os.path.join(folder, name + ".png"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("folder")
    ap.add_argument("--determinism", action="store_true")
    ap.add_argument("--pictures")
    a = ap.parse_args()
    failures = []
    names = sorted(f[:-4] for f in os.listdir(a.folder) if f.endswith(".wav"))
    failures += ["%s.wav is missing" % n for n in sorted(set(EFFECTS) - set(names))]
    failures += ["%s.wav is not one of the game's" % n for n in sorted(set(names) - set(EFFECTS))]
    sounds = {}
    print("%-15s %7s %9s %9s" % ("effect", "seconds", "peak dB", "RMS dB"))
    for n in names:
        fmt, x = read(os.path.join(a.folder, n + ".wav"))
        sounds[n] = x
        print("%-15s %7.3f %9.2f %9.2f" % (n, len(x) / 22050, db(np.max(np.abs(x), initial=0)),
                                          db(np.sqrt(np.mean(x ** 2)) if len(x) else 0)))
        failures += ["%s: %s" % (n, p) for p in problems(n, fmt, x)]
        if a.pictures:
            os.makedirs(a.pictures, exist_ok=True)
            draw(n, x, a.pictures)
    spectra = {n: spectrum(x) for n, x in sounds.items() if len(x)}
    pairs = [(float(spectra[p] @ spectra[q]), p, q)
             for i, p in enumerate(spectra) for q in list(spectra)[i + 1:]]
    for r, p, q in sorted(pairs, reverse=True)[:3]:
        print("closest spectra: %s / %s %.3f" % (p, q, r))
    failures += ["%s and %s are near copies (%.3f)" % (p, q, r) for r, p, q in pairs if r >= 0.98]
    if a.determinism:
        with tempfile.TemporaryDirectory() as tmp:
            start = time.monotonic()
            subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), tmp], check=True)
            print("regenerated in %.2f s" % (time.monotonic() - start))
            again = os.path.join(tmp, "bin", "sound")
            for n in sorted(set(os.listdir(again)) | {n + ".wav" for n in names}):
                paths = [os.path.join(d, n) for d in (a.folder, again)]
                same = all(os.path.exists(p) for p in paths) and \
                    len({open(p, "rb").read() for p in paths}) == 1
                if not same:
                    failures.append("%s differs when generated again" % n)
    for f in failures:
        print("FAIL: " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
