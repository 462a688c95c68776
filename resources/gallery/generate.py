#!/usr/bin/python3
"""Draws the gallery skin's images: flat colours, so that the gallery's
screenshot test can tell the controls apart by their pixel values.

The gallery carries the committed PNGs as resources (gallery.rc); rerun by
hand after a change:

    resources/gallery/generate.py [--out DIR]

The output is the same bytes for the same Pillow.
"""

import argparse
import os

from PIL import Image, ImageDraw

BLUE = (47, 128, 237)
BLUE_LIGHT = (86, 160, 245)
BLUE_DEEP = (31, 94, 206)
GREEN = (39, 174, 96)
AMBER = (242, 153, 74)
RED = (235, 87, 87)
YELLOW = (242, 201, 76)
GREY_LINE = (203, 211, 222)
INK = (43, 58, 79)
WHITE = (255, 255, 255)


def flat(w, h, colour):
    return Image.new("RGBA", (w, h), colour + (255,))


def stacked(w, h, colours, border=None):
    """One slice of w x h per state, top to bottom."""
    img = Image.new("RGBA", (w, h * len(colours)), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for i, colour in enumerate(colours):
        d.rectangle([0, i * h, w - 1, i * h + h - 1], fill=colour + (255,),
                    outline=(border + (255,)) if border else None)
    return img


def check_box():
    """Four 16 x 16 states: normal, hot, selected, hot and selected."""
    img = stacked(16, 16, [WHITE, (232, 240, 252), GREEN, (64, 196, 120)], border=INK)
    d = ImageDraw.Draw(img)
    for i in (2, 3):
        y = i * 16
        d.line([(4, y + 8), (7, y + 11), (12, y + 4)], fill=WHITE + (255,), width=2)
    return img


def quadrants(size):
    """A picture whose four quarters are red, green, blue and yellow."""
    img = flat(size, size, RED)
    d = ImageDraw.Draw(img)
    h = size // 2
    d.rectangle([h, 0, size - 1, h - 1], fill=GREEN + (255,))
    d.rectangle([0, h, h - 1, size - 1], fill=BLUE + (255,))
    d.rectangle([h, h, size - 1, size - 1], fill=YELLOW + (255,))
    return img


def arrow(up):
    img = Image.new("RGBA", (12, 8), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    pts = [(1, 7), (6, 1), (11, 7)] if up else [(1, 1), (6, 7), (11, 1)]
    d.polygon(pts, fill=INK + (255,))
    return img


IMAGES = {
    "301_button.png": lambda: stacked(96, 28, [BLUE, BLUE_LIGHT, BLUE_DEEP]),
    "302_check.png": check_box,
    "303_fill.png": lambda: flat(8, 8, GREEN),
    "304_track.png": lambda: flat(8, 8, GREY_LINE),
    "305_track_done.png": lambda: flat(8, 8, BLUE),
    "306_thumb.png": lambda: stacked(12, 20, [AMBER, (245, 175, 110), (214, 126, 50)]),
    "307_picture.png": lambda: quadrants(64),
    "308_up.png": lambda: arrow(True),
    "309_down.png": lambda: arrow(False),
    "310_float.png": lambda: stacked(24, 24, [INK, BLUE_DEEP]),
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "images"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, draw in IMAGES.items():
        draw().save(os.path.join(args.out, name), optimize=False)


if __name__ == "__main__":
    main()
