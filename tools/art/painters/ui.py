"""Status and inventory panel pictures: dark slate with a thin brass edge.

Light windows sit where the game writes black text: the level clock (screen (60, 27)), the
health number (centred at x 68, top 41) in the health box at (8, 10), and the battery clock
(centred at x 34, top 125) in the battery case at (0, 110).
"""
import math

from PIL import Image, ImageDraw

import artlib
from artlib import SS

SLATE = (46, 54, 64, 255)
SLATE_DARK = (28, 33, 40, 255)
SLATE_LIGHT = (70, 82, 96, 255)
BRASS = (198, 152, 72, 255)
BRASS_LIGHT = (240, 206, 128, 255)
BRASS_DARK = (124, 88, 38, 255)
PAPER = (236, 228, 204, 255)
PAPER_DARK = (196, 186, 160, 255)
INK = (30, 26, 24, 255)


def _box(x0, y0, x1, y1, s=SS):
    return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)


def _panel(d, x0, y0, x1, y1, radius=4.0, fill=SLATE, edge=BRASS):
    """A slate plate with a one-pixel brass edge and a faint inner bevel."""
    s = SS
    d.rounded_rectangle(_box(x0, y0, x1, y1), radius=radius * s, fill=edge)
    d.rounded_rectangle(_box(x0 + 1, y0 + 1, x1 - 1, y1 - 1), radius=max(0.5, radius - 1) * s,
                        fill=fill)
    d.line([((x0 + radius) * s, (y0 + 1.6) * s), ((x1 - radius) * s, (y0 + 1.6) * s)],
           fill=SLATE_LIGHT, width=int(0.6 * s))


def _window(d, x0, y0, x1, y1, fill=PAPER):
    """A light inset window (for black text)."""
    s = SS
    d.rounded_rectangle(_box(x0, y0, x1, y1), radius=1.6 * s, fill=BRASS_DARK)
    d.rounded_rectangle(_box(x0 + 1, y0 + 1, x1 - 0.5, y1 - 0.5), radius=1.2 * s, fill=fill)
    d.line([((x0 + 1.5) * s, (y0 + 1.5) * s), ((x1 - 1.5) * s, (y0 + 1.5) * s)],
           fill=PAPER_DARK, width=int(0.8 * s))


def _rivet(d, x, y):
    s = SS
    d.ellipse(((x - 1.1) * s, (y - 1.1) * s, (x + 1.1) * s, (y + 1.1) * s), fill=BRASS_DARK)
    d.ellipse(((x - 0.7) * s, (y - 0.8) * s, (x + 0.5) * s, (y + 0.4) * s), fill=BRASS_LIGHT)


def _cross(d, cx, cy, r, fill=(214, 40, 36, 255)):
    s = SS
    w = r * 0.36
    d.rectangle(((cx - w) * s, (cy - r) * s, (cx + w) * s, (cy + r) * s), fill=fill)
    d.rectangle(((cx - r) * s, (cy - w) * s, (cx + r) * s, (cy + w) * s), fill=fill)


def health_box():
    W, H = 102, 105
    img, d = artlib.canvas(W, H)
    s = SS
    _panel(d, 0, 0, W, H, 6)
    # clock: small dial, then the window where the level time is written
    d.ellipse(_box(31, 15, 46, 30), fill=BRASS_DARK)
    d.ellipse(_box(32, 16, 45, 29), fill=PAPER)
    d.line([(38.5 * s, 22.5 * s), (38.5 * s, 18.5 * s)], fill=INK, width=int(1.0 * s))
    d.line([(38.5 * s, 22.5 * s), (41.5 * s, 23.5 * s)], fill=INK, width=int(1.0 * s))
    _window(d, 49, 14, 98, 32)
    # health: red cross, then the wide window for the number
    d.rounded_rectangle(_box(5, 36, 22, 62), radius=2 * s, fill=SLATE_DARK)
    _cross(d, 13.5, 49, 6.5)
    _window(d, 24, 35, 98, 64)
    # heartbeat screen
    d.rounded_rectangle(_box(5, 70, 97, 98), radius=2 * s, fill=BRASS_DARK)
    d.rounded_rectangle(_box(6, 71, 96, 97), radius=1.5 * s, fill=(16, 30, 24, 255))
    for gx in range(14, 96, 10):
        d.line([(gx * s, 72 * s), (gx * s, 96 * s)], fill=(30, 56, 42, 255), width=int(0.5 * s))
    pts = [(7, 85), (30, 85), (34, 81), (38, 85), (44, 85), (47, 76), (51, 93), (55, 85),
           (66, 85), (70, 82), (74, 85), (95, 85)]
    d.line([(x * s, y * s) for x, y in pts], fill=(110, 250, 140, 255), width=int(1.1 * s),
           joint="curve")
    for x, y in ((5, 5), (W - 5, 5), (5, H - 4), (W - 5, H - 4)):
        _rivet(d, x, y)
    return artlib.reduce(img, W, H)


