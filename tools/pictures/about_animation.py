"""The About box animation: a printer prints a type specimen page, which then rises out of view.

The frames are drawn here from the parameters below; this code and these numbers are the source
of the picture. 58 frames at 10 per second, 160 by 120 pixels, at most 256 colours.
"""

WIDTH, HEIGHT = 160, 120
FRAMES = 58
MICROSECONDS_PER_FRAME = 100_000

# Timeline, in frames: the printer waits, feeds the page out of its top, shows it, lets it go.
IDLE_UNTIL = 6  # frames 0..5: printer ready, no page
PRINTED_BY = 42  # frames 6..41: the page comes out 2 pixels a frame
RISE_FROM = 50  # frames 42..49: the page stands; 50..57: it rises away, faster and faster

# Scene, in pixels.
SKY_TOP, SKY_BOTTOM = (6, 10, 70), (30, 62, 150)
DESK_TOP = 100
DESK_NEAR, DESK_FAR = (58, 52, 70), (84, 76, 96)
SHADOW = (40, 36, 52)
BODY = (214, 211, 202)
BODY_LIGHT = (238, 236, 230)
BODY_SHADE = (176, 173, 164)
BODY_DARK = (132, 130, 124)
OUTLINE = (52, 54, 64)
SLOT = (24, 24, 30)
LED_ON, LED_ON_CORE, LED_OFF = (40, 210, 60), (180, 255, 170), (28, 72, 34)
PAPER, PAPER_EDGE = (255, 255, 255), (200, 204, 214)
INK = (16, 16, 24)
TEXT_GREY = (120, 122, 130)

PRINTER_LEFT, PRINTER_RIGHT = 28, 132
TOP_Y, FRONT_Y, TRAY_Y, FOOT_Y = 72, 80, 98, 106
SLOT_LEFT, SLOT_RIGHT, SLOT_Y = 44, 116, 76
LED_X, LED_Y = 118, 86

PAGE_WIDTH, PAGE_HEIGHT = 54, 72
PAGE_LEFT = 53
PAGE_RISE = 2  # pixels per printing frame: 36 frames bring out the 72 rows

# Type on the page: a serif "A" and a double-storey "a", in units of 1/100 of the cap height.
CAP_HEIGHT = 24
GLYPH_TOP = 5
SUBSAMPLES = 4
INK_LEVELS = 8


def _mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def _polygon_contains(points, u, v):
    inside = False
    for (u1, v1), (u2, v2) in zip(points, points[1:] + points[:1]):
        if (v1 > v) != (v2 > v) and u < u1 + (v - v1) * (u2 - u1) / (v2 - v1):
            inside = not inside
    return inside


def _in_ellipse(u, v, cu, cv, ru, rv):
    return ((u - cu) / ru) ** 2 + ((v - cv) / rv) ** 2 <= 1


def _capital_a(u, v):
    thin_leg = [(44, -2), (50, -2), (14, 100), (8, 100)]
    thick_leg = [(44, -2), (58, -2), (96, 100), (77, 100)]
    crossbar = [(24, 62), (80, 62), (82, 69), (22, 69)]
    feet = [(0, 96), (26, 96), (26, 100), (0, 100)], [(68, 96), (104, 96), (104, 100), (68, 100)]
    return any(_polygon_contains(p, u, v) for p in (thin_leg, thick_leg, crossbar, *feet))


def _small_a(u, v):
    stem = [(48, 54), (59, 54), (59, 92), (66, 97), (66, 100), (55, 100), (48, 94)]
    if _polygon_contains(stem, u, v):
        return True
    arch = v < 60 and _in_ellipse(u, v, 32, 60, 27, 22) and not _in_ellipse(u, v, 33, 62, 17, 14)
    if arch and u > 14:
        return True
    if _in_ellipse(u, v, 15, 56, 8, 7):  # ball terminal of the arch
        return True
    bowl = _in_ellipse(u, v, 28, 84, 25, 17) and not _in_ellipse(u, v, 31, 85, 14, 10)
    return bowl and u < 56 and v > 66


GLYPHS = [(_capital_a, 0), (_small_a, 114)]  # shape and its left edge, in glyph units
GLYPHS_WIDTH = 180  # from the A's left foot to the a's tail


