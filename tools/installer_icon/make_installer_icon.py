#!/usr/bin/env python3
"""make_installer_icon.py OUT.ico: draws the installer's icon, one 32 x 32
image in the 16 standard VGA colours: a monitor showing a night sky with a
drifting square, and a green arrow pointing down into it (install)."""
import argparse
import struct

# The 16-colour palette every 4-bit icon is shown with, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, DARK_GREEN, TEAL, SILVER, GREY = 0, 4, 2, 6, 7, 8
GREEN, YELLOW, BLUE, CYAN, WHITE = 10, 11, 12, 14, 15
SIZE = 32


def draw():
    """Returns (colour index rows, see-through rows), top row first."""
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]
    clear = [[True] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        pixels[y][x] = colour
        clear[y][x] = False

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                put(x, y, colour)

    # Monitor: silver case with a dark edge, navy screen, stand and foot.
    box(1, 5, 30, 25, BLACK)
    box(2, 6, 29, 24, SILVER)
    box(2, 6, 29, 6, WHITE)
    box(2, 6, 2, 24, WHITE)
    box(4, 8, 27, 21, GREY)
    box(5, 9, 27, 21, NAVY)
    box(12, 26, 19, 27, GREY)
    box(8, 28, 23, 30, BLACK)
    box(9, 28, 22, 29, SILVER)
    put(25, 23, GREEN)
    # The screensaver: stars and a square drifting across the screen.
    for x, y in [(7, 11), (11, 18), (16, 10), (24, 12), (22, 19), (8, 15)]:
        put(x, y, WHITE)
    box(17, 14, 22, 18, BLUE)
    box(18, 15, 21, 17, CYAN)
    put(9, 12, YELLOW)
    # Install arrow, coming down from the top into the screen.
    box(9, 0, 14, 9, BLACK)
    box(10, 0, 13, 9, GREEN)
    box(11, 0, 11, 9, WHITE)
    for row in range(6):
        y = 10 + row
        x0, x1 = 6 + row, 17 - row
        for x in range(x0, x1 + 1):
            put(x, y, GREEN if x0 < x < x1 else DARK_GREEN)
    return pixels, clear


def icon_bytes():
    pixels, clear = draw()
    # Rows bottom-up; 4 bits per pixel (16 bytes a row) and a 1-bit mask
    # (4 bytes a row): both already multiples of 4 bytes.
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = pixels[y]
        xor += bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if clear[y][x] else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


class ArgumentParser(argparse.ArgumentParser):
    """The tools' conventions: a usage error is one line and status 2."""

    def error(self, message):
        self.exit(2, f"{self.prog}: {message} (see --help)\n")


def main():
    parser = ArgumentParser(prog="make_installer_icon.py", usage="%(prog)s [-h] OUT.ico",
                            description="Draws the installer's icon: one 32 x 32 image in the "
                            "16 standard VGA colours.")
    parser.add_argument("out", metavar="OUT.ico", nargs="?", help="the icon file to write")
    # An unknown option is named before a missing argument, as in the C++ tools.
    args, unknown = parser.parse_known_args()
    if unknown:
        parser.error("unrecognized arguments: " + " ".join(unknown))
    if args.out is None:
        parser.error("the following arguments are required: OUT.ico")
    with open(args.out, "wb") as out:
        out.write(icon_bytes())


if __name__ == "__main__":
    main()
