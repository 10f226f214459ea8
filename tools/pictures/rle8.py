"""8-bit run-length encoding of DIB frames (BI_RLE8), and a decoder for the self-check.

Every frame is encoded whole, bottom row first, without delta escapes, so that each frame is a
key frame and draws the same whatever was shown before it.
"""

ESCAPE, END_OF_LINE, END_OF_BITMAP, DELTA = 0, 0, 1, 2
MAX_RUN = 255
MIN_ABSOLUTE = 3  # absolute runs of 1 or 2 bytes would read as the escapes above


def _run_length(row, start):
    value, end = row[start], start + 1
    while end < len(row) and end - start < MAX_RUN and row[end] == value:
        end += 1
    return end - start


def _encode_row(row):
    out = bytearray()
    i = 0
    while i < len(row):
        run = _run_length(row, i)
        if run >= 2:
            out += bytes((run, row[i]))
            i += run
            continue
        # Gather pixels that do not start a run of 3 or more into one absolute run.
        end = i + 1
        while end < len(row) and end - i < MAX_RUN and _run_length(row, end) < 3:
            end += 1
        literal = row[i:end]
        if len(literal) >= MIN_ABSOLUTE:
            out += bytes((ESCAPE, len(literal))) + bytes(literal)
            if len(literal) % 2:
                out.append(0)  # absolute runs end on a 16-bit boundary
        else:
            for pixel in literal:
                out += bytes((1, pixel))
        i = end
    return out


def encode(rows):
    """Encodes a frame given as rows of palette indices, top row first."""
    out = bytearray()
    stored = list(reversed(rows))
    for number, row in enumerate(stored):
        out += _encode_row(row)
        if number < len(stored) - 1:
            out += bytes((ESCAPE, END_OF_LINE))
    out += bytes((ESCAPE, END_OF_BITMAP))
    return bytes(out)


def decode(data, width, height):
    """Decodes a BI_RLE8 frame into rows of indices, top row first. Pixels that the data never
    sets are None; data that runs past the frame or past its end raises ValueError."""
    stored = [[None] * width for _ in range(height)]
    x = y = i = 0

    def take(count):
        nonlocal i
        if i + count > len(data):
            raise ValueError(f"frame data ends inside a code at byte {i}")
        chunk = data[i : i + count]
        i += count
        return chunk

    def put(pixel):
        nonlocal x
        if y >= height or x >= width:
            raise ValueError(f"pixel outside the frame at ({x}, {y}) from the bottom")
        stored[y][x] = pixel
        x += 1

    while True:
        count, value = take(2)
        if count:
            for _ in range(count):
                put(value)
        elif value == END_OF_LINE:
            x, y = 0, y + 1
        elif value == END_OF_BITMAP:
            break
        elif value == DELTA:
            right, up = take(2)
            x, y = x + right, y + up
        else:
            for pixel in take(value):
                put(pixel)
            if value % 2:
                take(1)
    if i != len(data):
        raise ValueError(f"{len(data) - i} bytes after the end of the bitmap")
    stored.reverse()
    return stored
