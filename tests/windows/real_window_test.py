#!/usr/bin/env python3
"""mirota.exe in a real window under wine, on the display of the test run, driven by key presses:
opens a copy of the example (a CP932 file whose name has Japanese characters and a space), types a
side, saves with Ctrl+S, draws into the built-in viewer, exports a DXF to a Japanese file name through
Windows' own save dialog (the path handed over by the clipboard and checked in the dialog before it is
taken), hands a second file to the running copy by starting mirota.exe FILE again, and quits. Then
checks the saved file (only the typed side changed, CP932 and CR LF kept), the DXF (equal to what
a native mirota-cli draws from the saved file), and the preferences in the registry (text values
under HKEY_CURRENT_USER\\SOFTWARE\\VORN\\VORN001, read back with wine reg query).

Usage: real_window_test.py WINE MIROTA_EXE NATIVE_MIROTA_CLI EXAMPLE WORK_FOLDER
Leaves WORK_FOLDER/screen.png (the example open in the main window) and, on a failure, what it saw.
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from end_to_end_test import (TITLE, Failure, dismiss_message, focus, keys, type_text,  # noqa: E402
                             visible_windows, wait_for, window_named)

SETTINGS_KEY = r"HKCU\Software\VORN\VORN001"
DOCUMENT = "測量 例.txt"
HANDED_OVER = "第二 図面.txt"
DXF = "図面 出力.dxf"


def windows_path(wine, path):
    return subprocess.run([wine + "path", "-w", path], capture_output=True, text=True, check=True,
                          timeout=60).stdout.strip()


def wine_run(wine, *args, timeout=60):
    return subprocess.run([wine, *args], capture_output=True, timeout=timeout)


def registry_values(wine, key):
    """{name: (type, data)} of a registry key as wine reg query lists it; None when there is no key."""
    done = wine_run(wine, "reg", "query", key)
    if done.returncode != 0:
        return None
    values = {}
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = (parts[1], parts[2] if len(parts) == 3 else "")
    return values


def point_at(window, dx, dy):
    """Moves the pointer to (dx, dy) inside window and gives the window the keyboard: with no window
    manager, wine's keyboard goes where the pointer is."""
    geometry = dict(line.split("=", 1) for line in
                    subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], capture_output=True,
                                   text=True, check=True, timeout=15).stdout.split())
    subprocess.run(["xdotool", "mousemove", str(int(geometry["X"]) + dx), str(int(geometry["Y"]) + dy)],
                   check=True, timeout=15)
    focus(window)


