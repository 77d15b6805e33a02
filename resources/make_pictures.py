#!/usr/bin/env python3
"""Draws the control window's pictures: the "Previous" and "Next" bitmap-button strips (three
66 x 32 frames each: normal, hot, pressed, 24 bits per pixel, magenta where the window shows
through) and the window and notification-area icons (32 x 32 and 16 x 16, 256 colours).

Plain Python; ImageMagick's convert only rasterises the captions into a grey mask.
Run it from anywhere: it writes next to itself.
"""
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
KEY = (255, 0, 255)
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


def blank(width, height, color):
    return [[color for _ in range(width)] for _ in range(height)]


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def text_mask(text, width, height, pointsize, x, y):
    """Coverage 0..255 of the text drawn at (x, y) baseline, from ImageMagick."""
    raw = subprocess.run(
        ["convert", "-size", f"{width}x{height}", "xc:black", "-font", FONT,
         "-pointsize", str(pointsize), "-fill", "white", "-annotate", f"+{x}+{y}", text,
         "-depth", "8", "gray:-"], check=True, capture_output=True).stdout
    return [[raw[row * width + col] for col in range(width)] for row in range(height)]


def inside_rounded(x, y, left, top, right, bottom, radius):
    """Whether pixel centre (x, y) lies in the rounded rectangle [left, right) x [top, bottom)."""
    cx, cy = x + 0.5, y + 0.5
    if not (left <= cx <= right and top <= cy <= bottom):
        return False
    nx = min(max(cx, left + radius), right - radius)
    ny = min(max(cy, top + radius), bottom - radius)
    return (cx - nx) ** 2 + (cy - ny) ** 2 <= radius ** 2


def button_frame(caption, arrow_left, look):
    """One 66 x 32 frame: a rounded pill with a vertical gradient, an arrow and the caption."""
    width, height = 66, 32
    top_color, bottom_color, text_color, border = {
        "normal": ((96, 140, 205), (38, 78, 150), (255, 255, 255), (22, 44, 92)),
        "hot": ((140, 190, 250), (60, 120, 210), (255, 255, 210), (28, 62, 130)),
        "pressed": ((30, 62, 122), (70, 112, 180), (225, 235, 255), (14, 30, 64)),
    }[look]
    shift = 1 if look == "pressed" else 0
    frame = blank(width, height, KEY)
    left, top, right, bottom = 1, 1 + shift, 65, 30 + shift
    for y in range(height):
        for x in range(width):
            if not inside_rounded(x, y, left, top, right, bottom, 9):
                continue
            edge = not inside_rounded(x, y, left + 1, top + 1, right - 1, bottom - 1, 8)
            if edge:
                frame[y][x] = border
            else:
                t = (y - top) / (bottom - top)
                color = mix(top_color, bottom_color, t)
                if y - top < 6 and look != "pressed":  # a soft gloss on the upper part
                    color = mix(color, (255, 255, 255), 0.18 * (1 - (y - top) / 6))
                frame[y][x] = color
    # The arrow: a solid triangle, 7 wide and 11 high, at the outer side.
    arrow_x = 6 if arrow_left else 52
    mid = 15 + shift
    for dy in range(-5, 6):
        span = 7 - round(abs(dy) * 7 / 6)
        for dx in range(span):
            x = arrow_x + (dx if not arrow_left else 6 - dx)
            frame[mid + dy][x] = text_color
    text_x = 15 if arrow_left else 10
    mask = text_mask(caption, width, height, 11, text_x, 20 + shift)
    for y in range(height):
        for x in range(width):
            if mask[y][x] and frame[y][x] != KEY:
                frame[y][x] = mix(frame[y][x], text_color, mask[y][x] / 255)
    return frame


def strip(caption, arrow_left):
    frames = [button_frame(caption, arrow_left, look) for look in ("normal", "hot", "pressed")]
    return [sum((frame[y] for frame in frames), []) for y in range(32)]


def write_bmp24(path, pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + body)


def icon_picture(size, face_top, face_bottom, bar_colors):
    """The enhancer sign: rising level bars and a plus on a rounded tile."""
    scale = size / 32
    image = blank(size, size, None)
    for y in range(size):
        for x in range(size):
            if inside_rounded(x, y, 0, 0, size, size, 6 * scale):
                edge = not inside_rounded(x, y, 1, 1, size - 1, size - 1, 5 * scale)
                image[y][x] = (16, 24, 48) if edge else mix(face_top, face_bottom, y / size)
    # Five bars growing from left to right.
    for bar in range(5):
        x0 = round((4 + bar * 5) * scale)
        x1 = round((8 + bar * 5) * scale)
        y0 = round((24 - bar * 4) * scale)
        y1 = round(27 * scale)
        for y in range(y0, y1):
            for x in range(x0, x1):
                image[y][x] = mix(bar_colors[0], bar_colors[1], bar / 4)
    # The plus in the upper left: more sound.
    c, arm, half = round(9 * scale), round(5 * scale), max(1, round(1.5 * scale))
    for d in range(-arm, arm + 1):
        for w in range(-half, half):
            image[c + w][c + d] = (255, 255, 255)
            image[c + d][c + w] = (255, 255, 255)
    return image


def palette_of(images):
    """Up to 255 colours of the pictures (index 0 stays for the transparent corners)."""
    counts = {}
    for image in images:
        for row in image:
            for color in row:
                if color is not None:
                    counts[color] = counts.get(color, 0) + 1
    return [(0, 0, 0)] + sorted(counts, key=lambda c: -counts[c])[:255]


def nearest(palette, color):
    return min(range(1, len(palette)),
               key=lambda i: sum((palette[i][k] - color[k]) ** 2 for k in range(3)))


def icon_entry(image, palette):
    """A 256-colour icon image: header, palette, XOR bitmap, AND mask, rows bottom-up."""
    size = len(image)
    lookup = {}
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(image):
        for color in row:
            if color is None:
                xor.append(0)
            else:
                if color not in lookup:
                    lookup[color] = nearest(palette, color)
                xor.append(lookup[color])
        bits = bytearray(mask_stride)
        for x, color in enumerate(row):
            if color is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask),
                         0, 0, 256, 0)
    colors = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    colors += bytes(4 * (256 - len(palette)))
    return header + colors + xor + mask


def write_ico(path, images):
    palette = palette_of(images)
    entries = [icon_entry(image, palette) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, entry in zip(images, entries):
        size = len(image)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(entry),
                                 offset)
        offset += len(entry)
    with open(path, "wb") as out:
        out.write(directory + b"".join(entries))


def main():
    write_bmp24(os.path.join(HERE, "previous.bmp"), strip("Previous", True))
    write_bmp24(os.path.join(HERE, "next.bmp"), strip("Next", False))
    window = ((70, 130, 220), (20, 50, 120))
    window_bars = ((120, 230, 140), (250, 220, 80))
    write_ico(os.path.join(HERE, "enhancer.ico"),
              [icon_picture(32, *window, window_bars), icon_picture(16, *window, window_bars)])
    tray = ((255, 170, 60), (190, 80, 20))
    tray_bars = ((255, 255, 255), (255, 240, 160))
    write_ico(os.path.join(HERE, "enhancer_tray.ico"),
              [icon_picture(32, *tray, tray_bars), icon_picture(16, *tray, tray_bars)])


if __name__ == "__main__":
    main()
