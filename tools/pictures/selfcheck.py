"""Checks what the build writes: every file parses back to the picture it was made from, the
animation has the form the animation control needs, and the resource script names exactly these
files under the right ids. The toolbar's pressed and greyed bitmaps are also checked, as read
back, against their enabled bitmap: pressed ones are darker, greyed ones keep the ink's edges on
the face."""

import re

from . import about_animation, avi, dib, palette, rle8, toolbar

# Rows that reach the encoder's limits: runs and literals longer than one code can hold, odd
# literal lengths (padded), pairs inside literals, one- and two-pixel leftovers at a row's end.
ENCODER_ROWS = [
    [7] * 300,
    [i % 256 for i in range(300)],
    [1, 2, 3],
    [1, 2, 3, 4, 5, 5],
    [1, 1, 2, 2, 3, 3, 4, 4, 5],
    [9, 8, 8, 7, 6, 6, 6, 6, 5],
    [0] * 255 + [1],
    [0, 1] * 130,
    [4],
    [4, 5],
]


def _check_encoder():
    for row in ENCODER_ROWS:
        frame = [row, list(reversed(row))]
        if rle8.decode(rle8.encode(frame), len(row), 2) != frame:
            raise AssertionError(f"RLE8 round trip fails for a row starting {row[:8]}")


def _check_animation(output):
    frames, colours = output.picture
    info, decoded, read_colours = avi.read(output.data)
    expected = {
        "microseconds_per_frame": about_animation.MICROSECONDS_PER_FRAME,
        "total_frames": about_animation.FRAMES,
        "streams": 1,
        "width": about_animation.WIDTH,
        "height": about_animation.HEIGHT,
        "stream_type": b"vids",
        "handler": avi.HANDLER,
        "length": about_animation.FRAMES,
        "frame_rect": (0, 0, about_animation.WIDTH, about_animation.HEIGHT),
        "frame_chunks": about_animation.FRAMES,
    }
    for key, value in expected.items():
        if info[key] != value:
            raise AssertionError(f"{output.file_name}: {key} is {info[key]!r}, expected {value!r}")
    if not info["flags"] & avi.AVIF_HASINDEX:
        raise AssertionError(f"{output.file_name}: the header does not announce the index")
    if info["rate"] / info["scale"] != 1_000_000 / about_animation.MICROSECONDS_PER_FRAME:
        raise AssertionError(f"{output.file_name}: stream rate disagrees with the frame time")
    bitmap = info["bitmap"]
    width, height, planes, bits, compression = bitmap[1:6]
    if (width, height, planes, bits, compression) != (160, 120, 1, 8, avi.BI_RLE8):
        raise AssertionError(f"{output.file_name}: not a 160 by 120 BI_RLE8 8-bit stream")
    if read_colours[: len(colours)] != colours:
        raise AssertionError(f"{output.file_name}: palette differs from the drawing's")
    for number, (got, want) in enumerate(zip(decoded, frames)):
        if got != want:
            raise AssertionError(f"{output.file_name}: frame {number} decodes to another picture")


def _check_picture(output):
    if output.resource_type == "BITMAP":
        if dib.read_bmp(output.data) != _rgb(output.picture):
            raise AssertionError(f"{output.file_name} does not read back as its picture")
    elif output.resource_type == "ICON":
        if dib.read_ico(output.data) != output.picture:
            raise AssertionError(f"{output.file_name} does not read back as its pictures")
    else:
        _check_animation(output)


def _rgb(picture):
    return [[palette.RGB[name] for name in row] for row in picture]


def _face_pixels():
    for y in range(toolbar.FACE_TOP, toolbar.FACE_BOTTOM + 1):
        for x in range(toolbar.FACE_LEFT, toolbar.FACE_RIGHT + 1):
            yield x, y


def _check_pressed(enabled, pressed, file_name):
    """The sunken frame in its exact colours; the picture one pixel right and down, every
    colour but the face and black strictly darker than where it comes from."""
    frame = _rgb(toolbar.sunken_frame())
    moved = {(x + 1, y + 1): enabled[y][x] for x, y in _face_pixels()}
    for y, row in enumerate(pressed):
        for x, got in enumerate(row):
            was = moved.get((x, y))
            if was is None:
                ok = got == frame[y][x]
            elif was in (palette.RGB["silver"], palette.RGB["black"]):
                ok = got == was
            else:
                ok = palette.luminance(got) < palette.luminance(was)
            if not ok:
                raise AssertionError(f"{file_name}: pixel ({x}, {y}) is {got}, from {was} enabled")


def _check_greyed(enabled, greyed, file_name):
    """The picture's ink in grey on the face, and no white directly left of or above ink: each
    stroke's leading edges stay on the face, so that one-pixel gaps in lettering stay open."""
    ink = {(x, y) for x, y in _face_pixels() if toolbar.is_ink(enabled[y][x])}
    for x, y in _face_pixels():
        got = greyed[y][x]
        if (x, y) in ink:
            ok = got == palette.RGB["grey"]
        else:
            white = got == palette.RGB["white"] and not toolbar.before_ink((x, y), ink)
            ok = white or got == palette.RGB["silver"]
        if not ok:
            raise AssertionError(f"{file_name}: pixel ({x}, {y}) is {got}, ink next to it")


def _check_button_states(outputs):
    read = {o.resource_id: dib.read_bmp(o.data) for o in outputs if o.resource_type == "BITMAP"}
    names = {o.resource_id: o.file_name for o in outputs}
    for _, bitmap_id, can_grey in toolbar.BUTTONS:
        pressed_id, greyed_id = bitmap_id + 100, bitmap_id + 200
        _check_pressed(read[bitmap_id], read[pressed_id], names[pressed_id])
        if can_grey:
            _check_greyed(read[bitmap_id], read[greyed_id], names[greyed_id])


def resource_statements(script_text, header_text):
    """(type, id, file) of every picture statement of the resource script, names resolved."""
    names = dict(re.findall(r"^\s*#define\s+(\w+)\s+(\d+)\s*$", header_text, re.MULTILINE))
    statements = set()
    pattern = r'^\s*(\w+)\s+(BITMAP|ICON|AVI)\s+"([^"]+)"\s*$'
    for name, kind, file_name in re.findall(pattern, script_text, re.MULTILINE):
        if not name.isdigit() and name not in names:
            raise AssertionError(f"resource id {name} is not defined in the header")
        statements.add((kind, int(names.get(name, name)), file_name))
    return statements


def check(outputs, script_text, header_text):
    _check_encoder()
    for output in outputs:
        _check_picture(output)
    _check_button_states(outputs)
    made = {(o.resource_type, o.resource_id, o.file_name) for o in outputs}
    named = resource_statements(script_text, header_text)
    if made != named:
        missing = sorted(made - named)
        extra = sorted(named - made)
        raise AssertionError(f"resource script differs: not named {missing}, not made {extra}")
