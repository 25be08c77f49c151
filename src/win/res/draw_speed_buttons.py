#!/usr/bin/env python3
"""Draws the pictures of the main window's speed buttons that the common controls'
standard toolbar images have no fit for, side by side, in the order of the SpeedImage
enumeration in SpeedButtons.cpp (PICTURES below), at three sizes: speed_buttons.bmp
(16 x 16 each, for 100%), speed_buttons_24.bmp (150%) and speed_buttons_32.bmp (200%).
Magenta is transparent.

Each picture is drawn on a 16-unit grid whose shapes are filled at the size asked,
so a larger picture gets finer edges rather than bigger pixels.

Run it from anywhere after changing a picture; the bitmaps are kept in the repository.
"""
import math
import struct
from pathlib import Path

DESIGN = 16
SIZES = {16: "speed_buttons.bmp", 24: "speed_buttons_24.bmp", 32: "speed_buttons_32.bmp"}

CLEAR = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
DARK_GREY = (96, 96, 96)
SILVER = (192, 192, 192)
DARK_GREEN = (0, 128, 0)
GREEN = (0, 176, 0)
BLUE = (0, 0, 192)
NAVY = (0, 0, 128)
YELLOW = (255, 208, 0)
ORANGE = (224, 128, 0)
BROWN = (128, 64, 0)
RED = (192, 0, 0)
PINK = (255, 176, 160)
GLASS = (224, 240, 255)


class Picture:
    """A square picture of `size` pixels, drawn in units of a 16-pixel design: the
    design's pixel (x, y) covers the square from (x, y) to (x + 1, y + 1)."""

    def __init__(self, size=DESIGN):
        self.size = size
        self.scale = size / DESIGN
        # Lines are one pixel wide up to 150%, two at 200%.
        self.pen = max(1, round(self.scale - 0.25))
        self.px = [[CLEAR] * size for _ in range(size)]

    def edge(self, v):
        """The pixel edge at design position v."""
        return round(v * self.scale)

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def cells(self, x0, y0, x1, y1, colour):
        """Fills the design pixels x0..x1, y0..y1 inclusive."""
        for y in range(self.edge(y0), self.edge(y1 + 1)):
            for x in range(self.edge(x0), self.edge(x1 + 1)):
                self.put(x, y, colour)

    def dot(self, x, y, colour):
        self.cells(x, y, x, y, colour)

    def rect(self, x0, y0, x1, y1, colour, fill=None):
        """Outline round the design pixels x0..x1, y0..y1, optionally filled inside."""
        left, top, right, bottom = self.edge(x0), self.edge(y0), self.edge(x1 + 1), self.edge(y1 + 1)
        for y in range(top, bottom):
            for x in range(left, right):
                inside = left + self.pen <= x < right - self.pen and top + self.pen <= y < bottom - self.pen
                if not inside:
                    self.put(x, y, colour)
                elif fill is not None:
                    self.put(x, y, fill)

    def line(self, x0, y0, x1, y1, colour):
        """A line of the pen's width between the centres of two design pixels."""
        ax, ay = (x0 + 0.5) * self.scale, (y0 + 0.5) * self.scale
        bx, by = (x1 + 0.5) * self.scale, (y1 + 0.5) * self.scale
        steps = max(1, math.ceil(max(abs(bx - ax), abs(by - ay))))
        for i in range(steps + 1):
            t = i / steps
            cx, cy = ax + (bx - ax) * t, ay + (by - ay) * t
            left, top = round(cx - self.pen / 2), round(cy - self.pen / 2)
            for y in range(top, top + self.pen):
                for x in range(left, left + self.pen):
                    self.put(x, y, colour)

    def _each_pixel(self, inside, colour):
        for y in range(self.size):
            for x in range(self.size):
                if inside((x + 0.5) / self.scale, (y + 0.5) / self.scale):
                    self.put(x, y, colour)

    def polygon(self, points, colour):
        """Fills the pixels whose centres lie inside the polygon (design units)."""
        def inside(px, py):
            result = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                    result = not result
            return result
        self._each_pixel(inside, colour)

    def stroke(self, points, width, colour):
        """A polyline `width` design units wide (design units, through the points)."""
        def near(px, py):
            for (ax, ay), (bx, by) in zip(points, points[1:]):
                dx, dy = bx - ax, by - ay
                t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
                if math.hypot(px - ax - t * dx, py - ay - t * dy) <= width / 2:
                    return True
            return False
        self._each_pixel(near, colour)

    def ring(self, cx, cy, rx, ry, width, colour):
        """An ellipse's outline `width` design units wide, centred on its radii."""
        def on(px, py):
            d = math.hypot((px - cx) / rx, (py - cy) / ry)
            return abs(d - 1) * min(rx, ry) <= width / 2
        self._each_pixel(on, colour)

    def disc(self, cx, cy, radius, colour):
        self._each_pixel(lambda px, py: math.hypot(px - cx, py - cy) <= radius, colour)

    def arrow(self, x0, x1, cy, shaft, head, head_length, colour):
        """An arrow pointing right from x0 to its tip at x1, centred on cy: a shaft
        `shaft` units high and a head `head` units high."""
        base = x1 - head_length
        self.polygon([(x0, cy - shaft / 2), (base, cy - shaft / 2), (base, cy - head / 2), (x1, cy),
                      (base, cy + head / 2), (base, cy + shaft / 2), (x0, cy + shaft / 2)], colour)


