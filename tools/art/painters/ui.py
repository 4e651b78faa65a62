"""Status and inventory panel pictures: dark slate with a thin brass edge.

Light windows sit where the game writes black text: the level clock (screen (60, 27), in the
health box at (8, 10)) and the battery clock (centred at x 34, top 125, in the battery case at
(0, 110)). The orange-red health number (centred at x 68, top 41) sits on the dark glass of
the health monitor. The battery bar is cut from its bottom as the battery runs down.
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


# The health monitor: a dark glass where the orange-red health number and a dim trace of
# the same hue sit; the number's ink runs about 36-51 (local), centred on x 60.
GLASS = (20, 18, 20, 255)
GLASS_GRID = (46, 28, 24, 255)
TRACE = (196, 70, 34, 255)
TRACE_GLOW = (120, 40, 22, 255)

# Battery charge: electric blue, never the danger colours.
CHARGE = (58, 156, 236, 255)
CHARGE_LIGHT = (176, 228, 255, 255)
CHARGE_DARK = (26, 84, 160, 255)
SLOT = (12, 14, 18, 255)
SLOT_CELL = (34, 40, 50, 255)

# The bar: drawn at case-local (19, 41); the game cuts rows off its bottom as the battery
# runs down, so the charge hangs from the top, the battery's terminal points down.
BAR_W, BAR_CELLS, BAR_CELL, BAR_GAP = 30, 6, 7, 1
BAR_H = BAR_CELLS * (BAR_CELL + BAR_GAP)
BAR_X, BAR_Y = 19, 41


def health_box():
    W, H = 102, 105
    img, d = artlib.canvas(W, H)
    s = SS
    _panel(d, 0, 0, W, H, 6)
    # level clock: a small dial, then the light window the black time is written on
    d.ellipse(_box(31, 14, 46, 29), fill=BRASS_DARK)
    d.ellipse(_box(32, 15, 45, 28), fill=PAPER)
    d.line([(38.5 * s, 21.5 * s), (38.5 * s, 17.5 * s)], fill=INK, width=int(1.0 * s))
    d.line([(38.5 * s, 21.5 * s), (41.5 * s, 22.5 * s)], fill=INK, width=int(1.0 * s))
    _window(d, 49, 11, 98, 33)  # room for the clock's 15-point digits, top at 17
    # the monitor: bezel, glass, a faint grid in its lower half
    d.rounded_rectangle(_box(4, 34, 98, 99), radius=3 * s, fill=BRASS_DARK)
    d.rounded_rectangle(_box(5, 35, 97, 98), radius=2.5 * s, fill=GLASS)
    for gx in range(14, 96, 10):
        d.line([(gx * s, 67 * s), (gx * s, 96 * s)], fill=GLASS_GRID, width=int(0.5 * s))
    for gy in (72, 82, 92):
        d.line([(7 * s, gy * s), (95 * s, gy * s)], fill=GLASS_GRID, width=int(0.5 * s))
    d.line([(8 * s, 64.5 * s), (94 * s, 64.5 * s)], fill=(60, 40, 34, 255), width=int(0.6 * s))
    # the red cross beside the number
    _cross(d, 14, 44, 5.5)
    # heartbeat trace, a glow under a thin line
    pts = [(7, 84), (30, 84), (34, 80), (38, 84), (44, 84), (47, 74), (51, 93), (55, 84),
           (66, 84), (70, 81), (74, 84), (95, 84)]
    line = [(x * s, y * s) for x, y in pts]
    d.line(line, fill=TRACE_GLOW, width=int(2.6 * s), joint="curve")
    d.line(line, fill=TRACE, width=int(1.1 * s), joint="curve")
    # a sheen across the top of the glass
    d.line([(8 * s, 36.6 * s), (94 * s, 36.6 * s)], fill=(52, 46, 50, 255), width=int(0.7 * s))
    for x, y in ((5, 5), (W - 5, 5), (5, H - 4), (W - 5, H - 4)):
        _rivet(d, x, y)
    return artlib.reduce(img, W, H)


def battery_case():
    W, H = 68, 104
    img, d = artlib.canvas(W, H)
    s = SS
    # terminal nub at the bottom, under the bar
    d.rounded_rectangle(_box(25, 94, 43, 103), radius=1.5 * s, fill=BRASS)
    d.rounded_rectangle(_box(26, 95, 42, 102), radius=1.0 * s, fill=BRASS_DARK)
    _panel(d, 0, 6, 66, 97, 5)
    _window(d, 9, 10, 59, 34)   # battery clock: black 15-point text centred at x 34, top 15
    # the slot with ghost cells: what the bar leaves uncovered reads as empty cells
    x0, y0 = BAR_X, BAR_Y
    d.rounded_rectangle(_box(x0 - 2, y0 - 2, x0 + BAR_W + 2, y0 + BAR_H + 1), radius=1.5 * s,
                        fill=BRASS_DARK)
    d.rectangle(_box(x0 - 1, y0 - 1, x0 + BAR_W + 1, y0 + BAR_H), fill=SLOT)
    for k in range(BAR_CELLS):
        cy = y0 + k * (BAR_CELL + BAR_GAP)
        d.rectangle(_box(x0 + 1, cy + 1, x0 + BAR_W - 1, cy + BAR_CELL - 1), outline=SLOT_CELL,
                    width=int(0.8 * s))
    # lightning mark beside the slot
    bolt = [(12, 52), (6, 64), (10, 64), (7, 76), (15, 60), (11, 60), (14, 52)]
    d.polygon([(x * s, y * s) for x, y in bolt], fill=CHARGE_LIGHT, outline=CHARGE_DARK)
    # half mark on the right of the slot
    hy = y0 + BAR_H / 2
    d.polygon([(57 * s, (hy - 2.5) * s), (57 * s, (hy + 2.5) * s), (53.5 * s, hy * s)],
              fill=BRASS)
    for x, y in ((4, 10), (62, 10), (4, 92), (62, 92)):
        _rivet(d, x, y)
    return artlib.reduce(img, W, H)


def battery_bar():
    W, H = BAR_W, BAR_H
    img, d = artlib.canvas(W, H)
    s = SS
    for k in range(BAR_CELLS):
        y = k * (BAR_CELL + BAR_GAP)
        d.rectangle(_box(0, y, W, y + BAR_CELL), fill=CHARGE_DARK)
        d.rectangle(_box(1, y, W - 1, y + BAR_CELL - 1), fill=CHARGE)
        d.rectangle(_box(1, y + 0.6, W - 1, y + 2.2), fill=CHARGE_LIGHT)
        d.rectangle(_box(3, y + 0.6, 5, y + BAR_CELL - 1), fill=(120, 200, 250, 255))
    return artlib.reduce(img, W, H, clean=False)


def selected_bg():
    # A bright brass ring around a dim warm inside, so the white counts stay readable.
    W, H = 37, 32
    img, d = artlib.canvas(W, H)
    s = SS
    d.rounded_rectangle(_box(0, 0, W, H), radius=5 * s, fill=(255, 214, 130, 110))
    d.rounded_rectangle(_box(1, 1, W - 1, H - 1), radius=4 * s, fill=(96, 78, 48, 235),
                        outline=BRASS_LIGHT, width=int(1.3 * s))
    d.rounded_rectangle(_box(3, 3, W - 3, H - 3), radius=3 * s, outline=(150, 118, 64, 255),
                        width=int(0.6 * s))
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
