"""Tiny deterministic raster canvas for the programs' artwork.

Pure Python (no imaging library), so the generators give byte-identical output on any
machine. Colours are 0xRRGGBB integers; 32-bit icons carry alpha as 0xAARRGGBB.
"""
import math
import struct
import zlib

# 5 x 7 capitals and digits for logos and labels painted into bitmaps.
_FONT = {
    'A': "01110 10001 10001 11111 10001 10001 10001", 'B': "11110 10001 10001 11110 10001 10001 11110",
    'C': "01110 10001 10000 10000 10000 10001 01110", 'D': "11110 10001 10001 10001 10001 10001 11110",
    'E': "11111 10000 10000 11110 10000 10000 11111", 'F': "11111 10000 10000 11110 10000 10000 10000",
    'G': "01110 10001 10000 10111 10001 10001 01111", 'H': "10001 10001 10001 11111 10001 10001 10001",
    'I': "01110 00100 00100 00100 00100 00100 01110", 'J': "00111 00010 00010 00010 00010 10010 01100",
    'K': "10001 10010 10100 11000 10100 10010 10001", 'L': "10000 10000 10000 10000 10000 10000 11111",
    'M': "10001 11011 10101 10101 10001 10001 10001", 'N': "10001 11001 10101 10011 10001 10001 10001",
    'O': "01110 10001 10001 10001 10001 10001 01110", 'P': "11110 10001 10001 11110 10000 10000 10000",
    'Q': "01110 10001 10001 10001 10101 10010 01101", 'R': "11110 10001 10001 11110 10100 10010 10001",
    'S': "01111 10000 10000 01110 00001 00001 11110", 'T': "11111 00100 00100 00100 00100 00100 00100",
    'U': "10001 10001 10001 10001 10001 10001 01110", 'V': "10001 10001 10001 10001 10001 01010 00100",
    'W': "10001 10001 10001 10101 10101 10101 01010", 'X': "10001 10001 01010 00100 01010 10001 10001",
    'Y': "10001 10001 01010 00100 00100 00100 00100", 'Z': "11111 00001 00010 00100 01000 10000 11111",
    '0': "01110 10001 10011 10101 11001 10001 01110", '1': "00100 01100 00100 00100 00100 00100 01110",
    '2': "01110 10001 00001 00010 00100 01000 11111", '3': "11111 00010 00100 00010 00001 10001 01110",
    '4': "00010 00110 01010 10010 11111 00010 00010", '5': "11111 10000 11110 00001 00001 10001 01110",
    '6': "00110 01000 10000 11110 10001 10001 01110", '7': "11111 00001 00010 00100 01000 01000 01000",
    '8': "01110 10001 10001 01110 10001 10001 01110", '9': "01110 10001 10001 01111 00001 00010 01100",
    '-': "00000 00000 00000 11111 00000 00000 00000", '.': "00000 00000 00000 00000 00000 01100 01100",
    ' ': "00000 00000 00000 00000 00000 00000 00000", '/': "00001 00010 00010 00100 01000 01000 10000",
}


