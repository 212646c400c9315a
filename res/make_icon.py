#!/usr/bin/env python3
"""Draws the Korvane icon, a Nyquist arc of dots with a diffusion tail over a red axis on a
light ground, at every size the icon carries. Writes icons/korvane-N.png for the desktop and
korvane.ico (32-bit uncompressed bitmaps, fully opaque) for Windows. Run it after a change."""
import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).parent
SIZES = [16, 24, 32, 48, 64, 72, 96, 128, 256]
GROUND = (244, 246, 250)
FRAME = (150, 160, 175)
AXIS = (220, 40, 40)
DOT = (20, 60, 220)


def shapes(s):
    """(kind, geometry, colour) in pixel units for an s x s icon."""
    baseline = 0.74 * s
    cx, r = 0.38 * s, 0.25 * s
    dot = max(0.9, 0.035 * s)
    items = [("rect", (0.08 * s, baseline - max(0.5, 0.02 * s), 0.92 * s,
                       baseline + max(0.5, 0.02 * s)), AXIS)]
    arc_dots = 5 if s < 24 else 7 if s < 48 else 11
    for i in range(arc_dots):
        a = math.pi * (1 - i / (arc_dots - 1))
        items.append(("disc", (cx + r * math.cos(a), baseline - r * math.sin(a), dot), DOT))
    for k in range(1, 4):
        step = 0.09 * s * k
        items.append(("disc", (cx + r + step, baseline - step, dot), DOT))
    return items


def covered(kind, g, x, y):
    if kind == "rect":
        return g[0] <= x <= g[2] and g[1] <= y <= g[3]
    return (x - g[0]) ** 2 + (y - g[1]) ** 2 <= g[2] ** 2


def render(s):
    """Rows of (r, g, b) tuples, top row first, antialiased by 4 x 4 supersampling."""
    items = shapes(s)
    rows = []
    for py in range(s):
        row = []
        for px in range(s):
            acc = [0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    x, y = px + (sx + 0.5) / 4, py + (sy + 0.5) / 4
                    colour = GROUND
                    if px == 0 or py == 0 or px == s - 1 or py == s - 1:
                        colour = FRAME
                    for kind, g, c in items:
                        if covered(kind, g, x, y):
                            colour = c
                    for i in range(3):
                        acc[i] += colour[i] / 16
            row.append(tuple(round(v) for v in acc))
        rows.append(row)
    return rows


def png(rows):
    raw = b"".join(b"\0" + bytes(v for p in row for v in (*p, 255)) for row in rows)
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    size = len(rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows):
    """BITMAPINFOHEADER, BGRA pixels bottom row first, then an all-clear AND mask."""
    s = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(v for p in row for v in (p[2], p[1], p[0], 255))
                      for row in reversed(rows))
    mask_stride = ((s + 31) // 32) * 4
    return header + pixels + bytes(mask_stride * s)


def main():
    (HERE / "icons").mkdir(exist_ok=True)
    images = []
    for s in SIZES:
        rows = render(s)
        (HERE / "icons" / f"korvane-{s}.png").write_bytes(png(rows))
        images.append((s, dib(rows)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for s, image in images:
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(image),
                               offset + len(data))
        data += image
    (HERE / "korvane.ico").write_bytes(directory + entries + data)


main()
