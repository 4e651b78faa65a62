"""Item pictures for the inventory: 37 x 32, transparent background."""

from PIL import Image, ImageDraw

import artlib
from artlib import SS
from painters import _figure as fig
from painters import _spridz as sp

W, H = 37, 32
OUTLINE = (30, 22, 18, 255)
WOOD = (168, 112, 58, 255)
WOOD_DARK = (112, 70, 36, 255)
STEEL = (176, 184, 192, 255)
STEEL_LIGHT = (226, 232, 238, 255)
STEEL_DARK = (98, 106, 116, 255)
JACK = (186, 36, 32, 255)      # the pneumatic pick's body, as the digger holds it
JACK_LIGHT = (236, 104, 90, 255)
JACK_DARK = (112, 20, 18, 255)
TIMER = "05"                   # the detonator fuse, about five seconds


def _p(pts, s=SS):
    return [(x * s, y * s) for x, y in pts]


def _handle(d, a, b, width=3.0):
    s = SS
    d.line(_p([a, b]), fill=OUTLINE, width=int((width + 1.4) * s))
    d.line(_p([a, b]), fill=WOOD, width=int(width * s))
    d.line(_p([(a[0] - 0.6, a[1] - 0.6), (b[0] - 0.6, b[1] - 0.6)]), fill=(204, 150, 92, 255),
           width=int(0.8 * s))


def spade():
    """A real spade: T handle, straight shaft, a flat square-shouldered blade."""
    img, d = artlib.canvas(W, H)
    s = SS
    ux, uy = -0.69, 0.724            # along the shaft, handle to blade
    nx, ny = 0.724, 0.69
    top = (30.5, 4.6)
    neck = (18.6, 17.1)
    base = (17.0, 18.8)              # where the blade's shoulders are
    # T handle across the top of the shaft
    grip = [(top[0] + 4.2 * nx, top[1] + 4.2 * ny), (top[0] - 4.2 * nx, top[1] - 4.2 * ny)]
    d.line(_p(grip), fill=OUTLINE, width=int(3.6 * s))
    d.line(_p(grip), fill=WOOD_DARK, width=int(2.2 * s))
    _handle(d, top, neck, width=2.4)
    # socket: the blade's steel narrowing into the shaft
    sock = [(neck[0] + 1.5 * nx, neck[1] + 1.5 * ny), (neck[0] - 1.5 * nx, neck[1] - 1.5 * ny),
            (base[0] - 3.0 * nx, base[1] - 3.0 * ny), (base[0] + 3.0 * nx, base[1] + 3.0 * ny)]
    d.polygon(_p(sock), fill=STEEL_DARK, outline=OUTLINE, width=s)
    ln, hw = 10.8, 5.2
    tip = (base[0] + ln * ux, base[1] + ln * uy)
    blade = [(base[0] + hw * nx, base[1] + hw * ny), (base[0] - hw * nx, base[1] - hw * ny),
             (tip[0] - (hw - 0.4) * nx - 1.0 * ux, tip[1] - (hw - 0.4) * ny - 1.0 * uy),
             (tip[0] - 2.5 * nx, tip[1] - 2.5 * ny), (tip[0] + 2.5 * nx, tip[1] + 2.5 * ny),
             (tip[0] + (hw - 0.4) * nx - 1.0 * ux, tip[1] + (hw - 0.4) * ny - 1.0 * uy)]
    d.polygon(_p(blade), fill=STEEL, outline=OUTLINE, width=s)
    # the rolled tread along the top edge, and light down the blade's face
    d.line(_p([(base[0] + (hw - 0.8) * nx + 0.6 * ux, base[1] + (hw - 0.8) * ny + 0.6 * uy),
               (base[0] - (hw - 0.8) * nx + 0.6 * ux, base[1] - (hw - 0.8) * ny + 0.6 * uy)]),
           fill=STEEL_DARK, width=int(1.2 * s))
    d.polygon(_p([(base[0] - 2.8 * nx + 1.6 * ux, base[1] - 2.8 * ny + 1.6 * uy),
                  (base[0] - 0.6 * nx + 1.6 * ux, base[1] - 0.6 * ny + 1.6 * uy),
                  (tip[0] - 0.6 * nx - 1.6 * ux, tip[1] - 0.6 * ny - 1.6 * uy),
                  (tip[0] - 2.6 * nx - 1.8 * ux, tip[1] - 2.6 * ny - 1.8 * uy)]),
              fill=STEEL_LIGHT)
    d.line(_p([(base[0] + 0.8 * ux, base[1] + 0.8 * uy), (tip[0] - 1.4 * ux, tip[1] - 1.4 * uy)]),
           fill=STEEL_DARK, width=int(0.7 * s))
    return img, None


