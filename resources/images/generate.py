#!/usr/bin/python3
"""Draws every image of the setup's skin and its icon.

The setup carries these files as resources (setup.rc); the build uses the
committed PNGs, and this script is rerun by hand after a design change:

    resources/images/generate.py [--out DIR]

Every image is drawn twice, for displays at 100 % and 200 %: "name.png" and
"name@2x.png". A display at 125 % or 150 % gets the 2x set reduced by area
average, which measured as sharp as a set drawn for 150 % and differs from it
in under 1 % of the wizard's pixels, while a third set would add 130 KB to
every download of the setup. The ring and its completion frames (TWO_X_ONLY)
are drawn at 2x only: they hold no text, the program reduces them once by
area average at 100 % (a mean difference under 0.6 levels from a drawing at
1x), and a 1x set of them would add 35 KB. All sizes below are written in
1x pixels; K is the factor being drawn. Sprite frames are placed where the
skin's 1x "source" rectangles land at that factor, so a slice read in 1x
units and scaled edge by edge is exactly one frame.

Shapes are drawn at four times their size and reduced with a box filter, which
gives anti-aliased edges without depending on the drawing library's own
anti-aliasing. Text is drawn with WenQuanYi Micro Hei (Debian's
fonts-wqy-microhei, which the Wine tests install anyway); the word mark is
emboldened with a thin outline of its own colour. Every PNG is then
recompressed losslessly, by optipng and then zopflipng (Debian's optipng and
zopfli): the same pixels in about half the bytes, which every download of the
setup carries. The output is the same bytes for the same Pillow, font,
optipng and zopfli.
"""

import argparse
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFont

SS = 4  # supersampling factor
K = 1.0  # display factor being drawn (1 or 2)
SETS = ((1.0, ""), (2.0, "@2x"))
# Ids of the images that have no 1x picture (see above).
TWO_X_ONLY = set([209] + list(range(211, 215)) + list(range(220, 236)))

FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# The palette: one calm blue family, a green for "done", neutral greys.
BLUE = (47, 128, 237)
BLUE_LIGHT = (86, 160, 245)
BLUE_DEEP = (31, 94, 206)
SKY = (84, 183, 240)
GREEN = (39, 174, 96)
AMBER = (242, 153, 74)
INK = (43, 58, 79)
GREY_TEXT = (122, 134, 150)
GREY_LINE = (203, 211, 222)
GREY_SOFT = (230, 236, 243)
PANEL = (244, 247, 251)
WHITE = (255, 255, 255)


def rgba(color, alpha=255):
    return (color[0], color[1], color[2], alpha)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


