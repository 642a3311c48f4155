#!/usr/bin/env python3
"""Checks the exit statuses and messages of `mirota-cli` on good, refused and wrong calls."""
import json
import subprocess
import sys

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

# Drawing: an output file is needed except for DDE, which either draws (no program answers here)
# or is not there; both end in a message.
check('draw without output', run('draw', EXAMPLE, '--link', 'engine').returncode == 2)
result = run('draw', EXAMPLE, '--link', 'dde')
err = result.stderr.decode('utf-8')
check('draw over dde', result.returncode == 1 and err.split('\n')[0] == 'LTミロタ展開図' and 'DDE' in err,
      'exit %d: %s' % (result.returncode, err))

if failures:
    print('\n'.join(failures))
    sys.exit(1)
print('command line contract holds')
