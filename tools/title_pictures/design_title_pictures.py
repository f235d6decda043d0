#!/usr/bin/env python3
"""design_title_pictures.py ARTDIR: prints the title bar pictures of the
installer window's stored design (installer/frm_install.dfm) as design
binary values, taken from the MacOS pictures kestrova-skinart draws into
ARTDIR: the close button's normal, mouse-over and pressed frames (17 x 17)
and the left, right and middle title sections (48, 48 and 49 x 23).

Each value is a picture's design data: the class name as a length-prefixed
string ("\\x07TBitmap"), then a 24-bit BMP file."""
import argparse
import os
import struct

TITLE_BUTTON_FRAMES = 18
CLOSE_FIRST_FRAME = 16  # normal, mouse-over, pressed: frames 16, 17, 18


def read_bmp(path):
    """Rows of (r, g, b), top row first, from an 8- or 24-bit BMP."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    header_size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    colours, = struct.unpack_from("<I", data, 46)
    palette = []
    if bits == 8:
        base = 14 + header_size
        for i in range(colours or 256):
            b, g, r, _ = data[base + 4 * i: base + 4 * i + 4]
            palette.append((r, g, b))
    stride = (width * bits // 8 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        if bits == 8:
            row = [palette[data[start + x]] for x in range(width)]
        else:
            row = [tuple(reversed(data[start + 3 * x: start + 3 * x + 3])) for x in range(width)]
        rows.append(row)
    return rows[::-1] if height > 0 else rows


def bmp24(rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 0, 0, 0, 0)
    return header + info + bytes(body)


def crop(rows, left, width):
    return [row[left:left + width] for row in rows]


def design_value(rows, indent):
    data = b"\x07TBitmap" + bmp24(rows)
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    return "{\n" + "\n".join(indent + line for line in lines) + "}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("artdir")
    args = parser.parse_args()
    art = lambda name: read_bmp(os.path.join(args.artdir, name + ".bmp"))
    strip = art("MACOS_TITLEBTN")
    frame = len(strip[0]) // TITLE_BUTTON_FRAMES
    indent = " " * 10
    for name, index in (("PicNormal", 0), ("PicMouseOn", 1), ("PicMouseDown", 2)):
        rows = crop(strip, (CLOSE_FIRST_FRAME - 1 + index) * frame, frame)
        print(f"        {name}.Data = {design_value(rows, indent)}")
    for name in ("MACOS_TITLE_LEFT", "MACOS_TITLE_RIGHT", "MACOS_TITLE_CLIENT"):
        print(f"        Picture.Data ({name}) = {design_value(art(name), indent)}")


if __name__ == "__main__":
    main()
