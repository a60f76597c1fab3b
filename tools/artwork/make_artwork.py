#!/usr/bin/env python3
"""Draws Dravix's pictures and writes them as PNG.

    make_artwork.py OUT_DIR      draw every picture under OUT_DIR
    make_artwork.py --list       print the relative file names, one a line

Every picture is an SVG made by the modules beside this file and rendered by
rsvg-convert, so the artwork has no source but these scripts:
    start_button.py  button/normal.png, hover.png, pressed.png (built into
                     Dravix.exe) and StartButtonSkin/Classic_*.png (a file skin)
    menu.py          menu/*.png, the start menu window's parts (built in)
    places.py        Resources/*.png: the user frame, the default user
                     picture and the large picture of each right-hand link
                     (copied into the program folder)
    icons.py         menu/control_icons.png: the 48 Control Panel icons as one
                     strip of 16x16 pictures, left to right in catalogue row
                     order (icon i at x = 16 * i), built in

Built-in pictures are named in app/dravix.rc.in after their file: menu/<name>.png
is the RCDATA resource MENU_<NAME> (e.g. menu/bg_topleft.png, MENU_BG_TOPLEFT).
"""

import os
import sys

# The modules beside this file; no bytecode cache in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import icons  # noqa: E402
import menu  # noqa: E402
import places  # noqa: E402
import start_button  # noqa: E402
from svg import render  # noqa: E402


def pictures():
    every = {}
    for module in (start_button, menu, places, icons):
        every.update(module.PICTURES)
    return every


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if sys.argv[1] == "--list":
        print("\n".join(pictures()))
        return
    out = sys.argv[1]
    for name, picture in pictures().items():
        render(picture, os.path.join(out, name))


if __name__ == "__main__":
    main()