class Canvas:
    """An RGBA picture drawn at SS times its final size."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = kpx(w), kpx(h)
        self.img = Image.new("RGBA", (self.w * SS, self.h * SS), fill)

    def layer(self):
        return Image.new("RGBA", self.img.size, (0, 0, 0, 0))

    def put(self, layer):
        self.img = Image.alpha_composite(self.img, layer)

    def draw(self):
        return ImageDraw.Draw(self.img)

    def done(self):
        return self.img.resize((self.w, self.h), Image.Resampling.BOX)


def kpx(v):
    """A 1x length at the factor being drawn, halves rounded up (as the
    program rounds)."""
    return v if K == 1.0 else int(math.floor(v * K + 0.5))


def s(v):
    """1x coordinate to supersampled coordinate at the factor being drawn."""
    return int(round(v * SS)) if K == 1.0 else int(round(v * K * SS))


def box(x0, y0, x1, y1):
    return [s(x0), s(y0), s(x1) - 1, s(y1) - 1]


def vertical_gradient(w, h, top, bottom):
    """A full-size (not supersampled) vertical gradient, RGBA."""
    w, h = kpx(w), kpx(h)
    img = Image.new("RGBA", (w, h))
    px = img.load()
    for y in range(h):
        c = mix(top, bottom, y / max(1, h - 1))
        for x in range(w):
            px[x, y] = c
    return img


def diagonal_gradient(w, h, a, b):
    w, h = kpx(w), kpx(h)
    img = Image.new("RGBA", (w, h))
    px = img.load()
    span = max(1, w + h - 2)
    for y in range(h):
        for x in range(w):
            px[x, y] = mix(a, b, (x + y) / span)
    return img


def rounded_mask(w, h, radius):
    """Supersampled mask of a rounded rectangle covering (0,0,w,h)."""
    m = Image.new("L", (kpx(w) * SS, kpx(h) * SS), 0)
    ImageDraw.Draw(m).rounded_rectangle(box(0, 0, w, h), radius=s(radius), fill=255)
    return m


def stack(frames):
    """Stacks same-sized frames top to bottom into one sprite; at a factor
    other than 1 frame i starts at kpx(i * h) of its 1x height h, resized by a
    pixel where rounding makes it one taller or shorter."""
    w, h = frames[0].size
    h1 = int(math.floor(h / K + 0.5))
    sprite = Image.new("RGBA", (w, kpx(h1 * len(frames))), (0, 0, 0, 0))
    for i, f in enumerate(frames):
        top, bottom = kpx(i * h1), kpx((i + 1) * h1)
        if bottom - top != h:
            f = f.resize((w, bottom - top), Image.Resampling.LANCZOS)
        sprite.paste(f, (0, top))
    return sprite


def thick_line(d, points, width, color):
    """Polyline with round joins and caps, supersampled coordinates in final px."""
    pts = [(s(x), s(y)) for x, y in points]
    d.line(pts, fill=color, width=s(width), joint="curve")
    r = s(width) / 2
    for x, y in (pts[0], pts[-1]):
        d.ellipse([x - r, y - r, x + r, y + r], fill=color)


def wifi_glyph(d, cx, cy, size, color, stroke, arcs=3):
    """A dot and arcs (three by default), opening upwards, centred on (cx, cy)."""
    dot_r = stroke * 0.75
    base_y = cy + size * 0.38
    d.ellipse([s(cx - dot_r), s(base_y - dot_r), s(cx + dot_r), s(base_y + dot_r)], fill=color)
    for k in range(1, arcs + 1):
        r = size * 0.22 * k * 3 / arcs
        bb = [s(cx - r), s(base_y - r), s(cx + r), s(base_y + r)]
        d.arc(bb, start=225, end=315, fill=color, width=s(stroke))
        for ang in (225, 315):
            a = math.radians(ang)
            ex, ey = cx + (r - stroke / 2) * math.cos(a), base_y + (r - stroke / 2) * math.sin(a)
            rr = s(stroke) / 2
            d.ellipse([s(ex) - rr, s(ey) - rr, s(ex) + rr, s(ey) + rr], fill=color)


def text_center(d, cx, cy, text, size, color, weight=0.0):
    """Text centred on (cx, cy); weight > 0 thickens the strokes by that many
    pixels."""
    font = ImageFont.truetype(FONT_CJK, s(size))
    stroke = s(weight)
    l, t, r, b = d.textbbox((0, 0), text, font=font, stroke_width=stroke)
    d.text((s(cx) - (l + r) / 2, s(cy) - (t + b) / 2), text, font=font, fill=color,
           stroke_width=stroke, stroke_fill=color)


# ---------------------------------------------------------------- wizard ---

def welcome_background():
    """PNG 100, 500 x 280: blue hero with the emblem, white band below."""
    w, h = 500, 280
    base = diagonal_gradient(w, h, rgba(BLUE_DEEP), rgba(SKY))
    c = Canvas(w, h)
    c.img = base.resize((kpx(w) * SS, kpx(h) * SS), Image.Resampling.BILINEAR)
    # Soft light circles give the hero some depth.
    glow = c.layer()
    g = ImageDraw.Draw(glow)
    for (x, y, r, a) in ((70, 30, 120, 22), (430, 170, 150, 18), (300, -40, 90, 16)):
        g.ellipse([s(x - r), s(y - r), s(x + r), s(y + r)], fill=(255, 255, 255, a))
    c.put(glow)
    # The white band rises in a gentle curve to meet the hero.
    band = c.layer()
    b = ImageDraw.Draw(band)
    pts = []
    for i in range(0, 501, 5):
        pts.append((s(i), s(196 + 7 * math.sin(i / 500 * math.pi * 2 + 0.6))))
    pts += [(s(500), s(280)), (0, s(280))]
    b.polygon(pts, fill=rgba(WHITE))
    c.put(band)
    # Emblem: translucent discs holding the wifi glyph.
    halo = c.layer()
    h = ImageDraw.Draw(halo)
    h.ellipse(box(250 - 40, 38, 250 + 40, 118), fill=(255, 255, 255, 40))
    c.put(halo)
    halo = c.layer()
    ImageDraw.Draw(halo).ellipse(box(250 - 31, 47, 250 + 31, 109), fill=(255, 255, 255, 52))
    c.put(halo)
    d = c.draw()
    wifi_glyph(d, 250, 73, 60, rgba(WHITE), 5)
    text_center(d, 250, 148, "Zephyra", 28, rgba(WHITE), weight=0.7)
    return c.done()


def install_button():
    """PNG 102, 140 x 152: states normal, hot, pushed, disabled (38 rows each)."""
    w, h = 140, 38
    looks = [
        (BLUE_LIGHT, BLUE, WHITE, 0),
        (mix(BLUE_LIGHT, WHITE, 0.15), mix(BLUE, WHITE, 0.12), WHITE, 0),
        (BLUE, BLUE_DEEP, mix(WHITE, BLUE, 0.06), 1),
        ((206, 213, 223), (190, 198, 210), (248, 250, 252), 0),
    ]
    frames = []
    for top, bottom, ink, shift in looks:
        c = Canvas(w, h)
        c.img = vertical_gradient(w, h, rgba(top), rgba(bottom)).resize(
            (kpx(w) * SS, kpx(h) * SS), Image.Resampling.BILINEAR)
        c.img.putalpha(rounded_mask(w, h, 19))
        sheen = c.layer()
        ImageDraw.Draw(sheen).rounded_rectangle(box(1, 1, w - 1, h / 2), radius=s(17),
                                                fill=(255, 255, 255, 18))
        c.put(sheen)
        d = c.draw()
        text_center(d, 70 + shift * 0.5, 19 + shift * 0.5, "一键安装", 16, rgba(ink))
        frames.append(c.done())
    return stack(frames)


def close_button():
    """PNG 101, 25 x 75: white cross on the hero; states normal, hot, pushed."""
    frames = []
    for disc, ink in ((0, 225), (40, 255), (70, 255)):
        c = Canvas(25, 25)
        d = c.draw()
        if disc:
            d.ellipse(box(2.5, 2.5, 22.5, 22.5), fill=(255, 255, 255, disc))
        thick_line(d, [(8.5, 8.5), (16.5, 16.5)], 1.6, (255, 255, 255, ink))
        thick_line(d, [(16.5, 8.5), (8.5, 16.5)], 1.6, (255, 255, 255, ink))
        frames.append(c.done())
    return stack(frames)


def fold_toggle():
    """PNG 105, 13 x 39: a chevron in a ring; states normal, hot, pushed."""
    frames = []
    for ring, ink, fill in ((GREY_LINE, GREY_TEXT, None), (BLUE, BLUE, (234, 242, 253)),
                            (BLUE_DEEP, BLUE_DEEP, (214, 229, 251))):
        c = Canvas(13, 13)
        d = c.draw()
        d.ellipse(box(0.5, 0.5, 12.5, 12.5), fill=rgba(fill) if fill else None,
                  outline=rgba(ring), width=s(1))
        thick_line(d, [(4, 5.5), (6.5, 8), (9, 5.5)], 1.3, rgba(ink))
        frames.append(c.done())
    return stack(frames)


def check_box():
    """PNG 103, 12 x 48: normal, hot, selected, hot-selected."""
    frames = []
    for border, fill, tick in ((GREY_LINE, WHITE, None), (BLUE, WHITE, None),
                               (BLUE, BLUE, WHITE), (BLUE_LIGHT, BLUE_LIGHT, WHITE)):
        c = Canvas(12, 12)
        d = c.draw()
        d.rounded_rectangle(box(0.5, 0.5, 11.5, 11.5), radius=s(2.5), fill=rgba(fill),
                            outline=rgba(border), width=s(1))
        if tick:
            thick_line(d, [(3.2, 6.2), (5.2, 8.2), (8.9, 4.1)], 1.5, rgba(tick))
        frames.append(c.done())
    return stack(frames)


def custom_pane():
    """PNG 107, 500 x 70: the fold-out pane's panel with a hairline on top."""
    img = Image.new("RGBA", (kpx(500), kpx(70)), rgba(PANEL))
    ImageDraw.Draw(img).rectangle([0, 0, kpx(500) - 1, kpx(1) - 1], fill=rgba(GREY_SOFT))
    return img