class Clipboard:
    """The X clipboard, which wine shares with the Windows one. Text is offered there by an xclip of our
    own, which logs each request for the text it answers and ends when another program takes the clipboard."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "xclip.log")
        self.offer = None

    def offer_text(self, text):
        self.close()
        with open(self.log, "w") as log:
            self.offer = subprocess.Popen(["xclip", "-verbose", "-selection", "clipboard"], stdin=subprocess.PIPE,
                                          stdout=log, stderr=subprocess.STDOUT)
        self.offer.stdin.write(text.encode("utf-8"))
        self.offer.stdin.close()
        wait_for("xclip to hold the clipboard", lambda: self.answered() >= 0, 10)

    def answered(self):
        """Requests for the text answered so far; -1 until xclip holds the clipboard."""
        with open(self.log, errors="replace") as log:
            return log.read().count("Waiting for selection request number") - 1

    def offering(self):
        return self.offer is not None and self.offer.poll() is None

    def taken(self, seconds):
        """True once another program has taken the clipboard from our xclip."""
        try:
            self.offer.wait(timeout=seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    @staticmethod
    def text():
        done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, timeout=15)
        return done.stdout.decode("utf-8", "replace") if done.returncode == 0 else None

    def close(self):
        if self.offer and self.offer.poll() is None:
            self.offer.kill()
            self.offer.wait()


def paste_and_read_back(clipboard, path):
    """Pastes path over the file name in the save dialog (which has the keyboard) and copies the whole
    box back out: what the dialog holds, or why it could not be read."""
    if not clipboard.offering():
        clipboard.offer_text(path)
    before = clipboard.answered()
    keys("End", "shift+Home", "ctrl+v")
    # Wine looks at the X clipboard now and then: until it has seen our offer a paste gives the old
    # text and asks our xclip nothing, and the offer stays for the next paste.
    try:
        wait_for("the paste", lambda: clipboard.answered() > before, 3)
    except Failure:
        return "(the paste did not ask for the text)"
    keys("End", "shift+Home", "ctrl+c")
    # The copy is done when wine has taken the clipboard from our xclip.
    return Clipboard.text() if clipboard.taken(5) else "(the copy did not reach the X clipboard)"


def save_through_dialog(dialog, path, written, folder):
    """Gives Windows' save dialog the whole path through the clipboard, as synthetic key presses of
    Japanese text lose characters. The path is read back from the dialog before Return and pasted again
    while it is not there; a dialog that shows something else fails at once."""
    clipboard = Clipboard(folder)
    try:
        shown = []
        for _ in range(5):
            shown.append(paste_and_read_back(clipboard, path))
            if shown[-1] == path:
                break
        else:
            raise Failure("the save dialog's file name box held %r, not %r" % (shown, path))
    finally:
        clipboard.close()
    if len(shown) > 1:
        print("the save dialog held the path at paste %d, after %r" % (len(shown), shown[:-1]))
    keys("Return")
    try:
        wait_for("the save dialog to close", lambda: dialog not in visible_windows(), 15)
    except Failure:
        raise Failure("the save dialog stayed open after Return with %r in it" % path)
    try:
        wait_for(written, lambda: os.path.exists(written) and os.path.getsize(written) > 0, 10)
    except Failure:
        raise Failure("the save dialog closed on %r but no file was written; files in the folder: %r"
                      % (path, sorted(os.listdir(folder))))


def main_window_of(name):
    return wait_for("the main window with " + name,
                    window_named(lambda title: title.startswith(TITLE) and name in title), 60)


def drive(wine, program, folder):
    document = os.path.join(folder, DOCUMENT)
    dxf = os.path.join(folder, DXF)
    log = open(os.path.join(folder, "mirota.log"), "w")
    process = subprocess.Popen([wine, program, windows_path(wine, document)], stdout=log, stderr=subprocess.STDOUT)
    try:
        main = main_window_of(DOCUMENT)
        point_at(main, 205, 166)  # over figure 1's side A (design)
        time.sleep(1)
        subprocess.run(["import", "-window", main, os.path.join(folder, "screen.png")], timeout=30)
        subprocess.run(["xdotool", "click", "1"], check=True, timeout=15)
        type_text("8.55")
        keys("Return")
        keys("ctrl+s")
        wait_for("the title without the changed mark",
                 lambda: not any(name.endswith("*") for name in visible_windows().values()), 15)
        keys("alt+t", "d")  # 図面作成
        dismiss_message(main)  # 図面の作図が終了しました。
        drawing = wait_for("the drawing window", window_named(lambda name: name == "図面 - " + TITLE), 30)
        focus(drawing)
        keys("alt+f", "d")  # DXF 形式で保存
        dialog = wait_for("the save dialog", window_named(lambda name: name == "DXF 形式で保存"), 30)
        save_through_dialog(dialog, windows_path(wine, dxf), dxf, folder)
        focus(drawing)
        keys("alt+f", "c")  # 閉じる
        # A second start hands its file to the running copy and ends.
        second = wine_run(wine, program, windows_path(wine, os.path.join(folder, HANDED_OVER)))
        if second.returncode != 0:
            raise Failure("the second copy ended with status %d" % second.returncode)
        main = main_window_of(HANDED_OVER)
        point_at(main, 400, 10)
        keys("alt+f", "e")  # 終了
        code = process.wait(timeout=30)
        if code != 0:
            raise Failure("the program ended with status %d" % code)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        log.close()
    return document, dxf


def check_saved_file(original, saved):
    with open(original, "rb") as f:
        before = f.read().split(b"\r\n")
    with open(saved, "rb") as f:
        after = f.read().split(b"\r\n")
    if len(after) != len(before) or after[-1] != b"":
        raise Failure("the saved file has %d lines or no CR LF at its end" % (len(after) - 1))
    if after[0].decode("cp932") != '"' + TITLE + '"':
        raise Failure("the saved file's first line is not the program title in CP932: %r" % after[0])
    changed = [(i, b.decode("cp932"), a.decode("cp932")) for i, (b, a) in enumerate(zip(before, after)) if a != b]
    if changed != [(10, '"8.53"', '"8.55"')]:
        raise Failure("saved lines that changed: %r, not figure 1's side A 8.53 -> 8.55" % changed)


def check_dxf(native_cli, document, dxf, folder):
    expected = os.path.join(folder, "native.dxf")
    subprocess.run([native_cli, "draw", document, "-o", expected], check=True, timeout=60)
    with open(expected, "rb") as f, open(dxf, "rb") as g:
        if f.read() != g.read():
            raise Failure("the DXF from the window differs from mirota-cli's drawing of the saved file")


def check_preferences(wine):
    values = registry_values(wine, SETTINGS_KEY)
    if not values:
        raise Failure("no preferences under " + SETTINGS_KEY)
    not_text = {name: kind for name, (kind, _) in values.items() if kind != "REG_SZ"}
    if not_text:
        raise Failure("preferences that are not text values: %r" % not_text)
    for name, data in (("VerNo", "1"), ("Keta", "0.00"), ("DrawOutput", "engine")):
        if values.get(name, (None, None))[1] != data:
            raise Failure("%s is %r, not %r" % (name, values.get(name), data))


def main():
    if len(sys.argv) != 6:
        print(__doc__)
        return 2
    wine, program, native_cli, example, folder = sys.argv[1:]
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name in (DOCUMENT, HANDED_OVER):
        shutil.copyfile(example, os.path.join(folder, name))
    wine_run(wine, "reg", "delete", SETTINGS_KEY, "/f")
    try:
        document, dxf = drive(wine, os.path.abspath(program), folder)
        check_saved_file(example, document)
        check_dxf(native_cli, document, dxf, folder)
        check_preferences(wine)
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAILED:", failure)
        print("windows on the screen:", visible_windows())
        subprocess.run(["import", "-window", "root", os.path.join(folder, "failure.png")], timeout=30)
        with open(os.path.join(folder, "mirota.log"), errors="replace") as log:
            print("program output:", log.read()[-2000:])
        return 1
    print("real window under wine: opened, typed, saved, drew, exported, handed over, quit; files and registry checked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