def pick():
    img, d = artlib.canvas(W, H)
    s = SS
    _handle(d, (5.0, 30.0), (21.0, 10.5))
    head = [(4.0, 9.0), (12.0, 4.0), (22.0, 4.5), (30.0, 9.0), (35.0, 17.5), (27.5, 11.5),
            (21.5, 9.2), (14.0, 8.0)]
    d.polygon(_p(head), fill=STEEL, outline=OUTLINE, width=s)
    d.line(_p([(7.0, 7.6), (13.0, 5.2), (21.0, 5.6), (28.0, 9.2)]), fill=STEEL_LIGHT,
           width=int(1.0 * s), joint="curve")
    d.rounded_rectangle(_p([(18.5, 4.0)])[0] + _p([(24.5, 11.0)])[0], radius=s,
                        fill=STEEL_DARK, outline=OUTLINE, width=s)
    return img, None


def pneumatic():
    img, d = artlib.canvas(W, H)
    s = SS
    # hose
    d.line(_p([(24.0, 12.0), (31.0, 13.0), (34.5, 20.0), (31.0, 27.0), (35.5, 31.0)]),
           fill=OUTLINE, width=int(2.8 * s), joint="curve")
    d.line(_p([(24.0, 12.0), (31.0, 13.0), (34.5, 20.0), (31.0, 27.0), (35.5, 31.0)]),
           fill=(48, 48, 52, 255), width=int(1.5 * s), joint="curve")
    # T handle
    d.rounded_rectangle(_p([(5.0, 2.0)])[0] + _p([(29.0, 6.0)])[0], radius=1.5 * s,
                        fill=(56, 56, 62, 255), outline=OUTLINE, width=s)
    d.rectangle(_p([(15.0, 5.0)])[0] + _p([(21.0, 8.5)])[0], fill=STEEL_DARK, outline=OUTLINE,
                width=s)
    # body
    d.rounded_rectangle(_p([(11.5, 8.0)])[0] + _p([(24.5, 21.0)])[0], radius=2 * s,
                        fill=JACK, outline=OUTLINE, width=s)
    d.rectangle(_p([(13.0, 10.0)])[0] + _p([(15.0, 19.5)])[0], fill=JACK_LIGHT)
    for yy in (12.0, 15.0, 18.0):
        d.line(_p([(17.0, yy), (23.0, yy)]), fill=JACK_DARK, width=int(0.8 * s))
    d.rectangle(_p([(15.0, 21.0)])[0] + _p([(21.0, 23.5)])[0], fill=STEEL_DARK, outline=OUTLINE,
                width=s)
    # chisel
    d.polygon(_p([(16.8, 23.5), (19.2, 23.5), (19.0, 29.5), (18.0, 31.5), (17.0, 29.5)]),
              fill=STEEL, outline=OUTLINE, width=s)
    return img, None


def _timer(win):
    """Sets the timer digits in a detonator's display window, at final size."""
    def post(img):
        x0, y0, x1, y1 = win
        x = int(round((x0 + x1) / 2.0 - 3.5))
        y = int(round((y0 + y1) / 2.0 - 2.5))
        fig.digits(img, TIMER, x, y, sp.DIGIT, sp.DIGIT_OFF)
    return post


