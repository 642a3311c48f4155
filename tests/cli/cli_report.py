#!/usr/bin/env python3
"""Checks `mirota-cli report`: the sheet of the example (both input sets), of a 3-4-5 triangle in the 三斜
form and, when it lies beside the checkout, of the full-capacity document, read back from the PDF with
pdftotext: every figure's values, every total and the summary as `mirota-cli calc` prints them, in order."""
import csv
import io
import json
import os
import subprocess
import sys
from decimal import Decimal, ROUND_HALF_UP

CLI, WORK, EXAMPLES = sys.argv[1], sys.argv[2], sys.argv[3]
FULL = sys.argv[4] if len(sys.argv) > 4 else ''  # the full-capacity document, when it is there
EXAMPLE = EXAMPLES + '/sample-survey.txt'
failures = []


def check(name, condition, detail=''):
    if not condition:
        failures.append('%s %s' % (name, detail))


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True)


def sheet_lines(document, name, *options):
    pdf = '%s/%s.pdf' % (WORK, name)
    result = run('report', document, '-o', pdf, *options)
    check(name + ' status', result.returncode == 0, result.stderr.decode('utf-8', 'replace'))
    text = subprocess.run(['pdftotext', '-layout', pdf, '-'], capture_output=True, check=True).stdout.decode('utf-8')
    return [line.split() for line in text.splitlines() if line.strip()], pdf


def expect_in_order(name, lines, expected):
    """Each expected line's tokens appear, in order, within one line of the sheet; the lines in order too."""
    at = 0
    for want in expected:
        while at < len(lines):
            tokens = iter(lines[at])
            at += 1
            if all(token in tokens for token in want):
                break
        else:
            check(name, False, 'not found in order: %s' % ' '.join(want))
            return


def shown(text):
    return str(Decimal(text).quantize(Decimal('0.01'), rounding=ROUND_HALF_UP)) if text else ''


def expected_lines(document, set_name, set_index, *calc_options):
    """From calc: per tier the chain rows and their totals, the exception areas and totals, then the summary."""
    table = list(csv.reader(io.StringIO(run('calc', document, '--format', 'csv', '--summary', *calc_options)
                                        .stdout.decode('utf-8'))))
    blank = table.index([]) if [] in table else len(table)
    rules = table.index([], blank + 1) if [] in table[blank + 1:] else len(table)  # the rules' row follows
    rows, summary = table[1:blank], table[blank + 2:rules]
    exceptions = json.loads(run('calc', document).stdout)['tiers']
    summary_by_tier = {}
    for row in summary:
        if row[0] == set_name:
            summary_by_tier.setdefault(row[1], []).append(row)
    expected = []
    for tier in sorted({int(r[0]) for r in rows}):
        for r in rows:
            if int(r[0]) != tier or r[2] != set_name:
                continue
            if r[1]:
                # The typed sides as the grid shows them: with the digits.
                expected.append([r[1], *[shown(v) for v in r[4:7] if v], *[v for v in r[7:9] if v]])
            else:
                expected.append([r[3], r[8]])
        exception = exceptions[tier - 1]['exception'][set_index::2]
        if exception:
            for number, figure in enumerate(exception, 1):
                expected.append([str(number), shown(figure['area'])])
            for row in summary_by_tier[str(tier)]:
                if row[2] == '例外処理':
                    expected += [['計算面積合計', row[3]], ['控除面積合計', row[4]], ['差引面積', row[5]]]
    expected.append(['集計'])
    for rows_of_tier in summary_by_tier.values():
        for row in rows_of_tier:
            expected.append([v for v in row[1:6] if v])
    return expected


for set_name, set_index, input_set in (('設計', 0, 'design'), ('実測', 1, 'measured')):
    lines, pdf = sheet_lines(EXAMPLE, 'example-' + input_set, '--input-set', input_set, '--registered', 'residential')
    expect_in_order('example ' + input_set, lines,
                    expected_lines(EXAMPLE, set_name, set_index, '--registered', 'residential'))
    check('page numbers ' + input_set, ['1', '/', '2'] in lines and ['2', '/', '2'] in lines)
    check('input set named ' + input_set, any(set_name + '値' in line for line in lines))

def data_file_rows(document):
    """Per tier the chain's rows of the data file: (type, A, B, C, join) of the design values."""
    values = [v.strip().strip('"') for v in open(document, 'rb').read().decode('cp932').split('\r\n')]
    tiers = int(values[4])
    counts = [int(v) for v in values[5:5 + tiers]]
    at = 5 + 2 * tiers
    chains = []
    for count in counts:
        rows = [values[at + 7 * row:at + 7 * row + 7] for row in range(0, 2 * count, 2)]
        chains.append([(r[0], r[1], r[2], r[3], r[6]) for r in rows])
        at += 14 * count
    return chains


def development_text(pdf):
    """The development's texts in the order drawn, as one string: pdftotext gives a text along a slanted side
    one character a line, so every line break and blank goes."""
    raw = subprocess.run(['pdftotext', '-raw', pdf, '-'], capture_output=True, check=True).stdout.decode('utf-8')
    start = raw.index('展開図（縮尺')
    return ''.join(raw[start:].split())


