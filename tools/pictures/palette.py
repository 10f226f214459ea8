"""The colours of the toolbar bitmaps and the icon: the 16 of the standard VGA palette, in its
order, and the darker shade of each that a pressed button shows its picture in."""

VGA16 = [
    ("black", (0, 0, 0)),
    ("maroon", (128, 0, 0)),
    ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("navy", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("grey", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("lime", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("fuchsia", (255, 0, 255)),
    ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]

VGA16_NAMES = [name for name, _ in VGA16]
INDEX = {name: i for i, name in enumerate(VGA16_NAMES)}
RGB = dict(VGA16)

# The VGA palette has no darker maroon, navy, green, grey, ... so a pressed picture gets shades of
# its own: every channel scaled by this, which keeps the hue and puts each shade apart from the
# frame's black, grey, silver and white.
DARKER_SCALE = 0.7


def darker(name):
    """The shade of a VGA colour in a pressed picture; black is as dark as it gets."""
    return name if name == "black" else f"dark {name}"


RGB.update(
    (darker(name), tuple(round(c * DARKER_SCALE) for c in rgb))
    for name, rgb in VGA16
    if name != "black"
)
# Colour table order: the VGA colours first, then the shades in the order of their colours.
ORDER = {name: i for i, name in enumerate(RGB)}

# An icon pixel that shows whatever lies behind the icon.
CLEAR = "clear"


def luminance(rgb):
    r, g, b = rgb
    return 0.299 * r + 0.587 * g + 0.114 * b
