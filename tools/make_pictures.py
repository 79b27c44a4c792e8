#!/usr/bin/env python3
"""Generate the pictures used by the Rune Check List window.

Writes, deterministically and with the standard library only:
  mainwindow/pictures/rune00.gif ... rune32.gif  28 x 28 GIF89a, one frame,
                                             64-colour table, no transparency
  mainwindow/pictures/app.ico                    program icon, 32 x 32 and 16 x 16,
                                             4 bits per pixel
  mainwindow/pictures/app32.bmp, app16.bmp       the same two images, the window's
                                             icon (Qt reads BMP itself)
  packaging/icons/16.png ... 256.png         the same icon for the desktop,
                                             RGBA, transparent around the page
Each file is read back and decoded afterwards to check it.

Run from the repository root:
  python3 tools/make_pictures.py           write and check the files
  python3 tools/make_pictures.py --sheet   also write /tmp/runes_sheet.png and
                                           /tmp/app_icon.png (previews, 4x / 8x)
"""
import math
import os
import struct
import sys
import zlib
from collections import Counter

OUT_DIR = os.path.join("mainwindow", "pictures")
ICON_DIR = os.path.join("packaging", "icons")
ICON_SIZES = [16, 32, 48, 64, 128, 256]
SIZE = 28

# Rune names in catalogue order and their glyphs. A glyph is a list of line
# segments "x1y1x2y2" on a grid 0..4 wide and 0..6 tall (y grows downwards).
RUNES = [
    ("El", "2026 2043"), ("Eld", "2026 2042 2244"), ("Tir", "2026 0220 2042"),
    ("Nef", "0006 4046 0046"), ("Eth", "0006 0043 4306"),
    ("Ith", "2026 0242 0444"), ("Tal", "0023 4023 2326"),
    ("Ral", "1016 1033 3314 1436"), ("Ort", "2026 2133 3325 2513 1321"),
    ("Thul", "2026 2002 2644"), ("Amn", "0600 0022 2240 4046"),
    ("Sol", "0040 4046 0646 0602 0232"), ("Shae", "0006 4046 0244 0442"),
    ("Dol", "0046 4006 0040"), ("Hel", "2026 0321 0325"),
    ("Po", "0620 2046 0646"), ("Lum", "0046 4006 2026"),
    ("Ko", "0040 2026 2345"), ("Fal", "3013 1333 3316"),
    ("Lem", "1030 3036 3616 0343"), ("Pul", "0016 1623 2336 3640"),
    ("Um", "0006 0646 4640 2224"), ("Mal", "0040 0646 4006"),
    ("Ist", "2026 0426 4426 0141"), ("Gul", "0040 0646 2026 1333"),
    ("Vex", "0006 4046 0046 4006"),
    ("Ohm", "0616 1603 0310 1030 3043 4336 3646"),
    ("Lo", "2026 0242 0444 0204 4244"), ("Sur", "2026 0002 0242 4240"),
    ("Ber", "2043 4326 2603 0320 2026 0343"),
    ("Jo", "0022 2240 0424 2444 2426"),
    ("Cham", "0040 4046 4606 0600 0046 4006"),
    ("Zod", "0601 0113 1321 2133 3341 4146 0646"),
]

# Tablet colour and glyph colour for each tier of eleven runes.
TIERS = [
    ((128, 124, 116), (236, 240, 255)),   # grey stone, pale glyph
    ((46, 96, 132), (255, 214, 96)),      # blue stone, gold glyph
    ((128, 34, 46), (255, 190, 80)),      # red stone, amber glyph
]

LIGHT = (-0.6, -0.8)          # light comes from the upper left
STROKE = 1.6                  # glyph line width in pixels


def segments(text, x0, y0, sx, sy):
    """Turn "x1y1x2y2 ..." into pixel-space segments."""
    out = []
    for s in text.split():
        a, b, c, d = (int(ch) for ch in s)
        out.append((x0 + a * sx, y0 + b * sy, x0 + c * sx, y0 + d * sy))
    return out