def battery_case():
    W, H = 70, 60
    img, d = artlib.canvas(W, H)
    s = SS
    # terminal nub on the right, at the height of the bar
    d.rounded_rectangle(_box(62, 39, 70, 55), radius=1.5 * s, fill=BRASS)
    d.rounded_rectangle(_box(63, 40, 69, 54), radius=1.0 * s, fill=BRASS_DARK)
    _panel(d, 0, 2, 65, 60, 5)
    _window(d, 9, 12, 59, 31)   # battery clock, black text centred at x 34, top 15
    # slot of the bar (drawn at local (19, 41), 32 x 12)
    d.rounded_rectangle(_box(17, 39, 53, 55), radius=1.2 * s, fill=BRASS_DARK)
    d.rectangle(_box(18, 40, 52, 54), fill=(14, 18, 16, 255))
    # lightning mark
    bolt = [(10, 39), (6, 48), (9.5, 48), (7, 56), (14, 45), (10.5, 45), (13, 39)]
    d.polygon([(x * s, y * s) for x, y in bolt], fill=BRASS_LIGHT, outline=BRASS_DARK)
    for x, y in ((4, 6), (61, 6), (58, 56)):
        _rivet(d, x, y)
    return artlib.reduce(img, W, H)


def battery_bar():
    W, H = 32, 12
    img = Image.new("RGBA", (W, H), (0, 0, 0, 255))
    px = img.load()
    for y in range(H):
        for x in range(W):
            t = x / (W - 1.0)
            r = int(120 + 120 * t)
            g = int(230 - 20 * t)
            b = 40
            shade = 1.0 - abs(y - 3.5) / 10.0
            if y in (0, H - 1):
                shade *= 0.7
            if x % 4 == 3:
                shade *= 0.72
            px[x, y] = (artlib.clamp(int(r * shade + (40 if y == 2 else 0))),
                        artlib.clamp(int(g * shade + (30 if y == 2 else 0))),
                        artlib.clamp(int(b * shade)), 255)
    return img


def selected_bg():
    W, H = 37, 32
    img, d = artlib.canvas(W, H)
    s = SS
    d.rounded_rectangle(_box(0, 0, W, H), radius=5 * s, fill=(240, 200, 110, 90))
    d.rounded_rectangle(_box(1, 1, W - 1, H - 1), radius=4 * s, outline=BRASS_LIGHT,
                        width=int(1.0 * s))
    d.rounded_rectangle(_box(4, 4, W - 4, H - 4), radius=3 * s, fill=(255, 230, 160, 60))
    return artlib.reduce(img, W, H)


def _strip_edges(d, x0, x1, top=True, bottom=True, H=69):
    """Top and bottom brass edges of the unrolled panel between x0 and x1."""
    s = SS
    if top:
        d.rectangle(_box(x0, 0, x1, 1), fill=BRASS)
        d.rectangle(_box(x0, 1.6, x1, 2.2), fill=SLATE_LIGHT)
    if bottom:
        d.rectangle(_box(x0, H - 1, x1, H), fill=BRASS)


def _slot(d, x0, y0, x1, y1, lit=False):
    """The recess an item sits in."""
    s = SS
    d.rounded_rectangle(_box(x0, y0, x1, y1), radius=3 * s, fill=SLATE_LIGHT if lit else
                        (54, 64, 76, 255))
    d.rounded_rectangle(_box(x0 + 1, y0 + 1, x1 - 0.5, y1 - 0.5), radius=2.5 * s,
                        fill=(38, 48, 58, 255) if lit else SLATE_DARK)


