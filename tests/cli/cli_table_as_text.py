"""`mirota-cli draw --table-as-text`: every value the area table's inserts carry in the default DXF is
a TEXT at the attribute's place in the plain one (ezdxf, audit clean, no INSERT), and LibreCAD, which
shows no attributes, renders the plain table full where the default one is an empty grid.

Usage: cli_table_as_text.py MIROTA_CLI WORK_FOLDER EXAMPLES_FOLDER
"""
import glob
import os
import shutil
import subprocess
import sys

import ezdxf


def placed(entity):
    point = entity.dxf.align_point if entity.dxf.hasattr("align_point") else entity.dxf.insert
    return (entity.dxf.layer, entity.dxf.text, entity.dxf.halign, entity.dxf.get("valign", 0),
            round(point[0], 6), round(point[1], 6), round(entity.dxf.height, 6), round(entity.dxf.rotation, 6))


def blue_pixels(pdf):
    """The pixels of the table layer's blue on the first page at 100 dpi."""
    subprocess.run(["pdftoppm", "-r", "100", "-l", "1", pdf, pdf[:-4]], check=True)
    with open(glob.glob(pdf[:-4] + "*.ppm")[0], "rb") as image:
        pixels = image.read().split(maxsplit=4)[4]  # P6, width, height, maximum, the RGB bytes
    return sum(1 for i in range(0, len(pixels) - 2, 3) if pixels[i + 2] > 150 and max(pixels[i], pixels[i + 1]) < 100)


def main():
    cli, work, examples = sys.argv[1:4]
    folder = os.path.join(work, "table_as_text")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    document = os.path.join(examples, "sample-survey.txt")
    inserts, plain = os.path.join(folder, "inserts.dxf"), os.path.join(folder, "plain.dxf")
    for path, extra in ((inserts, []), (plain, ["--table-as-text"])):
        subprocess.run([cli, "draw", document, "-o", path, *extra], check=True)
    failures = []
    wrong = subprocess.run([cli, "draw", document, "-o", os.path.join(folder, "plan.svg"), "--table-as-text"],
                           capture_output=True, text=True)
    if wrong.returncode != 2:
        failures.append(f"--table-as-text with an SVG: exit {wrong.returncode}")

    values = [placed(a) for i in ezdxf.readfile(inserts).modelspace().query("INSERT") for a in i.attribs if a.dxf.text]
    doc = ezdxf.readfile(plain)
    errors = doc.audit().errors
    texts = {placed(t) for t in doc.modelspace().query("TEXT")}
    missing = [v for v in values if v not in texts]
    if len(values) < 100 or missing or errors or len(doc.modelspace().query("INSERT")):
        failures.append(f"{len(values)} values, {len(missing)} no TEXT at their place {missing[:1]}, "
                        f"audit {[e.message for e in errors]}, {len(doc.modelspace().query('INSERT'))} inserts")

    if shutil.which("librecad") and shutil.which("pdftoppm"):
        subprocess.run(["librecad", "dxf2pdf", "--fit", inserts, plain], check=True, capture_output=True, timeout=120,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        grid, full = blue_pixels(inserts[:-4] + ".pdf"), blue_pixels(plain[:-4] + ".pdf")
        print(f"LibreCAD: {grid} blue pixels with attributes, {full} with the values as text")
        if not (grid > 0 and full > 1.3 * grid):  # the values fill the cells the lines frame
            failures.append("LibreCAD shows the plain table no fuller than the empty grid")
    else:
        print("librecad or pdftoppm missing: the rendering is not checked")
    print("\n".join(failures) or f"{len(values)} values as TEXT at their places")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
