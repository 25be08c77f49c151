#!/usr/bin/env python3
"""Draws wordsnap.ico: the program's icon, a white W on a blue square, drawn afresh at
every size Windows asks for (16, 20, 24, 32, 40, 48, 64 and 256 pixels) rather than
scaled from one picture. The 256-pixel image is stored as PNG, the others as 32-bit
bitmaps with alpha.

Run it from anywhere after changing the drawing; the icon is kept in the repository.
"""
import struct
import zlib
from pathlib import Path

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
BLUE = (51, 102, 204)
WHITE = (255, 255, 255)
# The W as a line through these points, in fractions of the square's side.
W_POINTS = ((0.19, 0.24), (0.34, 0.76), (0.5, 0.42), (0.66, 0.76), (0.81, 0.24))
SAMPLES = 4  # per pixel and axis, for smooth edges


def distance_to_segment(px, py, a, b) -> float:
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5


def draw(size: int) -> list:
    """Rows of (r, g, b, a), top row first."""
    margin = max(1, round(size / 16))
    stroke = max(2.0, size * 0.13) / 2
    segments = [((x * size, y * size), (x2 * size, y2 * size))
                for (x, y), (x2, y2) in zip(W_POINTS, W_POINTS[1:])]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if not (margin <= x < size - margin and margin <= y < size - margin):
                row.append((0, 0, 0, 0))
                continue
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = x + (sx + 0.5) / SAMPLES
                    py = y + (sy + 0.5) / SAMPLES
                    if any(distance_to_segment(px, py, a, b) <= stroke for a, b in segments):
                        covered += 1
            share = covered / (SAMPLES * SAMPLES)
            row.append(tuple(round(BLUE[i] + (WHITE[i] - BLUE[i]) * share) for i in range(3)) + (255,))
        rows.append(row)
    return rows


def bitmap(rows) -> bytes:
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def png(rows) -> bytes:
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main() -> None:
    images = [png(draw(s)) if s == 256 else bitmap(draw(s)) for s in SIZES]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    (Path(__file__).resolve().parent.parent / "wordsnap.ico").write_bytes(out)


if __name__ == "__main__":
    main()
