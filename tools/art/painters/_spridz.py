"""Shared drawing of explosives (sticks, bundles, detonators, Semtex blocks) for the item
pictures and the burning-bomb strips. Coordinates are final pixels; s is the supersampling."""
import math

from PIL import Image, ImageDraw

import artlib

OUTLINE = (30, 20, 18, 255)
RED = (212, 44, 32, 255)
RED_DARK = (138, 22, 18, 255)
RED_LIGHT = (250, 120, 92, 255)
PAPER = (236, 220, 174, 255)
TAPE = (40, 36, 38, 255)
FUSE = (104, 84, 58, 255)
# Plastic explosive: pale putty in a grey-brown wrapper, nothing like the red sticks
SEMTEX = (228, 214, 184, 255)
SEMTEX_DARK = (168, 150, 118, 255)
SEMTEX_LIGHT = (248, 240, 222, 255)
WRAP = (92, 78, 66, 255)
BOX = (92, 98, 108, 255)
BOX_DARK = (54, 58, 66, 255)
STEEL = (188, 194, 200, 255)
DISPLAY = (16, 12, 12, 255)
DIGIT = (255, 72, 48, 255)
DIGIT_OFF = (62, 22, 20, 255)


def _r(d, box, s, fill, radius=0.0, outline=OUTLINE, width=None):
    x0, y0, x1, y1 = box
    w = int(s) if width is None else width
    d.rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s), radius=radius * s, fill=fill,
                        outline=outline, width=w)


def stick(d, s, x, y, w, h):
    """One upright dynamite stick with its top-left at (x, y): a red paper tube, lit from
    the left, with a paper end on top."""
    _r(d, (x, y, x + w, y + h), s, RED, radius=min(w * 0.3, 1.6))
    d.rectangle(((x + w * 0.2) * s, (y + 1.4) * s, (x + w * 0.4) * s, (y + h - 1.0) * s),
                fill=RED_LIGHT)
    d.rectangle(((x + w * 0.7) * s, (y + 1.4) * s, (x + w * 0.86) * s, (y + h - 1.0) * s),
                fill=RED_DARK)
    cap = min(2.2, w * 0.45)
    d.ellipse((x * s + s * 0.5, y * s, (x + w) * s - s * 0.5, (y + cap) * s), fill=PAPER,
              outline=OUTLINE, width=max(1, int(s * 0.6)))


