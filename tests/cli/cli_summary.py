#!/usr/bin/env python3
"""Checks calc's rules and summary: --keep-going past a faulty figure, --rounding, --sum, --summary and
--registered in every format, and that the defaults print exactly what calc printed before."""
import csv
import io
import json
import subprocess
import sys

CLI, WORK, EXAMPLES = sys.argv[1], sys.argv[2], sys.argv[3]
failures = []


def run(*args):
    return subprocess.run([CLI, 'calc', *args], capture_output=True)


def check(name, condition, detail=''):
    if not condition:
        failures.append('%s %s' % (name, detail))


def document(path, chain, exception):
    """One tier; rows are (type, a, b, c) for the design values, the measured rows empty."""
    lines = ['"LTミロタ展開図"', '"2000"', '20', '100', '1', str(len(chain)), str(len(exception))]
    for rows in (chain, exception):
        for code, a, b, c in rows:
            lines += ['"%s"' % v for v in (code, a, b, c, '', '', '0')]
            lines += ['"%s"' % v for v in (code, '', '', '', '', '', '0')]
    lines += ['0', '0', '0', '.4', '.4', '0', '0', '200', '0', '0', '0', '0', '#TRUE#', '#TRUE#',
              '"図面"', '"寸法値"', '"面積表"']
    with open(path, 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('cp932'))
    return path


# 100.053245 m² in all: the chain's triangle and deduction cancel, the exception list holds 10 × 10,
# 1.004 and 1.004 (shown as 1.00 and 1.00), less 2.008, and 0.053245; the chain's second figure is no triangle.
site = document(WORK + '/summary-site.txt',
                [('10', '1', '1', '1'), ('11', '13', '12', '30'), ('21', '1', '1', '1')],
                [('12', '名称1', '10', '10'), ('12', '名称2', '1.004', '1'), ('12', '名称3', '1.004', '1'),
                 ('22', '名称4', '2.008', '1'), ('12', '名称5', '0.053245', '1')])

# Defaults: exactly today's output; a faulty figure still ends the command with its message.
plain = run(site)
check('fault ends the command', plain.returncode == 1 and '（1段目 No.2）' in plain.stderr.decode('utf-8'), plain.stderr)
example = EXAMPLES + '/sample-survey.txt'
for fmt in ('json', 'table', 'csv'):
    today = run(example, '--format', fmt).stdout
    check('defaults unchanged ' + fmt,
          run(example, '--format', fmt, '--rounding', 'half-up', '--sum', 'stored').stdout == today)

# --keep-going: every valid figure printed, the fault named, status 1.
going = run(site, '--keep-going', '--summary')
err = going.stderr.decode('utf-8')
check('keep going status', going.returncode == 1, going.returncode)
check('keep going names the fault', err.split('\n')[0] == 'データ入力エラー' and '（1段目 No.2） 設計値' in err, err)
out = json.loads(going.stdout)
chain = out['tiers'][0]['chain']
check('valid figures calculated', chain[0]['area'] != '' and chain[4]['area'] != '' and chain[2] == {'s': '', 'area': ''},
      chain)
design = out['summary'][0]
check('summary keys', list(out) == ['tiers', 'summary'] and list(design) == ['tiers', 'total', 'registered', 'tsubo'])
check('left out', design['tiers'][0]['chain']['left_out'] == [2], design['tiers'][0]['chain'])
check('no registered unless asked', design['registered'] is None)
check('measured complete', out['summary'][1]['tiers'][0]['chain']['left_out'] == [])

# Rules: the exception list's 1.004 + 1.004 + 0.053245 stored vs shown.
stored = json.loads(run(site, '--keep-going', '--summary').stdout)['summary'][0]['tiers'][0]['exception']
shown = json.loads(run(site, '--keep-going', '--summary', '--sum', 'shown').stdout)['summary'][0]['tiers'][0]['exception']
check('stored sum', stored['calc'] == '102.06', stored)   # 102.061245, in single precision 102.0612
check('shown sum', shown['calc'] == '102.05', shown)     # 100.00 + 1.00 + 1.00 + 0.05
up = json.loads(run(site, '--keep-going', '--summary', '--rounding', 'up', '--digits', '3').stdout)
check('rounding up', up['summary'][0]['tiers'][0]['exception']['calc'] == '102.062', up['summary'][0]['tiers'][0])
check('rounding up of a stored area stays as stored', up['tiers'][0]['exception'][8]['area'] == '0.053245')
up = json.loads(run(site, '--keep-going', '--rounding', 'up', '--digits', '1').stdout)
check('totals follow the rules', up['tiers'][0]['totals'][0]['deduct'] == '0.5', up['tiers'][0]['totals'])  # 0.4330127

# The registered area of the whole site.
for registered, expected in (('residential', '100.05'), ('other', '100'), ('floor', '100.05'), ('none', None)):
    result = json.loads(run(site, '--keep-going', '--registered', registered).stdout)['summary'][0]
    check('registered ' + registered, result['registered'] == expected, result['registered'])
    check('net ' + registered, result['total']['net'] == '100.05', result['total'])

# Table and CSV carry the same summary.
table = run(site, '--keep-going', '--registered', 'other', '--format', 'table').stdout.decode('utf-8')
check('table summary', '\n集計\n' in table and '地積（その他の地目）' in table and '100.05' in table, table[-400:])
rows = list(csv.reader(io.StringIO(run(site, '--keep-going', '--summary', '--format', 'csv').stdout.decode('utf-8'),
                                   newline='')))
blank = rows.index([])
check('csv summary header', rows[blank + 1][:3] == ['区分', '段', '一覧'], rows[blank + 1:blank + 2])
check('csv total', ['設計', '全体', '合計'] == rows[blank + 1 + 4][:3], rows[blank + 1:])
# The CSV ends with the rules it was made by, after an empty row.
check('csv rules', rows[-2:] == [[], ['計算の規則', '端数処理', '四捨五入', '桁数', '2', '合計の出し方', '計算値の合計',
                                      '登記面積', 'なし']], rows[-2:])
rows = list(csv.reader(io.StringIO(run(site, '--keep-going', '--registered', 'other', '--rounding', 'down', '--sum',
                                       'shown', '--digits', '3', '--format', 'csv').stdout.decode('utf-8'), newline='')))
check('csv rules asked', rows[-1] == ['計算の規則', '端数処理', '切り捨て', '桁数', '3', '合計の出し方', '表示した値の合計',
                                      '登記面積', '地積（その他の地目）'], rows[-1])
check('csv registered row', ['設計', '全体', '地積（その他の地目）', '', '', '100', ''] in rows, rows[-8:])
check('wrong rounding', run(site, '--rounding', 'nearest').returncode == 2)

if failures:
    print('\n'.join(failures))
    sys.exit(1)
print('calc rules and summary hold')