def edit_frame():
    """PNG 108, 20 x 48: the location box, normal and hot (drawn nine-part)."""
    frames = []
    for border in (GREY_LINE, BLUE):
        c = Canvas(20, 24)
        c.draw().rounded_rectangle(box(0.5, 0.5, 19.5, 23.5), radius=s(3), fill=rgba(WHITE),
                                   outline=rgba(border), width=s(1))
        frames.append(c.done())
    return stack(frames)


def browse_button():
    """PNG 109, 40 x 72: a folder glyph button; normal, hot, pushed."""
    frames = []
    for border, fill, ink in ((GREY_LINE, WHITE, GREY_TEXT), (BLUE, (238, 245, 255), BLUE),
                              (BLUE_DEEP, (220, 234, 255), BLUE_DEEP)):
        c = Canvas(40, 24)
        d = c.draw()
        d.rounded_rectangle(box(0.5, 0.5, 39.5, 23.5), radius=s(3), fill=rgba(fill),
                            outline=rgba(border), width=s(1))
        # Folder: a tab and a body.
        d.rounded_rectangle(box(13, 7, 19, 10), radius=s(1), fill=rgba(ink))
        d.rounded_rectangle(box(13, 8.5, 27, 17.5), radius=s(1.5), fill=rgba(ink))
        d.rectangle(box(14.2, 10.6, 25.8, 11.6), fill=rgba(fill))
        frames.append(c.done())
    return stack(frames)


