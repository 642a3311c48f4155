"""`mirota-cli draw --table-as-text`: the DXF for CAD programs that show no block attributes.

Every value the area table's inserts carry in the default DXF is a TEXT at the attribute's place in
the plain one (read with ezdxf, audit clean, no INSERT); LibreCAD, which shows no attributes, renders
the plain table full where the default one is an empty grid.

Usage: cli_table_as_text.py MIROTA_CLI WORK_FOLDER EXAMPLES_FOLDER
"""
import os
import shutil
import subprocess
import sys

import ezdxf

TABLE_LAYER = "面積表"


def run(cli, *args):
    return subprocess.run([cli, *args], capture_output=True, text=True)


def placed_text(entity, text):
    point = entity.dxf.align_point if entity.dxf.hasattr("align_point") else entity.dxf.insert
    valign = entity.dxf.valign if entity.dxf.hasattr("valign") else 0
    return (entity.dxf.layer, text, entity.dxf.halign, valign, round(point[0], 6), round(point[1], 6),
            round(entity.dxf.height, 6), round(entity.dxf.rotation, 6))


def blue_pixels(pdf, folder, name):
    """The pixels of the table layer's blue in the first page rendered at 100 dpi."""
    stem = os.path.join(folder, name)
    subprocess.run(["pdftoppm", "-r", "100", "-f", "1", "-l", "1", pdf, stem], check=True)
    ppm = next(os.path.join(folder, f) for f in sorted(os.listdir(folder)) if f.startswith(name) and f.endswith(".ppm"))
    with open(ppm, "rb") as image:
        data = image.read()
    # P6, width, height, maximum, then the RGB bytes.
    fields = data.split(maxsplit=4)
    pixels = fields[4]
    return sum(1 for i in range(0, len(pixels) - 2, 3)
               if pixels[i + 2] > 150 and pixels[i] < 100 and pixels[i + 1] < 100)


def main():
    cli, work, examples = sys.argv[1:4]
    folder = os.path.join(work, "table_as_text")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    document = os.path.join(examples, "sample-survey.txt")
    with_inserts = os.path.join(folder, "inserts.dxf")
    plain = os.path.join(folder, "plain.dxf")
    failures = []

    for path, extra in ((with_inserts, []), (plain, ["--table-as-text"])):
        done = run(cli, "draw", document, "-o", path, *extra)
        if done.returncode != 0:
            failures.append(f"draw {extra}: exit {done.returncode}: {done.stderr}")
    wrong = run(cli, "draw", document, "-o", os.path.join(folder, "plan.svg"), "--table-as-text")
    if wrong.returncode != 2 or "--table-as-text" not in wrong.stderr:
        failures.append(f"--table-as-text with an SVG: exit {wrong.returncode}, {wrong.stderr!r}")
    if failures:
        print("\n".join(failures))
        return 1

    inserts_doc = ezdxf.readfile(with_inserts)
    values = []
    table_lines = 0
    for insert in inserts_doc.modelspace().query("INSERT"):
        values += [placed_text(a, a.dxf.text) for a in insert.attribs if a.dxf.text]
        table_lines += len(inserts_doc.blocks.get(insert.dxf.name).query("LINE"))
    if len(values) < 50:
        failures.append(f"the example's table carries {len(values)} values")

    plain_doc = ezdxf.readfile(plain)
    auditor = plain_doc.audit()
    if auditor.errors:
        failures.append("audit: " + "; ".join(e.message for e in auditor.errors))
    space = plain_doc.modelspace()
    if len(space.query("INSERT")):
        failures.append("the plain DXF still has inserts")
    texts = {placed_text(t, t.dxf.text) for t in space.query("TEXT")}
    missing = [v for v in values if v not in texts]
    if missing:
        failures.append(f"{len(missing)} of {len(values)} values are no TEXT at their place, e.g. {missing[0]}")
    lines = len([line for line in space.query("LINE") if line.dxf.layer == TABLE_LAYER])
    if lines != table_lines:
        failures.append(f"{lines} table lines, the blocks draw {table_lines}")

    if shutil.which("librecad") and shutil.which("pdftoppm"):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["librecad", "dxf2pdf", "--fit", with_inserts, plain], env=env, check=True,
                       capture_output=True, timeout=120)
        grid = blue_pixels(os.path.join(folder, "inserts.pdf"), folder, "inserts")
        full = blue_pixels(os.path.join(folder, "plain.pdf"), folder, "plain")
        # The values fill the grid's cells: far more of the table's blue than its lines alone.
        if not (grid > 0 and full > 1.3 * grid):
            failures.append(f"LibreCAD: {full} blue pixels with the values as text, {grid} with attributes")
        print(f"LibreCAD: {grid} blue pixels with attributes, {full} with the values as text")
    else:
        print("librecad or pdftoppm missing: the rendering is not checked")

    print("\n".join(failures) if failures else f"{len(values)} values as TEXT at their places")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
