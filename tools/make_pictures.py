#!/usr/bin/env python3
"""Draws marlix32's pictures from their text sources: the toolbar bitmaps (.bmp), the program icon
(.ico) and the About box animation (.avi), for the resource script res/pictures.rc.

    make_pictures.py OUTPUT_DIR            write the files (the build does this)
    make_pictures.py --check               check them without writing (a test runs this)
    make_pictures.py --preview DIR         write enlarged PNG views to look at
"""

import argparse
import sys
from pathlib import Path

# The build runs this from the source tree: leave no bytecode caches there.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from pictures import build, dib, avi, preview, selfcheck  # noqa: E402
from pictures.palette import RGB, CLEAR  # noqa: E402

REPO = Path(__file__).resolve().parent.parent


def write_outputs(outputs, directory):
    directory.mkdir(parents=True, exist_ok=True)
    for output in outputs:
        (directory / output.file_name).write_bytes(output.data)


def _rgb(picture):
    return [[None if c == CLEAR else RGB[c] for c in row] for row in picture]


def write_previews(outputs, directory, scale=4):
    """PNG views made from the written bytes read back, so they show what the program gets."""
    directory.mkdir(parents=True, exist_ok=True)
    by_id = {o.resource_id: o for o in outputs if o.resource_type == "BITMAP"}
    blank = [["silver"] * 30 for _ in range(24)]
    grid = []
    for enabled_id in sorted(i for i in by_id if i < 200):
        for state_id in (enabled_id, enabled_id + 100, enabled_id + 200):
            if state_id in by_id:
                grid.append(dib.read_bmp(by_id[state_id].data))
            else:
                grid.append(_rgb(blank))
    (directory / "toolbar_states.png").write_bytes(
        preview.png_bytes(preview.sheet(grid, 3, gap=2), scale)
    )
    # The toolbar strip as the program lays it out: button ids and their x positions.
    strip = [[RGB["silver"]] * 250 for _ in range(29)]
    strip[0] = [RGB["white"]] * 249 + [RGB["silver"]]
    strip[28] = [RGB["grey"]] * 249 + [RGB["silver"]]
    layout = ((101, 4), (104, 36), (107, 68), (102, 110), (103, 142), (105, 184), (106, 216))
    for enabled_id, x in layout:
        picture = dib.read_bmp(by_id[enabled_id].data)
        for y, row in enumerate(picture):
            strip[2 + y][x : x + 30] = row
    (directory / "toolbar.png").write_bytes(preview.png_bytes(strip, scale))

    icon = next(o for o in outputs if o.resource_type == "ICON")
    for picture in dib.read_ico(icon.data):
        size = len(picture)
        (directory / f"icon_{size}.png").write_bytes(preview.png_bytes(_rgb(picture), 8))

    animation = next(o for o in outputs if o.resource_type == "AVI")
    _, frames, colours = avi.read(animation.data)
    rgb_frames = [[[colours[i] for i in row] for row in frame] for frame in frames]
    (directory / "about_frames.png").write_bytes(
        preview.png_bytes(preview.sheet(rgb_frames[::3], 5, gap=2), 1)
    )
    for number in (0, 10, 25, 41, 45, 52, 55):
        (directory / f"about_{number:02}.png").write_bytes(
            preview.png_bytes(rgb_frames[number], 3)
        )


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?", type=Path, help="folder for the generated files")
    parser.add_argument("--source", type=Path, default=REPO / "res" / "pictures")
    parser.add_argument("--check", action="store_true", help="check the files instead")
    parser.add_argument("--preview", type=Path, help="folder for enlarged PNG views")
    args = parser.parse_args()
    if not (args.output or args.check or args.preview):
        parser.error("name an output folder, --check or --preview")

    try:
        outputs = build.outputs(args.source)
        if args.check:
            script = (REPO / "res" / "pictures.rc").read_text(encoding="ascii")
            header = (REPO / "res" / "resource.h").read_text(encoding="ascii")
            selfcheck.check(outputs, script, header)
            print(f"make_pictures: {len(outputs)} picture files checked")
        if args.output:
            write_outputs(outputs, args.output)
        if args.preview:
            write_previews(outputs, args.preview)
    except (ValueError, AssertionError, OSError) as error:
        print(f"make_pictures: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
