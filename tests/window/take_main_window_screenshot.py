#!/usr/bin/env python3
"""Takes docs/main-window.png: the main window with examples/sample-survey.txt open, its areas and totals
calculated on opening, in a real window under Xvfb. Not a test; run it by hand after the main window changes.

Usage: take_main_window_screenshot.py PATH/TO/mirota OUTPUT.png
"""

import sys

import take_drawing_screenshot as shot


def shoot(program, output, folder):
    shot.shoot_main_window(program, output, folder, 1240, 480)


if __name__ == "__main__":
    sys.exit(shot.main(__file__, shoot, __doc__))
