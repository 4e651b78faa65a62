"""Menu buttons and the three message panels: slate plates with a thin brass edge.

Main menu buttons are painted over their own piece of the menu picture and are fully
opaque, so they look the same whether the game blits them with or without alpha. Panel
buttons carry real alpha (their lower part hangs below the panel, over the field).
A hovered button has a bright brass edge, a warm lamp glow inside and a light halo.

Panel layout, in panel pixels (the panel is drawn at screen (237, 190); text is centred on
panel x 163 = screen x 400):
- title band from y 8 with the title between two small icons: to y 44 on the message
  panel, to y 60 on the level-won and level-lost panels, whose text starts lower;
- light paper plate x 14-312: message panel y 52-184 (text from y 70), level won / lost
  y 72-162 (text from y 94); five lines of 12 pt text end by y 128 / 152;
- the button's slot at the bottom centre, x 106-220, from 3 pixels above the button's top
  (message 197, won / lost 172) to the panel's lower edge, which it breaks: the button
  reads as a tab set into the panel and hanging below it.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from painters import _menukit as mk

SS = mk.SS
PANEL_W, PANEL_H = 326, 221
TEXT_X = 163                  # the game centres message lines on screen x 400
SLOT_X0, SLOT_X1 = 106, 220   # the buttons span panel x 111-214
BRASS_RIVET = ((110, 80, 40), (206, 168, 96))
BRASS_RIVET_HOT = ((150, 110, 52), (255, 232, 160))


def _rgba(c, a=255):
    return tuple(c[:3]) + (a,)


def _lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def _rr_mask(size, box, radius):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=radius, fill=255)
    return m


def _fill(canvas, mask, img):
    canvas.paste(img, (0, 0), mask)


def _plate(w, h, box, hovered, radius=8.0):
    """A button plate (RGBA, final size) with its shadow and, when hovered, its halo."""
    s = SS
    W, H = w * s, h * s
    x0, y0, x1, y1 = [v * s for v in box]
    out = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    # shadow under the plate, halo around it when hovered
    sh = _rr_mask((W, H), (x0 + 1 * s, y0 + 3 * s, x1 + 1 * s, y1 + 3 * s), radius * s)
    sh = sh.filter(ImageFilter.GaussianBlur(2.2 * s))
    out.paste(Image.new("RGBA", (W, H), (6, 4, 4, 255)), (0, 0), mk.scale_l(sh, 0.75))
    if hovered:
        halo = _rr_mask((W, H), (x0 - 1 * s, y0 - 1 * s, x1 + 1 * s, y1 + 1 * s), radius * s)
        halo = halo.filter(ImageFilter.GaussianBlur(3.0 * s))
        layer = Image.new("RGBA", (W, H), (255, 196, 100, 0))
        layer.putalpha(mk.scale_l(halo, 0.55))
        out.alpha_composite(layer)
    edge = (252, 222, 146) if hovered else (172, 128, 60)
    edge_w = 2.0 if hovered else 1.4
    outer = _rr_mask((W, H), (x0, y0, x1, y1), radius * s)
    inner_box = (x0 + edge_w * s, y0 + edge_w * s, x1 - edge_w * s, y1 - edge_w * s)
    inner = _rr_mask((W, H), inner_box, (radius - edge_w) * s)
    out.paste(Image.new("RGBA", (W, H), _rgba(edge)), (0, 0), outer)
    top, bot = ((84, 88, 94), (46, 48, 54)) if hovered else ((62, 72, 86), (32, 38, 46))
    body = mk.gradient_v(W, H, top, bot).convert("RGBA")
    d = ImageDraw.Draw(body)
    # bevel: a light line under the top edge, a dark one over the bottom edge
    d.line([(x0 + radius * s, y0 + (edge_w + 0.8) * s), (x1 - radius * s, y0 + (edge_w + 0.8) * s)],
           fill=(110, 120, 134, 255) if not hovered else (150, 140, 122, 255), width=int(0.8 * s))
    d.line([(x0 + radius * s, y1 - (edge_w + 0.8) * s), (x1 - radius * s, y1 - (edge_w + 0.8) * s)],
           fill=(20, 22, 28, 255), width=int(0.8 * s))
    if hovered:
        # the lamp's warm glow from the middle of the plate
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        gw, gh = (x1 - x0) * 0.95, (y1 - y0) * 1.5
        g = mk.disc_falloff(256, 1.3, 150).resize((int(gw), int(gh)), Image.BILINEAR)
        gl = Image.new("L", (W, H), 0)
        gl.paste(g, (int(cx - gw / 2), int(cy - gh / 2)))
        body = Image.composite(Image.new("RGBA", (W, H), (255, 186, 92, 255)), body, gl)
    out.paste(body, (0, 0), inner)
    # rivets in the corners
    d = ImageDraw.Draw(out)
    rv = BRASS_RIVET_HOT if hovered else BRASS_RIVET
    for rx, ry in ((x0 + 5 * s, y0 + 5 * s), (x1 - 5 * s, y0 + 5 * s),
                   (x0 + 5 * s, y1 - 5 * s), (x1 - 5 * s, y1 - 5 * s)):
        d.ellipse((rx - 1.3 * s, ry - 1.3 * s, rx + 1.3 * s, ry + 1.3 * s), fill=_rgba(rv[0]))
        d.ellipse((rx - 0.8 * s, ry - 0.9 * s, rx + 0.5 * s, ry + 0.4 * s), fill=_rgba(rv[1]))
    return out.resize((w, h), Image.LANCZOS)


def _label(img, text, size, centre, hovered):
    """The label at 1x (crisp hinting), a dark drop shadow, a warm glow when hovered."""
    w, h = img.size
    fnt = mk.font(size)
    m = mk.text_mask((w, h), centre, text, fnt, anchor="mm")
    sh = ImageChops.offset(m, 1, 1)
    if hovered:
        g = m.filter(ImageFilter.MaxFilter(3)).filter(ImageFilter.GaussianBlur(3))
        layer = Image.new("RGBA", (w, h), (255, 170, 60, 0))
        layer.putalpha(mk.scale_l(g, 0.9))
        img.alpha_composite(layer)
    dark = Image.new("RGBA", (w, h), (12, 10, 10, 255))
    img.paste(dark, (0, 0), mk.scale_l(sh, 0.9))
    col = (255, 248, 226) if hovered else (232, 212, 160)
    img.paste(Image.new("RGBA", (w, h), _rgba(col)), (0, 0), m)
    return img


def menu_button(background, label, hovered, size=20):
    """Main menu button over its piece of the menu picture: opaque RGBA."""
    w, h = background.size
    plate = _plate(w, h, (3, 4, w - 3, h - 6), hovered)
    out = background.convert("RGBA")
    out.alpha_composite(plate)
    out = _label(out, label, size, (w / 2, (4 + h - 6) / 2 + 1), hovered)
    return out


def panel_button(w, h, label, hovered, size=18):
    """Button of a message panel: a plate with alpha; hidden pixels keep a dark slate colour."""
    out = _plate(w, h, (2, 5, w - 2, h - 7), hovered)
    out = _label(out, label, size, (w / 2, (5 + h - 7) / 2 + 1), hovered)
    # colour under fully transparent pixels: dark slate rather than black
    a = out.split()[3]
    base = Image.new("RGBA", (w, h), mk.SLATE_DARK + (0,))
    base.alpha_composite(out)
    base.putalpha(a)
    return base


# ---- panels ---------------------------------------------------------------------------------

PANELS = {
    # file: (title, title colour, icon, title band bottom, paper box, button top)
    "logs": ("Zinja", (240, 206, 128), "note", 44, (14, 52, 312, 184), 197),
    "vinnests": ("Limenis pabeigts", (255, 222, 136), "lamp", 60, (14, 72, 312, 162), 172),
    "zaudejums": ("Limenis zaudets", (228, 132, 96), "dark", 60, (14, 72, 312, 162), 172),
}


def _icon(kind, size=30):
    """Small title-band icons: a note, a lit helmet lamp, a dark one."""
    s = SS
    W = size * s
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = W / 2

    u = s if kind == "note" else s * 1.2

    def P(x, y):
        return (c + (x if kind == "note" else x - 2.5) * u, c + y * u + (0 if kind == "note" else 2 * s))

    if kind == "note":
        d.polygon([P(-7, -9), P(4, -9), P(8, -5), P(8, 9), P(-7, 9)], fill=(238, 228, 200, 255),
                  outline=(30, 24, 20, 255), width=int(1.2 * s))
        d.polygon([P(4, -9), P(4, -5), P(8, -5)], fill=(196, 184, 156, 255),
                  outline=(30, 24, 20, 255), width=int(1.0 * s))
        for y in (-3, 0.5, 4):
            d.line([P(-4, y), P(5, y)], fill=(110, 96, 80, 255), width=int(1.1 * s))
    else:
        # the digger's helmet seen from the side, its lamp lit (won) or dead (lost)
        lit = kind == "lamp"
        if lit:
            for a in (-34, -17, 0, 17, 34):
                r = math.radians(a)
                d.line([P(7 + 3.5 * math.cos(r), -1 + 3.5 * math.sin(r)),
                        P(7 + 7.5 * math.cos(r), -1 + 7.5 * math.sin(r))],
                       fill=(255, 226, 140, 255), width=int(1.5 * s))
        ol = (30, 24, 20, 255)
        yellow = (240, 196, 52, 255) if lit else (176, 150, 84, 255)
        d.chord((*P(-10, -9), *P(6, 7)), 180, 360, fill=yellow, outline=ol, width=int(1.2 * s))
        d.rounded_rectangle((*P(-12, -1.6), *P(8, 1.6)), radius=1.2 * s, fill=yellow, outline=ol,
                            width=int(1.0 * s))
        d.line([P(-6, -6), P(-1, -7.4)], fill=(255, 240, 170, 255) if lit else (206, 186, 130, 255),
               width=int(1.1 * s))
        glass = (255, 248, 210, 255) if lit else (64, 66, 72, 255)
        d.ellipse((*P(1.5, -7), *P(8.5, 0)), fill=ol)
        d.ellipse((*P(2.7, -5.8), *P(7.3, -1.2)), fill=glass)
        if not lit:
            d.line([P(3.4, -5), P(5, -3.4), P(4.6, -2.2), P(6.6, -1.8)], fill=(20, 20, 24, 255),
                   width=int(0.8 * s))
    return img.resize((size, size), Image.LANCZOS)


def panel(name, rng):
    title, tcol, icon, band, paper, btn_top = PANELS[name]
    s = SS
    W, H = PANEL_W * s, PANEL_H * s
    R = 9 * s
    canvas = Image.new("RGBA", (W, H), mk.SLATE_DARK + (0,))
    outer = _rr_mask((W, H), (0, 0, W - 1, H - 1), R)
    canvas.paste(Image.new("RGBA", (W, H), _rgba(mk.BRASS)), (0, 0), outer)
    inner = _rr_mask((W, H), (1.4 * s, 1.4 * s, W - 1.4 * s, H - 1.4 * s), R - 1.4 * s)
    slate = mk.gradient_v(W, H, (56, 65, 77), (38, 45, 54))
    canvas.paste(slate.convert("RGBA"), (0, 0), inner)
    d = ImageDraw.Draw(canvas)
    # bevel under the brass edge
    d.line([(R, 2.6 * s), (W - R, 2.6 * s)], fill=_rgba(mk.SLATE_LIGHT), width=int(0.8 * s))
    # title band
    bx0, by0, bx1, by1 = 8 * s, 8 * s, W - 8 * s, band * s
    d.rounded_rectangle((bx0, by0, bx1, by1), radius=4 * s, fill=_rgba(mk.BRASS_DARK))
    d.rounded_rectangle((bx0 + s, by0 + s, bx1 - s, by1 - s), radius=3 * s,
                        fill=_rgba((24, 28, 35)))
    d.line([(bx0 + 4 * s, by1 - 2.2 * s), (bx1 - 4 * s, by1 - 2.2 * s)], fill=_rgba((54, 60, 70)),
           width=int(0.8 * s))
    # paper plate in a brass frame, a soft inner shadow at its top
    px0, py0, px1, py1 = [v * s for v in paper]
    d.rounded_rectangle((px0 - 1.2 * s, py0 - 1.2 * s, px1 + 1.2 * s, py1 + 1.2 * s),
                        radius=4 * s, fill=_rgba(mk.BRASS_DARK))
    d.rounded_rectangle((px0, py0, px1, py1), radius=3 * s, fill=_rgba(mk.PAPER))
    # the button's slot, breaking the panel's lower edge
    sx0, sx1, sy0 = SLOT_X0 * s, SLOT_X1 * s, (btn_top - 3) * s
    d.rounded_rectangle((sx0 - 1.4 * s, sy0 - 1.4 * s, sx1 + 1.4 * s, H + 8 * s), radius=5 * s,
                        fill=_rgba(mk.BRASS))
    d.rounded_rectangle((sx0, sy0, sx1, H + 8 * s), radius=4 * s, fill=_rgba((18, 21, 26)))
    # rivets on the slate
    for rx, ry in ((5, 5), (PANEL_W - 5, 5), (5, PANEL_H - 6), (PANEL_W - 5, PANEL_H - 6),
                   (SLOT_X0 - 10, PANEL_H - 12), (SLOT_X1 + 10, PANEL_H - 12)):
        d.ellipse(((rx - 1.4) * s, (ry - 1.4) * s, (rx + 1.4) * s, (ry + 1.4) * s),
                  fill=_rgba(BRASS_RIVET[0]))
        d.ellipse(((rx - 0.9) * s, (ry - 1.0) * s, (rx + 0.5) * s, (ry + 0.4) * s),
                  fill=_rgba(BRASS_RIVET[1]))
    img = canvas.resize((PANEL_W, PANEL_H), Image.LANCZOS)
    # slate grain everywhere but on the paper, paper grain on the paper
    rgb, a = img.convert("RGB"), img.split()[3]
    grain = mk.noise(rng, PANEL_W, PANEL_H, 9, 5, amp=7)
    rgb = mk.add_noise(rgb, grain)
    pgrain = mk.noise(rng, PANEL_W, PANEL_H, 3, 2, amp=5)
    paper_m = Image.new("L", (PANEL_W, PANEL_H), 0)
    ImageDraw.Draw(paper_m).rounded_rectangle((paper[0] + 1, paper[1] + 1, paper[2] - 1,
                                               paper[3] - 1), radius=3, fill=255)
    rgb = Image.composite(mk.add_noise(rgb, pgrain, blue=0.6), rgb, paper_m)
    # a little shading: darker towards the paper's edges, a shadow under its top edge
    edge = ImageChops.subtract(paper_m, mk.shrink(paper_m, 4))
    edge = edge.filter(ImageFilter.GaussianBlur(3))
    rgb = Image.composite(ImageChops.multiply(rgb, Image.new("RGB", rgb.size, (214, 204, 184))),
                          rgb, ImageChops.multiply(edge, paper_m))
    top_sh = Image.new("L", (PANEL_W, PANEL_H), 0)
    ImageDraw.Draw(top_sh).rectangle((paper[0], paper[1], paper[2], paper[1] + 2), fill=120)
    top_sh = ImageChops.multiply(top_sh.filter(ImageFilter.GaussianBlur(1.5)), paper_m)
    rgb = Image.composite(Image.new("RGB", rgb.size, (120, 104, 80)), rgb, top_sh)
    if name == "logs":
        # the mine's mark stamped faintly low on the note, under where any text goes
        em = mk.scale_l(mk.emblem(52).split()[3], 0.14)
        stamp = Image.new("L", (PANEL_W, PANEL_H), 0)
        stamp.paste(em, (TEXT_X - 26, 140))
        rgb = Image.composite(Image.new("RGB", rgb.size, (120, 90, 50)), rgb, stamp)
    img = rgb.convert("RGBA")
    img.putalpha(a)
    # title, icons
    ty = (8 + band) // 2 + 1
    fnt = mk.font(24 if band < 50 else 26)
    m = mk.text_mask(img.size, (TEXT_X, ty), title, fnt, anchor="mm")
    sh = ImageChops.offset(m, 1, 2).filter(ImageFilter.GaussianBlur(0.6))
    img.paste(Image.new("RGBA", img.size, (6, 6, 8, 255)), (0, 0), sh)
    img.paste(Image.new("RGBA", img.size, _rgba(tcol)), (0, 0), m)
    box = m.getbbox()
    ic = _icon(icon)
    gap = 14
    # both icons face the title: the right one is mirrored
    for cx, pic in ((box[0] - gap - 15, ic), (box[2] + gap + 15, ic.transpose(Image.FLIP_LEFT_RIGHT))):
        if icon == "lamp":
            # a warm glow in the title band around the lit lamp
            g = mk.glow(img.size, (cx + 4, ty), 26, 110)
            clip = Image.new("L", img.size, 0)
            ImageDraw.Draw(clip).rectangle((10, 10, PANEL_W - 11, band - 2), fill=255)
            layer = Image.new("RGBA", img.size, (255, 210, 120, 0))
            layer.putalpha(ImageChops.multiply(g, clip))
            img.alpha_composite(layer)
        img.alpha_composite(pic, (int(cx - 15), ty - 15))
    return img
