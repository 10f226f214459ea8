"""The 16 colours of the toolbar bitmaps and the icon, in the order of the standard VGA palette."""

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

INDEX = {name: i for i, (name, _) in enumerate(VGA16)}
RGB = {name: rgb for name, rgb in VGA16}

# An icon pixel that shows whatever lies behind the icon.
CLEAR = "clear"


def luminance(name):
    r, g, b = RGB[name]
    return 0.299 * r + 0.587 * g + 0.114 * b
