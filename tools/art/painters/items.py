"""Item pictures for the inventory: 37 x 32, transparent background."""

from PIL import Image, ImageDraw

import artlib
from artlib import SS
from painters import _spridz as sp

W, H = 37, 32
OUTLINE = (30, 22, 18, 255)
WOOD = (168, 112, 58, 255)
WOOD_DARK = (112, 70, 36, 255)
STEEL = (176, 184, 192, 255)
STEEL_LIGHT = (226, 232, 238, 255)
STEEL_DARK = (98, 106, 116, 255)


def _p(pts, s=SS):
    return [(x * s, y * s) for x, y in pts]


def _handle(d, a, b, width=3.0):
    s = SS
    d.line(_p([a, b]), fill=OUTLINE, width=int((width + 1.4) * s))
    d.line(_p([a, b]), fill=WOOD, width=int(width * s))
    d.line(_p([(a[0] - 0.6, a[1] - 0.6), (b[0] - 0.6, b[1] - 0.6)]), fill=(204, 150, 92, 255),
           width=int(0.8 * s))


def spade():
    img, d = artlib.canvas(W, H)
    s = SS
    _handle(d, (31.0, 4.5), (15.5, 19.5))
    # D grip
    d.ellipse(_p([(27.5, 0.8), (35.5, 8.8)])[0] + _p([(27.5, 0.8), (35.5, 8.8)])[1],
              outline=OUTLINE, width=int(3.4 * s))
    d.ellipse(_p([(28.3, 1.6), (34.7, 8.0)])[0] + _p([(28.3, 1.6), (34.7, 8.0)])[1],
              outline=WOOD_DARK, width=int(1.8 * s))
    blade = [(17.5, 15.5), (21.0, 19.0), (12.0, 29.5), (3.0, 31.0), (4.5, 22.0)]
    d.polygon(_p(blade), fill=STEEL, outline=OUTLINE, width=s)
    d.polygon(_p([(16.8, 17.0), (18.8, 19.0), (10.5, 27.8), (6.0, 28.4)]), fill=STEEL_LIGHT)
    d.line(_p([(17.5, 15.5), (21.0, 19.0)]), fill=STEEL_DARK, width=int(1.6 * s))
    return img


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
    return img


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
                        fill=(214, 76, 40, 255), outline=OUTLINE, width=s)
    d.rectangle(_p([(13.0, 10.0)])[0] + _p([(15.0, 19.5)])[0], fill=(246, 136, 96, 255))
    for yy in (12.0, 15.0, 18.0):
        d.line(_p([(17.0, yy), (23.0, yy)]), fill=(140, 40, 20, 255), width=int(0.8 * s))
    d.rectangle(_p([(15.0, 21.0)])[0] + _p([(21.0, 23.5)])[0], fill=STEEL_DARK, outline=OUTLINE,
                width=s)
    # chisel
    d.polygon(_p([(16.8, 23.5), (19.2, 23.5), (19.0, 29.5), (18.0, 31.5), (17.0, 29.5)]),
              fill=STEEL, outline=OUTLINE, width=s)
    return img


def dynamite(n, det):
    img = Image.new("RGBA", (W * SS, H * SS), (0, 0, 0, 0))
    s = SS
    if det:
        layer, fend = sp.bundle(s, n, w=5.6 if n == 5 else 6.0, h=20.0, tilt=-18.0)
        img.alpha_composite(layer, (-4 * s, 0))
        d = ImageDraw.Draw(img)
        fx, fy = fend[0] - 4.0, fend[1]
        sp.wires(d, s, [(fx, fy), (fx + 5.0, fy - 1.5), (26.0, 18.0), (26.5, 21.0)])
        sp.wires(d, s, [(fx - 0.5, fy + 0.5), (fx + 3.0, fy + 4.0), (25.0, 20.0), (27.5, 21.5)],
                 (40, 60, 200, 255))
        sp.detonator(d, s, 24.5, 21.0, 12.0, 10.0, led=True, digits=str(n))
    else:
        layer, fend = sp.bundle(s, n, w=5.6 if n == 5 else 6.0, h=22.0, tilt=-24.0)
        img.alpha_composite(layer)
    return img


def semtex_det():
    img, d = artlib.canvas(W, H)
    s = SS
    sp.semtex(d, s, 2.0, 12.0, 26.0, 17.0)
    tip = sp.cap(d, s, 18.0, 15.0, 7.0)
    sp.wires(d, s, [tip, (tip[0] + 3.0, tip[1] - 3.0), (29.0, 4.0), (31.0, 6.0)])
    sp.detonator(d, s, 25.0, 3.0, 11.5, 9.0)
    return img


def semtex_small(digit):
    """A small block with its fuse seconds on a label: a big digit and a small s."""
    img, d = artlib.canvas(W, H)
    s = SS
    sp.semtex(d, s, 4.0, 9.0, 27.0, 21.0)
    d.rounded_rectangle((8.5 * s, 11.5 * s, 25.5 * s, 26.0 * s), radius=1.5 * s,
                        fill=(250, 244, 226, 255), outline=OUTLINE, width=int(0.6 * s))
    artlib.draw_text(d, digit, 10.8 * s, 13.0 * s, 11.0 * s, (30, 24, 22, 255), 2.0 * s)
    artlib.draw_text(d, "s", 19.5 * s, 18.0 * s, 6.0 * s, (180, 40, 30, 255), 1.4 * s)
    tip = sp.cap(d, s, 27.0, 10.0, 5.0)
    d.ellipse(((tip[0] - 1.4) * s, (tip[1] - 1.4) * s, (tip[0] + 1.4) * s, (tip[1] + 1.4) * s),
              fill=(255, 60, 40, 255), outline=OUTLINE, width=s)
    return img


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
    for rel, big in pics:
        artlib.save_png(artlib.reduce(big, W, H), dist, rel)
