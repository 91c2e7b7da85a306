#!/usr/bin/env python3
"""Writes the program's icon group and hand cursor from their pixel maps.

    resources/draw_pictures.py      (re)writes gamereg.ico and hand.cur

icon.txt is drawn at 32 x 32 and scaled (nearest pixel) to 128, 64, 48, 32
and 16 pixels, each a 32-bit image with its mask. hand_cursor.txt becomes a
32 x 32 monochrome cursor whose hot spot is the map's '@'.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_SIZES = (128, 64, 48, 32, 16)
PALETTE = {  # BGRA
    'k': (0x20, 0x20, 0x20, 0xFF),
    'b': (0xB0, 0x50, 0x10, 0xFF),
    'l': (0xF0, 0xB0, 0x60, 0xFF),
    'w': (0xFF, 0xFF, 0xFF, 0xFF),
    'g': (0x30, 0xC0, 0x30, 0xFF),
    'd': (0x10, 0x70, 0x10, 0xFF),
}


def read_map(name):
    """The 32 rows of a map; lines that begin with ';' are comments."""
    with open(os.path.join(HERE, name), encoding='utf-8') as f:
        rows = [line.rstrip('\n') for line in f if not line.startswith(';')]
    grid = [row.ljust(32)[:32] for row in rows[:32]]
    return grid + [' ' * 32] * (32 - len(grid))


def mask_rows(width, height, transparent):
    """The AND mask, bottom row first, rows padded to 32 bits."""
    stride = (width + 31) // 32 * 4
    data = b''
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        data += bytes(row)
    return data


def icon_image(grid, size):
    pick = lambda x, y: grid[y * 32 // size][x * 32 // size]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''
    for y in reversed(range(size)):
        for x in range(size):
            pixels += bytes(PALETTE.get(pick(x, y), (0, 0, 0, 0)))
    return header + pixels + mask_rows(size, size, lambda x, y: pick(x, y) not in PALETTE)


def write_icon(grid):
    images = [icon_image(grid, size) for size in ICON_SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(ICON_SIZES, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(os.path.join(HERE, 'gamereg.ico'), 'wb') as f:
        f.write(out + b''.join(images))


def write_cursor(grid):
    hot = next((x, y) for y, row in enumerate(grid) for x, c in enumerate(row) if c == '@')
    white = lambda x, y: grid[y][x] in '.@'
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0))
    # XOR bits: 1 for white; AND bits: 1 where the screen shows through.
    xor = mask_rows(32, 32, white)
    image = header + palette + xor + mask_rows(32, 32, lambda x, y: grid[y][x] == ' ')
    out = struct.pack('<HHH', 0, 2, 1)
    out += struct.pack('<BBBBHHII', 32, 32, 2, 0, hot[0], hot[1], len(image), 22)
    with open(os.path.join(HERE, 'hand.cur'), 'wb') as f:
        f.write(out + image)


write_icon(read_map('icon.txt'))
write_cursor(read_map('hand_cursor.txt'))
