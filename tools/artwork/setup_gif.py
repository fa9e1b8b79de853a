"""Resource 246 of setup: the installing animation, 315 x 83.

A driver package on the left sends its files along a track of nine lights to the
wireless card on the right; the card's light turns green with a tick, its antennas
send out three waves, and the picture settles. Fifteen frames with disposal 1 and
the delays 50, 15 (x9), 200, 10 (x3), 50 hundredths: a 4650 ms cycle.

Run from the repository root: python3 tools/artwork/setup_gif.py
"""
import copy
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from canvas import Canvas, text_width  # noqa: E402
from gif import changed_box, gif_bytes  # noqa: E402

W, H = 315, 83
BACK = 0xF1F1F1
INK = 0x2B3A55
BOX, BOX_DARK = 0xE8B04A, 0xB9842A
PCB, PCB_DARK, GOLD = 0x2E8B57, 0x1F6540, 0xD4AF37
CHIP = 0x30343C
DOT_OFF, DOT_ON, DOT_TRAIL = 0xC9CED6, 0x2F7FE0, 0x9CC2F2
LED_OFF, LED_ON = 0x7A2020, 0x38D36B
WAVE = 0x2F7FE0
DOTS = [106 + i * 10 for i in range(9)]
TRACK_Y = 44


def base():
    c = Canvas(W, H, BACK)
    # Driver package: a box with a folded lid and a label.
    c.fill_rect(18, 24, 64, 46, BOX)
    c.fill_polygon([(18, 24), (30, 12), (94, 12), (82, 24)], 0xF2C66D)
    c.fill_polygon([(82, 24), (94, 12), (94, 58), (82, 70)], BOX_DARK)
    c.frame_rect(18, 24, 64, 46, BOX_DARK)
    c.fill_rect(24, 38, 52, 13, 0xFFFFFF)
    c.text(50 - text_width('DRIVER') // 2, 41, 'DRIVER', INK)
    # Wireless card: board, chip, gold contacts, bracket, two antennas.
    c.fill_rect(200, 30, 64, 36, PCB)
    c.frame_rect(200, 30, 64, 36, PCB_DARK)
    c.fill_rect(264, 24, 5, 52, 0xA8ADB5)  # bracket
    for x in range(206, 258, 4):
        c.fill_rect(x, 66, 3, 7, GOLD)
    c.fill_rect(210, 36, 24, 20, CHIP)
    c.text(212, 43, 'QX', 0xD0D4DA)
    c.text(240, 56, 'AC', 0xBFE3CF)
    for ax in (274, 286):
        c.fill_rect(ax, 26, 3, 24, INK)
        c.fill_ellipse(ax + 1, 26, 2, 2, INK)
    c.fill_ellipse(250, 40, 4, 4, LED_OFF)
    # Track of lights between them.
    for x in DOTS:
        c.fill_ellipse(x, TRACK_Y, 3.5, 3.5, DOT_OFF)
    c.text(106, 60, 'K4100ZT', INK)
    return c


def light(c, n):
    """Lights n dots, the newest bright and the ones behind it as a trail."""
    for i, x in enumerate(DOTS):
        colour = DOT_OFF if i >= n else (DOT_ON if i == n - 1 else DOT_TRAIL)
        c.fill_ellipse(x, TRACK_Y, 3.5, 3.5, colour)


def tick(c):
    c.fill_ellipse(250, 40, 4, 4, LED_ON)
    pts = [(226, 14), (231, 19), (241, 7)]
    for dx in range(3):
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            c.line(x0 + dx, y0 + 4, x1 + dx, y1 + 4, LED_ON)


def wave(c, k):
    """k-th arc (1..3) around the antenna tips."""
    r = 2 + 7 * k
    cx, cy = 281, 27
    for y in range(-r, 1):
        for x in range(-r, r + 1):
            d = (x * x + y * y) ** 0.5
            if r - 2 <= d <= r and abs(x) <= -y * 1.4:
                c.set(cx + x, cy + y, WAVE)


def frames():
    states = []
    c = base()
    states.append((copy.deepcopy(c), 50))
    for n in range(1, 10):
        light(c, n)
        states.append((copy.deepcopy(c), 15))
    light(c, 9)
    for x in DOTS:
        c.fill_ellipse(x, TRACK_Y, 3.5, 3.5, DOT_ON)
    tick(c)
    states.append((copy.deepcopy(c), 200))
    for k in (1, 2, 3):
        wave(c, k)
        states.append((copy.deepcopy(c), 10))
    light(c, 0)
    states.append((copy.deepcopy(c), 50))
    return states


def main():
    states = frames()
    assert [d for _, d in states] == [50] + [15] * 9 + [200] + [10] * 3 + [50]
    out = []
    previous = None
    for canvas, delay in states:
        x, y, w, h = (0, 0, W, H) if previous is None else changed_box(previous, canvas)
        out.append((canvas, x, y, w, h, delay, 1))
        previous = canvas
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    with open(os.path.join(root, 'setup', 'res', 'install.gif'), 'wb') as f:
        f.write(gif_bytes(W, H, out))


if __name__ == '__main__':
    main()
