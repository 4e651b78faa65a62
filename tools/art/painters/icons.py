"""The game's icons: the launcher's miner in his tunnel, lamp lit, on a rounded tile.

- dist/bin/ui/ikona.png: 32 x 32 RGBA, the game window's icon (read at start-up).
- dist/icons/hicolor/NxN/apps/delvorn.png for N in SIZES: the desktop's icons, laid out as
  the icon theme wants them so that installing copies the folder as it stands.

The miner is the launcher picture's figure (same shapes, colours and pose, one launcher
pixel to one icon unit of a 32-unit tile), so the 32-pixel icon is pixel for pixel his size
and the larger ones are the same figure with smooth edges. Everything is drawn on a canvas
SS times larger and reduced, with whole-image operations only.
"""
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from painters import launcher

SIZES = (32, 48, 64, 128, 256)
WINDOW_ICON = "ui/ikona.png"
SEED = 1417
UNITS = 32          # the tile is 32 units square at every size
SS = 8              # supersampling of the 32-pixel icon; larger icons need less

EARTH = launcher.EARTH
ROCK = launcher.ROCK
OUTLINE = (26, 18, 14)
FEET = (11, 29)     # the miner's feet in tile units, on the tunnel floor
ROOF = 8            # the tunnel's roof and floor rows, before their ragged edge
FLOOR = 29


def _edge(rng, y, amp, n=9):
    """A ragged horizontal edge across the tile: (x, y) points, x from -1 to UNITS + 1."""
    return [(-1 + i * (UNITS + 2) / (n - 1), y + rng.uniform(-amp, amp)) for i in range(n)]


def _tunnel_mask(c, u, rng):
    roof = _edge(rng, ROOF, 1.2)
    floor = _edge(rng, FLOOR + 0.4, 0.5)
    mask = Image.new("L", (c, c), 0)
    pts = [(x * u, y * u) for x, y in roof] + [(x * u, y * u) for x, y in reversed(floor)]
    ImageDraw.Draw(mask).polygon(pts, fill=255)
    return mask


def _grain(c, rng, spread):
    """Blocky brightness noise, one value per tile unit, centred on 128."""
    n = UNITS
    data = bytes(128 + int(rng.uniform(-spread, spread)) for _ in range(n * n))
    return Image.frombytes("L", (n, n), data).resize((c, c), Image.NEAREST)


def _shade(img, grain):
    """Adds grain - 128 to every channel."""
    g = grain.convert("RGB")
    lift = ImageChops.subtract(g, Image.new("RGB", img.size, (128, 128, 128)))
    drop = ImageChops.subtract(Image.new("RGB", img.size, (128, 128, 128)), g)
    return ImageChops.subtract(ImageChops.add(img, lift), drop)


def _earth(c, u, rng):
    img = Image.new("RGB", (c, c), EARTH[0])
    d = ImageDraw.Draw(img)
    # Strata: the deeper band below the tunnel, darker, as the launcher's earth gets.
    for k, y in ((1, 3.5), (3, FLOOR - 1)):
        band = _edge(rng, y, 0.8)
        d.polygon([(x * u, yy * u) for x, yy in band] + [(c + u, c + u), (-u, c + u)], fill=EARTH[k])
    img = _shade(img, _grain(c, rng, 10))
    for _ in range(7):  # pebbles, pale and round
        x, y = rng.uniform(1, UNITS - 1), rng.choice((rng.uniform(1, 6), rng.uniform(30, 31.5)))
        r = rng.uniform(0.6, 1.1)
        v = rng.randint(130, 170)
        d = ImageDraw.Draw(img)
        d.ellipse(((x - r) * u, (y - r * 0.8) * u, (x + r) * u, (y + r * 0.8) * u),
                  fill=(v, int(v * 0.88), int(v * 0.74)))
    return img


def _rock(c, u, rng):
    """The tunnel's wall: cool and dark, darker towards the floor."""
    top, low = ROCK, tuple(int(v * 0.78) for v in ROCK)
    grad = Image.linear_gradient("L").resize((c, c))
    img = Image.composite(Image.new("RGB", (c, c), low), Image.new("RGB", (c, c), top), grad)
    return _shade(img, _grain(c, rng, 5))


def _beam(c, u, tunnel, lamp):
    """Warm light in a cone to the right of the lamp, fading with distance, only in the tunnel."""
    lx, ly = lamp
    cone = Image.new("L", (c, c), 0)
    ImageDraw.Draw(cone).polygon(
        [(lx * u, (ly - 0.6) * u), (lx * u, (ly + 0.6) * u),
         ((UNITS + 2) * u, (ly + 14) * u), ((UNITS + 2) * u, (ly - 3) * u)], fill=255)
    cone = cone.filter(ImageFilter.GaussianBlur(1.2 * u))
    fade = Image.linear_gradient("L").rotate(90).resize((c, c))  # 255 at the left, 0 at the right
    fade = fade.point(lambda v: int(70 + 0.72 * v))
    light = ImageChops.multiply(ImageChops.multiply(cone, fade), tunnel)
    return light


def _rect(d, u, x0, y0, x1, y1, fill):
    """Launcher pixels x0..x1, y0..y1 inclusive, as a filled rectangle in tile units."""
    d.rectangle((x0 * u, y0 * u, (x1 + 1) * u - 1, (y1 + 1) * u - 1), fill=fill)