def progress_background():
    """PNG 114, 500 x 280: the progress page, a blue title band (so the close
    button reads as on the welcome page) over white with a faint blue wash."""
    w, h = 500, 280
    c = Canvas(w, h)
    c.img = vertical_gradient(w, h, rgba((236, 244, 254)), rgba(WHITE)).resize(
        (kpx(w) * SS, kpx(h) * SS), Image.Resampling.BILINEAR)
    glow = c.layer()
    g = ImageDraw.Draw(glow)
    for (x, y, r, a) in ((40, 250, 110, 40), (470, 60, 90, 45)):
        g.ellipse([s(x - r), s(y - r), s(x + r), s(y + r)], fill=rgba(GREY_SOFT, a))
    c.put(glow)
    band = diagonal_gradient(w, 34, rgba(BLUE_DEEP), rgba(SKY)).resize(
        (kpx(w) * SS, kpx(34) * SS), Image.Resampling.BILINEAR)
    c.img.paste(band, (0, 0))
    d = c.draw()
    wifi_glyph(d, 24, 16, 20, rgba(WHITE), 2)
    font = ImageFont.truetype(FONT_CJK, s(14))
    l, t, r, b = d.textbbox((0, 0), "Zephyra", font=font, stroke_width=s(0.4))
    d.text((s(38) - l, s(17) - (t + b) / 2), "Zephyra", font=font, fill=rgba(WHITE),
           stroke_width=s(0.4), stroke_fill=rgba(WHITE))
    return c.done()


