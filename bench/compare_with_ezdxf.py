"""The full-capacity drawing as two whole processes, side by side: `mirota-cli draw DOCUMENT -o OUT.dxf`
and bench/ezdxf_full_drawing.py, run alternately so that both meet the same load. Prints each run, the
medians of wall-clock and processor time and their ratios, after checking that both files hold the same
kinds and numbers of entities.

Usage: /usr/bin/python3 bench/compare_with_ezdxf.py [--cli build-release/cli/mirota-cli]
           [--document ../shared/bench/full-capacity.txt] [--runs 7]"""
import argparse
import collections
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

import ezdxf

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def timed(command):
    """Wall-clock and processor seconds (user + system) of one whole process."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def census(path):
    """What a reader finds: model space entities by kind and layer, inserts by block and attribute count,
    block contents, layers."""
    doc = ezdxf.readfile(path)
    counts = collections.Counter()
    for entity in doc.modelspace():
        counts[(entity.dxftype(), entity.dxf.layer)] += 1
        if entity.dxftype() == 'INSERT':
            counts[('ATTRIB of ' + entity.dxf.name, entity.dxf.layer)] += len(entity.attribs)
    for block in doc.blocks:
        if not block.name.startswith('$') and not block.name.startswith('*'):
            for entity in block:
                counts[(entity.dxftype() + ' in ' + block.name, entity.dxf.layer)] += 1
    return counts


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--cli', default=os.path.join(ROOT, 'build-release', 'cli', 'mirota-cli'))
    parser.add_argument('--document', default=os.path.join(ROOT, '..', 'shared', 'bench', 'full-capacity.txt'))
    parser.add_argument('--runs', type=int, default=7)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        ours_file = os.path.join(folder, 'mirota.dxf')
        peer_file = os.path.join(folder, 'ezdxf.dxf')
        ours = [args.cli, 'draw', args.document, '-o', ours_file]
        peer = [sys.executable, os.path.join(HERE, 'ezdxf_full_drawing.py'), peer_file]
        runs = {'mirota-cli': [], 'ezdxf': []}
        for run in range(args.runs):
            for name, command in (('mirota-cli', ours), ('ezdxf', peer)):
                wall, cpu = timed(command)
                runs[name].append((wall, cpu))
                print(f'run {run + 1}  {name:10s}  wall {wall * 1000:9.1f} ms  cpu {cpu * 1000:9.1f} ms', flush=True)

        ours_census, peer_census = census(ours_file), census(peer_file)
        if ours_census != peer_census:
            print('The two drawings differ in their entities:')
            for key in sorted(set(ours_census) | set(peer_census)):
                print(f'  {key}: mirota-cli {ours_census[key]}, ezdxf {peer_census[key]}')
            return 1
        print(f'Both drawings hold {sum(ours_census.values())} entities of the same kinds on the same layers.')
        sizes = {name: os.path.getsize(path) for name, path in (('mirota-cli', ours_file), ('ezdxf', peer_file))}

    medians = {name: (statistics.median(w for w, _ in times), statistics.median(c for _, c in times))
               for name, times in runs.items()}
    for name, (wall, cpu) in medians.items():
        print(f'median {name:10s}  wall {wall * 1000:9.1f} ms  cpu {cpu * 1000:9.1f} ms  ({sizes[name]} bytes)')
    ours_wall, ours_cpu = medians['mirota-cli']
    peer_wall, peer_cpu = medians['ezdxf']
    print(f'ratio ezdxf / mirota-cli: wall {peer_wall / ours_wall:.1f}x, cpu {peer_cpu / ours_cpu:.1f}x')
    return 0


if __name__ == '__main__':
    sys.exit(main())
