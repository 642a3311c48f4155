#!/usr/bin/env python3
"""The installer under wine, as a user's Windows would see it: mirota-setup.exe /S installs the
program folder under Program Files, a Start menu entry, an entry in Apps & features and "Open with"
for .txt (the .txt default left as it was); the installed program starts and shows its window; the
uninstaller, silent too, takes all of that away again but the user's preferences.

Usage: installer_test.py WINE MIROTA_SETUP_EXE
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from end_to_end_test import TITLE, Failure, focus, keys, wait_for, window_named  # noqa: E402
from real_window_test import SETTINGS_KEY, registry_values, wine_run  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LTMirota"
OPEN_WITH_KEY = r"HKLM\Software\Classes\Applications\mirota.exe\shell\open\command"
TXT_LIST_KEY = r"HKLM\Software\Classes\.txt\OpenWithList\mirota.exe"
TXT_KEY = r"HKLM\Software\Classes\.txt"


def exported_text(wine, key, name):
    """A text value as reg export writes it (UTF-16): reg query prints text outside ASCII as "?"."""
    with tempfile.TemporaryDirectory() as folder:
        exported = os.path.join(folder, "key.reg")
        if wine_run(wine, "reg", "export", key, exported, "/y").returncode != 0:
            return None
        with open(exported, encoding="utf-16") as f:
            for line in f.read().splitlines():
                if line.startswith('"%s"="' % name) and line.endswith('"'):
                    return line[len(name) + 4:-1].replace('\\"', '"').replace("\\\\", "\\")
    return None


def drive_c(*parts):
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", *parts)


PROGRAM_FOLDER = drive_c("Program Files", "LTMirota")
START_MENU_ENTRY = drive_c("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", TITLE + ".lnk")


def txt_values(wine):
    """The values of .txt itself (its default program among them); none when the key is not there."""
    return registry_values(wine, TXT_KEY) or {}


def check_installed(wine, txt_before):
    for name in ("mirota.exe", "mirota-cli.exe", "Qt6Widgets.dll", "platforms/qwindows.dll", "qt.conf",
                 "vorn.dxf", "translations/qtbase_ja.qm", "uninstall.exe"):
        if not os.path.isfile(os.path.join(PROGRAM_FOLDER, name)):
            raise Failure("not installed: " + name)
    if not os.path.isfile(START_MENU_ENTRY):
        raise Failure("no Start menu entry " + START_MENU_ENTRY)
    entry = registry_values(wine, UNINSTALL_KEY) or {}
    if "/S" not in entry.get("QuietUninstallString", ("", ""))[1] or "EstimatedSize" not in entry:
        raise Failure("the Apps & features entry is %r" % entry)
    if exported_text(wine, UNINSTALL_KEY, "DisplayName") != TITLE:
        raise Failure("Apps & features shows %r" % exported_text(wine, UNINSTALL_KEY, "DisplayName"))
    command = (registry_values(wine, OPEN_WITH_KEY) or {}).get("(Default)", (None, ""))[1]
    if "mirota.exe" not in command or '"%1"' not in command:
        raise Failure("the Open with command is %r" % command)
    if registry_values(wine, TXT_LIST_KEY) is None:
        raise Failure(".txt does not list the program under Open with")
    if txt_values(wine) != txt_before:
        raise Failure(".txt's own values changed: %r" % txt_values(wine))


def start_installed_program(wine):
    process = subprocess.Popen([wine, r"C:\Program Files\LTMirota\mirota.exe"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = wait_for("the installed program's window", window_named(lambda name: name.startswith(TITLE)), 60)
        focus(main)
        keys("alt+f", "e")  # 終了
        if process.wait(timeout=30) != 0:
            raise Failure("the installed program ended with status %d" % process.returncode)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def check_removed(wine, txt_before):
    left = [path for path in (PROGRAM_FOLDER, START_MENU_ENTRY) if os.path.exists(path)]
    left += [key for key in (UNINSTALL_KEY, OPEN_WITH_KEY, TXT_LIST_KEY) if registry_values(wine, key) is not None]
    if left:
        raise Failure("left behind by the uninstaller: %r" % left)
    if txt_values(wine) != txt_before:
        raise Failure(".txt's own values changed: %r" % txt_values(wine))
    if not registry_values(wine, SETTINGS_KEY):
        raise Failure("the uninstaller took the user's preferences")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    wine, setup = sys.argv[1:]
    try:
        txt_before = txt_values(wine)
        installed = wine_run(wine, os.path.abspath(setup), "/S", timeout=120)
        if installed.returncode != 0:
            raise Failure("the installer ended with status %d" % installed.returncode)
        check_installed(wine, txt_before)
        start_installed_program(wine)
        # The uninstaller runs a copy of itself from the temporary folder and returns at once.
        wine_run(wine, r"C:\Program Files\LTMirota\uninstall.exe", "/S", timeout=120)
        wait_for("the program folder to go", lambda: not os.path.exists(PROGRAM_FOLDER), 60)
        time.sleep(1)
        check_removed(wine, txt_before)
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAILED:", failure)
        return 1
    print("installer: installed silently, started, uninstalled silently; only the preferences stay")
    return 0


if __name__ == "__main__":
    sys.exit(main())