def dynamite(n, det):
    """n sticks side by side, tops level and taped, so that 1, 3 and 5 can be counted; the
    detonator kinds carry a timer box wired to the bundle instead of a plain fuse."""
    img, d = artlib.canvas(W, H)
    s = SS
    w = {1: 7.0, 3: 7.0, 5: 5.8}[n]
    h = 21.0 if det else 23.0
    x = (W - n * w) / 2.0 - (3.0 if det else 1.0)
    if det and n == 5:
        x = 1.0
    y = 6.5 if not det else 4.5
    top = sp.bundle(d, s, n, x, y, w, h)
    if not det:
        sp.fuse(d, s, top, [(top[0] + 1.5, top[1] - 3.0), (top[0] + 5.0, top[1] - 4.6),
                            (top[0] + 7.5, top[1] - 3.4)])
        return img, None
    bx, by, bw, bh = 21.0, 20.0, 15.5, 11.5
    sp.wires(d, s, [(top[0], top[1] + 0.4), (top[0] + 4.0, top[1] - 3.5), (bx + 12.0, 2.5),
                    (bx + 11.0, by)])
    sp.wires(d, s, [(top[0] + 1.0, top[1] + 0.6), (top[0] + 6.0, top[1] - 1.5), (bx + 14.5, 6.0),
                    (bx + 13.5, by)], (60, 90, 210, 255))
    win = sp.detonator(d, s, bx, by, bw, bh)
    return img, _timer(win)


def semtex_det():
    img, d = artlib.canvas(W, H)
    s = SS
    sp.semtex(d, s, 1.5, 12.0, 27.0, 17.0)
    tip = sp.cap(d, s, 18.0, 14.5, 6.5)
    sp.wires(d, s, [tip, (tip[0] + 3.0, tip[1] - 3.0), (30.0, 1.5), (31.0, 3.5)])
    win = sp.detonator(d, s, 21.0, 1.5, 15.5, 11.5)
    return img, _timer(win)


def semtex_small(digit):
    """A small block with its fuse seconds on a label: a big digit and a small s."""
    img, d = artlib.canvas(W, H)
    s = SS
    sp.semtex(d, s, 3.0, 9.0, 28.0, 21.0)
    d.rounded_rectangle((12.0 * s, 12.5 * s, 26.5 * s, 25.0 * s), radius=1.5 * s,
                        fill=(252, 248, 236, 255), outline=OUTLINE, width=int(0.6 * s))
    artlib.draw_text(d, digit, 14.0 * s, 13.8 * s, 9.6 * s, (30, 24, 22, 255), 2.0 * s)
    artlib.draw_text(d, "s", 21.2 * s, 18.0 * s, 5.4 * s, (180, 40, 30, 255), 1.4 * s)
    tip = sp.cap(d, s, 27.0, 10.0, 5.0)
    sp.fuse(d, s, tip, [(tip[0] + 1.5, tip[1] - 2.0), (tip[0] + 3.5, tip[1] - 2.5)], 0.9)
    return img, None


def paint(dist):
    pics = [
        ("ui/lapsta.png", spade()),
        ("ui/cirtnis.png", pick()),
        ("ui/pneim_cirtnis.png", pneumatic()),
        ("ui/dinamits_1x.png", dynamite(1, False)),
        ("ui/dinamits_3x.png", dynamite(3, False)),
        ("ui/dinamits_5x.png", dynamite(5, False)),
        ("ui/dinamits_deton_3x.png", dynamite(3, True)),
        ("ui/dinamits_deton_5x.png", dynamite(5, True)),
        ("ui/semtex_deton.png", semtex_det()),
        ("ui/semtex_1s.png", semtex_small("1")),
        ("ui/semtex_3s.png", semtex_small("3")),
    ]
    for rel, (big, post) in pics:
        small = artlib.reduce(big, W, H)
        if post:
            post(small)
        artlib.save_png(small, dist, rel)
