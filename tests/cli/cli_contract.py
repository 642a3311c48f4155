#!/usr/bin/env python3
"""Checks the exit statuses and messages of `mirota-cli` on good, refused and wrong calls."""
import csv
import io
import json
import os
import subprocess
import sys
import unicodedata

CLI, WORK, EXAMPLES = sys.argv[1], sys.argv[2], sys.argv[3]
EXAMPLE = EXAMPLES + '/sample-survey.txt'
failures = []


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True)


def check(name, condition, detail=''):
    if not condition:
        failures.append('%s %s' % (name, detail))


def write(name, data):
    path = '%s/%s' % (WORK, name)
    with open(path, 'wb') as f:
        f.write(data)
    return path


# Wrong usage: status 2.
for args in [(), ('calc',), ('calc', EXAMPLE, '--digits', '6'), ('calc', EXAMPLE, '--digits', 'x'),
             ('frobnicate', EXAMPLE), ('requests', EXAMPLE, '--input-set', 'both'), ('calc', EXAMPLE, '--bogus')]:
    result = run(*args)
    check('usage %r' % (args,), result.returncode == 2, 'exit %d' % result.returncode)

check('help', run('--help').returncode == 0)

# Refused documents: status 1, the title on the first line of standard error, then the message.
not_ours = write('not-ours.txt', '"別のデータ"\r\n"2000"\r\n20\r\n'.encode('cp932'))
bad_capacity = write('bad-capacity.txt', '"LTミロタ展開図"\r\n"2000"\r\nabc\r\n'.encode('cp932'))
refusals = [
    ((not_ours,), 'LTミロタ展開図のデータではありません。'),
    ((bad_capacity,), 'LTミロタ展開図のデータではありません。'),
    ((WORK + '/missing.txt',), 'missing.txt'),
]
for args, expected in refusals:
    for command in ('calc', 'requests'):
        result = run(command, *args)
        err = result.stderr.decode('utf-8')
        check('refused %s %r' % (command, args), result.returncode == 1 and err.split('\n')[0] == 'LTミロタ展開図'
              and expected in err, 'exit %d: %s' % (result.returncode, err))
        check('refused %s %r prints nothing' % (command, args), result.stdout == b'')

# The bundled example: totals formatted with the digits asked for, one object per tier.
result = run('calc', EXAMPLE, '--digits', '3')
check('calc example', result.returncode == 0, result.stderr.decode('utf-8'))
if result.returncode == 0:
    tiers = json.loads(result.stdout)['tiers']
    check('two tiers', len(tiers) == 2)
    check('rows per tier', [len(t['chain']) for t in tiers] == [14, 10] and [len(t['exception']) for t in tiers] == [6, 4])
    check('three decimals', all(len(v.split('.')[1]) == 3 for t in tiers for s in t['totals'] for v in s.values()))

# What is no data file is refused at once, before anything is read: a file over 16 MiB, and (where the
# program runs natively) a pipe and a device that would block or never end.
large = write('large.txt', b'')
os.truncate(large, 20 * 1024 * 1024)
unreadable = [(large, '16 MiB')]
if not CLI.endswith('-emulated'):
    pipe = WORK + '/pipe'
    if os.path.exists(pipe):
        os.remove(pipe)
    os.mkfifo(pipe)
    unreadable += [(pipe, '通常のファイルではありません'), ('/dev/zero', '通常のファイルではありません')]
for path, expected in unreadable:
    try:
        result = subprocess.run([CLI, 'calc', path], capture_output=True, timeout=20)
        err = result.stderr.decode('utf-8')
        check('refused at once %s' % path, result.returncode == 1 and expected in err, 'exit %d: %s' % (result.returncode, err))
    except subprocess.TimeoutExpired:
        check('refused at once %s' % path, False, 'still reading after 20 s')


def shown_width(text):
    return sum(2 if unicodedata.east_asian_width(c) in 'WF' else 1 for c in text)


# The calculation as a table and as CSV: the same rows as the JSON, types by the grid's symbols, the
# chain and the exception list of every tier each with its totals; the table aligned in terminal
# columns (wide characters count two), the CSV UTF-8 under one header.
SYMBOLS = {'△', '▽', '▲', '▼', '基準△'}
areas = json.loads(run('calc', EXAMPLE).stdout)['tiers']
result = run('calc', EXAMPLE, '--format', 'table')
check('table', result.returncode == 0, result.stderr.decode('utf-8'))
blocks = result.stdout.decode('utf-8').split('\n\n')
check('a table per tier', len(blocks) == len(areas), '%d blocks' % len(blocks))
for number, block in enumerate(blocks, 1):
    lines = block.strip('\n').split('\n')
    check('tier heading %d' % number, lines[0] == '%d 段目' % number, lines[0])
    at = lines.index('例外処理') if '例外処理' in lines else len(lines)
    chain, exception = lines[1:at], lines[at + 1:]
    check('header %d' % number, chain[0].split() == ['番号', '区分', 'タイプ', 'A辺', 'B辺', 'C辺', 'S', '面積'], chain[0])
    check('exception header %d' % number,
          exception[:1] and exception[0].split() == ['番号', '区分', '名称', 'タイプ', '要素１', '要素２', '位置', '面積'],
          repr(exception[:1]))
    for name, section in (('chain', chain), ('exception', exception)):
        check('aligned %s %d' % (name, number), len({shown_width(line) for line in section}) == 1, repr(section[:3]))
    totals = [line.split() for line in chain if '面積合計' in line or '差引面積' in line]
    check('totals %d' % number, [t[1] for t in totals] == ['計算面積合計', '控除面積合計', '差引面積'] * 2, repr(totals))
    figures = [line.split() for line in chain[1:] if line.split()[1] not in ('計算面積合計', '控除面積合計', '差引面積')]
    check('rows %d' % number, len(figures) == len(areas[number - 1]['chain']))
    check('symbols %d' % number, all(f[2] in SYMBOLS for f in figures), repr([f[2] for f in figures]))
    design = areas[number - 1]['totals'][0]
    check('design totals %d' % number, [totals[0][2], totals[1][2]] == [design['calc'], design['deduct']], repr(totals))
    check('exception rows %d' % number, len(exception) - 1 - 6 == len(areas[number - 1]['exception']), repr(exception))

