#!/usr/bin/env python3
"""Draws over DDE under wine against the stand-in server and checks what arrived.

    dde_delivery_test.py WINE CLI_EXE SERVER_EXE NATIVE_CLI WORK_DIR DOCUMENT...

Needs a display (run it under `xvfb-run -a`). For every document the requests that reach the server
must be exactly those that the native `mirota-cli requests` prints, in code page 932 byte for byte,
CR and ESC included, in the same number. Without a server, and with a server that holds a request
past the 5-second time-out or refuses one, the command must end with a clear message and exit
status 1 within a few seconds, having sent nothing after the failing request.
"""
import json
import os
import subprocess
import sys
import time

WINE, CLI, SERVER, NATIVE_CLI, WORK = sys.argv[1:6]
DOCUMENTS = sys.argv[6:]
TITLE = 'LTミロタ展開図'
failures = []
timings = []


def check(name, condition, detail=''):
    if not condition:
        failures.append('%s: %s' % (name, detail))
    return condition


def expected_requests(document, extra):
    """The native command line's requests, in code page 932."""
    result = subprocess.run([NATIVE_CLI, 'requests', document, *extra], capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError('native requests failed: ' + result.stderr.decode('utf-8', 'replace'))
    return result.stdout, [json.loads(line).encode('cp932') for line in result.stdout.decode('utf-8').splitlines()]


def read_log(path):
    """The server's records: a decimal length, a line end, the bytes and a line end."""
    records = []
    with open(path, 'rb') as f:
        data = f.read()
    at = 0
    while at < len(data):
        end = data.index(b'\n', at)
        size = int(data[at:end])
        records.append(data[end + 1:end + 1 + size])
        at = end + 1 + size + 1
    return records


class Server:
    """The stand-in server under wine, for one case."""

    def __init__(self, name, *options):
        self.log = os.path.join(WORK, name + '.log')
        self.ready = os.path.join(WORK, name + '.ready')
        for path in (self.log, self.ready):
            if os.path.exists(path):
                os.remove(path)
        self.process = subprocess.Popen([WINE, SERVER, '--log', self.log, '--ready', self.ready, '--seconds', '90',
                                         *options], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 60
        while not os.path.exists(self.ready):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError('the stand-in server did not start: ' +
                                   self.process.stderr.read().decode('utf-8', 'replace'))
            time.sleep(0.05)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        return read_log(self.log)


def draw(name, document, extra, link=('--link', 'dde')):
    """Runs the drawing over DDE under wine; gives the result and the seconds it took."""
    start = time.monotonic()
    result = subprocess.run([WINE, CLI, 'draw', document, *link, *extra], capture_output=True, timeout=120)
    seconds = time.monotonic() - start
    timings.append('%s: %.1f s, exit %d' % (name, seconds, result.returncode))
    return result, seconds


def check_failure(name, result, seconds, limit, parts):
    err = result.stderr.decode('utf-8', 'replace')
    check(name + ' exit status', result.returncode == 1, 'exit %d: %s' % (result.returncode, err))
    check(name + ' title', err.split('\n')[0] == TITLE, err)
    check(name + ' message', '図面の作図が完了しませんでした。' in err and all(p in err for p in parts), err)
    check(name + ' ends in time', seconds < limit, '%.1f s' % seconds)


def delivery_cases():
    for document in DOCUMENTS:
        for extra in ([], ['--input-set', 'measured']):
            yield os.path.basename(document) + ' ' + ' '.join(extra), document, extra


def main():
    os.makedirs(WORK, exist_ok=True)
    sample = DOCUMENTS[0]
    _, sample_requests = expected_requests(sample, [])

    # DDE draws into the running program: an output file is wrong usage.
    result = subprocess.run([WINE, CLI, 'draw', sample, '--link', 'dde', '-o', os.path.join(WORK, 'x.dxf')],
                            capture_output=True, timeout=120)
    check('dde with an output file', result.returncode == 2, 'exit %d' % result.returncode)

    # No server: the conversation cannot be opened; without --link nor an output file DDE is taken.
    result, seconds = draw('no server, no --link', sample, [], link=[])
    check_failure('no server, no --link', result, seconds, 5, ['起動していない', 'DMLERR_NO_CONV_ESTABLISHED'])
    result, seconds = draw('no server', sample, [])
    check_failure('no server', result, seconds, 5, ['起動していない', 'DMLERR_NO_CONV_ESTABLISHED'])

    # A server that holds the third request past the time-out: the run stops there.
    server = Server('stall', '--stall', '3', '--stall-ms', '12000')
    result, seconds = draw('stalled third request', sample, [])
    delivered = server.stop()
    check_failure('stall', result, seconds, 9, ['5 秒以内に受け付けませんでした', 'DMLERR_EXECACKTIMEOUT'])
    check('stall at least the time-out', seconds >= 5, '%.1f s' % seconds)
    check('stall sends nothing after', delivered == sample_requests[:3], '%d requests' % len(delivered))

    # A server that refuses the second request.
    server = Server('refuse', '--refuse', '2')
    result, seconds = draw('refused second request', sample, [])
    delivered = server.stop()
    check_failure('refuse', result, seconds, 5, ['拒否しました', 'DMLERR_NOTPROCESSED'])
    check('refuse sends nothing after', delivered == sample_requests[:1], '%d requests' % len(delivered))

    # The whole drawing, after the failures: nothing of them is left behind.
    for name, document, extra in delivery_cases():
        native_lines, expected = expected_requests(document, extra)
        wine_requests = subprocess.run([WINE, CLI, 'requests', document, *extra], capture_output=True, timeout=120)
        check(name + ' requests under wine', wine_requests.stdout == native_lines,
              wine_requests.stderr.decode('utf-8', 'replace'))
        server = Server('deliver')
        result, seconds = draw(name, document, extra)
        delivered = server.stop()
        check(name + ' exit status', result.returncode == 0, result.stderr.decode('utf-8', 'replace'))
        check(name + ' count', len(delivered) == len(expected), '%d of %d' % (len(delivered), len(expected)))
        for i, (got, want) in enumerate(zip(delivered, expected)):
            if not check(name + ' request %d' % (i + 1), got == want, '%r != %r' % (got, want)):
                break
        check(name + ' carries CR and ESC', all(r.endswith(b'\r') or r.endswith(b'\r\x1b') for r in delivered)
              and any(r.endswith(b'\x1b') for r in delivered))
        timings[-1] += ', %d requests' % len(delivered)

    print('\n'.join(timings))
    if failures:
        print('\n'.join(failures))
        return 1
    print('DDE delivery holds')
    return 0


if __name__ == '__main__':
    sys.exit(main())