def overlay():
    """PNG 123, 500 x 350: the dimming veil shown while a dialog is open."""
    return Image.new("RGBA", (kpx(500), kpx(350)), (18, 28, 45, 120))


# ------------------------------------------------------------------ ring ---

RING_C = 70.0       # centre of the 140 x 140 ring images
RING_R = 57.0       # radius of the ring's centre line
RING_W = 10.0       # ring thickness


def ring_track(d):
    r_out, r_in = RING_R + RING_W / 2, RING_R - RING_W / 2
    d.ellipse(box(RING_C - r_out, RING_C - r_out, RING_C + r_out, RING_C + r_out),
              fill=rgba(GREY_SOFT))
    d.ellipse(box(RING_C - r_in, RING_C - r_in, RING_C + r_in, RING_C + r_in), fill=(0, 0, 0, 0))


def ring_arc(c, fraction, width, start_color, end_color):
    """Clockwise arc from twelve o'clock, colour running along it, round caps."""
    layer = c.layer()
    d = ImageDraw.Draw(layer)
    r = RING_R
    bb = box(RING_C - r - width / 2 + 0.0, RING_C - r - width / 2,
             RING_C + r + width / 2, RING_C + r + width / 2)
    steps = max(1, int(360 * fraction))
    for i in range(steps):
        a0 = -90 + 360 * fraction * i / steps
        a1 = -90 + 360 * fraction * (i + 1) / steps + (0.6 if i + 1 < steps else 0)
        col = mix(start_color, end_color, i / max(1, steps - 1))
        d.arc(bb, start=a0, end=a1, fill=rgba(col), width=s(width))
    if fraction < 1:
        for ang, col in ((-90, start_color), (-90 + 360 * fraction, end_color)):
            a = math.radians(ang)
            x, y = RING_C + r * math.cos(a), RING_C + r * math.sin(a)
            rr = s(width) / 2
            d.ellipse([s(x) - rr, s(y) - rr, s(x) + rr, s(y) + rr], fill=rgba(col))
    c.put(layer)


def ring_centre_glyph(c, alpha):
    if alpha <= 0:
        return
    layer = c.layer()
    wifi_glyph(ImageDraw.Draw(layer), RING_C, RING_C - 2, 46, rgba((176, 200, 232), alpha), 4)
    c.put(layer)


def ring_background():
    """PNG 209: the empty ring."""
    c = Canvas(140, 140)
    ring_track(c.draw())
    ring_centre_glyph(c, 255)
    return c.done()


def ring_step(k):
    """PNG 219 + k for k = 1..13: the arc of the ring filled k thirteenths,
    alone on a transparent picture. The ring control draws it over its
    background, the empty ring (PNG 209), so the track and the glyph are not
    stored thirteen times more (and their soft edges are not blended twice)."""
    c = Canvas(140, 140)
    frac = k / 13.0
    ring_arc(c, frac, RING_W, SKY, mix(SKY, BLUE_DEEP, frac))
    return c.done()


def completion_frame(n):
    """Completion frames 1..7 (PNG 233, 234, 235, 211, 212, 213, 214): the full
    ring turns green and thickens into a disc, then a tick is drawn in it."""
    c = Canvas(140, 140)
    grow = [0.25, 0.6, 1.0, 1.0, 1.0, 1.0, 1.0][n - 1]
    hue = mix(BLUE_DEEP, GREEN, min(1.0, 0.45 + 0.55 * grow))
    r_out = RING_R + RING_W / 2 + (2 if n >= 3 else grow * 2)
    thickness = RING_W + (r_out - RING_W) * grow
    r_in = max(0.0, r_out - thickness)
    d = c.draw()
    d.ellipse(box(RING_C - r_out, RING_C - r_out, RING_C + r_out, RING_C + r_out), fill=rgba(hue))
    if r_in > 0.5:
        d.ellipse(box(RING_C - r_in, RING_C - r_in, RING_C + r_in, RING_C + r_in),
                  fill=(0, 0, 0, 0))
    ring_centre_glyph(c, int(255 * (1 - grow)) if n < 3 else 0)
    if n >= 4:
        # The tick: a short and a long stroke, drawn in four steps.
        pts = [(45, 72), (62, 89), (96, 53)]
        lens = [math.dist(pts[0], pts[1]), math.dist(pts[1], pts[2])]
        want = (lens[0] + lens[1]) * (n - 3) / 4
        path = [pts[0]]
        if want <= lens[0]:
            t = want / lens[0]
            path.append((pts[0][0] + (pts[1][0] - pts[0][0]) * t, pts[0][1] + (pts[1][1] - pts[0][1]) * t))
        else:
            path.append(pts[1])
            t = (want - lens[0]) / lens[1]
            path.append((pts[1][0] + (pts[2][0] - pts[1][0]) * t, pts[1][1] + (pts[2][1] - pts[1][1]) * t))
        thick_line(c.draw(), path, 9, rgba(WHITE))
    return c.done()