def _bag(d, cx, cy, k=1.0):
    """A miner's satchel icon."""
    s = SS
    w, h = 13 * k, 11 * k
    d.arc(((cx - w * 0.45) * s, (cy - h * 1.1) * s, (cx + w * 0.45) * s, (cy - h * 0.1) * s),
          180, 360, fill=BRASS, width=int(1.6 * s))
    d.rounded_rectangle(((cx - w / 2) * s, (cy - h / 2) * s, (cx + w / 2) * s, (cy + h / 2) * s),
                        radius=2.5 * s, fill=(142, 96, 54, 255), outline=(70, 44, 24, 255),
                        width=int(0.8 * s))
    d.rounded_rectangle(((cx - w / 2) * s, (cy - h / 2) * s, (cx + w / 2) * s,
                         (cy - h * 0.05) * s), radius=2.5 * s, fill=(168, 118, 70, 255),
                        outline=(70, 44, 24, 255), width=int(0.8 * s))
    d.rectangle(((cx - 1.2 * k) * s, (cy - h * 0.15) * s, (cx + 1.2 * k) * s,
                 (cy + h * 0.15) * s), fill=BRASS_LIGHT)


def unroll_begin():
    W, H = 36, 69
    img, d = artlib.canvas(W, H)
    s = SS
    d.rounded_rectangle(_box(0, 0, W + 8, H), radius=7 * s, fill=BRASS)
    d.rounded_rectangle(_box(1, 1, W + 8, H - 1), radius=6 * s, fill=SLATE)
    d.rectangle(_box(6, 1.6, W, 2.2), fill=SLATE_LIGHT)
    _bag(d, 18, 30, 1.2)
    # arrows: the panel unrolls to the right
    for ay in (52, 58):
        d.polygon([(12 * s, (ay - 2.5) * s), (12 * s, (ay + 2.5) * s), (17 * s, ay * s)],
                  fill=BRASS_DARK)
        d.polygon([(18 * s, (ay - 2.5) * s), (18 * s, (ay + 2.5) * s), (23 * s, ay * s)],
                  fill=BRASS)
    return artlib.reduce(img.crop((0, 0, W * s, H * s)), W, H)


def unroll_end():
    W, H = 57, 69
    img, d = artlib.canvas(W, H)
    s = SS
    d.rounded_rectangle(_box(-10, 0, 20, H), radius=8 * s, fill=BRASS)
    d.rounded_rectangle(_box(-10, 1, 19, H - 1), radius=7 * s, fill=SLATE)
    d.rectangle(_box(0, 1.6, 13, 2.2), fill=SLATE_LIGHT)
    for y in (12, 34, 56):
        _rivet(d, 11, y)
    return artlib.reduce(img, W, H)


def pocket(expanded):
    W, H = 52, 69
    img, d = artlib.canvas(W, H)
    s = SS
    d.rectangle(_box(0, 0, W, H), fill=SLATE)
    _strip_edges(d, 0, W, top=not expanded)
    if expanded:
        # the column of cloth rises from here: its sides continue down to the slot
        d.rectangle(_box(0, 0, 47, 18), fill=(58, 66, 78, 255))
        d.line([(0.5 * s, 0), (0.5 * s, 18 * s)], fill=BRASS_DARK, width=int(1.0 * s))
        d.line([(46.5 * s, 0), (46.5 * s, 18 * s)], fill=BRASS_DARK, width=int(1.0 * s))
        d.rectangle(_box(47, 0, W, 1), fill=BRASS)
    # divider towards the next pocket
    d.line([(51.3 * s, 4 * s), (51.3 * s, (H - 4) * s)], fill=SLATE_DARK, width=int(1.2 * s))
    d.line([(50.3 * s, 4 * s), (50.3 * s, (H - 4) * s)], fill=SLATE_LIGHT, width=int(0.5 * s))
    _slot(d, 1, 18, 41, 54, lit=expanded)
    if not expanded:
        # a closed flap over the top of the slot, with its button
        d.polygon([(2 * s, 6 * s), (40 * s, 6 * s), (40 * s, 16 * s), (21 * s, 20 * s),
                   (2 * s, 16 * s)], fill=(64, 74, 88, 255), outline=BRASS_DARK,
                  width=int(0.8 * s))
        d.ellipse(_box(19, 15, 23.5, 19.5), fill=BRASS, outline=BRASS_DARK)
    # stitching along the bottom
    for x in range(4, 46, 4):
        d.line([(x * s, 60 * s), ((x + 2) * s, 60 * s)], fill=(96, 108, 122, 255),
               width=int(0.6 * s))
    return artlib.reduce(img, W, H)


