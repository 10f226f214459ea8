"""16-colour device-independent bitmaps: .bmp files and .ico files, and readers for the self-check.

Pictures are lists of rows (top row first) of colour names of palette.RGB; in icons the name
palette.CLEAR marks a transparent pixel. A bitmap of VGA colours only has the VGA colour table;
one that uses other shades has a table of its own colours, still 16 entries and 4 bits a pixel.
"""

import struct

from . import palette

BI_RGB = 0
INFO_HEADER = struct.Struct("<IiiHHIIiiII")  # BITMAPINFOHEADER, 40 bytes
FILE_HEADER = struct.Struct("<2sIHHI")  # BITMAPFILEHEADER, 14 bytes
ICON_DIR = struct.Struct("<HHH")
ICON_ENTRY = struct.Struct("<BBBBHHII")


def row_stride(width, bits):
    """Bytes per stored row: rows are padded to whole 32-bit words."""
    return (width * bits + 31) // 32 * 4


def colour_table(names=palette.VGA16_NAMES):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in (palette.RGB[n] for n in names))


def colours_of(picture):
    """The 16 colour names of a bitmap's table: the VGA palette if that holds every pixel, else
    the picture's own colours, padded with black."""
    used = {name for row in picture for name in row}
    if used <= set(palette.VGA16_NAMES):
        return palette.VGA16_NAMES
    if len(used) > 16:
        raise ValueError(f"a 16-colour bitmap cannot hold {len(used)} colours")
    own = sorted(used, key=palette.ORDER.__getitem__)
    return own + ["black"] * (16 - len(own))


def pack_rows(rows, bits, value):
    """Packs rows bottom-up, `bits` per pixel, most significant pixel first in each byte."""
    width = len(rows[0])
    stride = row_stride(width, bits)
    per_byte = 8 // bits
    out = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, pixel in enumerate(row):
            shift = 8 - bits * (x % per_byte + 1)
            packed[x // per_byte] |= value(pixel) << shift
        out += packed
    return bytes(out)


def unpack_rows(data, width, height, bits):
    """The inverse of pack_rows: pixel values, top row first."""
    stride = row_stride(width, bits)
    if len(data) < stride * height:
        raise ValueError("pixel data is short")
    per_byte = 8 // bits
    mask = (1 << bits) - 1
    rows = []
    for stored in range(height):
        line = data[stride * stored : stride * (stored + 1)]
        rows.append(
            [line[x // per_byte] >> (8 - bits * (x % per_byte + 1)) & mask for x in range(width)]
        )
    rows.reverse()
    return rows


def info_header(width, height, bits, image_size, colours):
    return INFO_HEADER.pack(40, width, height, 1, bits, BI_RGB, image_size, 0, 0, colours, 0)


def bmp_bytes(picture):
    width, height = len(picture[0]), len(picture)
    names = colours_of(picture)
    pixels = pack_rows(picture, 4, names.index)
    table = colour_table(names)
    offset = FILE_HEADER.size + INFO_HEADER.size + len(table)
    head = FILE_HEADER.pack(b"BM", offset + len(pixels), 0, 0, offset)
    return head + info_header(width, height, 4, len(pixels), 16) + table + pixels


def _icon_image(picture):
    """One icon image: header of double height, colours, XOR pixels, AND mask (1 = clear)."""
    width, height = len(picture[0]), len(picture)
    xor = pack_rows(picture, 4, lambda name: 0 if name == palette.CLEAR else palette.INDEX[name])
    mask = pack_rows(picture, 1, lambda name: 1 if name == palette.CLEAR else 0)
    header = info_header(width, height * 2, 4, len(xor) + len(mask), 16)
    return header + colour_table() + xor + mask


def ico_bytes(pictures):
    """An .ico file holding each picture (square, at most 255 pixels) as a 16-colour image."""
    images = [_icon_image(p) for p in pictures]
    offset = ICON_DIR.size + ICON_ENTRY.size * len(images)
    out = bytearray(ICON_DIR.pack(0, 1, len(images)))
    for picture, image in zip(pictures, images):
        width, height = len(picture[0]), len(picture)
        out += ICON_ENTRY.pack(width, height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def read_bmp(data):
    """Parses a 16-colour .bmp file back into (r, g, b) pixels, as the program shows them;
    raises ValueError on any surprise."""
    magic, size, _, _, offset = FILE_HEADER.unpack_from(data, 0)
    if magic != b"BM" or size != len(data):
        raise ValueError("not a whole BMP file")
    fields = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
    header_size, width, height, planes, bits, compression, image_size = fields[:7]
    if (header_size, planes, bits, compression) != (40, 1, 4, BI_RGB):
        raise ValueError("not a 4-bit BITMAPINFOHEADER bitmap")
    table_at = FILE_HEADER.size + INFO_HEADER.size
    if fields[9] != 16 or offset != table_at + 64 or image_size != row_stride(width, 4) * height:
        raise ValueError("colour count, pixel offset or image size is wrong")
    table = data[table_at:offset]
    if any(table[3::4]):
        raise ValueError("a colour table entry has its reserved byte set")
    colours = [(table[i + 2], table[i + 1], table[i]) for i in range(0, 64, 4)]
    return [[colours[v] for v in row] for row in unpack_rows(data[offset:], width, height, 4)]


def read_ico(data):
    """Parses an .ico file of 16-colour images; returns one picture per image."""
    reserved, kind, count = ICON_DIR.unpack_from(data, 0)
    if (reserved, kind) != (0, 1) or count == 0:
        raise ValueError("not an icon file")
    pictures = []
    for i in range(count):
        entry = ICON_ENTRY.unpack_from(data, ICON_DIR.size + ICON_ENTRY.size * i)
        width, height, colours, _, planes, bits, size, offset = entry
        if (colours, planes, bits) != (16, 1, 4) or offset + size > len(data):
            raise ValueError(f"icon image {i} has a bad directory entry")
        image = data[offset : offset + size]
        fields = INFO_HEADER.unpack_from(image, 0)
        if fields[1:5] != (width, height * 2, 1, 4) or fields[5] != BI_RGB:
            raise ValueError(f"icon image {i} has a bad header")
        if image[INFO_HEADER.size : INFO_HEADER.size + 64] != colour_table():
            raise ValueError(f"icon image {i}: colour table is not the 16-colour palette")
        xor_at = INFO_HEADER.size + 64
        mask_at = xor_at + row_stride(width, 4) * height
        if mask_at + row_stride(width, 1) * height != size:
            raise ValueError(f"icon image {i} has the wrong size")
        xor = unpack_rows(image[xor_at:], width, height, 4)
        mask = unpack_rows(image[mask_at:], width, height, 1)
        picture = []
        for xor_row, mask_row in zip(xor, mask):
            row = []
            for value, clear in zip(xor_row, mask_row):
                if clear and value != 0:
                    raise ValueError(f"icon image {i}: a clear pixel is not black")
                row.append(palette.CLEAR if clear else palette.VGA16[value][0])
            picture.append(row)
        pictures.append(picture)
    return pictures
