#!/usr/bin/python3
"""Composes a picture of the setup's pages from the committed skin images.

    resources/images/preview.py   ->  resources/images/preview.png

The picture is for looking at the design only and is not built into the
setup. Positions are those the layouts of setup_skin.xml give; texts are
drawn with WenQuanYi Micro Hei, the face Wine substitutes for the skin's
"宋体" on the test machines.
"""

import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
INK = (43, 58, 79, 255)
GREY = (122, 134, 150, 255)


def png(rid):
    """The 1x picture of an image; for those drawn at 2x only, the 2x one
    reduced by area average, as the setup does at 100 %."""
    names = sorted(n for n in os.listdir(HERE) if n.startswith("%d_" % rid) and n.endswith(".png"))
    for name in names:
        if not name.endswith("@2x.png"):
            return Image.open(os.path.join(HERE, name)).convert("RGBA")
    for name in names:
        img = Image.open(os.path.join(HERE, name)).convert("RGBA")
        return img.resize((img.size[0] // 2, img.size[1] // 2), Image.Resampling.BOX)
    raise SystemExit("preview.py: no image for id %d" % rid)


def part(rid, top, height):
    img = png(rid)
    return img.crop((0, top, img.size[0], top + height))


def blit(dst, img, x, y):
    dst.alpha_composite(img, (x, y))


def nine(rid, top, w, h, sw, sh, c):
    """Nine-part scaling of one sprite slice with equal corner widths c."""
    src = part(rid, top, sh)
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    xs = [(0, c, 0, c), (c, sw - c, c, w - c), (sw - c, sw, w - c, w)]
    ys = [(0, c, 0, c), (c, sh - c, c, h - c), (sh - c, sh, h - c, h)]
    for sx0, sx1, dx0, dx1 in xs:
        for sy0, sy1, dy0, dy1 in ys:
            piece = src.crop((sx0, sy0, sx1, sy1)).resize((dx1 - dx0, dy1 - dy0), Image.Resampling.NEAREST)
            out.alpha_composite(piece, (dx0, dy0))
    return out


def text(d, x, y, w, h, s, size, color, center=False, italic=False):
    font = ImageFont.truetype(FONT_CJK, size)
    l, t, r, b = d.textbbox((0, 0), s, font=font)
    tx = x + (w - (r - l)) / 2 - l if center else x - l
    ty = y + (h - (b - t)) / 2 - t
    d.text((tx, ty), s, font=font, fill=color)


def welcome(expanded, hot_install=False):
    page = Image.new("RGBA", (500, 350 if expanded else 280), (255, 255, 255, 255))
    blit(page, png(100), 0, 0)
    blit(page, part(102, 38 if hot_install else 0, 38), 180, 215)
    blit(page, part(103, 24, 12), 181, 264)
    d = ImageDraw.Draw(page)
    text(d, 199, 261, 120, 19, "已阅读并同意用户协议", 12, GREY)
    if expanded:
        blit(page, png(107), 0, 280)
        text(d, 20, 292, 64, 24, "安装位置：", 12, INK)
        blit(page, nine(108, 0, 350, 24, 20, 24, 4), 84, 292)
        text(d, 89, 292, 300, 24, "C:\\Program Files (x86)\\WiFi", 12, INK)
        blit(page, part(109, 0, 24), 440, 292)
        blit(page, part(103, 24, 12), 20, 329)
        text(d, 38, 326, 110, 18, "添加快捷方式到桌面", 12, INK)
        blit(page, part(103, 24, 12), 174, 329)
        text(d, 192, 326, 60, 18, "开机启动", 12, INK)
    blit(page, part(101, 0, 25), 475, 0)
    blit(page, part(105, 0, 13), 480, 260)
    return page


def progress(ring_id):
    page = Image.new("RGBA", (500, 280), (255, 255, 255, 255))
    blit(page, png(114), 0, 0)
    blit(page, png(209), 180, 52)
    blit(page, png(ring_id), 180, 52)
    d = ImageDraw.Draw(page)
    text(d, 0, 204, 500, 30, "正在安装 Zephyra...", 20, INK, center=True)
    blit(page, part(101, 0, 25), 475, 0)
    return page


def dialog_over(page):
    page = page.copy()
    blit(page, png(123).crop((0, 0, page.size[0], page.size[1])), 0, 0)
    dlg = Image.new("RGBA", (300, 140), (0, 0, 0, 0))
    blit(dlg, png(200), 0, 0)
    d = ImageDraw.Draw(dlg)
    text(d, 12, 0, 200, 30, "安装向导", 12, (255, 255, 255, 255))
    blit(dlg, png(206), 279, 10)
    blit(dlg, png(205), 24, 40)
    text(d, 82, 30, 200, 64, "你确定停止安装Zephyra？", 14, INK)
    blit(dlg, part(207, 26, 26), 75, 100)
    text(d, 75, 100, 70, 26, "是", 12, (255, 255, 255, 255), center=True)
    blit(dlg, part(208, 0, 26), 155, 100)
    text(d, 155, 100, 70, 26, "否", 12, INK, center=True)
    # A soft shadow under the dialog, as the shadow window gives it.
    shadow = Image.new("RGBA", (308, 148), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).rectangle([0, 0, 307, 147], fill=(0, 0, 0, 50))
    blit(page, shadow, 96 + 1, 70 + 1)
    blit(page, dlg, 100, 70)
    return page


def main():
    gap, w = 20, 1060
    ring_ids = list(range(220, 233)) + [233, 234, 235, 211, 212, 213, 214]
    rows = (len(ring_ids) + 6) // 7
    h = gap + 350 + gap + 280 + gap + rows * 150 + gap
    sheet = Image.new("RGBA", (w, h), (208, 214, 222, 255))
    sheet.alpha_composite(welcome(False, hot_install=True), (gap, gap))
    sheet.alpha_composite(welcome(True), (gap + 500 + gap, gap))
    y = gap + 350 + gap
    sheet.alpha_composite(progress(226), (gap, y))
    sheet.alpha_composite(dialog_over(welcome(False)), (gap + 500 + gap, y))
    y += 280 + gap
    for i, rid in enumerate(ring_ids):
        tile = Image.new("RGBA", (140, 140), (255, 255, 255, 255))
        tile.alpha_composite(png(209), (0, 0))  # the ring control's background
        tile.alpha_composite(png(rid), (0, 0))
        sheet.alpha_composite(tile, (gap + (i % 7) * 146, y + (i // 7) * 150))
    sheet.convert("RGB").save(os.path.join(HERE, "preview.png"), "PNG")


if __name__ == "__main__":
    main()