def seg_dist(px, py, seg):
    ax, ay, bx, by = seg
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def box_sdf(px, py, cx, cy, hw, hh, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    qx, qy = abs(px - cx) - (hw - r), abs(py - cy) - (hh - r)
    return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r


def noise(x, y, k):
    h = (x * 73856093 ^ y * 19349663 ^ k * 83492791) & 0xFFFF
    return h / 65535.0 - 0.5


def render_rune(index):
    """Return 28 x 28 RGB tuples for one rune picture."""
    base, glow = TIERS[index // 11]
    segs = segments(RUNES[index][1], 7.5, 6.5, 3.0, 2.5)
    cx, cy, hw, hh, rad, bevel = 14.0, 14.0, 11.0, 12.0, 5.0, 2.2
    n = 4                                   # 4 x 4 samples per pixel
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            grain = 1.0 + 0.09 * noise(x, y, index)
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    px, py = x + (sx + 0.5) / n, y + (sy + 0.5) / n
                    d = box_sdf(px, py, cx, cy, hw, hh, rad)
                    if d > 0:
                        continue            # black background
                    f = grain * (1.08 - 0.22 * (py - 2) / 24)
                    if -d < bevel:          # bevel lit by its slope
                        gx = box_sdf(px + 0.01, py, cx, cy, hw, hh, rad) - d
                        gy = box_sdf(px, py + 0.01, cx, cy, hw, hh, rad) - d
                        gl = math.hypot(gx, gy) or 1.0
                        f *= 1.0 + 0.6 * (gx * LIGHT[0] + gy * LIGHT[1]) / gl
                    if -d < 0.8:
                        f *= 0.55           # dark rim
                    col = [c * f for c in base]
                    if min(seg_dist(px - 0.9, py - 0.9, s) for s in segs) < STROKE / 2 + 0.2:
                        col = [c * 0.3 for c in col]        # drop shadow
                    if min(seg_dist(px, py, s) for s in segs) < STROKE / 2:
                        col = [g * (1.05 - 0.12 * (py - 6) / 15) for g in glow]
                    for k in range(3):
                        acc[k] += col[k]
            pixels.append(tuple(max(0, min(255, int(v / (n * n) + 0.5))) for v in acc))
    return pixels


def quantise(pixels, count=64):
    """Median cut to count colours; entry 0 is kept pure black."""
    hist = Counter(p for p in pixels if p != (0, 0, 0))
    boxes = [sorted(hist)]
    while len(boxes) < count - 1:
        best, score = None, 0
        for i, b in enumerate(boxes):
            if len(b) > 1:
                s = max(max(c[k] for c in b) - min(c[k] for c in b) for k in range(3))
                if s > score:
                    best, score = i, s
        if best is None:
            break
        b = boxes.pop(best)
        ch = max(range(3), key=lambda k: max(c[k] for c in b) - min(c[k] for c in b))
        b.sort(key=lambda c: (c[ch], c))
        boxes += [b[:len(b) // 2], b[len(b) // 2:]]
    palette = [(0, 0, 0)]
    for b in boxes:
        w = sum(hist[c] for c in b)
        palette.append(tuple(int(sum(c[k] * hist[c] for c in b) / w + 0.5) for k in range(3)))
    palette += [(0, 0, 0)] * (count - len(palette))
    return palette, nearest_indexes(pixels, palette)


def nearest_indexes(pixels, palette):
    cache = {}
    for p in set(pixels):
        cache[p] = min(range(len(palette)), key=lambda i: sum(
            (palette[i][k] - p[k]) ** 2 for k in range(3)))
    return [cache[p] for p in pixels]


# --- GIF LZW ---------------------------------------------------------------

def lzw_encode(data, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def put(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    table, size, nxt = {}, min_size + 1, end + 1
    put(clear, size)
    prefix = data[0]
    for px in data[1:]:
        code = table.get((prefix, px))
        if code is not None:
            prefix = code
            continue
        put(prefix, size)
        if nxt < 4096:
            table[(prefix, px)] = nxt
            nxt += 1
            if nxt > (1 << size) and size < 12:
                size += 1
        else:                               # table full: start over
            put(clear, size)
            table, size, nxt = {}, min_size + 1, end + 1
        prefix = px
    put(prefix, size)
    if nxt == (1 << size) and size < 12:    # the decoder widens after this code
        size += 1
    put(end, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def lzw_decode(data, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits, pos = [], 0, 0, 0
    size, table, prev = min_size + 1, None, None
    while True:
        while nbits < size:
            if pos >= len(data):
                raise ValueError("LZW data ends without end code")
            acc |= data[pos] << nbits
            pos += 1
            nbits += 8
        code = acc & ((1 << size) - 1)
        acc >>= size
        nbits -= size
        if code == clear:
            size, prev = min_size + 1, None
            table = [(i,) for i in range(clear)] + [(), ()]
            continue
        if code == end:
            return out
        if table is None:
            raise ValueError("LZW data does not start with a clear code")
        if prev is None:
            entry = table[code]
        else:
            if code < len(table):
                entry = table[code]
            elif code == len(table):
                entry = prev + prev[:1]
            else:
                raise ValueError("bad LZW code %d" % code)
            if len(table) < 4096:
                table.append(prev + entry[:1])
                if len(table) == (1 << size) and size < 12:
                    size += 1
        out.extend(entry)
        prev = entry


# --- GIF file ----------------------------------------------------------------

def write_gif(path, w, h, palette, indexes):
    bits = max(1, (len(palette) - 1).bit_length())
    data = bytearray(b"GIF89a" + struct.pack("<HHBBB", w, h, 0xF0 | (bits - 1), 0, 0))
    for c in palette + [(0, 0, 0)] * ((1 << bits) - len(palette)):
        data += bytes(c)
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, w, h, 0)
    min_size = max(2, bits)
    data.append(min_size)
    lzw = lzw_encode(indexes, min_size)
    for i in range(0, len(lzw), 255):
        chunk = lzw[i:i + 255]
        data += bytes([len(chunk)]) + chunk
    data += b"\x00\x3B"
    with open(path, "wb") as f:
        f.write(data)


def read_gif(path):
    """Decode a one-frame GIF; return (w, h, palette, indexes)."""
    with open(path, "rb") as f:
        d = f.read()
    if d[:6] != b"GIF89a":
        raise ValueError("not GIF89a")
    w, h, flags = struct.unpack("<HHB", d[6:11])
    if not flags & 0x80:
        raise ValueError("no global colour table")
    n = 2 << (flags & 7)
    palette = [tuple(d[13 + 3 * i:16 + 3 * i]) for i in range(n)]
    pos, frames, pixels = 13 + 3 * n, 0, None
    while d[pos] != 0x3B:
        if d[pos] == 0x21:                  # extension: skip, refuse GCE
            if d[pos + 1] == 0xF9:
                raise ValueError("graphic control extension present")
            pos += 2
            while d[pos]:
                pos += d[pos] + 1
            pos += 1
        elif d[pos] == 0x2C:
            x, y, iw, ih, iflags = struct.unpack("<HHHHB", d[pos + 1:pos + 10])
            if (x, y, iw, ih) != (0, 0, w, h) or iflags & 0xC0:
                raise ValueError("unexpected image descriptor")
            min_size, pos = d[pos + 10], pos + 11
            lzw = bytearray()
            while d[pos]:
                lzw += d[pos + 1:pos + 1 + d[pos]]
                pos += d[pos] + 1
            pos += 1
            pixels = lzw_decode(bytes(lzw), min_size)
            frames += 1
        else:
            raise ValueError("unknown block 0x%02X" % d[pos])
    if frames != 1 or len(pixels) != w * h:
        raise ValueError("expected one full frame")
    return w, h, palette, pixels


# --- Window icon -------------------------------------------------------------

ICON_PALETTE = [
    (22, 28, 46), (0, 0, 0), (242, 234, 212), (196, 186, 160),
    (128, 122, 110), (58, 56, 54), (26, 112, 38), (92, 204, 72),
    (64, 66, 74), (118, 120, 128), (178, 180, 188), (252, 208, 84),
    (160, 112, 28), (255, 255, 255), (54, 66, 100), (10, 12, 20),
]


def icon_samples(size):
    """A checklist page with ticked boxes and a rune tablet, in 16 colours.

    Drawn in a 32 x 32 coordinate space and sampled down for smaller sizes,
    up for larger ones. Returns, per pixel, the colour sum of the samples that
    hit the drawing, how many did, and the number of samples per pixel.
    """
    k = 32.0 / size
    line = max(k, 1.0)                      # larger sizes keep the 32 x 32 lines
    thick = 1.0 + 0.5 * (line - 1)          # strokes stay visible when small
    if size < 24:                           # fewer, larger parts
        rows, tab = [9, 21], (23.0, 20.0, 9.0, 11.0)
        glyph = segments("2026 0220 2042", 19.0, 12.0, 2.0, 2.6)
    else:
        rows, tab = [7, 15, 23], (24.5, 22.5, 7.0, 8.5)
        glyph = segments("2026 0220 2042", 21.5, 16.5, 1.5, 2.0)
    P = ICON_PALETTE
    n = 4 if size <= 64 else 2
    out = []
    for y in range(size):
        for x in range(size):
            acc, hits = [0.0, 0.0, 0.0], 0
            for sy in range(n):
                for sx in range(n):
                    u, v = (x + (sx + 0.5) / n) * k, (y + (sy + 0.5) / n) * k
                    col = None
                    if 2 <= u < 22 and 1 <= v < 31:
                        col = P[3] if u >= 21 or v >= 30 else P[2]
                        for i, c in enumerate(rows):
                            if 4 <= u < 11 and c - 3.5 <= v < c + 3.5:
                                inside = 4 + line <= u < 11 - line and abs(v - c) < 3.5 - line
                                col = P[2] if inside else P[5]
                            elif 13 <= u < 20 and abs(v - c) < 1:
                                col = P[4]
                            if i < len(rows) - 1:          # tick mark
                                t = min(seg_dist(u, v, s) for s in [
                                    (5.0, c - 0.5, 7.5, c + 2.2), (7.5, c + 2.2, 12.5, c - 4.5)])
                                if t < thick * 1.4:
                                    col = P[7] if t < thick * 0.8 else P[6]
                    d = box_sdf(u, v, tab[0], tab[1], tab[2], tab[3], 2.5)
                    if d < 0:
                        col = P[9]
                        if d > -thick * 1.2:                # lit or shaded rim
                            col = P[10] if u + v < tab[0] + tab[1] else P[8]
                        if min(seg_dist(u, v, s) for s in glyph) < thick * 0.8:
                            col = P[11]
                    if col is not None:
                        hits += 1
                        for ch in range(3):
                            acc[ch] += col[ch]
            out.append((acc, hits))
    return out, n * n


def render_icon(size):
    """The icon on its dark square, as palette indexes for app.ico."""
    samples, total = icon_samples(size)
    bg = ICON_PALETTE[0]
    rgb = [tuple(int((a + (total - hits) * b) / total + 0.5) for a, b in zip(acc, bg))
           for acc, hits in samples]
    return nearest_indexes(rgb, ICON_PALETTE)


def render_icon_rgba(size):
    """The icon in full colour with the samples' coverage as alpha."""
    samples, total = icon_samples(size)
    return [tuple(int(a / hits + 0.5) for a in acc) + (int(255 * hits / total + 0.5),)
            if hits else (0, 0, 0, 0) for acc, hits in samples]


def bmp_image(size, indexes):
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    pixel_bytes = (xor_row + and_row) * size
    out = bytearray(struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                                pixel_bytes, 0, 0, 16, 0))
    for r, g, b in ICON_PALETTE:
        out += bytes((b, g, r, 0))
    for y in range(size - 1, -1, -1):                 # bottom-up rows
        row = indexes[y * size:(y + 1) * size]
        packed = bytes(row[i] << 4 | row[i + 1] for i in range(0, size, 2))
        out += packed + b"\0" * (xor_row - len(packed))
    out += b"\0" * (and_row * size)                   # mask: all opaque
    return bytes(out)


def write_bmp(path, size, indexes):
    """A 4-bit BMP file of the icon's image, with the icon's palette."""
    info = bytearray(bmp_image(size, indexes))
    row = (size * 4 + 31) // 32 * 4
    pixel_bytes = row * size
    struct.pack_into("<i", info, 8, size)                  # no mask below
    struct.pack_into("<I", info, 20, pixel_bytes)
    info = info[:40 + 64 + pixel_bytes]
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info), 0, 0, 14 + 40 + 64)
    with open(path, "wb") as f:
        f.write(header + info)


def write_ico(path, sizes):
    images = [bmp_image(s, render_icon(s)) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    with open(path, "wb") as f:
        f.write(out)


def read_ico(path):
    """Return [(size, rgb pixels top-down)] for each 4-bit image in the icon."""
    with open(path, "rb") as f:
        d = f.read()
    _, kind, count = struct.unpack("<HHH", d[:6])
    assert kind == 1, "not an icon"
    result = []
    for i in range(count):
        w, h, _, _, _, bpp, length, offset = struct.unpack("<BBBBHHII", d[6 + 16 * i:22 + 16 * i])
        hdr = struct.unpack("<IiiHHIIiiII", d[offset:offset + 40])
        assert bpp == 4 and hdr[0] == 40 and hdr[1] == w and hdr[2] == 2 * h and hdr[4] == 4
        pal = [tuple(d[offset + 40 + 4 * k:offset + 43 + 4 * k][::-1]) for k in range(16)]
        row, base = (w * 4 + 31) // 32 * 4, offset + 40 + 64
        px = []
        for y in range(h - 1, -1, -1):
            r = d[base + y * row:base + y * row + w // 2]
            for byte in r:
                px += [pal[byte >> 4], pal[byte & 15]]
        mask = d[base + row * h:offset + length]
        assert len(mask) == (w + 31) // 32 * 4 * h and not any(mask)
        result.append((w, px))
    return result


# --- Preview PNG -------------------------------------------------------------

def write_png(path, w, h, pixels):
    """RGB or RGBA by the length of the pixel tuples; 8 bits, no filter."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    colour_type = 6 if len(pixels[0]) == 4 else 2
    raw = b"".join(b"\0" + bytes(v for p in pixels[y * w:(y + 1) * w] for v in p)
                   for y in range(h))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def read_png(path):
    """Decode a PNG as write_png writes it; return (w, h, pixel tuples)."""
    with open(path, "rb") as f:
        d = f.read()
    if d[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not PNG")
    pos, header, idat = 8, None, b""
    while pos < len(d):
        length, kind = struct.unpack(">I4s", d[pos:pos + 8])
        data = d[pos + 8:pos + 8 + length]
        if struct.unpack(">I", d[pos + 8 + length:pos + 12 + length])[0] != zlib.crc32(kind + data):
            raise ValueError("bad CRC in " + kind.decode())
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", data)
        elif kind == b"IDAT":
            idat += data
        pos += 12 + length
    w, h, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError("unexpected PNG header")
    channels = 4 if colour_type == 6 else 3
    raw = zlib.decompress(idat)
    stride = 1 + w * channels
    if len(raw) != h * stride or any(raw[y * stride] for y in range(h)):
        raise ValueError("unexpected PNG rows")
    return w, h, [tuple(raw[y * stride + 1 + x * channels:y * stride + 1 + (x + 1) * channels])
                  for y in range(h) for x in range(w)]


def paste(canvas, cw, img, iw, ih, ox, oy, scale):
    for y in range(ih * scale):
        for x in range(iw * scale):
            canvas[(oy + y) * cw + ox + x] = img[(y // scale) * iw + x // scale]


def write_previews():
    scale, gap, cols = 4, 6, 11
    cell = SIZE * scale + gap
    cw, ch = cols * cell + gap, 3 * cell + gap
    canvas = [(60, 60, 64)] * (cw * ch)
    for i in range(len(RUNES)):
        _, _, pal, idx = read_gif(os.path.join(OUT_DIR, "rune%02d.gif" % i))
        paste(canvas, cw, [pal[k] for k in idx], SIZE, SIZE,
              gap + i % cols * cell, gap + i // cols * cell, scale)
    write_png("/tmp/runes_sheet.png", cw, ch, canvas)
    icons = read_ico(os.path.join(OUT_DIR, "app.ico"))
    iw = sum(s * 8 + 8 for s, _ in icons) + 8
    canvas = [(200, 200, 200)] * (iw * 272)
    x = 8
    for s, px in icons:
        paste(canvas, iw, px, s, s, x, 8, 8)
        x += s * 8 + 8
    write_png("/tmp/app_icon.png", iw, 272, canvas)
    print("previews: /tmp/runes_sheet.png /tmp/app_icon.png")


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    sizes = []
    for i in range(len(RUNES)):
        path = os.path.join(OUT_DIR, "rune%02d.gif" % i)
        palette, indexes = quantise(render_rune(i))
        write_gif(path, SIZE, SIZE, palette, indexes)
        w, h, pal, decoded = read_gif(path)
        assert (w, h) == (SIZE, SIZE) and len(pal) <= 64, path
        assert decoded == indexes, path + ": decoded pixels differ"
        sizes.append(os.path.getsize(path))
    probe = [(k * k * 7 + k // 5) % 64 for k in range(20000)]   # exercises table resets
    assert lzw_decode(lzw_encode(probe, 6), 6) == probe
    ico = os.path.join(OUT_DIR, "app.ico")
    write_ico(ico, [32, 16])
    assert os.path.getsize(ico) == 1078 and len(read_ico(ico)) == 2, "icon size"
    for size in [32, 16]:
        path = os.path.join(OUT_DIR, "app%d.bmp" % size)
        write_bmp(path, size, render_icon(size))
        with open(path, "rb") as f:
            d = f.read()
        # The icon's palette and pixels, without its mask.
        assert d[14 + 40:] == bmp_image(size, render_icon(size))[40:len(d) - 14], path + ": differs from the icon"
    os.makedirs(ICON_DIR, exist_ok=True)
    for size in ICON_SIZES:
        path = os.path.join(ICON_DIR, "%d.png" % size)
        rgba = render_icon_rgba(size)
        write_png(path, size, size, rgba)
        assert read_png(path) == (size, size, rgba), path + ": decoded pixels differ"
    print("%d GIFs checked, %d..%d bytes; app.ico %d bytes; %d PNG icons checked"
          % (len(sizes), min(sizes), max(sizes), os.path.getsize(ico), len(ICON_SIZES)))
    if "--sheet" in sys.argv[1:]:
        write_previews()


if __name__ == "__main__":
    main()
