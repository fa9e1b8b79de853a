"""GIF89a writer: global 256-entry colour table, looping application extension,
frames as sub-rectangles with graphic control extensions, variable-width LZW."""
import struct


def lzw_encode(indices, min_code_size=8):
    """Variable-width LZW as GIF uses it; clears the table when it fills up."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = bytearray()
    acc, nbits = 0, 0
    width = min_code_size + 1

    def put(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1

    table, next_code = reset()
    put(clear)
    prefix = b''
    for i in indices:
        key = prefix + bytes([i])
        if key in table:
            prefix = key
            continue
        put(table[prefix])
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            put(clear)
            table, next_code = reset()
            width = min_code_size + 1
        prefix = bytes([i])
    if prefix:
        put(table[prefix])
    put(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for at in range(0, len(data), 255):
        chunk = data[at:at + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def build_palette(canvases):
    colours = sorted({c & 0xFFFFFF for cv in canvases for c in cv.px})
    if len(colours) > 256:
        raise ValueError('more than 256 colours: %d' % len(colours))
    return colours + [0] * (256 - len(colours))


def gif_bytes(width, height, frames):
    """frames: list of (canvas, x, y, w, h, delay, disposal); the canvas area
    (x, y, w, h) is stored as that frame's image."""
    palette = build_palette([f[0] for f in frames])
    index = {}
    for i, c in enumerate(palette):
        index.setdefault(c, i)
    out = bytearray(b'GIF89a')
    out += struct.pack('<HHBBB', width, height, 0xF7, 0, 0)  # global table, 8 bits, 256 entries
    for c in palette:
        out += bytes(((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF))
    out += b'\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00'  # loop forever
    for canvas, x, y, w, h, delay, disposal in frames:
        out += b'\x21\xF9\x04' + bytes((disposal << 2,)) + struct.pack('<H', delay) + b'\x00\x00'
        out += b'\x2C' + struct.pack('<HHHHB', x, y, w, h, 0)
        pixels = [index[canvas.get(xx, yy) & 0xFFFFFF] for yy in range(y, y + h) for xx in range(x, x + w)]
        out += b'\x08' + sub_blocks(lzw_encode(pixels))
    out += b'\x3B'
    return bytes(out)


def changed_box(a, b):
    """Smallest rectangle holding every pixel that differs between two canvases."""
    xs, ys = [], []
    for y in range(a.height):
        for x in range(a.width):
            if a.get(x, y) != b.get(x, y):
                xs.append(x)
                ys.append(y)
    if not xs:
        return 0, 0, 1, 1
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1
