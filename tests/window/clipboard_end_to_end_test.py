#!/usr/bin/env python3
"""Blocks through the real X clipboard, in a real window under Xvfb: put three lines of tab-separated
sides on the clipboard with xclip and press Ctrl+V in the grid, undo and redo it with Ctrl+Z and Ctrl+Y, select
a block with Shift+arrows and press Ctrl+C, read it back with xclip, save; then read the data file.

Usage: clipboard_end_to_end_test.py PATH/TO/mirota
Exit status: 0 passed, 1 failed, 77 skipped (no xvfb-run, xdotool or xclip here).
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from end_to_end_test import (TITLE, Failure, answer_file_dialog, focus, keys, quit_program,  # noqa: E402
                             run_in_xvfb, start_program, stop_program, take_screenshot, wait_for, window_named)

PASTED = "3\t4\t5\r\n\t4\t3\r\n\t2\t2.5\r\n"
# Figures 1 and 2 as the grid shows them after the paste: the measured row between them is empty.
COPIED = "3.00\t4.00\t5.00\r\n\t\t\r\n5.00\t4.00\t3.00"


def clipboard(text=None):
    if text is None:
        return subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True,
                              timeout=10).stdout.decode("utf-8")
    # xclip stays in the background to serve the text until another program takes the clipboard.
    subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode("utf-8"), timeout=10,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return text


def drive(program, folder):
    data_path = os.path.join(folder, "blocks.txt")
    process, log = start_program(program, folder)
    try:
        main = wait_for("the main window", window_named(lambda name: name.startswith(TITLE)), 20)
        focus(main)
        # The chain grid has the keyboard, its current cell on figure 1's side A.
        clipboard(PASTED)
        keys("ctrl+v")
        # The paste is one step: undone and redone with the keys, the caption's asterisk follows it.
        keys("ctrl+z")
        wait_for("the paste undone", window_named(lambda name: name == TITLE), 5)
        keys("ctrl+y")
        wait_for("the paste redone", window_named(lambda name: name == TITLE + "*"), 5)
        keys("shift+Right", "shift+Right", "shift+Down", "shift+Down")
        clipboard("")  # so that a copy that did not happen shows
        keys("ctrl+c")
        copied = wait_for("the copied block", lambda: clipboard() or None, 5)
        if copied != COPIED:
            raise Failure("the clipboard holds %r, not %r" % (copied, COPIED))
        keys("alt+f", "Down", "Down", "Down", "Return")  # 保存: the untitled document asks for a name
        answer_file_dialog("名前を付けて保存", data_path)
        quit_program(main, process)
    except Exception:
        take_screenshot(folder)
        raise
    finally:
        stop_program(process, log)
    return data_path


def check_data_file(path):
    with open(path, "rb") as f:
        lines = f.read().decode("cp932").split("\r\n")
    # The chain count grew to three; each figure row is seven lines from line 8 on (type, A, B, C, ...).
    expect = {5: "3", 8: '"3.00"', 9: '"4.00"', 10: '"5.00"', 22: '"5.00"', 23: '"4.00"', 24: '"3.00"',
              36: '"3.00"', 37: '"2.00"', 38: '"2.50"'}
    for index, value in expect.items():
        if lines[index] != value:
            raise Failure("data file line %d is %r, not %r" % (index + 1, lines[index], value))


def check_blocks(program, folder):
    check_data_file(drive(program, folder))
    return "clipboard end-to-end: pasted a block from xclip, undid and redid it, copied one back, saved it as pasted"


def main():
    return run_in_xvfb(__doc__, ("xvfb-run", "xdotool", "xclip"), check_blocks)

if __name__ == "__main__":
    sys.exit(main())
