#!/usr/bin/env python3
"""Start-up cost of kelconv: `kelconv --version` against a C++ program that
only returns, both run as processes in turns, best and median of many runs.

    bench/startup.py BUILD/cli/kelconv [RUNS]

The difference of the best times is what starting kelconv costs beyond
starting any program: loading its libraries and registering every class of
the model and the catalogue. The goal is that registering the catalogue
keeps this under a millisecond more than it was without it.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def build_empty_program(folder):
    source = os.path.join(folder, "empty.cpp")
    program = os.path.join(folder, "empty")
    with open(source, "w") as f:
        f.write("int main() { return 0; }\n")
    subprocess.run([os.environ.get("CXX", "c++"), "-O2", source, "-o", program], check=True)
    return program


def run_once(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    kelconv = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    with tempfile.TemporaryDirectory() as folder:
        empty = build_empty_program(folder)
        sides = {"kelconv --version": [kelconv, "--version"], "empty program": [empty]}
        times = {name: [] for name in sides}
        for name, command in sides.items():  # warm the file cache
            run_once(command)
        for _ in range(runs):
            for name, command in sides.items():
                times[name].append(run_once(command))
    for name, values in times.items():
        print(f"{name:20} best {min(values) * 1e3:7.3f} ms   "
              f"median {statistics.median(values) * 1e3:7.3f} ms")
    best = min(times["kelconv --version"]) - min(times["empty program"])
    median = (statistics.median(times["kelconv --version"]) -
              statistics.median(times["empty program"]))
    print(f"{'difference':20} best {best * 1e3:7.3f} ms   median {median * 1e3:7.3f} ms")


if __name__ == "__main__":
    main()
