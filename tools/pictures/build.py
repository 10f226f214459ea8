"""What the build makes from res/pictures/: each output file with its resource id and contents."""

from pathlib import Path

from . import about_animation, avi, dib, pixelart, toolbar

ICON_ID = 103
ICON_FILE = "marlix.ico"
ICON_SIZES = (32, 16)  # each drawn in res/pictures/icon_<size>.txt
ANIMATION_ID = 242
ANIMATION_FILE = "about.avi"


class Output:
    def __init__(self, resource_type, resource_id, file_name, data, picture):
        self.resource_type = resource_type  # as the resource script names it
        self.resource_id = resource_id
        self.file_name = file_name
        self.data = data
        self.picture = picture  # what the file must decode back to


def button_pictures(source_dir):
    """(name, id, can_grey, raised picture) of every toolbar button, frame checked."""
    out = []
    for name, bitmap_id, can_grey in toolbar.BUTTONS:
        path = Path(source_dir) / f"button_{name}.txt"
        picture = pixelart.load(path, toolbar.WIDTH, toolbar.HEIGHT)
        toolbar.check_raised(picture, path)
        out.append((name, bitmap_id, can_grey, picture))
    return out


def icon_pictures(source_dir):
    return [
        pixelart.load(Path(source_dir) / f"icon_{size}.txt", size, size, allow_clear=True)
        for size in ICON_SIZES
    ]


def outputs(source_dir):
    """Every picture resource of the program, in resource-id order within each type."""
    result = []
    for name, bitmap_id, can_grey, picture in button_pictures(source_dir):
        for state in toolbar.bitmaps(name, bitmap_id, can_grey, picture):
            state_id, file_name, state_picture = state
            data = dib.bmp_bytes(state_picture)
            result.append(Output("BITMAP", state_id, file_name, data, state_picture))
    result.sort(key=lambda o: o.resource_id)

    icons = icon_pictures(source_dir)
    result.append(Output("ICON", ICON_ID, ICON_FILE, dib.ico_bytes(icons), icons))

    frames, colours = about_animation.indexed(about_animation.frames())
    data = avi.write(
        frames,
        about_animation.WIDTH,
        about_animation.HEIGHT,
        colours,
        about_animation.MICROSECONDS_PER_FRAME,
    )
    result.append(Output("AVI", ANIMATION_ID, ANIMATION_FILE, data, (frames, colours)))
    return result
