#!/usr/bin/env python3
"""Takes docs/preview.png: the main window with examples/sample-survey.txt open and the development
preview beside the grid, in a real window under Xvfb. Not a test; run it by hand after the preview
or the main window changes.

Usage: take_preview_screenshot.py PATH/TO/mirota OUTPUT.png
"""

import subprocess
import sys
import time

import end_to_end_test as e2e
import take_drawing_screenshot as shot


def shoot(program, output, folder):
    process = shot.start(program, folder)
    try:
        main = e2e.wait_for("the main window", e2e.window_named(lambda n: n.startswith(e2e.TITLE)), 20)
        e2e.xdotool("windowmove", main, "0", "0")
        e2e.xdotool("windowsize", main, "1240", "660")
        shot.open_sample(main)
        # A row of the fourth figure made current, so that the preview brings that figure out.
        e2e.keys("Down", "Down", "Down", "Down", "Down", "Down")
        time.sleep(1.0)
        subprocess.run(["import", "-window", main, output], check=True, timeout=20)
    finally:
        process.kill()
        process.wait()


if __name__ == "__main__":
    sys.exit(shot.main(__file__, shoot, __doc__))
