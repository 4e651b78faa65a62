"""Shared bits of the menu pictures: palette, noise, fonts, the miner and his mine cart.

Everything here works on whole pictures (Pillow operations) or on small supersampled
sprites, so the 800 x 600 menu pictures paint in well under a second each.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, ImageOps

FONT = "/usr/share/fonts/truetype/dustin/dustismo_bold.ttf"

SLATE = (46, 54, 64)
SLATE_DARK = (28, 33, 40)
SLATE_LIGHT = (70, 82, 96)
BRASS = (198, 152, 72)
BRASS_LIGHT = (240, 206, 128)
BRASS_DARK = (124, 88, 38)
PAPER = (236, 228, 204)
PAPER_DARK = (196, 186, 160)
INK = (30, 26, 24)
ROCK = (52, 58, 70)          # dug-out wall: cool and dark so tunnels read at a glance
LAMP = (255, 236, 176)       # warm lamp light

# The launcher's earth, top stratum to bottom, then the deep calm stratum under the buttons.
EARTH = [(128, 86, 52), (112, 74, 44), (134, 94, 58), (98, 64, 40), (84, 56, 38)]
DEEP = (58, 40, 30)

SS = 4


def font(size):
    try:
        return ImageFont.truetype(FONT, size)
    except OSError:
        return ImageFont.load_default()


def noise(rng, w, h, sx=1, sy=1, amp=20):
    """Signed noise as an L picture centred on 128: cells of sx x sy pixels, smoothly enlarged."""
    cw, ch = max(2, -(-w // sx) + 2), max(2, -(-h // sy) + 2)
    small = Image.frombytes("L", (cw, ch), rng.randbytes(cw * ch))
    if sx > 1 or sy > 1:
        big = small.resize((cw * sx, ch * sy), Image.BICUBIC).crop((sx, sy, sx + w, sy + h))
        big = ImageOps.autocontrast(big, cutoff=1)
    else:
        big = small.crop((0, 0, w, h))
    k = amp / 128.0
    return big.point(lambda v: int(128 + (v - 128) * k))


def add_noise(img, n, blue=1.0):
    """Adds a signed noise picture to every channel (blue a little less for warm grain)."""
    nb = n if blue == 1.0 else n.point(lambda v: int(128 + (v - 128) * blue))
    return ImageChops.add(img, Image.merge("RGB", (n, n, nb)), 1.0, -128)


def gradient_v(w, h, top, bottom):
    """Vertical RGB gradient."""
    g = Image.linear_gradient("L").resize((w, h), Image.BILINEAR)
    return Image.composite(Image.new("RGB", (w, h), bottom), Image.new("RGB", (w, h), top), g)


def shade(img, factor):
    """The picture multiplied by a constant (darker below 1)."""
    return img.point(lambda v: min(255, int(v * factor)))


def grow(mask, r):
    """A binary mask grown by r pixels in every direction (square window, like a maximum
    filter of size 2r + 1, but with box blurs, which cost the same for any r)."""
    return mask.filter(ImageFilter.BoxBlur(r)).point(lambda v: 255 if v > 0 else 0)


def shrink(mask, r):
    return ImageOps.invert(grow(ImageOps.invert(mask), r))


def scale_l(mask, k):
    return mask.point(lambda v: min(255, int(v * k)))


def disc_falloff(diameter, power=1.0, strength=255):
    """L square: strength at the centre, falling to 0 at the inscribed circle's edge."""
    # Pillow's radial gradient reaches 255 only at the corners (distance 128 * sqrt 2).
    g = Image.radial_gradient("L").point(lambda v: max(0, 255 - min(255, int(v * 1.4143))))
    g = g.resize((int(diameter), int(diameter)), Image.BILINEAR)
    return g.point(lambda v: int(strength * (v / 255.0) ** power))


def glow(size, centre, radius, strength=255):
    """Soft round light as an L picture: bright centre fading to nothing at radius."""
    g = disc_falloff(radius * 2, 1.6, strength)
    out = Image.new("L", size, 0)
    out.paste(g, (int(centre[0] - radius), int(centre[1] - radius)))
    return out


def text_mask(size, xy, text, fnt, stroke=0, anchor="la"):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(xy, text, font=fnt, fill=255, stroke_width=stroke, stroke_fill=255,
                           anchor=anchor)
    return m