def bundle(d, s, n, x, y, w, h, tape=True):
    """n sticks (1, 3 or 5) side by side, tops level so each one can be counted, taped
    together; returns the top centre of the middle stick, where the fuse goes in."""
    for k in range(n):
        stick(d, s, x + k * w, y, w, h)
    if tape and n > 1:
        th = max(1.0, h * 0.075)
        for ty in (y + h * 0.3, y + h * 0.72):
            _r(d, (x - 0.3, ty, x + n * w + 0.3, ty + th), s, TAPE, radius=0.4,
               width=max(1, int(s * 0.5)))
    return (x + (n // 2) * w + w / 2.0, y + 0.6)


def fuse(d, s, start, pts, width=1.1):
    q = [start] + list(pts)
    d.line([(px * s, py * s) for px, py in q], fill=FUSE, width=max(1, int(width * s)),
           joint="curve")


def detonator(d, s, x, y, w=11.0, h=8.0, led=True):
    """A grey timer box: a dark display window on the left and a red lamp on the right.
    Returns the display window (x0, y0, x1, y1) so the digits can be set in it at final size."""
    _r(d, (x, y, x + w, y + h), s, BOX, radius=1.2)
    d.line([((x + 1.2) * s, (y + 0.9) * s), ((x + w - 1.2) * s, (y + 0.9) * s)],
           fill=(150, 156, 166, 255), width=max(1, int(0.6 * s)))
    lw = min(3.0, w * 0.28)
    win = (x + 1.2, y + 1.6, x + w - lw - 1.2, y + h - 1.4)
    d.rectangle((win[0] * s, win[1] * s, win[2] * s, win[3] * s), fill=DISPLAY)
    col = (255, 60, 40, 255) if led else (110, 30, 26, 255)
    lx = x + w - lw / 2.0 - 0.8
    r = lw * 0.36
    d.ellipse(((lx - r) * s, (y + h * 0.35 - r) * s, (lx + r) * s, (y + h * 0.35 + r) * s),
              fill=col, outline=OUTLINE, width=max(1, int(0.4 * s)))
    return win


def wires(d, s, pts, colour=(200, 40, 30, 255)):
    d.line([(x * s, y * s) for x, y in pts], fill=colour, width=int(0.8 * s), joint="curve")


def semtex(d, s, x, y, w, h, label=None):
    """A block of plastic explosive in a wrapper band, optionally with a paper label."""
    _r(d, (x, y + 1.2, x + w, y + h), s, SEMTEX_DARK, radius=1.5)
    _r(d, (x, y, x + w, y + h - 1.5), s, SEMTEX, radius=1.5)
    d.line([((x + 1.5) * s, (y + 1.3) * s), ((x + w - 2) * s, (y + 1.3) * s)], fill=SEMTEX_LIGHT,
           width=int(0.8 * s))
    bx0, bx1 = x + w * 0.16, x + w * 0.34
    d.rectangle((bx0 * s, (y + 0.4) * s, bx1 * s, (y + h - 0.4) * s), fill=WRAP)
    if label:
        lh = min(h - 4.0, 9.0)
        tw = artlib.text_width(label, lh)
        lx = x + (w - tw) / 2.0 + w * 0.08
        ly = y + (h - 1.5 - lh) / 2.0
        _r(d, (lx - 1.2, ly - 1.0, lx + tw + 1.2, ly + lh + 1.0), s, (252, 248, 236, 255),
           radius=0.8, width=max(1, int(s * 0.5)))
        artlib.draw_text(d, label, lx * s, ly * s, lh * s, (30, 24, 22, 255), 1.1 * s)


def cap(d, s, x, y, length=6.0):
    """A detonator cap pushed into a block: a silver tube pointing up-right."""
    d.line([(x * s, y * s), ((x + length * 0.6) * s, (y - length * 0.8) * s)], fill=OUTLINE,
           width=int(2.2 * s))
    d.line([(x * s, y * s), ((x + length * 0.6) * s, (y - length * 0.8) * s)], fill=STEEL,
           width=int(1.3 * s))
    return (x + length * 0.6, y - length * 0.8)


def spark(d, s, x, y, phase, rng, scale=1.0):
    """A fuse spark: a bright core with flickering rays; phase 0..4 changes its shape."""
    r = (1.3 + 0.5 * ((phase * 7) % 3) / 2.0) * scale
    glow = (2.8 + 0.6 * (phase % 2)) * scale
    d.ellipse(((x - glow) * s, (y - glow) * s, (x + glow) * s, (y + glow) * s),
              fill=(255, 160, 40, 110))
    n = 5 + phase % 3
    for k in range(n):
        a = 2 * math.pi * (k / n) + phase * 0.7 + rng.uniform(-0.3, 0.3)
        ln = rng.uniform(2.0, 3.8) * scale
        d.line([(x * s, y * s), ((x + ln * math.cos(a)) * s, (y + ln * math.sin(a)) * s)],
               fill=(255, 236, 120, 255), width=max(1, int(0.5 * s)))
    d.ellipse(((x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s), fill=(255, 250, 220, 255))
    for _ in range(2):
        a = rng.uniform(0, 2 * math.pi)
        dd = rng.uniform(3.0, 4.6) * scale
        px, py = x + dd * math.cos(a), y + dd * math.sin(a)
        d.ellipse(((px - 0.5) * s, (py - 0.5) * s, (px + 0.5) * s, (py + 0.5) * s),
                  fill=(255, 210, 90, 255))