# ---------------------------------------------------------------- dialog ---

def dialog_background():
    """PNG 200, 300 x 140: title band, white body, hairline frame."""
    w, h = 300, 140
    img = Image.new("RGBA", (kpx(w), kpx(h)), rgba(WHITE))
    img.paste(vertical_gradient(w, 30, rgba(BLUE_LIGHT), rgba(BLUE)), (0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, kpx(w) - 1, kpx(h) - 1], outline=rgba(mix(BLUE, GREY_LINE, 0.5)), width=kpx(1))
    d.rectangle([1, 30, w - 2, h - 2], outline=None)
    return img


def dialog_icon(kind):
    """PNG 205 (warning, the standard icon) and 204 (information), 44 x 44."""
    c = Canvas(44, 44)
    d = c.draw()
    color = AMBER if kind == "warn" else BLUE
    d.ellipse(box(1, 1, 43, 43), fill=rgba(mix(color, WHITE, 0.82)))
    d.ellipse(box(5, 5, 39, 39), fill=rgba(color))
    if kind == "warn":
        d.rounded_rectangle(box(19.75, 11, 24.25, 26), radius=s(2.2), fill=rgba(WHITE))
        d.ellipse(box(19.5, 28.5, 24.5, 33.5), fill=rgba(WHITE))
    else:
        d.ellipse(box(19.5, 10.5, 24.5, 15.5), fill=rgba(WHITE))
        d.rounded_rectangle(box(19.75, 18, 24.25, 33), radius=s(2.2), fill=rgba(WHITE))
    return c.done()


def dialog_close():
    """PNG 206, 11 x 11: white cross for the dialog's title band."""
    c = Canvas(11, 11)
    d = c.draw()
    thick_line(d, [(2, 2), (9, 9)], 1.5, rgba(WHITE))
    thick_line(d, [(9, 2), (2, 9)], 1.5, rgba(WHITE))
    return c.done()


def dialog_button(primary):
    """PNG 207 (confirm, filled) and 208 (decline, outlined), 70 x 78:
    normal, hot, pushed."""
    frames = []
    if primary:
        looks = [(BLUE, BLUE), (BLUE_LIGHT, BLUE_LIGHT), (BLUE_DEEP, BLUE_DEEP)]
    else:
        looks = [(WHITE, GREY_LINE), ((238, 245, 255), BLUE), ((220, 234, 255), BLUE_DEEP)]
    for fill, border in looks:
        c = Canvas(70, 26)
        c.draw().rounded_rectangle(box(0.5, 0.5, 69.5, 25.5), radius=s(4), fill=rgba(fill),
                                   outline=rgba(border), width=s(1))
        frames.append(c.done())
    return stack(frames)


# ------------------------------------------------------------------ icon ---

