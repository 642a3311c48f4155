#!/usr/bin/env python3
"""Takes docs/preview.png: the main window with examples/sample-survey.txt open and the development
preview beside the grid, in a real window under Xvfb. Not a test; run it by hand after the preview
or the main window changes.

Usage: take_preview_screenshot.py PATH/TO/mirota OUTPUT.png
"""

import sys

import take_drawing_screenshot as shot


def shoot(program, output, folder):
    # A row of the fourth figure made current, so that the preview brings that figure out.
    shot.shoot_main_window(program, output, folder, 1240, 660, "Down", "Down", "Down", "Down", "Down", "Down")


if __name__ == "__main__":
    sys.exit(shot.main(__file__, shoot, __doc__))
