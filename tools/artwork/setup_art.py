#!/usr/bin/env python3
"""Draws setup's artwork into setup/res: the four 527 x 347 page backgrounds, the two
image-button strips and the application icon.

Every background shares one frame layout (border, title strip with its white and dark
lines, grey left panel with the brand artwork, content area, bottom strip); the colours
and lines are fixed, the artwork inside them is ours. Deterministic: running it again
gives byte-identical files. Usage:
    python3 tools/artwork/setup_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from canvas import Canvas, mix, ring, text_width, thick_line, write_bmp, write_ico  # noqa: E402

W, H = 527, 347
BORDER = 0xD2D2D2      # 210,210,210
STRIP = 0xE0E0E0       # 224,224,224
DARK_LINE = 0x4B4B4B   # 75,75,75
CONTENT = 0xF1F1F1     # 241,241,241
WHITE = 0xFFFFFF
BRAND = 0x1C5FA8
BRAND_DARK = 0x123F70
ACCENT = 0x39A7DE
PCB = 0x2E7D4F
PCB_DARK = 0x1F5A38
GOLD = 0xD9A93B
CHIP = 0x2B2B2B


def wifi_mark(c, cx, cy, scale, colour):
    """Three arcs over a dot: the wireless sign."""
    c.fill_ellipse(cx, cy, 2.2 * scale, 2.2 * scale, colour)
    for i, r in enumerate((6, 10, 14)):
        ring(c, cx, cy, (r - 1.6) * scale, r * scale, colour, 45, 135)


def frame(page_colour=CONTENT):
    """The layout shared by all four pages."""
    c = Canvas(W, H, CONTENT)
    c.frame_rect(0, 0, W, H, BORDER)
    c.fill_rect(1, 1, W - 2, 29, STRIP)           # title strip, y 1..29
    c.hline(1, W - 2, 1, WHITE)                    # its white top line
    c.hline(1, W - 2, 30, DARK_LINE)               # closing dark line
    c.fill_rect(1, 31, 170, 274, STRIP)            # left panel, x 1..170, y 31..304
    c.fill_rect(171, 31, 355, 274, page_colour)    # content area, x 171..525
    c.hline(1, W - 2, 305, BORDER)                 # line above the bottom strip
    c.fill_rect(1, 306, W - 2, 40, CONTENT)        # bottom strip, y 306..345
    # Small program icon at the left end of the title strip, then the product name.
    icon = program_icon(16)
    c.blit(flatten(icon, STRIP), 8, 8)
    c.text(30, 12, "QUORIX K4100ZT", 0x5A5A5A)
    brand_panel(c)
    return c


def flatten(icon, background):
    """Alpha-blends an ARGB canvas onto a solid colour."""
    out = Canvas(icon.width, icon.height, background)
    for y in range(icon.height):
        for x in range(icon.width):
            p = icon.get(x, y)
            a = (p >> 24) & 0xFF
            out.set(x, y, mix(background, p & 0xFFFFFF, a / 255.0))
    return out


def brand_panel(c):
    """Brand artwork in the left panel: a blue badge with the wireless sign and the name."""
    c.gradient_rect(16, 52, 140, 140, BRAND, BRAND_DARK)
    for i in range(6):  # soft corner cut
        c.hline(16, 16 + 5 - i, 52 + i, STRIP)
        c.hline(155 - 5 + i, 155, 52 + i, STRIP)
        c.hline(16, 16 + i, 186 + i, STRIP)
        c.hline(155 - i, 155, 186 + i, STRIP)
    wifi_mark(c, 86, 140, 4.0, WHITE)
    name = "QUORIX"
    c.text(86 - text_width(name, 3) // 2, 206, name, BRAND_DARK, 3)
    sub = "WIRELESS LAN"
    c.text(86 - text_width(sub) // 2, 236, sub, 0x505050)
    c.hline(30, 142, 252, BORDER)
    model = "K4100ZT"
    c.text(86 - text_width(model, 2) // 2, 262, model, ACCENT, 2)


def card(c, x, y):
    """A PCI-Express wireless card seen from the front: board, chip, shield, gold fingers."""
    w, h = 150, 72
    c.fill_rect(x, y, w, h, PCB)
    c.frame_rect(x, y, w, h, PCB_DARK)
    for i in range(0, w - 20, 6):                            # gold fingers with the key gap
        if 40 <= i < 48:
            continue
        c.fill_rect(x + 10 + i, y + h, 4, 10, GOLD)
    c.fill_rect(x + 18, y + 14, 46, 40, 0xB8BEC4)           # metal shield
    c.frame_rect(x + 18, y + 14, 46, 40, 0x8A9096)
    c.fill_rect(x + 78, y + 18, 24, 24, CHIP)
    c.text(x + 84, y + 26, "QX", 0xC0C0C0)
    for i in range(3):                                       # small parts
        c.fill_rect(x + 110 + i * 10, y + 20, 5, 3, 0xC8C8C8)
        c.fill_rect(x + 110 + i * 10, y + 40, 5, 3, 0x8B5A2B)
    c.fill_rect(x + w, y - 10, 8, h + 14, 0xA7ADB3)          # bracket
    for j in (4, 36):                                        # antenna connectors
        c.fill_ellipse(x + w + 14, y + j + 8, 5, 5, GOLD)
        c.fill_ellipse(x + w + 14, y + j + 8, 2, 2, 0x6B5420)


def disc(c, cx, cy, r):
    """The driver disc."""
    for i in range(int(r), 0, -1):
        t = i / r
        c.fill_ellipse(cx, cy, i, i, mix(0xE6ECF2, 0xB9C6D3, abs(math.sin(t * 6.0))))
    ring(c, cx, cy, r - 1.2, r, 0x8E9AA6)
    c.fill_ellipse(cx, cy, r * 0.32, r * 0.32, 0xD4DCE4)
    c.fill_ellipse(cx, cy, r * 0.12, r * 0.12, CONTENT)
    ring(c, cx, cy, r * 0.32 - 1, r * 0.32, 0x9AA6B2)


def illustration(c, x, y):
    """Card and disc side by side; returns the disc centre for an overlay badge."""
    disc(c, x + 60, y + 60, 56)
    card(c, x + 110, y + 30)
    return x + 60, y + 60


def check_badge(c, cx, cy):
    c.fill_ellipse(cx, cy, 26, 26, 0x2FA84F)
    ring(c, cx, cy, 24.5, 26.5, 0x1E7A38)
    thick_line(c, cx - 12, cy + 1, cx - 3, cy + 10, 6, WHITE)
    thick_line(c, cx - 4, cy + 10, cx + 13, cy - 9, 6, WHITE)


def warning_badge(c, cx, cy):
    top, left, right = (cx, cy - 28), (cx - 31, cy + 24), (cx + 31, cy + 24)
    c.fill_polygon([(top[0], top[1] - 3), (left[0] - 4, left[1] + 2), (right[0] + 4, right[1] + 2)], 0x7A5A00)
    c.fill_polygon([top, left, right], 0xF2C12E)
    c.fill_rect(cx - 3, cy - 12, 6, 22, 0x2B2B2B)
    c.fill_rect(cx - 3, cy + 14, 6, 6, 0x2B2B2B)


def intro():
    c = frame()
    illustration(c, 215, 158)
    return c


def installing():
    return frame()


def success():
    c = frame()
    dx, dy = illustration(c, 215, 150)
    check_badge(c, dx + 40, dy + 40)
    return c


def failure():
    c = frame()
    dx, dy = illustration(c, 215, 80)
    warning_badge(c, dx + 40, dy + 38)
    return c


def button_strip(glyph):
    """Two 12 x 12 images on pure white: [0] normal, [1] highlighted."""
    c = Canvas(24, 12, WHITE)
    for i, (bg, fg) in enumerate(((None, 0x505050), (ACCENT, WHITE))):
        ox = i * 12
        if bg is not None:
            c.fill_rect(ox + 1, 0, 10, 12, bg)
            c.fill_rect(ox, 1, 12, 10, bg)
        glyph(c, ox, fg)
    return c


def minimise_glyph(c, ox, colour):
    c.fill_rect(ox + 3, 8, 6, 2, colour)


def close_glyph(c, ox, colour):
    for k in range(6):
        c.fill_rect(ox + 3 + k, 3 + k, 1, 1, colour)
        c.fill_rect(ox + 4 + k, 3 + k, 1, 1, colour)
        c.fill_rect(ox + 8 - k, 3 + k, 1, 1, colour)
        c.fill_rect(ox + 7 - k, 3 + k, 1, 1, colour)


def program_icon(size):
    """ARGB icon: a blue rounded square with a white wireless sign and a card edge."""
    c = Canvas(size, size, 0x00000000)
    s = size / 32.0
    r = 5 * s
    for y in range(size):
        for x in range(size):
            # rounded-square coverage, 4x4 supersampled for smooth edges
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                    qx = min(max(px, r + s), size - r - s)
                    qy = min(max(py, r + s), size - r - s)
                    if (px - qx) ** 2 + (py - qy) ** 2 <= r * r:
                        hits += 1
            if hits:
                colour = mix(ACCENT, BRAND_DARK, y / max(1, size - 1))
                c.set(x, y, (int(255 * hits / 16) << 24) | colour)
    cx, cy = size / 2, size * 0.66
    dot = max(1.0, 2.0 * s)
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, cy - (y + 0.5)
            d = math.hypot(dx, dy)
            a = math.degrees(math.atan2(dy, dx))
            on = d <= dot
            for rr in (6.5, 11.0):
                if (rr - 2.0) * s <= d <= rr * s and 40 <= a <= 140:
                    on = True
            if on and (c.get(x, y) >> 24) > 0:
                c.set(x, y, 0xFF000000 | WHITE)
    # gold fingers along the bottom edge
    if size >= 24:
        for x in range(int(8 * s), int(24 * s), max(2, int(3 * s))):
            c.fill_rect(x, int(size - 5 * s), max(1, int(1.5 * s)), max(1, int(2 * s)), 0xFF000000 | GOLD)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..', 'setup', 'res')
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, 'intro.bmp'), intro())              # 241
    write_bmp(os.path.join(out, 'installing.bmp'), installing())    # 242
    write_bmp(os.path.join(out, 'success.bmp'), success())          # 243
    write_bmp(os.path.join(out, 'failure.bmp'), failure())          # 244
    write_bmp(os.path.join(out, 'minimise_images.bmp'), button_strip(minimise_glyph))  # 211
    write_bmp(os.path.join(out, 'close_images.bmp'), button_strip(close_glyph))        # 212
    write_ico(os.path.join(out, 'setup.ico'), [program_icon(n) for n in (256, 48, 32, 24, 16)])


if __name__ == '__main__':
    main()