def _page_picture():
    """The printed page as rows of (r, g, b)."""
    rows = [[PAPER] * PAGE_WIDTH for _ in range(PAGE_HEIGHT)]
    scale = CAP_HEIGHT / 100
    left = (PAGE_WIDTH - GLYPHS_WIDTH * scale) / 2
    for y in range(GLYPH_TOP - 1, GLYPH_TOP + CAP_HEIGHT + 1):
        for x in range(PAGE_WIDTH):
            hits = 0
            for i in range(SUBSAMPLES):
                for j in range(SUBSAMPLES):
                    u = (x + (j + 0.5) / SUBSAMPLES - left) / scale
                    v = (y + (i + 0.5) / SUBSAMPLES - GLYPH_TOP) / scale
                    hits += any(shape(u - at, v) for shape, at in GLYPHS)
            level = round(hits / SUBSAMPLES**2 * INK_LEVELS)
            rows[y][x] = _mix(PAPER, INK, level / INK_LEVELS)
    rule = GLYPH_TOP + CAP_HEIGHT + 5
    for x in range(6, PAGE_WIDTH - 6):
        rows[rule][x] = TEXT_GREY
    # Lines of small text: words of a fixed, varied rhythm, the last line of each paragraph short.
    words = [5, 3, 7, 4, 6, 2, 5, 8, 3, 4, 6, 5, 3, 7, 2, 4, 5, 6, 3, 5, 4, 7, 3, 6]
    line_ends = {3: 30, 7: 22}
    word = 0
    for line in range(8):
        y = rule + 5 + line * 4
        x, end = 6, PAGE_WIDTH - 6 if line not in line_ends else 6 + line_ends[line]
        while True:
            length = words[word % len(words)]
            word += 1
            if x + length > end:
                break
            for dx in range(length):
                rows[y][x + dx] = TEXT_GREY
                rows[y + 1][x + dx] = TEXT_GREY
            x += length + 2
    for y in range(PAGE_HEIGHT):
        rows[y][PAGE_WIDTH - 1] = PAPER_EDGE
    return rows


