#!/usr/bin/env python3
"""Draws gensen's icon, a white yen sign on a blue rounded square, from code
alone, and writes it as a Windows .ico with one image per size: 32-bit
bitmaps up to 64 pixels, a PNG at 256. The same script gives the same bytes.

  make_icon.py OUT.ico
"""
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
BLUE = (0x1F, 0x5A, 0xA6)
SAMPLES = 4  # per pixel and axis


def snapped(centre, width):
    """A stroke's centre moved so that its edges fall on pixel edges."""
    return round(centre - width / 2) + width / 2


def shapes(size):
    """The mark at one size, in pixels: the yen sign's two arms, its stem and
    its two bars, with the stroke width and the straight strokes on the
    pixel grid, so that small sizes stay sharp."""
    stroke = max(2, round(size * 0.11))
    mid = snapped(size / 2, stroke)
    top, join, bottom = size * 0.17, size * 0.50, size * 0.84
    bars = [snapped(size * y, stroke) for y in (0.58, 0.74)] if size >= 24 else [snapped(size * 0.62, stroke)]
    half = size * 0.20
    arms = [((mid - size * 0.24, top), (mid, join)), ((mid + size * 0.24, top), (mid, join))]
    boxes = [(mid - stroke / 2, join, mid + stroke / 2, bottom)]
    boxes += [(mid - half, y - stroke / 2, mid + half, y + stroke / 2) for y in bars]
    return stroke, top, arms, boxes


def on_segment(x, y, a, b, radius):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx - x, ay + t * dy - y
    return px * px + py * py <= radius * radius


def in_rounded_square(x, y, size):
    radius = size * 0.18
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def draw(size):
    """Rows of (r, g, b, a), top row first."""
    stroke, top, arms, boxes = shapes(size)

    def at(x, y):
        if not in_rounded_square(x, y, size):
            return 0, 0
        mark = any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in boxes) or (
            y >= top and any(on_segment(x, y, a, b, stroke / 2) for a, b in arms)
        )
        return 1, int(mark)

    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            # A pixel whose corners agree lies wholly on one side of every edge.
            corners = {at(column + dx, row + dy) for dx in (0.01, 0.99) for dy in (0.01, 0.99)}
            if len(corners) == 1:
                inside, mark = (n * SAMPLES**2 for n in corners.pop())
            else:
                samples = [at(column + (j + 0.5) / SAMPLES, row + (i + 0.5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES)]
                inside, mark = sum(s[0] for s in samples), sum(s[1] for s in samples)
            alpha = round(255 * inside / SAMPLES**2)
            white = mark / inside if inside else 0.0
            pixels.append(tuple(round(c + (255 - c) * white) for c in BLUE) + (alpha,))
        rows.append(pixels)
    return rows


def bitmap(rows):
    """The .ico form of a small image: a bitmap header, BGRA rows bottom-up,
    and the one-bit mask that Windows wants beside the alpha channel."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_row = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = 0
        for r, g, b, a in row:
            bits = bits << 1 | (a == 0)
        bits <<= mask_row * 8 - size
        mask += bits.to_bytes(mask_row, "big")
    return header + colour + mask


def png(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def main():
    images = [png(draw(size)) if size == 256 else bitmap(draw(size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = len(directory) + 16 * len(SIZES)
    for size, image in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + b"".join(images))


if __name__ == "__main__":
    main()
