"""Menu, intro, panel and cursor pictures.

ui/menu/main.jpg and premain.jpg are the same 800 x 600 picture (the intro's last cross-fade
lands on the menu without a jump); the menu buttons are separate pictures painted over their
own piece of it. The message, level-won and level-lost panels are 326 x 221 and drawn at
screen (237, 190). The cursors carry alpha.
"""
import io
import random

from PIL import Image

import artlib
from painters import _menucursor, _menuintro, _menuscene, _menuwidgets

SEED = 8802

# name: (rectangle on the 800 x 600 screen, label)
MENU_BUTTONS = {
    "newgame": ((111, 518, 135, 57), "Jauna spele"),
    "continue": ((257, 518, 168, 57), "Turpinat"),
    "level": ((441, 518, 168, 57), "Limenis"),
    "exit": ((623, 518, 71, 57), "Iziet"),
}
PANEL_BUTTONS = {
    "aizvert": ((104, 67), "Aizvert"),
    "turpinat": ((104, 67), "Talak"),
    "parspelet": ((104, 67), "Parspelet"),
}


def _jpeg(img):
    """JPEG bytes at high quality without colour subsampling, and the picture they decode to."""
    buf = io.BytesIO()
    img.convert("RGB").save(buf, format="JPEG", quality=94, subsampling=0, optimize=False)
    data = buf.getvalue()
    return data, Image.open(io.BytesIO(data)).convert("RGB")


def _write(dist, rel, data):
    with open(artlib.bin_path(dist, rel), "wb") as f:
        f.write(data)


def paint(dist):
    rng = random.Random(SEED)
    data, shown = _jpeg(_menuscene.mine_scene())
    _write(dist, "ui/menu/main.jpg", data)
    _write(dist, "ui/menu/premain.jpg", data)
    for name, ((x, y, w, h), label) in MENU_BUTTONS.items():
        piece = shown.crop((x, y, x + w, y + h))
        artlib.save_png(_menuwidgets.menu_button(piece, label, False), dist,
                        "ui/menu/bt_%s.png" % name)
        artlib.save_png(_menuwidgets.menu_button(piece, label, True), dist,
                        "ui/menu/bts_%s.png" % name)
    for name, ((w, h), label) in PANEL_BUTTONS.items():
        artlib.save_png(_menuwidgets.panel_button(w, h, label, False), dist,
                        "ui/menu/bt_%s.png" % name)
        artlib.save_png(_menuwidgets.panel_button(w, h, label, True), dist,
                        "ui/menu/bts_%s.png" % name)
    for name in ("logs", "vinnests", "zaudejums"):
        artlib.save_png(_menuwidgets.panel(name, rng), dist, "ui/%s.png" % name)
    for rel, img in (("ui/menu/solid.jpg", _menuintro.solid()),
                     ("ui/menu/title.jpg", _menuintro.title()),
                     ("ui/menu/vantor.jpg", _menuintro.vantor())):
        _write(dist, rel, _jpeg(img)[0])
    artlib.save_png(_menucursor.direction_strip(), dist, "ui/kursors/virziens.png")
    artlib.save_png(_menucursor.pointer(), dist, "ui/kursors/parasts.png")