result = run('calc', EXAMPLE, '--format', 'csv', '--digits', '3')
rows = list(csv.reader(io.StringIO(result.stdout.decode('utf-8'), newline='')))
check('csv header', rows[0] == ['段', '一覧', '番号', '区分', '名称', 'タイプ', 'A辺', 'B辺', 'C辺', 'S', '要素１', '要素２',
                                '位置', '面積'], repr(rows[:1]))
check('csv rows', len(rows) == 1 + sum(len(t['chain']) + len(t['exception']) + 12 for t in areas)
      and all(len(r) == 14 for r in rows))
first = areas[0]['chain'][0]
check('csv values', rows[1][:4] == ['1', '展開図形', '1', '設計'] and rows[1][5] in SYMBOLS
      and float(rows[1][13]) == round(float(first['area']), 3), repr(rows[1]))
named = [r[4] for r in rows if r[0] == '1' and r[1] == '例外処理' and r[2] and r[3] == '設計']
check('csv exception figures', named == ['池', '物置', '花壇'], repr(named))
exception_areas = [r[13] for r in rows if r[0] == '1' and r[1] == '例外処理' and r[2]]
check('csv exception areas', [float(a) for a in exception_areas]
      == [round(float(e['area']), 3) for e in areas[0]['exception']], repr(exception_areas))
check('json stays the default', run('calc', EXAMPLE, '--format', 'json').stdout == run('calc', EXAMPLE).stdout)
check('unknown format', run('calc', EXAMPLE, '--format', 'xml').returncode == 2)

# Requests: one JSON string per line, the erase first, answers ended by CR, circles followed by ESC.
result = run('requests', EXAMPLE)
check('requests example', result.returncode == 0, result.stderr.decode('utf-8'))
lines = result.stdout.decode('utf-8').splitlines()
texts = [json.loads(line) for line in lines]
check('erase first', texts[:1] == ['erase\rall\r\r'], repr(texts[:1]))
check('every request ends its answers', all(t.endswith('\r') or t.endswith('\r\x1b') for t in texts))
circles = [t for t in texts if t.startswith('_circle\r')]
check('one circle per figure', len(circles) == 12 and all(t.endswith('\r\x1b') for t in circles))
check('escapes as JSON', all('\\r' in line for line in lines) and any('\\u001b' in line for line in lines))
measured = run('requests', EXAMPLE, '--input-set', 'measured')
check('measured differs', measured.returncode == 0 and measured.stdout != result.stdout)
# The rules of calc and report: the area table closes with the net lines and the registered area when asked.
closed = [json.loads(line) for line in run('requests', EXAMPLE, '--table-totals', '--registered', 'residential',
                                           '--rounding', 'down').stdout.decode('utf-8').splitlines()]
check('table totals', not any('hyou4' in t for t in texts) and any('hyou3' in t for t in closed)
      and any('hyou4' in t and '地積' in t for t in closed), repr([t for t in closed if 'hyou4' in t]))
sides = [json.loads(line) for line in run('requests', EXAMPLE, '--side-digits', '3').stdout.decode('utf-8').splitlines()]
check('side digits', any(t.startswith('_dtext') and '\r8.530\r' in t for t in sides)
      and not any('\r8.530\r' in t for t in texts))
check('draw takes the rules', run('draw', EXAMPLE, '-o', os.path.join(WORK, 'rules.svg'), '--rounding', 'up',
                                  '--sum', 'shown', '--table-totals', '--height-lines').returncode == 0)

# Drawing: an output file is needed except for DDE, which either draws (no program answers here)
# or is not there; both end in a message.
check('draw without output', run('draw', EXAMPLE, '--link', 'engine').returncode == 2)
result = run('draw', EXAMPLE, '--link', 'dde')
err = result.stderr.decode('utf-8')
check('draw over dde', result.returncode == 1 and err.split('\n')[0] == 'LTミロタ展開図' and 'DDE' in err,
      'exit %d: %s' % (result.returncode, err))

# SIMA: the laid-out development as points and lots, code page 932, framed by its header and end records.
sima = os.path.join(WORK, 'plan.sim')
result = run('draw', EXAMPLE, '-o', sima)
records = open(sima, 'rb').read().decode('cp932').split('\r\n') if result.returncode == 0 else []
check('draw to sima', records[:3] == ['G00,01,sample-survey,', 'Z00,座標データ,', 'A00,'] and
      records[-2:] == ['A99,END,', ''] and sum(r.startswith('D00,') for r in records) == 12,
      'exit %d: %r' % (result.returncode, records[:3]))
check('sima with a link', run('draw', EXAMPLE, '-o', sima, '--link', 'script').returncode == 2)

if failures:
    print('\n'.join(failures))
    sys.exit(1)
print('command line contract holds')