# The development shows every side length of the drawing once (a joined side is the side it joins) and every
# figure's number as the tables number it, from 1 in each tier, the base marked; then the tiers' names.
JOINED = {'0': 1, '1': 2, '2': 3}  # the join's code: this figure's side A, B or C is the previous one's
drawn = development_text(WORK + '/example-design.pdf')
expected = ''
for tier, figures in enumerate(data_file_rows(EXAMPLE)):
    for number, (kind, *sides, join) in enumerate(figures, 1):
        for side, value in enumerate(sides, 1):
            if number == 1 or JOINED[join] != side:
                expected += shown(value)
        expected += str(number) + ('基準' if kind == '0' else '')
expected += '1段目2段目'
check('development labels', drawn.startswith('展開図（縮尺1/250）' + expected) and drawn.endswith('2/2'),
      '\n%s\n%s' % (drawn, expected))

# The title block: the fields given, the scale of the development.
titled = WORK + '/titled.pdf'
result = run('report', EXAMPLE, '-o', titled, '--location', '千代田区丸の内一丁目', '--lot', '12番3', '--land-use', '宅地',
             '--author', '測量 太郎', '--scale', '200', '--registered', 'floor')
check('titled status', result.returncode == 0, result.stderr)
first_page = subprocess.run(['pdftotext', '-layout', '-l', '1', titled, '-'], capture_output=True).stdout.decode('utf-8')
for label, value in (('所在', '千代田区丸の内一丁目'), ('地番', '12番3'), ('建物', '宅地'), ('作成者', '測量 太郎'),
                     ('縮尺', '1/200')):
    check('title block ' + label, any(label in line and value in line for line in first_page.splitlines()), first_page)
check('development at the scale given', '展開図（縮尺1/200）' in development_text(titled))

# The 三斜 form of a 3-4-5 triangle: base 5, height 2.4, 倍面積 12; 倍面積合計 12, area 6.
triangle = '%s/triangle-345.txt' % WORK
lines_345 = ['"LTミロタ展開図"', '"2000"', '20', '100', '1', '1', '1']
lines_345 += ['"%s"' % v for v in ('0', '3', '4', '5', '', '', '0', '0', '', '', '', '', '', '0')]
lines_345 += ['"%s"' % v for v in ('12', '', '', '', '', '', '0', '12', '', '', '', '', '', '0')]
lines_345 += ['0', '0', '0', '.4', '.4', '0', '0', '200', '0', '0', '0', '0', '#FALSE#', '#FALSE#',
              '"図面"', '"寸法値"', '"面積表"']
with open(triangle, 'wb') as f:
    f.write(''.join(line + '\r\n' for line in lines_345).encode('cp932'))
lines, _ = sheet_lines(triangle, 'triangle-sansha', '--form', 'sansha')
expect_in_order('三斜 3-4-5', lines, [['三斜式（底辺・高さ）'], ['1', '5.00', '2.40', '12.0000'],
                                     ['計算面積合計', '12.0000', '6.00'], ['差引面積', '12.0000', '6.00']])

# A figure that forms no triangle: marked on the sheet and left out of its totals, named on standard error, status 1.
faulty = '%s/triangle-faulty.txt' % WORK
with open(faulty, 'wb') as f:
    f.write(''.join(line + '\r\n' for line in lines_345).replace('"5"', '"9"').encode('cp932'))
result = run('report', faulty, '-o', WORK + '/faulty.pdf')
check('faulty status', result.returncode == 1 and '（1段目 No.1）' in result.stderr.decode('utf-8'),
      result.stderr.decode('utf-8', 'replace'))
text = subprocess.run(['pdftotext', '-layout', WORK + '/faulty.pdf', '-'], capture_output=True).stdout.decode('utf-8')
expect_in_order('faulty sheet', [line.split() for line in text.splitlines()],
                [['1', '計算不可'], ['計算面積合計', '0.00'], ['差引面積', '0.00', '計算不可を除く']])

# Wrong calls: usage 2; a document or an output that cannot be had: 1 with a message, no file left behind.
check('unknown form', run('report', EXAMPLE, '-o', WORK + '/x.pdf', '--form', 'other').returncode == 2)
check('no output', run('report', EXAMPLE).returncode == 2)
missing = run('report', WORK + '/no-such-file.txt', '-o', WORK + '/x.pdf')
check('missing document', missing.returncode == 1 and missing.stderr, missing.stderr)
unwritable = run('report', EXAMPLE, '-o', WORK + '/no-such-folder/x.pdf')
check('unwritable output', unwritable.returncode == 1 and 'ファイルを保存できませんでした' in unwritable.stderr.decode('utf-8'),
      unwritable.stderr.decode('utf-8', 'replace'))

if FULL and os.path.exists(FULL):
    lines, pdf = sheet_lines(FULL, 'full-capacity')
    expect_in_order('full capacity', lines, expected_lines(FULL, '設計', 0))
    pages = subprocess.run(['pdfinfo', pdf], capture_output=True, check=True).stdout.decode()
    count = [line.split()[-1] for line in pages.splitlines() if line.startswith('Pages:')][0]
    check('full capacity numbered', [count, '/', count] in lines, count)

for failure in failures:
    print('FAIL', failure)
sys.exit(1 if failures else 0)
