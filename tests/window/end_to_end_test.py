#!/usr/bin/env python3
"""The program as a surveyor uses it, in a real window under Xvfb driven by real key presses:
type a chain of two triangles, make the first the base, calculate, draw, save the drawing as DXF
and the document as a data file, quit; then read both files back.

Usage: end_to_end_test.py PATH/TO/mirota
Exit status: 0 passed, 1 failed, 77 skipped (no xvfb-run or xdotool here).
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TITLE = "LTミロタ展開図"
INNER = "MIROTA_E2E_DISPLAY"


class Failure(Exception):
    pass


def xdotool(*args, check=True):
    done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=15)
    if check and done.returncode != 0:
        raise Failure("xdotool %s: %s" % (" ".join(args), done.stderr.strip()))
    return done.stdout.strip()


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    raise Failure("timed out waiting for " + what)


def visible_windows():
    listed = xdotool("search", "--onlyvisible", "--name", ".", check=False)
    windows = {}
    for line in listed.splitlines():
        name = xdotool("getwindowname", line, check=False)
        windows[line] = name
    return windows


def window_named(predicate, other_than=None):
    def probe():
        for window, name in visible_windows().items():
            if window != other_than and predicate(name):
                return window
        return None
    return probe


def focus(window):
    # With no window manager the keyboard goes where it is put; dialogs take it themselves.
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.2)


def keys(*names):
    xdotool("key", "--delay", "60", *names)
    time.sleep(0.25)


def type_text(text):
    xdotool("type", "--delay", "25", text)


def answer_file_dialog(caption, path):
    dialog = wait_for("the dialog " + caption, window_named(lambda name: name == caption))
    focus(dialog)
    keys("ctrl+a")
    type_text(path)
    keys("Return")
    wait_for(path, lambda: os.path.exists(path) and os.path.getsize(path) > 0)
    wait_for("the dialog to close", lambda: dialog not in visible_windows())


def dismiss_message(main):
    """Closes the message box that has come up over the main window (it has the keyboard)."""
    box = wait_for("a message box", window_named(lambda name: name == TITLE, other_than=main))
    focus(box)
    keys("Return")
    wait_for("the message box to close", lambda: box not in visible_windows())


def start_program(program, folder):
    """The program in a real window, with settings, runtime and home folders of its own in folder;
    its output goes to mirota.log there."""
    env = dict(os.environ)
    env.update({
        "XDG_CONFIG_HOME": os.path.join(folder, "config"),
        "XDG_RUNTIME_DIR": os.path.join(folder, "runtime"),
        "HOME": os.path.join(folder, "home"),
        "LANG": "C.UTF-8",
        "QT_QPA_PLATFORM": "xcb",
    })
    for name in ("config", "runtime", "home"):
        os.makedirs(os.path.join(folder, name), mode=0o700)
    log = open(os.path.join(folder, "mirota.log"), "w")
    return subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT), log


def quit_program(main, process):
    """File > Exit; the program must end by itself, with status 0."""
    focus(main)
    keys("alt+f", "e")  # 終了
    code = process.wait(timeout=10)
    if code != 0:
        raise Failure("the program ended with status %d" % code)


def take_screenshot(folder):
    if shutil.which("import"):
        subprocess.run(["import", "-window", "root", os.path.join(folder, "screen.png")], timeout=10)


def stop_program(process, log):
    if process.poll() is None:
        process.kill()
        process.wait()
    log.close()


def drive(program, folder):
    # Names that share no beginning with anything in the folder, so that no completion list comes up.
    data_path = os.path.join(folder, "survey.txt")
    dxf_path = os.path.join(folder, "drawing.dxf")
    process, log = start_program(program, folder)
    try:
        main = wait_for("the main window", window_named(lambda name: name.startswith(TITLE)), 20)
        focus(main)
        # The chain grid has the keyboard: a typed digit opens the cell editor, Enter commits and
        # moves on. Figure 2's side A is joined to figure 1's side C and filled in by itself.
        for value in ("3", "4", "5", "4", "3"):
            type_text(value)
            keys("Return")
        # The cursor is back on figure 1: Data > Type > Base.
        keys("alt+d", "m", "s")
        keys("alt+t", "c")  # 面積計算
        keys("alt+t", "d")  # 図面作成
        dismiss_message(main)  # 図面の作図が終了しました。
        drawing = wait_for("the drawing window", window_named(lambda name: name == "図面 - " + TITLE))
        focus(drawing)
        keys("alt+f", "d")  # DXF 形式で保存
        answer_file_dialog("DXF 形式で保存", dxf_path)
        focus(main)
        keys("alt+f", "Down", "Down", "Down", "Return")  # 保存: the untitled document asks for a name
        answer_file_dialog("名前を付けて保存", data_path)
        quit_program(main, process)
    except Exception:
        take_screenshot(folder)
        raise
    finally:
        stop_program(process, log)
    return data_path, dxf_path


def check_data_file(path):
    with open(path, "rb") as f:
        raw = f.read()
    if not raw.endswith(b"\r\n"):
        raise Failure("the data file does not end its last line with CR LF")
    lines = raw.decode("cp932").split("\r\n")[:-1]
    expect = {
        0: '"LTミロタ展開図"', 4: "1", 5: "2", 6: "1",
        # Figure 1, design row: the base type, the three sides as typed, no computed columns.
        7: '"0"', 8: '"3.00"', 9: '"4.00"', 10: '"5.00"', 11: '""', 12: '""', 13: '"0"',
        # Figure 2, design row: side A carried from figure 1's side C.
        21: '"11"', 22: '"5.00"', 23: '"4.00"', 24: '"3.00"',
    }
    if len(lines) != 66:
        raise Failure("the data file has %d lines, not 66" % len(lines))
    for index, value in expect.items():
        if lines[index] != value:
            raise Failure("data file line %d is %r, not %r" % (index + 1, lines[index], value))


def dxf_pairs(path):
    with open(path, "rb") as f:
        text = f.read().decode("cp932")
    lines = text.replace("\r\n", "\n").split("\n")
    return [(lines[i].strip(), lines[i + 1]) for i in range(0, len(lines) - 1, 2)]


def dxf_objects(pairs, section):
    """The objects of a section as (type, {code: [values]})."""
    objects, inside, current = [], False, None
    for code, value in pairs:
        if code == "2" and current is None and value == section:
            inside = True
            continue
        if not inside:
            if code == "0" and value == "SECTION":
                current = None
            continue
        if code == "0":
            if value == "ENDSEC":
                break
            current = (value, {})
            objects.append(current)
        elif current is not None:
            current[1].setdefault(code, []).append(value)
    return objects


def check_dxf(path):
    pairs = dxf_pairs(path)
    layers = {obj[1]["2"][0]: int(obj[1]["62"][0]) for obj in dxf_objects(pairs, "TABLES")
              if obj[0] == "LAYER"}
    if layers.get("図面") != 7 or layers.get("寸法値") != 1:
        raise Failure("layers and colours: %r" % layers)
    entities = dxf_objects(pairs, "ENTITIES")
    lines = [e[1] for e in entities if e[0] == "LINE"]
    circles = [e[1] for e in entities if e[0] == "CIRCLE"]
    texts = [e[1] for e in entities if e[0] == "TEXT"]
    if len(lines) != 6 or len(circles) != 2:
        raise Failure("%d lines and %d circles, not 6 and 2" % (len(lines), len(circles)))
    if any(line["8"][0] != "図面" for line in lines):
        raise Failure("an outline is not on the layer 図面")
    lengths = sorted(round(math.hypot(float(l["11"][0]) - float(l["10"][0]), float(l["21"][0]) - float(l["20"][0])), 3)
                     for l in lines)
    if lengths != [3.0, 3.0, 4.0, 4.0, 5.0, 5.0]:
        raise Failure("outline sides %r, not two triangles of 3, 4 and 5" % lengths)
    labels = sorted(t["1"][0] for t in texts if t["8"][0] == "寸法値")
    if labels != ["1", "2", "3.00", "3.00", "4.00", "4.00", "5.00", "5.00"]:
        raise Failure("texts on 寸法値: %r" % labels)


def run_in_xvfb(usage, tools, check):
    """The command line of a real-window check: with no display of its own it starts again inside
    xvfb-run (or is skipped when one of tools is missing); inside, check(program, folder) drives the
    program in a fresh folder and returns what it has shown, or raises Failure."""
    if len(sys.argv) != 2:
        print(usage)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(INNER) != "1":
        for tool in tools:
            if not shutil.which(tool):
                print("SKIP: %s is not installed" % tool)
                return SKIP
        env = dict(os.environ, **{INNER: "1"})
        return subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1400x900x24", sys.executable,
                               os.path.abspath(sys.argv[0]), program], env=env, timeout=90).returncode
    folder = tempfile.mkdtemp(prefix="mirota-e2e-")
    try:
        shown = check(program, folder)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print("FAILED:", failure)
        print("windows on the screen:", visible_windows())
        with open(os.path.join(folder, "mirota.log"), errors="replace") as log:
            print("program output:", log.read()[-2000:])
        print("(files and a screenshot kept in %s)" % folder)
        return 1
    shutil.rmtree(folder, ignore_errors=True)
    print(shown)
    return 0


def check_everything(program, folder):
    data_path, dxf_path = drive(program, folder)
    check_data_file(data_path)
    check_dxf(dxf_path)
    return "end-to-end: typed, calculated, drew, saved; the data file and the DXF read back as typed"


def main():
    return run_in_xvfb(__doc__, ("xvfb-run", "xdotool"), check_everything)


if __name__ == "__main__":
    sys.exit(main())