def _miner(img, u, ss, feet):
    """launcher._digger's figure, unit for unit: boots, overalls, strap, head, helmet, lamp and
    pick, with a one-unit dark outline and a little shading that shows at the larger sizes."""
    c = img.size[0]
    fig = Image.new("RGBA", (c, c), (0, 0, 0, 0))
    d = ImageDraw.Draw(fig)
    fx, fy = feet
    boots, suit, skin = (34, 28, 26), (56, 92, 138), (222, 178, 140)
    helmet, lamp = (236, 196, 52), (255, 250, 214)

    def line(x0, y0, x1, y1, fill):
        d.line(((x0 + 0.5) * u, (y0 + 0.5) * u, (x1 + 0.5) * u, (y1 + 0.5) * u), fill=fill, width=round(2 * u))

    _rect(d, u, fx - 5, fy - 2, fx - 2, fy, boots)
    _rect(d, u, fx + 1, fy - 2, fx + 4, fy, boots)
    _rect(d, u, fx - 5, fy - 9, fx + 4, fy - 3, (44, 70, 108))
    _rect(d, u, fx - 5, fy - 17, fx + 4, fy - 9, suit)
    _rect(d, u, fx + 3, fy - 17, fx + 4, fy - 3, (40, 66, 100))      # the side away from the lamp
    _rect(d, u, fx - 1, fy - 8, fx - 1, fy - 3, (34, 54, 84))         # between the legs
    _rect(d, u, fx - 6, fy - 17, fx - 4, fy - 10, (200, 120, 40))
    d.ellipse(((fx - 4) * u, (fy - 23) * u, (fx + 5) * u - 1, (fy - 15) * u - 1), fill=skin)
    _rect(d, u, fx + 2, fy - 20, fx + 2, fy - 20, (60, 40, 34))       # the eye, looking ahead
    d.chord(((fx - 6) * u, (fy - 27) * u, (fx + 6) * u - 1, (fy - 16) * u - 1), 180, 360, fill=helmet)
    d.chord(((fx - 4) * u, (fy - 26) * u, (fx + 2) * u, (fy - 21) * u), 200, 290, fill=(250, 226, 120))
    _rect(d, u, fx - 6, fy - 22, fx + 6, fy - 22, (190, 150, 30))
    d.ellipse(((fx + 3) * u, (fy - 26) * u, (fx + 7) * u - 1, (fy - 22) * u - 1), fill=lamp)
    line(fx + 3, fy - 13, fx + 11, fy - 17, (120, 82, 46))
    line(fx + 8, fy - 22, fx + 14, fy - 13, (170, 176, 186))
    # Outline: the figure's shape grown by one unit, but by no more than three pixels of the
    # finished icon, dark, under the figure.
    grow = 2 * min(round(u), 3 * ss) + 1
    shape = fig.getchannel("A").point(lambda v: 255 if v else 0).filter(ImageFilter.MaxFilter(grow))
    img.paste(Image.new("RGB", (c, c), (14, 12, 16)), (0, 0), shape)
    img.paste(fig, (0, 0), fig)


def _glow(img, u, lamp, strength):
    """A soft warm halo round the lamp."""
    c = img.size[0]
    lx, ly = lamp
    halo = Image.new("L", (c, c), 0)
    ImageDraw.Draw(halo).ellipse(((lx - 2.5) * u, (ly - 2.5) * u, (lx + 2.5) * u, (ly + 2.5) * u), fill=255)
    halo = halo.filter(ImageFilter.GaussianBlur(1.6 * u)).point(lambda v: int(v * strength))
    return Image.composite(Image.new("RGB", (c, c), (255, 236, 170)), img, halo)


def make(size):
    """The icon at `size` pixels, RGBA."""
    ss = max(2, SS * 32 // size)
    c = size * ss
    u = c / UNITS
    rng = random.Random(SEED)  # the same tunnel and earth at every size
    tunnel = _tunnel_mask(c, u, rng)
    img = Image.composite(_rock(c, u, rng), _earth(c, u, rng), tunnel)
    # Tunnel rims: a shadow on the earth around the opening, a lit edge on the wall inside.
    rim = max(1, round(0.7 * u)) | 1
    outside = ImageChops.subtract(tunnel.filter(ImageFilter.MaxFilter(rim)), tunnel)
    inside = ImageChops.subtract(tunnel, tunnel.filter(ImageFilter.MinFilter(rim)))
    img = Image.composite(ImageChops.multiply(img, Image.new("RGB", (c, c), (150, 150, 150))), img, outside)
    img = Image.composite(ImageChops.add(img, Image.new("RGB", (c, c), (24, 24, 28))), img, inside)
    lamp = (FEET[0] + 5.5, FEET[1] - 24)
    img = Image.composite(Image.new("RGB", (c, c), (255, 226, 150)), img, _beam(c, u, tunnel, lamp))
    _miner(img, u, ss, FEET)
    img = _glow(img, u, lamp, 0.75)
    # The tile: rounded corners and a dark outline, so the icon stands on light and dark panels.
    tile = Image.new("L", (c, c), 0)
    ImageDraw.Draw(tile).rounded_rectangle((0, 0, c - 1, c - 1), radius=5 * u, fill=255)
    inner = Image.new("L", (c, c), 0)
    ImageDraw.Draw(inner).rounded_rectangle((u, u, c - 1 - u, c - 1 - u), radius=4 * u, fill=255)
    img = Image.composite(img, Image.new("RGB", (c, c), OUTLINE), inner)
    out = img.convert("RGBA")
    out.putalpha(tile)
    return out.convert("RGBa").resize((size, size), Image.BOX).convert("RGBA")


def paint(dist_dir):
    icons = {size: make(size) for size in SIZES}
    path = os.path.join(dist_dir, "bin", WINDOW_ICON)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    icons[32].save(path, format="PNG")
    for size, img in icons.items():
        folder = os.path.join(dist_dir, "icons", "hicolor", "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        img.save(os.path.join(folder, "delvorn.png"), format="PNG")
