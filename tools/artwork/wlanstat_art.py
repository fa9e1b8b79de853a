#!/usr/bin/env python3
"""Draws wlanstat's artwork into wlanstat/res: the 594 x 398 face, the three state
pictures, the two image-button strips and the application icon.

Deterministic: running it again gives byte-identical files. Usage:
    python3 tools/artwork/wlanstat_art.py [output folder]
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from canvas import Canvas, mix, ring, text_width, thick_line, write_bmp, write_ico  # noqa: E402

W, H = 594, 398

BAND_TOP, BAND_BOTTOM = 0x1E4F7A, 0x12324F
GROUND = 0xECEEF1
FRAME = 0xB5BCC6
FRAME_LIGHT = 0xFFFFFF
ACCENT = 0x3FA9E0
BOTTOM_TOP, BOTTOM_BOTTOM = 0xD9DDE3, 0xC6CCD4


def group_frame(c, x, y, w, h, head_x, head_w):
    """Etched frame whose top edge breaks for the section head drawn at runtime."""
    for colour, d in ((FRAME, 0), (FRAME_LIGHT, 1)):
        c.hline(x + d, x + w - 1, y + d, colour)
        c.hline(x + d, x + w - 1, y + h - 1 + d, colour)
        c.vline(x + d, y + d, y + h - 1 + d, colour)
        c.vline(x + w - 1 + d, y + d, y + h - 1 + d, colour)
    c.fill_rect(head_x - 4, y, head_w + 8, 2, GROUND)


def face():
    c = Canvas(W, H, GROUND)
    # Title band, rows 0..30; the image buttons sit at (556, 10) and (571, 10).
    c.gradient_rect(0, 0, W, 31, BAND_TOP, BAND_BOTTOM)
    c.hline(0, W - 1, 31, ACCENT)
    # Logo: a small card with waves, then the name.
    c.fill_rect(10, 14, 16, 8, 0xFFFFFF)
    c.fill_rect(10, 22, 16, 2, 0xF2C14E)
    ring(c, 18, 13, 3, 4.5, ACCENT, 35, 145)
    ring(c, 18, 13, 6, 7.5, ACCENT, 35, 145)
    x = c.text(34, 9, "QUORIX", 0xFFFFFF, scale=2)
    c.text(x + 8, 13, "WIFI STATUS", 0xA9D3EE)
    # Thin outer border so the frameless window stands off the desktop.
    c.frame_rect(0, 0, W, H, 0x0E2A44)

    # Adapter area: the combo box at (14, 41), the state picture at (464, 45).
    # The description may run to x = 461; the picture covers (464, 45)-(571, 142).
    c.fill_rect(10, 70, 452, 64, 0xF6F7F9)
    c.frame_rect(10, 70, 452, 64, FRAME)
    c.frame_rect(463, 44, 109, 99, FRAME)
    for y in (92, 112):
        c.hline(18, 453, y, 0xE1E4E8)
    c.vline(118, 74, 129, 0xE1E4E8)

    # Three group areas; the heads land on the top edges at y = 142 + 6.
    group_frame(c, 12, 148, 322, 122, 23, 66)      # wireless AP
    group_frame(c, 12, 286, 322, 60, 23, 92)       # frames sent / received
    group_frame(c, 340, 148, 240, 158, 350, 90)    # adapter
    for x0, x1, ys in ((18, 326, (182, 201, 221, 241, 261)), (18, 326, (320,)),
                       (346, 572, (182, 202, 222, 242, 262, 282))):
        for y in ys:
            c.hline(x0, x1, y, 0xE1E4E8)

    # Bottom band with the close button at (512, 367).
    c.gradient_rect(1, 356, W - 2, H - 357, BOTTOM_TOP, BOTTOM_BOTTOM)
    c.hline(1, W - 2, 356, FRAME)
    c.text(14, 375, "K4100ZT  802.11AC PCI-E", 0x6B7580)
    return c


def card(c, x, y, body, contacts, chip):
    """PCI-Express card seen from the front, 58 x 36, contacts at the bottom."""
    c.fill_rect(x, y, 58, 30, body)
    c.frame_rect(x, y, 58, 30, mix(body, 0x000000, 0.35))
    c.fill_rect(x + 8, y + 8, 16, 14, chip)
    c.fill_rect(x + 30, y + 10, 8, 8, chip)
    for i in range(12):
        c.fill_rect(x + 6 + i * 4, y + 30, 3, 6, contacts)
    c.fill_rect(x + 52, y - 6, 3, 8, mix(body, 0x000000, 0.35))  # antenna stub


def waves(c, cx, cy, colour):
    for r in (8, 15, 22):
        ring(c, cx, cy, r, r + 3.5, colour, 40, 140)


def state_picture(kind):
    c = Canvas(107, 97, GROUND)
    c.frame_rect(0, 0, 107, 97, FRAME)
    if kind == "no_adapter":
        card(c, 18, 44, 0xA9AEB4, 0xC9CCCF, 0x8A9096)
        # warning sign
        c.fill_polygon([(76, 14), (96, 48), (56, 48)], 0xF2B33D)
        c.fill_polygon([(76, 20), (91, 45), (61, 45)], 0xFFD86B)
        c.fill_rect(75, 26, 3, 11, 0x3A3A3A)
        c.fill_rect(75, 40, 3, 3, 0x3A3A3A)
        return c
    card(c, 18, 50, 0x2E8B57, 0xE5B93C, 0x1E2E28)
    waves(c, 71, 46, ACCENT if kind == "connected" else 0x9DB3C4)
    if kind == "connected":
        thick_line(c, 12, 24, 24, 36, 6, 0x23A148)
        thick_line(c, 22, 36, 44, 10, 6, 0x23A148)
    else:
        thick_line(c, 14, 10, 40, 36, 6, 0xD8342C)
        thick_line(c, 40, 10, 14, 36, 6, 0xD8342C)
    return c


def button_strip(kind):
    """Two 12 x 12 frames, normal and hover, on white (the transparent colour)."""
    c = Canvas(24, 12, 0xFFFFFF)
    for frame, (back, glyph) in enumerate(((None, 0xC8D6E2), (0xE05A4F if kind == "close" else 0x3FA9E0, 0xFAFAFA))):
        ox = frame * 12
        if back is not None:
            c.fill_rect(ox, 0, 12, 12, back)
        if kind == "close":
            for i in range(8):
                c.fill_rect(ox + 2 + i, 2 + i, 2, 1, glyph)
                c.fill_rect(ox + 8 - i, 2 + i, 2, 1, glyph)
        else:
            c.fill_rect(ox + 2, 8, 8, 2, glyph)
    return c


def icon(size):
    """Rounded tile with a card and waves, 4x supersampled for smooth edges."""
    c = Canvas(size, size, 0x00000000)
    ss = 4
    rad = size * 0.18
    for y in range(size):
        for x in range(size):
            hits = 0
            col_acc = [0, 0, 0]
            for sy in range(ss):
                for sx in range(ss):
                    u = (x + (sx + 0.5) / ss) / size
                    v = (y + (sy + 0.5) / ss) / size
                    colour = icon_sample(u, v, rad / size)
                    if colour is not None:
                        hits += 1
                        for k, shift in enumerate((16, 8, 0)):
                            col_acc[k] += (colour >> shift) & 0xFF
            if hits:
                r, g, b = (round(a / hits) for a in col_acc)
                alpha = round(255 * hits / (ss * ss))
                c.set(x, y, (alpha << 24) | (r << 16) | (g << 8) | b)
    return c


def icon_sample(u, v, rad):
    # rounded square tile
    m = 0.04
    qx = max(abs(u - 0.5) - (0.5 - m - rad), 0)
    qy = max(abs(v - 0.5) - (0.5 - m - rad), 0)
    if math.hypot(qx, qy) > rad:
        return None
    # waves above the card
    d = math.hypot(u - 0.5, v - 0.56)
    a = math.degrees(math.atan2(0.56 - v, u - 0.5))
    if 45 <= a <= 135:
        for r in (0.14, 0.25, 0.36):
            if r <= d <= r + 0.065:
                return 0xFFFFFF
    # card
    if 0.22 <= u <= 0.78 and 0.62 <= v <= 0.80:
        return 0xF2C14E if v > 0.74 else 0xFFFFFF
    return mix(0x2C7BB6, 0x174A72, v)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "wlanstat", "res")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "face.bmp"), face())
    write_bmp(os.path.join(out, "state_connected.bmp"), state_picture("connected"))
    write_bmp(os.path.join(out, "state_not_connected.bmp"), state_picture("not_connected"))
    write_bmp(os.path.join(out, "state_no_adapter.bmp"), state_picture("no_adapter"))
    write_bmp(os.path.join(out, "close_images.bmp"), button_strip("close"))
    write_bmp(os.path.join(out, "minimize_images.bmp"), button_strip("minimize"))
    write_ico(os.path.join(out, "wlanstat.ico"), [icon(s) for s in (256, 48, 32, 24, 16)])


if __name__ == "__main__":
    main()
