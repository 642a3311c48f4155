#!/usr/bin/env python3
"""Checks `mirota-cli calc` against a computation of its own on random documents.

The documents are written here byte by byte in code page 932, and every number is worked out here:
half perimeters and areas exact from the typed decimals (an irrational area to 15 decimals and a final 1),
totals their exact sums, display rounding half away from zero on the decimal text.
"""
import json
import math
import random
import re
import subprocess
import sys
from decimal import Decimal, ROUND_HALF_UP, getcontext

getcontext().prec = 200  # every sum and product here exact

CLI = sys.argv[1]
WORK = sys.argv[2]
SEED = int(sys.argv[3]) if len(sys.argv) > 3 else 2026


def leading_number(text):
    compact = re.sub(r'[ \t\r\n]', '', text)
    m = re.match(r'[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?', compact)
    if not m:
        return Decimal(0)
    return Decimal(m.group(0).replace('d', 'e').replace('D', 'e'))


def exact_text(x):
    text = format(x, 'f')
    if '.' in text:
        text = text.rstrip('0').rstrip('.')
    return text


def heron_text(sixteen_a2):
    """√(16A²) ÷ 4 to 15 decimals, with a 1 after them when the value goes on."""
    scaled = sixteen_a2.scaleb(30)
    whole = int(scaled)
    root = math.isqrt(whole)
    quarter = root // 4
    if scaled == whole and root * root == whole and root % 4 == 0:
        return exact_text(Decimal(quarter).scaleb(-15))
    return format(Decimal(quarter).scaleb(-15).quantize(Decimal(1).scaleb(-15)), 'f') + '1'


def formatted(text, decimals):
    q = Decimal(1).scaleb(-decimals)
    value = Decimal(text).quantize(q, rounding=ROUND_HALF_UP)
    out = format(value, 'f')
    if out.startswith('-') and Decimal(out) == 0:
        out = out[1:]
    return out + ('.' if decimals == 0 else '')


def random_side(rng):
    return rng.choice(['%d' % rng.randint(1, 60), '%.1f' % rng.uniform(0.5, 60), '%.2f' % rng.uniform(0.5, 60),
                       '%.3f' % rng.uniform(0.01, 5)])


def chain_row(rng, allow_bad):
    kind = rng.random()
    if kind < 0.06:
        return [random_side(rng), '', random_side(rng)]
    a, b = float(random_side(rng)), float(random_side(rng))
    if allow_bad and kind < 0.09:
        c = a + b + 1
    else:
        lo, hi = abs(a - b), a + b
        c = rng.uniform(lo + (hi - lo) * 0.05, hi - (hi - lo) * 0.05)
    sides = ['%g' % a, '%g' % b, '%.2f' % c]
    if kind > 0.9:  # units and blanks around the numbers, as typed
        sides = [sides[0] + 'm', ' ' + sides[1], sides[2] + ' ']
    return sides


def make_document(rng, allow_bad):
    tiers = rng.randint(1, 4)
    counts = [[rng.randint(1, 9) for _ in range(tiers)], [rng.randint(1, 5) for _ in range(tiers)]]
    cells = [[], []]
    for t in range(tiers):
        rows = []
        for i in range(counts[0][t]):
            code = rng.choice(['0', '10', '11', '12', '13', '20', '21', '22', '23', '', 'x'])
            for _ in range(2):
                a, b, c = chain_row(rng, allow_bad)
                rows.append([code, a, b, c, '', '', rng.choice(['0', '1', '2'])])
        cells[0].append(rows)
        rows = []
        for i in range(counts[1][t]):
            code = rng.choice(['12', '13', '22', '23', '10', ''])
            for _ in range(2):
                e1 = rng.choice([random_side(rng), '', random_side(rng)])
                e2 = rng.choice([random_side(rng), ''])
                rows.append([code, '名称%d' % (i + 1), e1, e2, '', '', ''])
        cells[1].append(rows)
    return tiers, counts, cells


def write_document(path, tiers, counts, cells):
    lines = ['"LTミロタ展開図"', '"2000"', '20', '100', str(tiers)]
    for l in range(2):
        lines += [str(counts[l][t]) for t in range(tiers)]
    for l in range(2):
        for t in range(tiers):
            for row in cells[l][t]:
                lines += ['"%s"' % (v if c not in (4, 5) else '') for c, v in enumerate(row)]
    lines += ['0', '0', '0', '.4', '.4', '0', '0', '200', '0', '0', '0', '0', '#TRUE#', '#TRUE#',
              '"図面"', '"寸法値"', '"面積表"']
    with open(path, 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('cp932'))


def expected(tiers, counts, cells, decimals, prefix):
    results = []
    for t in range(tiers):
        chain = []
        for r, row in enumerate(cells[0][t]):
            entry = {'s': '', 'area': ''}
            if row[1] and row[2] and row[3]:
                a, b, c = (leading_number(v) for v in row[1:4])
                message = '数値入力に誤りがあります。（%d段目 %s%d）' % (t + 1, prefix, r // 2 + 1)
                if min(a, b, c) <= 0:
                    return None, message
                entry['s'] = exact_text((a + b + c) / 2)
                p = (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c)
                if p < 0:
                    return None, message
                entry['area'] = heron_text(p)
            chain.append(entry)
        results.append({'chain': chain})
    for t in range(tiers):
        exception = []
        for row in cells[1][t]:
            area = ''
            if row[0] in ('12', '22') and row[2] and row[3]:
                area = exact_text(leading_number(row[3]) * leading_number(row[2]))
            elif row[0] in ('13', '23') and row[2]:
                area = exact_text(leading_number(row[2]) ** 2 * Decimal('3.1415926538') / 4)
            exception.append({'area': area})
        results[t]['exception'] = exception
    for t in range(tiers):
        totals = []
        for inputset in range(2):
            calc, deduct = Decimal(0), Decimal(0)
            for r in range(inputset, len(cells[0][t]), 2):
                code = leading_number(cells[0][t][r][0])
                area = leading_number(results[t]['chain'][r]['area'])
                if code in (0, 10, 11, 12, 13):
                    calc += area
                else:
                    deduct += area
            totals.append({'calc': formatted(exact_text(calc), decimals),
                           'deduct': formatted(exact_text(deduct), decimals)})
        results[t]['totals'] = totals
    return {'tiers': results}, None


def main():
    rng = random.Random(SEED)
    checked = 0
    for n in range(60):
        doc = make_document(rng, allow_bad=(n % 3 == 0))
        decimals = rng.randint(0, 5)
        prefix = rng.choice(['No.', '測点'])
        path = '%s/oracle-%d.txt' % (WORK, n)
        write_document(path, *doc)
        want, message = expected(*doc, decimals, prefix)
        run = subprocess.run([CLI, 'calc', path, '--digits', str(decimals), '--prefix', prefix],
                             capture_output=True)
        if message is not None:
            err = run.stderr.decode('utf-8')
            if run.returncode != 1 or message not in err:
                print('document %d: expected exit 1 with %r, got %d: %s' % (n, message, run.returncode, err))
                return 1
        else:
            if run.returncode != 0:
                print('document %d: exit %d: %s' % (n, run.returncode, run.stderr.decode('utf-8')))
                return 1
            got = json.loads(run.stdout.decode('utf-8'))
            if got != want:
                print('document %d differs (%s):\n want %s\n got  %s' % (n, path, json.dumps(want, ensure_ascii=False),
                                                                        json.dumps(got, ensure_ascii=False)))
                return 1
        checked += 1
    print('%d documents agree' % checked)
    return 0


if __name__ == '__main__':
    sys.exit(main())
