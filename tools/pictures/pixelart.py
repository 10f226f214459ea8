"""Reads the text pixel art under res/pictures/.

A picture file is:

    # comment lines (what the picture shows)
    k black            legend: one character, a colour name, an optional note
    y yellow   folder
    picture
    kkkk....           exactly `height` rows of exactly `width` characters

Colour names are those of palette.VGA16, and "clear" where transparency is allowed (icons).
Blank lines and comments may stand anywhere before "picture"; nothing but blank lines after
the rows.
"""

from . import palette


class ArtError(Exception):
    pass


def parse(text, width, height, source="picture", allow_clear=False):
    """Returns the picture as `height` rows of `width` colour names."""
    legend = {}
    lines = text.splitlines()
    number = 0
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if not stripped or stripped.startswith("#"):
            continue
        if stripped == "picture":
            break
        fields = stripped.split()
        if len(fields[0]) != 1 or len(fields) < 2:
            raise ArtError(f"{source}:{number}: legend line must be '<char> <colour> [note]'")
        char, colour = fields[0], fields[1]
        known = colour in palette.INDEX or (allow_clear and colour == palette.CLEAR)
        if not known:
            raise ArtError(f"{source}:{number}: unknown colour '{colour}'")
        if char in legend:
            raise ArtError(f"{source}:{number}: '{char}' is already in the legend")
        legend[char] = colour
    else:
        raise ArtError(f"{source}: no 'picture' line")

    rows = lines[number : number + height]
    if len(rows) != height:
        raise ArtError(f"{source}: {len(rows)} picture rows, expected {height}")
    picture = []
    for offset, row in enumerate(rows):
        where = f"{source}:{number + 1 + offset}"
        if len(row) != width:
            raise ArtError(f"{where}: row is {len(row)} characters wide, expected {width}")
        unknown = sorted(set(row) - legend.keys())
        if unknown:
            raise ArtError(f"{where}: characters not in the legend: {''.join(unknown)!r}")
        picture.append([legend[c] for c in row])
    if any(line.strip() for line in lines[number + height :]):
        raise ArtError(f"{source}: text after the last picture row")
    return picture


def load(path, width, height, allow_clear=False):
    with open(path, encoding="ascii") as f:
        return parse(f.read(), width, height, str(path), allow_clear)
