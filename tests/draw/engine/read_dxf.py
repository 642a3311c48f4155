"""Reads a DXF file with ezdxf and lists what a reader finds in it, one tab-separated record a line.

Usage: read_dxf.py DXF_FILE OUTPUT_FILE (the listing is written as UTF-8).
"""
import sys

import ezdxf


def number(value):
    return f"{value:.6f}"


def text_record(kind, entity, body):
    point = entity.dxf.align_point if entity.dxf.hasattr("align_point") else entity.dxf.insert
    valign = entity.dxf.valign if entity.dxf.hasattr("valign") else 0
    return "\t".join([kind, entity.dxf.layer, body, str(entity.dxf.halign), str(valign),
                      number(point[0]), number(point[1]), number(entity.dxf.height),
                      number(entity.dxf.rotation)])


def main():
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    records = [f"VERSION\t{doc.dxfversion}\t{doc.encoding}",
               f"AUDIT\t{len(auditor.errors)}"]
    records += [f"AUDITERROR\t{error.message}" for error in auditor.errors]
    for layer in doc.layers:
        records.append(f"LAYER\t{layer.dxf.name}\t{layer.color}\t{int(layer.is_locked())}")
    for entity in doc.modelspace():
        kind = entity.dxftype()
        if kind == "TEXT":
            records.append(text_record("TEXT", entity, entity.dxf.text))
        elif kind == "INSERT":
            records.append(f"INSERT\t{entity.dxf.layer}\t{entity.dxf.name}\t{len(entity.attribs)}")
            for attrib in entity.attribs:
                records.append(text_record("ATTRIB", attrib, f"{attrib.dxf.tag}={attrib.dxf.text}"))
        elif kind == "CIRCLE":
            centre = entity.dxf.center
            records.append(f"CIRCLE\t{entity.dxf.layer}\t{number(centre[0])}\t{number(centre[1])}\t"
                           f"{number(entity.dxf.radius)}")
        else:
            records.append(f"{kind}\t{entity.dxf.layer}")
    for block in doc.blocks:
        if block.name.startswith(("$", "*")):
            continue
        records.append(f"BLOCK\t{block.name}")
        for attdef in block.query("ATTDEF"):
            records.append(f"ATTDEF\t{block.name}\t{attdef.dxf.tag}\t{attdef.dxf.prompt}")
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write("\n".join(records) + "\n")


if __name__ == "__main__":
    main()
