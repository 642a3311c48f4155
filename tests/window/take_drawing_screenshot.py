#!/usr/bin/env python3
"""Takes docs/drawing-window.png: the drawing window after drawing examples/sample-survey.txt, in a
real window under Xvfb. Not a test; run it by hand after the drawing window changes.

Usage: take_drawing_screenshot.py PATH/TO/mirota OUTPUT.png
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import end_to_end_test as e2e

SAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples", "sample-survey.txt")


def start(program, folder):
    """Starts the program with settings of its own in folder; returns the process."""
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"), XDG_RUNTIME_DIR=os.path.join(folder, "run"),
               HOME=os.path.join(folder, "home"), LANG="C.UTF-8", QT_QPA_PLATFORM="xcb")
    for name in ("config", "run", "home"):
        os.makedirs(os.path.join(folder, name), mode=0o700)
    return subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def open_sample(main):
    """Opens the sample survey through the file menu of the main window."""
    e2e.focus(main)
    e2e.keys("alt+f", "Down", "Return")  # 開く
    dialog = e2e.wait_for("the open dialog", e2e.window_named(lambda n: n == "開く"))
    e2e.focus(dialog)
    e2e.keys("ctrl+a")
    e2e.type_text(os.path.abspath(SAMPLE))
    e2e.keys("Return")
    e2e.wait_for("the file", e2e.window_named(lambda n: "sample-survey.txt" in n))
    e2e.focus(main)


def shoot_main_window(program, output, folder, width, height, *keys):
    """The main window of that size at the top left with the sample open, after the keys."""
    process = start(program, folder)
    try:
        main = e2e.wait_for("the main window", e2e.window_named(lambda n: n.startswith(e2e.TITLE)), 20)
        e2e.xdotool("windowmove", main, "0", "0")
        e2e.xdotool("windowsize", main, str(width), str(height))
        open_sample(main)
        if keys:
            e2e.keys(*keys)
        time.sleep(1.0)
        subprocess.run(["import", "-window", main, output], check=True, timeout=20)
    finally:
        process.kill()
        process.wait()


def shoot(program, output, folder):
    process = start(program, folder)
    try:
        main = e2e.wait_for("the main window", e2e.window_named(lambda n: n.startswith(e2e.TITLE)), 20)
        open_sample(main)
        e2e.keys("alt+t", "d")
        e2e.dismiss_message(main)
        drawing = e2e.wait_for("the drawing window", e2e.window_named(lambda n: n == "図面 - " + e2e.TITLE))
        e2e.xdotool("windowmove", drawing, "0", "0")
        e2e.xdotool("windowsize", drawing, "1100", "740")
        e2e.xdotool("mousemove", "--window", drawing, "430", "330")
        time.sleep(1.0)
        subprocess.run(["import", "-window", drawing, output], check=True, timeout=20)
    finally:
        process.kill()
        process.wait()


def main(script=__file__, shoot_with=shoot, usage=__doc__):
    """Runs shoot_with(program, output, folder) on a display of its own, started by script."""
    if len(sys.argv) != 3:
        print(usage)
        return 2
    program, output = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if os.environ.get(e2e.INNER) != "1":
        env = dict(os.environ, **{e2e.INNER: "1"})
        return subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1400x900x24", sys.executable,
                               os.path.abspath(script), program, output], env=env, timeout=120).returncode
    folder = tempfile.mkdtemp(prefix="mirota-shot-")
    try:
        shoot_with(program, output, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
