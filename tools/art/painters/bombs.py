"""Burning-bomb strips: five 23 x 20 frames side by side, the bomb centred at (11, 10)."""
import random

from PIL import Image, ImageDraw

import artlib
from artlib import SS
from painters import _spridz as sp

FW, FH, FRAMES = 23, 20, 5


def _smoke(d, s, x, y, phase):
    for k in range(2):
        t = (phase + k * 2.5) % 5
        r = 1.0 + t * 0.35
        a = int(120 - t * 22)
        cx, cy = x - 0.6 * t + k, y - 1.0 - t * 1.1
        d.ellipse(((cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s),
                  fill=(170, 164, 156, max(a, 20)))


def _frame(kind, phase, rng):
    s = SS
    img = Image.new("RGBA", (FW * s, FH * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    if kind in ("1x", "3x", "3xd"):
        # the same upright sticks as the item pictures, small
        n = 1 if kind == "1x" else 3
        w = 4.6 if n == 1 else 3.8
        x = 11.0 - n * w / 2.0 - (3.0 if kind == "3xd" else 1.0)
        top = sp.bundle(d, s, n, x, 6.5, w, 12.5)
        if kind == "3xd":
            sp.wires(d, s, [(top[0], top[1] + 0.4), (top[0] + 3.0, top[1] - 3.0), (18.0, 3.0),
                            (18.5, 8.5)])
            sp.detonator(d, s, 14.5, 8.5, 8.0, 6.5, led=phase % 2 == 0)
            if phase % 2 == 0:
                d.ellipse((18.6 * s, 8.2 * s, 22.4 * s, 12.0 * s), fill=(255, 80, 50, 90))
        else:
            fx, fy = top[0] + 3.6, top[1] - 3.6
            sp.fuse(d, s, top, [(top[0] + 1.4, top[1] - 2.6), (fx, fy)], 0.9)
            _smoke(d, s, fx, fy, phase)
            sp.spark(d, s, fx, fy, phase, rng, 0.8)
    elif kind == "semtex":
        sp.semtex(d, s, 2.0, 8.0, 15.0, 9.0)
        tip = sp.cap(d, s, 11.0, 10.0, 4.5)
        sp.wires(d, s, [tip, (tip[0] + 1.5, tip[1] - 2.0), (18.0, 3.0), (18.5, 4.0)])
        sp.detonator(d, s, 14.5, 1.5, 8.0, 6.5, led=phase % 2 == 0)
        if phase % 2 == 0:
            d.ellipse((18.6 * s, 1.2 * s, 22.4 * s, 5.0 * s), fill=(255, 80, 50, 90))
    else:  # small Semtex with a short burning fuse
        sp.semtex(d, s, 4.0, 9.0, 12.0, 8.0)
        tip = sp.cap(d, s, 13.0, 10.0, 3.5)
        fx, fy = tip[0] + 1.8, tip[1] - 2.2
        sp.fuse(d, s, tip, [(fx, fy)], 0.9)
        _smoke(d, s, fx, fy, phase)
        sp.spark(d, s, fx, fy, phase, rng, 0.8)
    return artlib.reduce(img, FW, FH)


def paint(dist):
    for kind, rel in (("1x", "ui/ani/ani_dinam1x.png"), ("3x", "ui/ani/ani_dinam3x.png"),
                      ("3xd", "ui/ani/ani_dinam3xd.png"), ("semtex", "ui/ani/ani_semtex.png"),
                      ("small", "ui/ani/ani_semtexsm.png")):
        strip = Image.new("RGBA", (FW * FRAMES, FH), (0, 0, 0, 0))
        for k in range(FRAMES):
            rng = random.Random(hash_seed(kind) * 10 + k)
            strip.paste(_frame(kind, k, rng), (k * FW, 0))
        artlib.save_png(strip, dist, rel)


def hash_seed(text):
    """A stable seed from a name (Python's own hash of str is salted per run)."""
    v = 7
    for ch in text:
        v = (v * 131 + ord(ch)) % 1000003
    return v
