"""A silent AVI file with one BI_RLE8 video stream, as the system's animation control plays it,
and a reader that checks such a file for the self-check.

Layout: RIFF 'AVI ' { LIST 'hdrl' { avih, LIST 'strl' { strh, strf } }, LIST 'movi' { 00dc... },
idx1 }. The animation control counts every chunk inside 'movi' as a frame, so nothing else may
stand there.
"""

import struct

from . import rle8

AVIF_HASINDEX = 0x10
AVIIF_KEYFRAME = 0x10
BI_RLE8 = 1
FRAME_CHUNK = b"00dc"  # stream 0, compressed video
HANDLER = b"RLE "  # run-length DIBs: the animation control draws them without a codec

MAIN_HEADER = struct.Struct("<IIIIIIIIII16x")  # MainAVIHeader, 56 bytes
STREAM_HEADER = struct.Struct("<4s4sIHHIIIIIIIIhhhh")  # AVIStreamHeader, 56 bytes
BITMAP_HEADER = struct.Struct("<IiiHHIIiiII")  # BITMAPINFOHEADER, 40 bytes
INDEX_ENTRY = struct.Struct("<4sIII")


def _chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def _list(kind, body):
    return _chunk(b"LIST", kind + body)


def write(frames, width, height, colours, microseconds_per_frame):
    """frames: rows of palette indices (top row first); colours: up to 256 (r, g, b)."""
    if len(colours) > 256:
        raise ValueError("an 8-bit palette holds at most 256 colours")
    encoded = [rle8.encode(f) for f in frames]
    largest = max(len(e) for e in encoded)
    rate = 1_000_000 // microseconds_per_frame

    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    table += bytes(4 * (256 - len(colours)))
    bitmap = BITMAP_HEADER.pack(40, width, height, 1, 8, BI_RLE8, largest, 0, 0, 256, 0)
    stream = STREAM_HEADER.pack(b"vids", HANDLER, 0, 0, 0, 0, 1, rate, 0, len(frames), largest,
                                0xFFFFFFFF, 0, 0, 0, width, height)
    main = MAIN_HEADER.pack(microseconds_per_frame, largest * rate, 0, AVIF_HASINDEX, len(frames),
                            0, 1, largest, width, height)
    stream_list = _list(b"strl", _chunk(b"strh", stream) + _chunk(b"strf", bitmap + table))
    header_list = _list(b"hdrl", _chunk(b"avih", main) + stream_list)

    movie = bytearray()
    index = bytearray()
    for data in encoded:
        # Index offsets count from the 'movi' type code, which stands 4 bytes before the body.
        index += INDEX_ENTRY.pack(FRAME_CHUNK, AVIIF_KEYFRAME, 4 + len(movie), len(data))
        movie += _chunk(FRAME_CHUNK, data)
    body = b"AVI " + header_list + _list(b"movi", bytes(movie)) + _chunk(b"idx1", bytes(index))
    return _chunk(b"RIFF", body)


class AviError(ValueError):
    pass


def _chunks(data, start, end):
    """(fourcc, body start, body size) of each chunk between start and end."""
    out = []
    at = start
    while at < end:
        if at + 8 > end:
            raise AviError(f"truncated chunk header at {at}")
        fourcc, size = data[at : at + 4], struct.unpack_from("<I", data, at + 4)[0]
        if at + 8 + size > end:
            raise AviError(f"chunk {fourcc!r} at {at} runs past its parent")
        out.append((fourcc, at + 8, size))
        at += 8 + size + (size % 2)
    if at != end:
        raise AviError("chunk padding runs past its parent")
    return out


def _one_list(chunks, data, kind):
    found = [(s, n) for f, s, n in chunks if f == b"LIST" and data[s : s + 4] == kind]
    if len(found) != 1:
        raise AviError(f"expected one LIST {kind!r}, found {len(found)}")
    start, size = found[0]
    return _chunks(data, start + 4, start + size)


def _one_chunk(chunks, data, fourcc):
    found = [(s, n) for f, s, n in chunks if f == fourcc]
    if len(found) != 1:
        raise AviError(f"expected one {fourcc!r} chunk, found {len(found)}")
    start, size = found[0]
    return data[start : start + size]


def read(data):
    """Checks an AVI file written by write() and returns (info dict, decoded frames, colours)."""
    if data[:4] != b"RIFF" or data[8:12] != b"AVI ":
        raise AviError("not a RIFF AVI file")
    if struct.unpack_from("<I", data, 4)[0] + 8 != len(data):
        raise AviError("RIFF size does not match the file")
    top = _chunks(data, 12, len(data))
    header = _one_list(top, data, b"hdrl")
    main = MAIN_HEADER.unpack(_one_chunk(header, data, b"avih"))
    streams = [s for f, s, n in header if f == b"LIST" and data[s : s + 4] == b"strl"]
    if len(streams) != 1:
        raise AviError(f"expected one stream, found {len(streams)}")
    stream_list = _one_list(header, data, b"strl")
    stream = STREAM_HEADER.unpack(_one_chunk(stream_list, data, b"strh"))
    format_ = _one_chunk(stream_list, data, b"strf")
    bitmap = BITMAP_HEADER.unpack_from(format_, 0)

    info = {
        "microseconds_per_frame": main[0],
        "flags": main[3],
        "total_frames": main[4],
        "streams": main[6],
        "suggested_buffer": main[7],
        "width": main[8],
        "height": main[9],
        "stream_type": stream[0],
        "handler": stream[1],
        "scale": stream[6],
        "rate": stream[7],
        "length": stream[9],
        "stream_buffer": stream[10],
        "frame_rect": stream[13:17],
        "bitmap": bitmap,
    }
    colour_count = bitmap[9] or 256
    table = format_[40 : 40 + 4 * colour_count]
    colours = [(table[i + 2], table[i + 1], table[i]) for i in range(0, len(table), 4)]

    movie_start = [s for f, s, n in top if f == b"LIST" and data[s : s + 4] == b"movi"]
    movie = _one_list(top, data, b"movi")
    index = _one_chunk(top, data, b"idx1")
    if len(index) != INDEX_ENTRY.size * len(movie):
        raise AviError("idx1 does not have one entry per movie chunk")
    width, height = bitmap[1], bitmap[2]
    frames = []
    for number, (fourcc, start, size) in enumerate(movie):
        if fourcc != FRAME_CHUNK:
            raise AviError(f"movie chunk {number} is {fourcc!r}")
        entry = INDEX_ENTRY.unpack_from(index, INDEX_ENTRY.size * number)
        # The entry points at the chunk header, counted from the 'movi' type code.
        if entry != (FRAME_CHUNK, AVIIF_KEYFRAME, start - 8 - movie_start[0], size):
            raise AviError(f"idx1 entry {number} does not describe its chunk")
        if size > bitmap[6] or size > main[7] or size > stream[10]:
            raise AviError(f"frame {number} is larger than the sizes the headers announce")
        frames.append(rle8.decode(data[start : start + size], width, height))
    info["frame_chunks"] = len(movie)
    return info, frames, colours
