"""The toolbar's button bitmaps: each button is drawn once, raised, in res/pictures/button_*.txt;
its pressed and greyed bitmaps are derived from that drawing here so that the three always agree.
"""

from . import palette

WIDTH, HEIGHT = 30, 24

# (name, bitmap id of the enabled button, whether the button can be greyed). The pressed bitmap
# is id + 100, the greyed one id + 200; only the buttons that the main window disables have one.
BUTTONS = [
    ("open_list", 101, False),
    ("open_winini", 102, False),
    ("save_winini", 103, True),
    ("save_list", 104, True),
    ("add_fonts", 105, True),
    ("remove_fonts", 106, True),
    ("print_list", 107, False),
]

# The face inside the frame: columns 1..27, rows 1..21 of the raised button. The frame's inner
# top and left lines are face-coloured, and so are the sunken frame's inner bottom and right
# lines, so moving the face one pixel right and down when pressed loses nothing.
FACE_LEFT, FACE_TOP, FACE_RIGHT, FACE_BOTTOM = 1, 1, 27, 21

# A greyed button keeps the shape of the picture's dark pixels only (outlines and strong
# colours); light fills drop out into the face, as on a greyed system button.
INK_LUMINANCE_BELOW = 160


def is_ink(rgb):
    return palette.luminance(rgb) < INK_LUMINANCE_BELOW


def before_ink(point, ink):
    """Whether a pixel lies directly left of or above an ink pixel."""
    x, y = point
    return (x + 1, y) in ink or (x, y + 1) in ink


def _frame(top_left_outer, top_left_inner, bottom_right_inner, bottom_right_outer):
    """A 30 by 24 button frame, two lines thick, around a face of silver."""
    rows = [["silver"] * WIDTH for _ in range(HEIGHT)]
    for x in range(WIDTH):
        rows[0][x] = top_left_outer
        rows[HEIGHT - 1][x] = bottom_right_outer
    for y in range(HEIGHT):
        rows[y][0] = top_left_outer
        rows[y][WIDTH - 1] = bottom_right_outer
    for x in range(1, WIDTH - 1):
        rows[1][x] = top_left_inner
        rows[HEIGHT - 2][x] = bottom_right_inner
    for y in range(1, HEIGHT - 1):
        rows[y][1] = top_left_inner
        rows[y][WIDTH - 2] = bottom_right_inner
    # The corners where the top-left and bottom-right edges meet belong to the bottom-right
    # edge, as the system draws its buttons.
    rows[HEIGHT - 1][0] = bottom_right_outer
    rows[HEIGHT - 2][1] = bottom_right_inner
    return rows


def raised_frame():
    return _frame("white", "silver", "grey", "black")


def sunken_frame():
    return _frame("black", "grey", "silver", "white")


def _is_face(x, y):
    return FACE_LEFT <= x <= FACE_RIGHT and FACE_TOP <= y <= FACE_BOTTOM


def check_raised(picture, source):
    """The drawing must be a complete raised button: its frame exactly the standard one."""
    frame = raised_frame()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if not _is_face(x, y) and picture[y][x] != frame[y][x]:
                raise ValueError(
                    f"{source}: frame pixel ({x}, {y}) is {picture[y][x]}, "
                    f"a raised button has {frame[y][x]} there"
                )


def pressed(picture):
    """The same picture in a sunken button: one pixel right and down, every colour but the face
    in its darker shade (the bitmap then carries its own colour table)."""
    out = sunken_frame()
    for y in range(FACE_TOP, FACE_BOTTOM + 1):
        for x in range(FACE_LEFT, FACE_RIGHT + 1):
            colour = picture[y][x]
            out[y + 1][x + 1] = colour if colour == "silver" else palette.darker(colour)
    return out


def greyed(picture):
    """The picture embossed in grey: its dark pixels in grey over a white copy one pixel right
    and down, on the plain face of a raised button. The white copy stops short of the next
    stroke, so that every stroke's left and top edges stand on the face: white running into
    the gaps of small lettering such as "WIN" smears it into one blot."""
    out = raised_frame()
    ink = {
        (x, y)
        for y in range(FACE_TOP, FACE_BOTTOM + 1)
        for x in range(FACE_LEFT, FACE_RIGHT + 1)
        if is_ink(palette.RGB[picture[y][x]])
    }
    for x, y in ink:
        shadow = (x + 1, y + 1)
        if _is_face(*shadow) and shadow not in ink and not before_ink(shadow, ink):
            out[y + 1][x + 1] = "white"
    for x, y in ink:
        out[y][x] = "grey"
    return out


def bitmaps(name, bitmap_id, can_grey, picture):
    """The bitmaps of one button: (id, file name, picture) for each of its states."""
    out = [
        (bitmap_id, f"{name}_enabled.bmp", picture),
        (bitmap_id + 100, f"{name}_pressed.bmp", pressed(picture)),
    ]
    if can_grey:
        out.append((bitmap_id + 200, f"{name}_disabled.bmp", greyed(picture)))
    return out