def page(p, x0=2, y0=1, x1=11, y1=14, ear=3):
    """A sheet of paper with its top right corner folded down."""
    p.rect(x0, y0, x1, y1, BLACK, WHITE)
    right, top = x1 + 1, y0
    # Cut the corner off, then draw the fold.
    p.polygon([(right - ear - 0.5, top - 1), (right + 1, top - 1), (right + 1, top + ear + 1.5)], CLEAR)
    p.polygon([(right - ear, top + 0.5), (right - 0.5, top + ear), (right - ear, top + ear)], SILVER)
    p.line(x1 - ear, y0, x1, y0 + ear, BLACK)
    p.line(x1 - ear, y0 + 1, x1 - ear, y0 + ear, GREY)
    p.line(x1 - ear, y0 + ear, x1 - 1, y0 + ear, GREY)


def add_wordsnap(p):
    page(p, 1, 0, 10, 13)
    for y in (4, 6, 8):
        p.line(3, y, 7, y, GREY)
    p.rect(9, 9, 15, 15, DARK_GREEN, GREEN)
    p.line(12, 10, 12, 14, WHITE)
    p.line(10, 12, 14, 12, WHITE)


def edit_wordsnap(p):
    page(p, 1, 0, 10, 14)
    for y in (4, 6, 8, 10):
        p.line(3, y, 7, y, GREY)
    # A pencil from its eraser at the top right down to its tip at the bottom left.
    top, tip = (15.2, 2.8), (6.6, 11.4)
    along = (tip[0] - top[0], tip[1] - top[1])
    length = math.hypot(*along)
    ux, uy = along[0] / length, along[1] / length
    nx, ny = -uy, ux  # across the pencil

    def at(t, side):
        return (top[0] + ux * t + nx * side, top[1] + uy * t + ny * side)

    body_end = length - 2.6
    for side0, side1, colour in ((-1.5, -0.5, YELLOW), (-0.5, 0.5, ORANGE), (0.5, 1.5, BROWN)):
        p.polygon([at(1.4, side0), at(body_end, side0), at(body_end, side1), at(1.4, side1)], colour)
    p.polygon([at(0, -1.5), at(1.4, -1.5), at(1.4, 1.5), at(0, 1.5)], PINK)
    p.polygon([at(body_end, -1.5), at(length, 0), at(body_end, 1.5)], SILVER)
    p.polygon([at(length - 1.1, -0.6), at(length + 0.2, 0), at(length - 1.1, 0.6)], BLACK)


def activate_wordsnap(p):
    p.stroke([(2.5, 8.5), (6.5, 12.5), (14.8, 3.2)], 2.3, GREEN)


def find_next(p):
    # A magnifying glass...
    p.stroke([(9.5, 7.5), (12.8, 10.8)], 2.2, BLACK)
    p.disc(7, 4, 4.1, BLACK)
    p.disc(7, 4, 4.1 - max(1, p.pen) / p.scale, GLASS)
    p.stroke([(8.2, 1.9), (9.4, 3.1), (9.4, 4.6)], 0.9, WHITE)
    # ...and an arrow on to the next find.
    p.arrow(0, 7, 12, 2, 6, 3, BLUE)


def prefix_keys(p):
    # A key of the keyboard with "ab" on it.
    p.rect(0, 2, 15, 14, BLACK, SILVER)
    p.line(1, 3, 14, 3, WHITE)
    p.line(1, 3, 1, 12, WHITE)
    p.line(2, 13, 14, 13, GREY)
    p.line(14, 4, 14, 13, GREY)
    if p.size > DESIGN:
        # Round letters at the larger sizes.
        width = 1.1
        p.stroke([(3.9, 7.6), (6.2, 7.6), (7.4, 8.6), (7.4, 12)], width, BLACK)
        p.ring(5.4, 10.3, 2.0, 1.25, width, BLACK)
        p.stroke([(9.5, 5), (9.5, 12)], width, BLACK)
        p.ring(11.1, 9.8, 1.75, 1.75, width, BLACK)
        return
    # Letters placed pixel by pixel at 16: "a"...
    p.line(4, 7, 6, 7, BLACK)
    p.line(7, 8, 7, 11, BLACK)
    p.line(4, 9, 6, 9, BLACK)
    p.line(3, 10, 3, 10, BLACK)
    p.line(4, 11, 6, 11, BLACK)
    # ...and "b".
    p.line(9, 5, 9, 11, BLACK)
    p.line(10, 7, 11, 7, BLACK)
    p.line(12, 8, 12, 10, BLACK)
    p.line(10, 11, 11, 11, BLACK)


def output_list(p):
    page(p, 0, 0, 9, 14)
    for y in (3, 5, 7, 9, 11):
        p.line(2, y, 6, y, NAVY)
    p.arrow(8, 16, 8.5, 3, 7, 4, BLUE)


def exit_program(p):
    # An open door in its frame, and an arrow leaving through it.
    p.rect(1, 0, 10, 15, BLACK, DARK_GREY)
    p.polygon([(2, 1), (4, 1), (6, 3.2), (6, 13), (4, 15), (2, 15)], BROWN)
    p.dot(4, 7, YELLOW)
    p.arrow(7, 16, 8.5, 3, 7, 4, RED)


PICTURES = [add_wordsnap, edit_wordsnap, activate_wordsnap, find_next, prefix_keys, output_list, exit_program]


def draw(picture, size):
    p = Picture(size)
    picture(p)
    return p


def write_bmp(path: Path, pictures, size) -> None:
    width, height = size * len(pictures), size
    row_bytes = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for picture in pictures:
            for colour in picture.px[y]:
                r, g, b = colour
                row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    path.write_bytes(header + info + pixels)


if __name__ == "__main__":
    here = Path(__file__).parent
    for size, name in SIZES.items():
        write_bmp(here / name, [draw(picture, size) for picture in PICTURES], size)