def _background():
    rows = []
    for y in range(HEIGHT):
        if y < DESK_TOP:
            # Two-row bands keep the sky to a few dozen colours.
            rows.append([_mix(SKY_TOP, SKY_BOTTOM, (y // 2 * 2) / DESK_TOP)] * WIDTH)
        else:
            rows.append([_mix(DESK_FAR, DESK_NEAR, (y - DESK_TOP) / (HEIGHT - DESK_TOP))] * WIDTH)
    # The printer's shadow on the desk.
    for y in range(FOOT_Y - 2, FOOT_Y + 6):
        for x in range(PRINTER_LEFT - 6, PRINTER_RIGHT + 10):
            if _in_ellipse(x, y, (PRINTER_LEFT + PRINTER_RIGHT) / 2 + 3, FOOT_Y + 1, 60, 5):
                rows[y][x] = SHADOW
    return rows


def _fill(rows, left, top, right, bottom, colour):
    for y in range(top, bottom):
        for x in range(left, right):
            rows[y][x] = colour


def _draw_printer(rows, led_on):
    # The top face narrows towards the back.
    for y in range(TOP_Y, FRONT_Y):
        inset = (FRONT_Y - y) // 2
        for x in range(PRINTER_LEFT + inset, PRINTER_RIGHT - inset):
            rows[y][x] = BODY_LIGHT if y > TOP_Y else OUTLINE
        rows[y][PRINTER_LEFT + inset] = OUTLINE
        rows[y][PRINTER_RIGHT - inset - 1] = OUTLINE
    _fill(rows, SLOT_LEFT, SLOT_Y, SLOT_RIGHT, SLOT_Y + 2, SLOT)
    _fill(rows, SLOT_LEFT, SLOT_Y + 2, SLOT_RIGHT, SLOT_Y + 3, BODY_SHADE)
    # Front face, paper tray, feet.
    _fill(rows, PRINTER_LEFT, FRONT_Y, PRINTER_RIGHT, FOOT_Y, BODY)
    _fill(rows, PRINTER_LEFT, FRONT_Y, PRINTER_RIGHT, FRONT_Y + 1, BODY_DARK)
    _fill(rows, PRINTER_LEFT, TRAY_Y, PRINTER_RIGHT, FOOT_Y, BODY_SHADE)
    _fill(rows, PRINTER_LEFT + 2, TRAY_Y, PRINTER_RIGHT - 2, TRAY_Y + 1, BODY_DARK)
    handle = (PRINTER_LEFT + PRINTER_RIGHT) // 2
    _fill(rows, handle - 14, TRAY_Y + 3, handle + 14, TRAY_Y + 5, BODY_DARK)
    _fill(rows, handle - 14, TRAY_Y + 3, handle + 14, TRAY_Y + 4, OUTLINE)
    _fill(rows, PRINTER_RIGHT - 4, FRONT_Y + 1, PRINTER_RIGHT - 1, FOOT_Y, BODY_SHADE)
    for y in range(FRONT_Y, FOOT_Y):
        rows[y][PRINTER_LEFT] = OUTLINE
        rows[y][PRINTER_RIGHT - 1] = OUTLINE
    _fill(rows, PRINTER_LEFT, FOOT_Y - 1, PRINTER_RIGHT, FOOT_Y, OUTLINE)
    _fill(rows, PRINTER_LEFT + 4, FOOT_Y, PRINTER_LEFT + 12, FOOT_Y + 2, OUTLINE)
    _fill(rows, PRINTER_RIGHT - 12, FOOT_Y, PRINTER_RIGHT - 4, FOOT_Y + 2, OUTLINE)
    # Control panel: a recessed strip with a button and the ready light.
    _fill(rows, LED_X - 14, LED_Y - 2, LED_X + 7, LED_Y + 5, BODY_SHADE)
    _fill(rows, LED_X - 14, LED_Y - 2, LED_X + 7, LED_Y - 1, BODY_DARK)
    _fill(rows, LED_X - 11, LED_Y, LED_X - 5, LED_Y + 3, BODY_LIGHT)
    _fill(rows, LED_X - 11, LED_Y + 2, LED_X - 5, LED_Y + 3, BODY_DARK)
    _fill(rows, LED_X, LED_Y, LED_X + 4, LED_Y + 3, LED_ON if led_on else LED_OFF)
    if led_on:
        _fill(rows, LED_X + 1, LED_Y + 1, LED_X + 3, LED_Y + 2, LED_ON_CORE)


def _page_bottom(frame):
    """Where the page's bottom edge stands (None: no page), and whether it is still in the slot."""
    if frame < IDLE_UNTIL:
        return None, False
    if frame < PRINTED_BY:
        return SLOT_Y + PAGE_HEIGHT - PAGE_RISE * (frame - IDLE_UNTIL + 1), True
    if frame < RISE_FROM:
        return SLOT_Y, False
    step = (frame - RISE_FROM + 1) / (FRAMES - RISE_FROM)
    return SLOT_Y - round((SLOT_Y + 2) * step * step), False


def _draw_page(rows, page, bottom):
    top = bottom - PAGE_HEIGHT
    for y in range(max(top, 0), min(bottom, SLOT_Y + 1)):
        line = page[y - top]
        rows[y][PAGE_LEFT : PAGE_LEFT + PAGE_WIDTH] = line


def frames():
    """The animation as RGB frames (rows of (r, g, b), top row first)."""
    page = _page_picture()
    background = _background()
    out = []
    for frame in range(FRAMES):
        rows = [list(r) for r in background]
        bottom, printing = _page_bottom(frame)
        _draw_printer(rows, led_on=not printing or frame // 2 % 2 == 0)
        if bottom is not None:
            # The page stands in front of the back of the printer's top; below the slot the
            # printer hides it.
            _draw_page(rows, page, bottom)
        out.append(rows)
    return out


def indexed(rgb_frames):
    """The frames as palette indices, and the palette: every colour used, at most 256."""
    colours = sorted({pixel for f in rgb_frames for row in f for pixel in row})
    if len(colours) > 256:
        raise ValueError(f"the animation uses {len(colours)} colours, more than 256")
    index = {c: i for i, c in enumerate(colours)}
    return [[[index[p] for p in row] for row in f] for f in rgb_frames], colours