def expand_middle():
    W, H = 52, 28
    img, d = artlib.canvas(W, H)
    s = SS
    d.rectangle(_box(0, 0, 47, H), fill=(58, 66, 78, 255))
    # cloth weave
    for y in range(0, H, 3):
        d.line([(1 * s, (y + 1) * s), (46 * s, (y + 1) * s)], fill=(64, 73, 86, 255),
               width=int(0.6 * s))
    d.line([(0.5 * s, 0), (0.5 * s, H * s)], fill=BRASS_DARK, width=int(1.0 * s))
    d.line([(46.5 * s, 0), (46.5 * s, H * s)], fill=BRASS_DARK, width=int(1.0 * s))
    for y in range(1, H, 4):
        d.line([(2.5 * s, y * s), (2.5 * s, (y + 2) * s)], fill=(120, 130, 144, 255),
               width=int(0.5 * s))
        d.line([(44.5 * s, y * s), (44.5 * s, (y + 2) * s)], fill=(120, 130, 144, 255),
               width=int(0.5 * s))
    return artlib.reduce(img, W, H)


def expand_top():
    W, H = 54, 12
    img, d = artlib.canvas(W, H)
    s = SS
    d.rounded_rectangle(_box(1, 0, W - 2, H + 6), radius=5 * s, fill=BRASS)
    d.rounded_rectangle(_box(2, 1, W - 3, H + 6), radius=4 * s, fill=SLATE)
    d.rectangle(_box(7, 1.6, W - 8, 2.2), fill=SLATE_LIGHT)
    d.rectangle(_box(4, 8, 51, 12), fill=(58, 66, 78, 255))
    _rivet(d, 27, 5)
    return artlib.reduce(img.crop((0, 0, W * s, H * s)), W, H)


def compact():
    W, H = 60, 72
    img, d = artlib.canvas(W, H)
    s = SS
    # tab hinting that the panel unrolls; kept above the active item drawn at x 60
    d.rounded_rectangle(_box(46, 4, 60, 16), radius=3 * s, fill=BRASS)
    d.rounded_rectangle(_box(47, 5, 59, 15), radius=2.5 * s, fill=SLATE)
    d.polygon([(52 * s, 7.5 * s), (52 * s, 12.5 * s), (56.5 * s, 10 * s)], fill=BRASS_LIGHT)
    _panel(d, 0, 0, 52, H, 7)
    _bag(d, 26, 30, 1.7)
    for y in (56, 62):
        d.line([(12 * s, y * s), (40 * s, y * s)], fill=SLATE_LIGHT, width=int(0.7 * s))
    for x, y in ((6, 6), (46, 6), (6, 66), (46, 66)):
        _rivet(d, x, y)
    return artlib.reduce(img, W, H)


def paint(dist):
    artlib.save_png(health_box(), dist, "ui/ui_health.png")
    artlib.save_png(battery_case(), dist, "ui/baterija.png")
    artlib.save_png(battery_bar(), dist, "ui/baterija_josla.png")
    artlib.save_png(selected_bg(), dist, "ui/selected_bg.png")
    artlib.save_png(unroll_begin(), dist, "ui/ui_itm_unroll_begin.png")
    artlib.save_png(compact(), dist, "ui/ui_itm_compact.png")
    artlib.save_png(unroll_end(), dist, "ui/ui_itm_unroll_end.png")
    artlib.save_png(pocket(False), dist, "ui/ui_itm_unroll_middle.png")
    artlib.save_png(pocket(True), dist, "ui/ui_itm_unroll_middle_expand.png")
    artlib.save_png(expand_middle(), dist, "ui/ui_itm_expand_middle.png")
    artlib.save_png(expand_top(), dist, "ui/ui_itm_expand_top.png")