class Canvas:
    def __init__(self, width, height, colour=0xFFFFFF):
        self.width, self.height = width, height
        self.px = [colour] * (width * height)

    def get(self, x, y):
        return self.px[y * self.width + x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y * self.width + x] = colour

    def fill_rect(self, x, y, w, h, colour):
        for yy in range(max(0, y), min(self.height, y + h)):
            row = yy * self.width
            for xx in range(max(0, x), min(self.width, x + w)):
                self.px[row + xx] = colour

    def frame_rect(self, x, y, w, h, colour, thickness=1):
        for t in range(thickness):
            self.hline(x + t, x + w - 1 - t, y + t, colour)
            self.hline(x + t, x + w - 1 - t, y + h - 1 - t, colour)
            self.vline(x + t, y + t, y + h - 1 - t, colour)
            self.vline(x + w - 1 - t, y + t, y + h - 1 - t, colour)

    def hline(self, x0, x1, y, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y, colour)

    def vline(self, x, y0, y1, colour):
        for y in range(y0, y1 + 1):
            self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def gradient_rect(self, x, y, w, h, top, bottom):
        """Vertical gradient from `top` to `bottom`."""
        for i in range(h):
            self.fill_rect(x, y + i, w, 1, mix(top, bottom, i / max(1, h - 1)))

    def fill_ellipse(self, cx, cy, rx, ry, colour):
        for yy in range(int(cy - ry), int(cy + ry) + 1):
            for xx in range(int(cx - rx), int(cx + rx) + 1):
                if ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2 <= 1.0:
                    self.set(xx, yy, colour)

    def fill_polygon(self, points, colour):
        """Even-odd scanline fill through pixel centres."""
        ys = [p[1] for p in points]
        for yy in range(int(min(ys)), int(max(ys)) + 1):
            yc = yy + 0.5
            xs = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for xx in range(int(round(a)), int(round(b))):
                    self.set(xx, yy, colour)

    def text(self, x, y, s, colour, scale=1):
        """Draws `s` in the 5 x 7 capitals font; returns the x after the last glyph."""
        for ch in s.upper():
            rows = _FONT.get(ch, _FONT[' ']).split()
            for r, bits in enumerate(rows):
                for c, bit in enumerate(bits):
                    if bit == '1':
                        self.fill_rect(x + c * scale, y + r * scale, scale, scale, colour)
            x += 6 * scale
        return x

    def blit(self, other, x, y, transparent=None):
        for yy in range(other.height):
            for xx in range(other.width):
                c = other.get(xx, yy)
                if c != transparent:
                    self.set(x + xx, y + yy, c)


def ring(c, cx, cy, r0, r1, colour, a0=-180.0, a1=180.0):
    """Ring sector between radii r0..r1 and angles a0..a1 (degrees, 0 = right, ccw)."""
    for y in range(int(cy - r1) - 1, int(cy + r1) + 2):
        for x in range(int(cx - r1) - 1, int(cx + r1) + 2):
            dx, dy = x + 0.5 - cx, cy - (y + 0.5)
            d = math.hypot(dx, dy)
            if r0 <= d <= r1 and a0 <= math.degrees(math.atan2(dy, dx)) <= a1:
                c.set(x, y, colour)


def thick_line(c, x0, y0, x1, y1, width, colour):
    """Line of the given width as a filled quadrilateral."""
    dx, dy = x1 - x0, y1 - y0
    n = math.hypot(dx, dy) or 1.0
    ox, oy = -dy / n * width / 2, dx / n * width / 2
    c.fill_polygon([(x0 + ox, y0 + oy), (x1 + ox, y1 + oy), (x1 - ox, y1 - oy), (x0 - ox, y0 - oy)], colour)


def text_width(s, scale=1):
    return len(s) * 6 * scale - scale


def mix(a, b, t):
    """Linear blend of two 0xRRGGBB colours."""
    out = 0
    for shift in (16, 8, 0):
        ca, cb = (a >> shift) & 0xFF, (b >> shift) & 0xFF
        out |= int(round(ca + (cb - ca) * t)) << shift
    return out


def bmp_bytes(canvas):
    """24-bit bottom-up BMP file."""
    stride = (canvas.width * 3 + 3) & ~3
    body = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            c = canvas.get(x, y)
            row += bytes((c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF))
        row += b'\0' * (stride - len(row))
        body += row
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(header) + len(body), 0, 0, 14 + len(header)) + header + body


def write_bmp(path, canvas):
    with open(path, 'wb') as f:
        f.write(bmp_bytes(canvas))


def _png_bytes(canvas):
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            c = canvas.get(x, y)
            raw += bytes(((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, (c >> 24) & 0xFF))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    ihdr = struct.pack('>IIBBBBB', canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b'')


def _dib32_bytes(canvas):
    """Icon image: 32-bit BGRA XOR bitmap plus an all-zero AND mask."""
    w, h = canvas.width, canvas.height
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = canvas.get(x, y)
            xor += bytes((c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, (c >> 24) & 0xFF))
    mask_stride = ((w + 31) // 32) * 4
    return header + bytes(xor) + b'\0' * (mask_stride * h)


def write_ico(path, canvases):
    """Icon file from 32-bit ARGB canvases; the 256-pixel image is stored as PNG."""
    images = [(_png_bytes(c) if c.width >= 256 else _dib32_bytes(c), c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for data, c in images:
        out += struct.pack('<BBBBHHII', c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data, _ in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)
