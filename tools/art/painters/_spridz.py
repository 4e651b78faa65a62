"""Shared drawing of explosives (sticks, bundles, detonators, Semtex blocks) for the item
pictures and the burning-bomb strips. Coordinates are final pixels; s is the supersampling."""
import math

from PIL import Image, ImageDraw

import artlib

OUTLINE = (30, 20, 18, 255)
RED = (204, 44, 32, 255)
RED_DARK = (140, 24, 20, 255)
RED_LIGHT = (244, 110, 84, 255)
PAPER = (232, 214, 164, 255)
TAPE = (36, 34, 36, 255)
FUSE = (90, 72, 50, 255)
SEMTEX = (236, 164, 84, 255)
SEMTEX_DARK = (184, 112, 48, 255)
SEMTEX_LIGHT = (252, 206, 140, 255)
BOX = (86, 92, 100, 255)
BOX_DARK = (52, 56, 62, 255)
STEEL = (188, 194, 200, 255)


def _r(d, box, s, fill, radius=0.0, outline=OUTLINE, width=None):
    x0, y0, x1, y1 = box
    w = int(s) if width is None else width
    d.rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s), radius=radius * s, fill=fill,
                        outline=outline, width=w)


def stick(d, s, x, y, w, h):
    """One upright dynamite stick with its top-left at (x, y)."""
    _r(d, (x, y, x + w, y + h), s, RED, radius=w * 0.35)
    d.rectangle(((x + w * 0.22) * s, (y + 1.2) * s, (x + w * 0.42) * s, (y + h - 1.2) * s),
                fill=RED_LIGHT)
    d.rectangle(((x + w * 0.72) * s, (y + 1.2) * s, (x + w * 0.86) * s, (y + h - 1.2) * s),
                fill=RED_DARK)
    d.ellipse((x * s + s * 0.5, y * s, (x + w) * s - s * 0.5, (y + 1.8) * s), fill=PAPER,
              outline=OUTLINE, width=max(1, int(s * 0.6)))


def bundle(s, n, w=None, h=None, tilt=-24.0, size=(37, 32), fuse=True, fuse_len=1.0):
    """A layer with n sticks (1, 3 or 5) taped together, tilted; returns (layer, fuse end)."""
    W, H = size
    w = w or 6.0
    h = h or 22.0
    img = Image.new("RGBA", (W * s, H * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, cy = W / 2.0, H / 2.0 + 1.5
    if n == 1:
        xs = [(cx - w / 2, 0.0)]
    elif n == 3:   # one behind, two in front
        xs = [(cx - w / 2, -2.0), (cx - w, 0.4), (cx, 0.4)]
    else:          # two behind, three in front
        xs = [(cx - w, -2.0), (cx, -2.0), (cx - w * 1.5, 0.4), (cx - w * 0.5, 0.4),
              (cx + w * 0.5, 0.4)]
    top = cy - h / 2
    for x, dy in xs:
        stick(d, s, x, top + dy, w, h)
    if n > 1:
        xl = min(x for x, _ in xs) - 0.4
        xr = max(x for x, _ in xs) + w + 0.4
        th = max(1.0, h * 0.1)
        for ty in (top + h * 0.28, top + h * 0.66):
            _r(d, (xl, ty, xr, ty + th), s, TAPE, radius=0.4, width=max(1, int(s * 0.5)))
    fx, fy = cx, top - 0.5
    end = (fx + 4.5 * fuse_len, fy - 5.0 * fuse_len)
    if fuse:
        mid = (fx + 0.5 * fuse_len, fy - 3.0 * fuse_len)
        d.line([(fx * s, fy * s), (mid[0] * s, mid[1] * s), (end[0] * s, end[1] * s)],
               fill=FUSE, width=int(1.2 * s), joint="curve")
    layer = artlib.rotate_rgba(img, tilt)
    # where the fuse end went after the turn
    a = math.radians(tilt)
    ex, ey = end[0] - W / 2.0, end[1] - H / 2.0
    rx = W / 2.0 + ex * math.cos(a) + ey * math.sin(a)
    ry = H / 2.0 - ex * math.sin(a) + ey * math.cos(a)
    return layer, (rx, ry)


def detonator(d, s, x, y, w=11.0, h=8.0, led=True, digits=None):
    """A small grey detonator box with a display and a red lamp."""
    _r(d, (x, y, x + w, y + h), s, BOX, radius=1.2)
    d.rectangle(((x + 1.3) * s, (y + 1.3) * s, (x + w - 4.0) * s, (y + h - 2.5) * s),
                fill=(30, 60, 40, 255))
    if digits:
        artlib.draw_text(d, digits, (x + 1.8) * s, (y + 1.9) * s, 3.2 * s, (120, 255, 140, 255),
                         0.7 * s)
    col = (255, 60, 40, 255) if led else (110, 30, 26, 255)
    d.ellipse(((x + w - 3.2) * s, (y + 1.4) * s, (x + w - 1.2) * s, (y + 3.4) * s), fill=col)
    d.rectangle(((x + 1.3) * s, (y + h - 1.8) * s, (x + w - 1.3) * s, (y + h - 1.0) * s),
                fill=BOX_DARK)


def wires(d, s, pts, colour=(200, 40, 30, 255)):
    d.line([(x * s, y * s) for x, y in pts], fill=colour, width=int(0.8 * s), joint="curve")


def semtex(d, s, x, y, w, h, label=None):
    """A wrapped block of plastic explosive."""
    _r(d, (x, y + 1.2, x + w, y + h), s, SEMTEX_DARK, radius=1.5)
    _r(d, (x, y, x + w, y + h - 1.5), s, SEMTEX, radius=1.5)
    d.line([((x + 1.5) * s, (y + 1.3) * s), ((x + w - 2) * s, (y + 1.3) * s)], fill=SEMTEX_LIGHT,
           width=int(0.8 * s))
    # wrapping fold lines
    d.line([((x + w * 0.3) * s, (y + 0.5) * s), ((x + w * 0.22) * s, (y + h - 2) * s)],
           fill=SEMTEX_DARK, width=int(0.5 * s))
    if label:
        lh = min(h - 4.0, 9.0)
        tw = artlib.text_width(label, lh)
        lx = x + (w - tw) / 2.0
        ly = y + (h - 1.5 - lh) / 2.0
        _r(d, (lx - 1.2, ly - 1.0, lx + tw + 1.2, ly + lh + 1.0), s, (250, 244, 226, 255),
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
