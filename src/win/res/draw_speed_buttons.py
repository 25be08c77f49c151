#!/usr/bin/env python3
"""Draws speed_buttons.bmp: the 16 x 16 pictures of the main window's speed buttons
that the common controls' standard toolbar images have no fit for, side by side,
in the order of the SpeedImage enumeration in SpeedButtons.cpp (PICTURES below).
Magenta is transparent.

Run it from anywhere after changing a picture; the bitmap is kept in the repository.
"""
import struct
from pathlib import Path

SIZE = 16
CLEAR = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
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


class Picture:
    def __init__(self):
        self.px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour, fill=None):
        """Outline from (x0, y0) to (x1, y1) inclusive, optionally filled inside."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge:
                    self.dot(x, y, colour)
                elif fill is not None:
                    self.dot(x, y, fill)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            t = i / steps if steps else 0
            self.dot(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), colour)

    def pattern(self, x0, y0, rows, colours):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in colours:
                    self.dot(x0 + dx, y0 + dy, colours[ch])


def page(p, x0=2, y0=1, x1=11, y1=14, ear=3):
    """A sheet of paper with a folded top-right corner."""
    p.rect(x0, y0, x1, y1, BLACK, WHITE)
    for dy in range(ear + 1):
        for dx in range(ear + 1):
            x, y = x1 - ear + dx, y0 + dy
            if dx > dy:
                p.dot(x, y, CLEAR)
            elif 0 < dx < dy:
                p.dot(x, y, SILVER)
    p.line(x1 - ear, y0, x1, y0 + ear, BLACK)
    p.line(x1 - ear, y0 + 1, x1 - ear, y0 + ear, GREY)
    p.line(x1 - ear, y0 + ear, x1 - 1, y0 + ear, GREY)


def add_wordsnap():
    p = Picture()
    page(p, 1, 0, 10, 13)
    for y in (4, 6, 8):
        p.line(3, y, 7, y, GREY)
    p.rect(9, 9, 15, 15, DARK_GREEN, GREEN)
    p.line(12, 10, 12, 14, WHITE)
    p.line(10, 12, 14, 12, WHITE)
    return p


def edit_wordsnap():
    p = Picture()
    page(p, 1, 0, 10, 14)
    for y in (4, 6, 8, 10):
        p.line(3, y, 7, y, GREY)
    # A pencil from the top right down to its tip at the bottom left.
    for i in range(7):
        x, y = 14 - i, 3 + i
        p.dot(x, y, ORANGE)
        p.dot(x + 1, y, YELLOW)
        p.dot(x, y + 1, BROWN)
    p.dot(15, 2, PINK)
    p.dot(14, 2, PINK)
    p.dot(15, 3, PINK)
    p.dot(7, 10, SILVER)
    p.dot(6, 11, BLACK)
    p.dot(7, 11, SILVER)
    return p


def activate_wordsnap():
    p = Picture()
    p.pattern(1, 2, [
        "             gg",
        "            ggg",
        "           ggg ",
        "          ggg  ",
        "         ggg   ",
        " g      ggg    ",
        "ggg    ggg     ",
        " ggg  ggg      ",
        "  ggg ggg      ",
        "   ggggg       ",
        "    ggg        ",
        "     g         ",
    ], {"g": GREEN})
    return p


def find_next():
    p = Picture()
    # A magnifying glass...
    p.pattern(3, 0, [
        "  bbbb    ",
        " bcccwb   ",
        "bccccwcb  ",
        "bcccccwb  ",
        "bccccccb  ",
        "bccccccb  ",
        " bccccb   ",
        "  bbbbbb  ",
        "       bbb",
        "        bb",
    ], {"b": BLACK, "c": (224, 240, 255), "w": WHITE})
    # ...and an arrow on to the next find.
    p.pattern(0, 9, [
        "    n  ",
        "    nn ",
        "nnnnnnn",
        "nnnnnnn",
        "    nn ",
        "    n  ",
    ], {"n": BLUE})
    return p


def prefix_keys():
    p = Picture()
    # A key of the keyboard with "ab" on it.
    p.rect(0, 2, 15, 14, BLACK, SILVER)
    p.line(1, 3, 14, 3, WHITE)
    p.line(1, 3, 1, 12, WHITE)
    p.line(2, 13, 14, 13, GREY)
    p.line(14, 4, 14, 13, GREY)
    p.pattern(3, 5, [
        "      b    ",
        "      b    ",
        " aaa  bbb  ",
        "    a b  b ",
        " aaaa b  b ",
        "a   a b  b ",
        " aaaa bbb  ",
    ], {"a": BLACK, "b": BLACK})
    return p


def output_list():
    p = Picture()
    page(p, 0, 0, 9, 14)
    for y in (3, 5, 7, 9, 11):
        p.line(2, y, 6, y, NAVY)
    p.pattern(8, 5, [
        "    n   ",
        "    nn  ",
        "nnnnnnn ",
        "nnnnnnnn",
        "nnnnnnn ",
        "    nn  ",
        "    n   ",
    ], {"n": BLUE})
    return p


def exit_program():
    p = Picture()
    # An open door in its frame, and an arrow leaving through it.
    p.rect(1, 0, 10, 15, BLACK, (96, 96, 96))
    p.pattern(2, 1, [
        "dd      ",
        "ddd     ",
        "dddd    ",
        "dddd    ",
        "dddd    ",
        "dddd    ",
        "ddyd    ",
        "dddd    ",
        "dddd    ",
        "dddd    ",
        "dddd    ",
        "dddd    ",
        "ddd     ",
        "dd      ",
    ], {"d": BROWN, "y": YELLOW})
    p.pattern(7, 5, [
        "     r   ",
        "     rr  ",
        "rrrrrrrr ",
        "rrrrrrrrr",
        "rrrrrrrr ",
        "     rr  ",
        "     r   ",
    ], {"r": RED})
    return p


PICTURES = [add_wordsnap, edit_wordsnap, activate_wordsnap, find_next, prefix_keys, output_list, exit_program]


def write_bmp(path: Path, pictures) -> None:
    width, height = SIZE * len(pictures), SIZE
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
    write_bmp(Path(__file__).with_name("speed_buttons.bmp"), [draw() for draw in PICTURES])