def brass_title(img, text, centre, size, shadow=6, outline=3):
    """Big brass letters: dark outline, soft drop shadow, vertical brass gradient, shine."""
    fnt = font(size)
    w, h = img.size
    cx, cy = centre
    m = text_mask((w, h), (cx, cy), text, fnt, anchor="mm")
    ms = text_mask((w, h), (cx, cy), text, fnt, stroke=outline, anchor="mm")
    box = m.getbbox()
    if box is None:
        return img
    sh = ImageChops.offset(ms, shadow // 2, shadow).filter(ImageFilter.GaussianBlur(shadow))
    img = Image.composite(Image.new("RGB", (w, h), (6, 5, 8)), img, scale_l(sh, 0.85))
    img = Image.composite(Image.new("RGB", (w, h), (22, 16, 12)), img, ms)
    top, bot = box[1], box[3]
    grad = Image.new("RGB", (w, h), (176, 124, 56))
    band = gradient_v(w, bot - top, (255, 232, 160), (170, 116, 50))
    grad.paste(band, (0, top))
    img = Image.composite(grad, img, m)
    # A brighter line across the upper third of the letters gives the brass some shine.
    shine = Image.new("L", (w, h), 0)
    ImageDraw.Draw(shine).rectangle((0, top + (bot - top) * 0.22, w, top + (bot - top) * 0.30),
                                    fill=110)
    shine = ImageChops.multiply(shine, m.filter(ImageFilter.MinFilter(3)))
    img = Image.composite(Image.new("RGB", (w, h), (255, 246, 214)), img, shine)
    return img


def outline_sprite(spr, colour=(24, 20, 18), width=3):
    """Puts a dark outline around a supersampled RGBA sprite (width in supersampled pixels).

    Grown by repeated 3 x 3 maximum filters at half size: the same ring as one wide filter
    at a fraction of the cost for the big figures of the intro."""
    a = spr.split()[3]
    half = a.resize((max(1, a.width // 2), max(1, a.height // 2)), Image.BILINEAR)
    for _ in range(max(1, int(round(width / 2.0)))):
        half = half.filter(ImageFilter.MaxFilter(3))
    grown = ImageChops.lighter(half.resize(a.size, Image.BILINEAR), a)
    out = Image.new("RGBA", spr.size, colour + (0,))
    out.putalpha(grown)
    out.alpha_composite(spr)
    return out


def reduce(spr, w, h):
    return spr.resize((w, h), Image.LANCZOS)


def _pt(ox, oy, k):
    return lambda x, y: (ox + x * k, oy + y * k)


def miner(height, pose="dig", lamp_on=True):
    """The digger seen from the side, facing right, feet at the bottom centre.

    Returns (sprite RGBA, lamp position relative to the sprite's top-left). Drawn 4x larger
    and reduced, with a one-pixel dark outline so it reads on earth and on rock.
    """
    k = height / 52.0 * SS
    W = int(64 * k) + 8
    H = int(60 * k) + 8
    ox, oy = W * 0.40, H - 4 * SS
    p = _pt(ox, oy, k)
    spr = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(spr)
    boots, trousers, trousers_dark = (46, 34, 28, 255), (44, 70, 108, 255), (34, 54, 84, 255)
    jacket, jacket_light = (62, 98, 140, 255), (88, 128, 168, 255)
    skin, helmet, helmet_dark = (226, 176, 136, 255), (240, 196, 52, 255), (190, 146, 28, 255)
    steel, wood = (176, 184, 194, 255), (140, 94, 50, 255)

    def poly(pts, fill):
        d.polygon([p(x, y) for x, y in pts], fill=fill)

    def line(pts, fill, w):
        q = [p(x, y) for x, y in pts]
        d.line(q, fill=fill, width=max(1, int(w * k)), joint="curve")
        r = w * k / 2
        for x, y in (q[0], q[-1]):
            d.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def ell(x0, y0, x1, y1, fill):
        a, b = p(x0, y0), p(x1, y1)
        d.ellipse((a[0], a[1], b[0], b[1]), fill=fill)

    # back leg (stepping back), front leg (forward, knee bent)
    line([(-3, -24), (-6, -12), (-8, -6)], trousers_dark, 7)
    line([(2, -24), (6, -13), (6, -6)], trousers, 7)
    poly([(-13, -4), (-4, -4), (-3, 0), (-14, 0)], boots)
    poly([(2, -4), (11, -4), (13, 0), (1, 0)], boots)
    # battery pack on the belt at the back, its cable up to the helmet lamp
    d.rounded_rectangle((*p(-13, -34), *p(-6, -22)), radius=1.5 * k, fill=(40, 40, 44, 255))
    d.rectangle((*p(-12, -31), *p(-7, -30)), fill=BRASS + (255,))
    line([(-10, -34), (-11.5, -42), (-8, -49)], (36, 36, 40, 255), 0.9)
    # torso
    d.rounded_rectangle((*p(-8, -42), *p(8, -21)), radius=4 * k, fill=jacket)
    d.rounded_rectangle((*p(-6, -41), *p(0, -24)), radius=3 * k, fill=jacket_light)
    d.rectangle((*p(-8, -25), *p(8, -22)), fill=(92, 60, 34, 255))          # belt
    d.rectangle((*p(1, -25), *p(4, -22)), fill=BRASS_LIGHT + (255,))        # buckle
    d.rectangle((*p(-8, -36), *p(8, -34)), fill=(214, 190, 120, 255))       # reflective band
    # head and helmet
    ell(-5, -53, 7, -41, skin)
    ell(4, -49, 6, -47, (40, 30, 26, 255))                                   # eye
    poly([(6.5, -47), (9, -45), (6.5, -44)], skin)                            # nose
    a, b = p(-8, -59), p(9, -44)
    d.chord((a[0], a[1], b[0], b[1]), 180, 360, fill=helmet)
    line([(-8, -51.5), (11, -51.5)], helmet_dark, 2.2)                        # brim
    line([(-2, -58), (3, -58.5)], (255, 236, 140, 255), 1.2)                  # shine
    # lamp on the helmet's front
    d.rounded_rectangle((*p(7, -57), *p(11, -52)), radius=1 * k, fill=(70, 70, 74, 255))
    ell(9.5, -56.5, 12.5, -52.5, LAMP + (255,) if lamp_on else (90, 86, 70, 255))
    lamp = p(11.5, -54.5)
    # arm and tool
    if pose == "dig":
        line([(-1, -39), (5, -31), (12, -33)], jacket, 5)
        line([(8, -29), (20, -47)], wood, 2.6)                               # pick handle
        head = [(13, -52), (19, -49.5), (24, -47), (28, -42), (30, -35)]
        line(head, steel, 2.8)
        line([(13, -52), (17, -50.8)], (120, 126, 134, 255), 2.2)
        ell(10, -35, 15, -30, skin)                                           # hand
    else:  # walking, the pick over the shoulder
        line([(-1, -39), (4, -30), (8, -27)], jacket, 5)
        line([(7, -25), (-9, -50)], wood, 2.6)
        line([(-15, -46), (-10, -51), (-5, -53), (0, -52)], steel, 2.8)
        ell(5, -30, 10, -25, skin)
    out = outline_sprite(spr, width=int(max(2, k * 0.9)))
    w, h = int(W / SS), int(H / SS)
    lamp_xy = (lamp[0] / SS, lamp[1] / SS)
    return reduce(out, w, h), lamp_xy, (ox / SS, oy / SS)


def cart(width):
    """A mine cart full of ore, side view, wheels at the bottom; returns (sprite, wheel base)."""
    k = width / 56.0 * SS
    W, H = int(60 * k), int(40 * k)
    ox, oy = 2 * k, H - 2 * k
    p = _pt(ox, oy, k)
    spr = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(spr)
    iron, iron_light, iron_dark = (88, 92, 100, 255), (128, 134, 144, 255), (52, 54, 60, 255)
    # ore heap above the rim: rounded lumps, a few brass glints
    lumps = [(8, -28, 8), (16, -31, 9), (26, -32, 10), (36, -30, 9), (45, -27, 7), (21, -27, 8),
             (33, -26, 8)]
    for x, y, r in lumps:
        g = 96 + (x * 7 % 40)
        d.ellipse((*p(x - r, y - r * 0.8), *p(x + r, y + r * 0.8)), fill=(g, int(g * 0.9), int(g * 0.8), 255))
    for x, y in ((14, -33), (27, -37), (38, -31), (22, -29)):
        d.polygon([p(x, y - 2), p(x + 1.6, y), p(x, y + 2), p(x - 1.6, y)], fill=BRASS_LIGHT + (255,))
    # body: a trapezoid tub with ribs and rivets
    d.polygon([p(0, -24), p(52, -24), p(48, -6), p(4, -6)], fill=iron)
    d.polygon([p(0, -24), p(52, -24), p(51.5, -21), p(0.5, -21)], fill=iron_light)
    for x in (13, 26, 39):
        d.line([p(x, -21), p(x + (0.4 if x > 26 else -0.4), -7)], fill=iron_dark, width=int(1.4 * k))
    for x in (4, 22, 30, 48):
        d.ellipse((*p(x - 0.9, -15.9), *p(x + 0.9, -14.1)), fill=iron_light)
    d.rectangle((*p(-2, -20), *p(0, -17)), fill=iron_dark)                 # couplings
    d.rectangle((*p(52, -20), *p(54, -17)), fill=iron_dark)
    # wheels
    for x in (13, 39):
        d.ellipse((*p(x - 6, -12), *p(x + 6, 0)), fill=(36, 36, 40, 255))
        d.ellipse((*p(x - 3.5, -9.5), *p(x + 3.5, -2.5)), fill=iron)
        d.ellipse((*p(x - 1.2, -7.2), *p(x + 1.2, -4.8)), fill=iron_light)
    out = outline_sprite(spr, width=int(max(2, k * 0.8)))
    return reduce(out, int(W / SS), int(H / SS)), (ox / SS, oy / SS)


def paste(img, spr, x, y):
    """Pastes an RGBA sprite on an RGB picture at integer position."""
    img.paste(spr, (int(round(x)), int(round(y))), spr)


def beam(size, origin, angle_deg, length, half_angle_deg, falloff=1.2):
    """Soft lamp cone as an L picture (brightest at the lamp, fading with distance)."""
    w, h = size
    out = Image.new("L", size, 0)
    ox, oy = origin
    for frac, val in ((1.0, 70), (0.72, 70), (0.45, 80)):
        layer = Image.new("L", size, 0)
        d = ImageDraw.Draw(layer)
        a0 = math.radians(angle_deg - half_angle_deg * frac)
        a1 = math.radians(angle_deg + half_angle_deg * frac)
        pts = [(ox, oy)]
        for t in range(13):
            a = a0 + (a1 - a0) * t / 12
            pts.append((ox + length * math.cos(a), oy - length * math.sin(a)))
        d.polygon(pts, fill=val)
        out = ImageChops.add(out, layer)
    out = out.filter(ImageFilter.GaussianBlur(max(2, length / 30)))
    # distance falloff: a radial gradient centred on the lamp
    r = int(length)
    fall = disc_falloff(2 * r, falloff)
    f = Image.new("L", size, 0)
    f.paste(fall, (int(ox - r), int(oy - r)))
    return ImageChops.multiply(out, f)


def light(img, alpha, colour=LAMP, gain=1.0):
    """Lights the picture towards the colour by the L alpha (screen-like warm light)."""
    if gain != 1.0:
        alpha = scale_l(alpha, gain)
    lit = ImageChops.screen(img, Image.new("RGB", img.size, colour))
    return Image.composite(lit, img, alpha)


def emblem(size, fill=(255, 255, 255, 255)):
    """Crossed pick and spade, the mine's mark, RGBA in one colour on transparent."""
    S = size * SS
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = S / 50.0
    c = S / 2.0

    def P(x, y):
        return (c + x * u, c + y * u)

    def along(a, b, t, off):
        """Point t of the way from a to b, moved off units to the left of the direction."""
        dx, dy = b[0] - a[0], b[1] - a[1]
        n = math.hypot(dx, dy)
        return (a[0] + dx * t - dy / n * off, a[1] + dy * t + dx / n * off)

    # spade: handle from bottom right to the blade at top left, T grip at the end
    a, b = (15, 15), (-6, -6)
    d.line([P(*a), P(*b)], fill=fill, width=int(3.2 * u))
    g0, g1 = along(a, b, -0.02, 4.5), along(a, b, -0.02, -4.5)
    d.line([P(*g0), P(*g1)], fill=fill, width=int(3.2 * u))
    blade = [along(a, b, 0.95, 5), along(a, b, 1.45, 5), along(a, b, 1.62, 0),
             along(a, b, 1.45, -5), along(a, b, 0.95, -5)]
    d.polygon([P(*q) for q in blade], fill=fill)
    # pick: handle from bottom left to top right, a curved head across its end
    a, b = (-15, 15), (11, -11)
    d.line([P(*a), P(*along(a, b, 1.04, 0))], fill=fill, width=int(3.2 * u))
    head = []
    for k in range(17):
        t = -1 + k / 8.0
        x, y = along(a, b, 1.0 - 0.22 * t * t, 15 * t)
        head.append((x, y))
    for w, pts in ((4.2, head),):
        d.line([P(*q) for q in pts], fill=fill, width=int(w * u), joint="curve")
    for q in (head[0], head[-1]):
        r = 1.0 * u
        x, y = P(*q)
        d.ellipse((x - r, y - r, x + r, y + r), fill=fill)
    return img.resize((size, size), Image.LANCZOS)