def app_icon(size):
    c = Canvas(size, size)
    m = rounded_mask(size, size, size * 0.22)
    fill = diagonal_gradient(size, size, rgba(BLUE_DEEP), rgba(SKY))
    c.img = fill.resize((kpx(size) * SS, kpx(size) * SS), Image.Resampling.BILINEAR)
    c.img.putalpha(m)
    # Below 24 pixels three arcs run together; two read better.
    arcs = 2 if size < 24 else 3
    stroke = max(1.8, size * 0.085)
    wifi_glyph(c.draw(), size / 2, size * 0.46, size * 0.78, rgba(WHITE), stroke, arcs)
    return c.done()


def ico_bytes(images):
    """A .ico with one PNG entry per image. Windows reads PNG entries of every
    size since Vista (the setup needs 7), in a third of the bytes of 32-bit
    DIBs."""
    entries = []
    for img in images:
        w, h = img.size
        entries.append((w, h, png_bytes(img)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for w, h, data in entries:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in entries)


# ------------------------------------------------------------------ main ---

def optimise_png(path):
    """Recompresses a PNG file in place without changing a pixel (optipng
    tries filter and deflate settings and may choose a smaller colour type;
    the setup decodes every image to RGBA, so that is the same picture;
    zopflipng then packs the chosen rows with a slower, tighter deflate)."""
    subprocess.run(["optipng", "-quiet", "-o5", "-strip", "all", path], check=True)
    # zopfli's deflate finds about a tenth more; kept only where it is smaller.
    with tempfile.TemporaryDirectory() as tmp:
        tried = os.path.join(tmp, "zopfli.png")
        subprocess.run(["zopflipng", "-y", path, tried], check=True, stdout=subprocess.DEVNULL)
        if os.path.getsize(tried) < os.path.getsize(path):
            shutil.copyfile(tried, path)


def png_bytes(img):
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "image.png")
        img.save(path, "PNG", optimize=False)
        optimise_png(path)
        with open(path, "rb") as f:
            return f.read()


def all_images():
    """File name -> image, in resource id order."""
    imgs = {
        "100_welcome.png": welcome_background(),
        "101_close.png": close_button(),
        "102_install.png": install_button(),
        "103_check.png": check_box(),
        "105_fold.png": fold_toggle(),
        "107_pane.png": custom_pane(),
        "108_edit.png": edit_frame(),
        "109_browse.png": browse_button(),
        "114_progress.png": progress_background(),
        "123_overlay.png": overlay(),
        "200_dialog.png": dialog_background(),
        "204_info.png": dialog_icon("info"),
        "205_warning.png": dialog_icon("warn"),
        "206_dialog_close.png": dialog_close(),
        "207_dialog_confirm.png": dialog_button(True),
        "208_dialog_decline.png": dialog_button(False),
        "209_ring.png": ring_background(),
    }
    for k in range(1, 14):
        imgs["%d_ring_step%02d.png" % (219 + k, k)] = ring_step(k)
    for n, rid in enumerate((233, 234, 235, 211, 212, 213, 214), start=1):
        imgs["%d_done%d.png" % (rid, n)] = completion_frame(n)
    return imgs


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=here, help="output folder (default: this folder)")
    args = ap.parse_args()
    if not os.path.exists(FONT_CJK):
        sys.exit("generate.py: font %s is missing (Debian fonts-wqy-microhei)" % FONT_CJK)
    for tool, package in (("optipng", "optipng"), ("zopflipng", "zopfli")):
        if shutil.which(tool) is None:
            sys.exit("generate.py: %s is missing (Debian %s, scripts/bootstrap)" % (tool, package))
    os.makedirs(args.out, exist_ok=True)
    global K
    for factor, suffix in SETS:
        K = factor
        for name, img in sorted(all_images().items()):
            stem, ext = os.path.splitext(name)
            if factor == 1.0 and int(stem.split("_")[0]) in TWO_X_ONLY:
                continue
            path = os.path.join(args.out, stem + suffix + ext)
            img.save(path, "PNG", optimize=False)
            optimise_png(path)
    K = 1.0
    with open(os.path.join(args.out, "setup.ico"), "wb") as f:
        f.write(ico_bytes([app_icon(n) for n in (16, 24, 32, 48, 256)]))


if __name__ == "__main__":
    main()
