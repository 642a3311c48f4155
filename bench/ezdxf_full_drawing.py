"""The full-capacity development drawing made with ezdxf, for comparison: the same kinds and numbers of
entities that mirota-cli draws for 20 tiers of 100 chained figures with the area table (R12, code page
932): per figure three outline lines, three side lengths, a figure number and its circle; per tier the
table's header, one row insert per figure and the totals insert, with the same blocks and attributes.

Usage: /usr/bin/python3 bench/ezdxf_full_drawing.py OUT.dxf"""
import math
import sys

import ezdxf
from ezdxf.enums import TextEntityAlignment

TIERS = 20
FIGURES = 100
TABLE_SCALE = 0.4

HEADER_TAGS = ['H_NO', 'H_A', 'H_B', 'H_C', 'H_S', 'H_AREA', 'H_NOTE']
ROW_TAGS = ['NO', 'D_A', 'D_B', 'D_C', 'D_S', 'D_AREA', 'D_NOTE', 'M_A', 'M_B', 'M_C', 'M_S', 'M_AREA', 'M_NOTE']
TOTAL_TAGS = ['SUM_D', 'DEDUCT_D', 'SUM_M', 'DEDUCT_M']


def add_block(doc, name, lines, texts, tags):
    block = doc.blocks.new(name)
    for i in range(lines):
        block.add_line((i * 5.0, 0.0), (i * 5.0, -6.0))
    for i in range(texts):
        block.add_text('計', dxfattribs={'height': 2.5, 'insert': (1.0 + i * 10.0, -5.0)})
    for i, tag in enumerate(tags):
        block.add_attdef(tag, (i * 5.0 + 1.0, -2.0), dxfattribs={'height': 2.5, 'prompt': tag})


def add_figure(msp, tier, figure):
    x0 = figure * 5.0
    y0 = -tier * 12.0
    corners = [(x0, y0), (x0 + 10.4, y0), (x0 + 5.2, y0 - 8.7)]
    for a, b in ((0, 1), (1, 2), (2, 0)):
        msp.add_line(corners[a], corners[b], dxfattribs={'layer': '図面'})
        middle = ((corners[a][0] + corners[b][0]) / 2, (corners[a][1] + corners[b][1]) / 2)
        angle = math.degrees(math.atan2(corners[b][1] - corners[a][1], corners[b][0] - corners[a][0])) % 360.0
        msp.add_text('10.25', dxfattribs={'layer': '寸法値', 'height': 0.4, 'rotation': angle}).set_placement(
            middle, align=TextEntityAlignment.BOTTOM_CENTER)
    centre = (x0 + 5.2, y0 - 2.9)
    msp.add_text(str(figure + 1), dxfattribs={'layer': '寸法値', 'height': 0.4}).set_placement(
        centre, align=TextEntityAlignment.MIDDLE)
    msp.add_circle(centre, 0.4, dxfattribs={'layer': '寸法値'})


def add_table_row(msp, block, y, values):
    insert = msp.add_blockref(block, (0.0, y), dxfattribs={'layer': '面積表', 'xscale': TABLE_SCALE,
                                                           'yscale': TABLE_SCALE})
    insert.add_auto_attribs(values)


def build(path):
    doc = ezdxf.new('R12')
    doc.encoding = 'cp932'
    for name, colour in (('図面', 7), ('寸法値', 1), ('面積表', 5)):
        doc.layers.add(name, color=colour)
    add_block(doc, 'hyou', 10, 0, HEADER_TAGS)
    add_block(doc, 'hyou1', 10, 0, ROW_TAGS)
    add_block(doc, 'hyou2', 8, 2, TOTAL_TAGS)
    msp = doc.modelspace()
    for tier in range(TIERS):
        for figure in range(FIGURES):
            add_figure(msp, tier, figure)
    y = 0.0
    for tier in range(TIERS):
        add_table_row(msp, 'hyou', y, dict(zip(HEADER_TAGS, ['番号', 'A辺(ｍ)', 'B辺(ｍ)', 'C辺(ｍ)', 'S', 'A(ｍ2)', '適用'])))
        y -= 1.2
        for figure in range(FIGURES):
            design = ['10.25', '10.50', '10.13', '15.44', '45.83', '']
            measured = ['(10.26)', '(10.51)', '(10.13)', '(15.45)', '(45.91)', '']
            add_table_row(msp, 'hyou1', y, dict(zip(ROW_TAGS, [str(figure + 1)] + design + measured)))
            y -= 2.4
        add_table_row(msp, 'hyou2', y, dict(zip(TOTAL_TAGS, ['4583.22', '0.00', '(4590.58)', '0.00'])))
        y -= 4.8
    doc.saveas(path)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build(sys.argv[1])
