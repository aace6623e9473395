#!/usr/bin/env python3
"""Start-up cost of kelconv: `kelconv --version` against a C++ program that
only returns, both run as processes in turns, best and median of many runs.

    bench/startup.py BUILD/cli/kelconv BUILD/bench/bench_catalogue_registration [RUNS]

The difference of the best times is what starting kelconv costs beyond
starting any program: loading its libraries and registering every class of
the model and the catalogue. In the same rounds a fresh process times its
registration in two steps, the model areas and then the catalogue; the goal
is that the catalogue's step takes less than a millisecond of the
difference.
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


def registration_steps(program):
    """The areas' and the catalogue's registration times of one fresh
    process, in seconds."""
    words = subprocess.run([program], capture_output=True, text=True, check=True).stdout.split()
    # "areas A us, catalogue C us"
    return float(words[1]) * 1e-6, float(words[4]) * 1e-6


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    kelconv, registration = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    with tempfile.TemporaryDirectory() as folder:
        empty = build_empty_program(folder)
        sides = {"kelconv --version": [kelconv, "--version"], "empty program": [empty]}
        times = {name: [] for name in sides}
        for name, command in sides.items():  # warm the file cache
            run_once(command)
        steps = {"model areas": [], "catalogue": []}
        for _ in range(runs):
            for name, command in sides.items():
                times[name].append(run_once(command))
            areas, catalogue = registration_steps(registration)
            steps["model areas"].append(areas)
            steps["catalogue"].append(catalogue)
    for name, values in times.items():
        print(f"{name:20} best {min(values) * 1e3:7.3f} ms   "
              f"median {statistics.median(values) * 1e3:7.3f} ms")
    best = min(times["kelconv --version"]) - min(times["empty program"])
    median = (statistics.median(times["kelconv --version"]) -
              statistics.median(times["empty program"]))
    print(f"{'difference':20} best {best * 1e3:7.3f} ms   median {median * 1e3:7.3f} ms")
    print("registration inside a fresh process:")
    for name, values in steps.items():
        print(f"  {name:18} best {min(values) * 1e3:7.3f} ms   "
              f"median {statistics.median(values) * 1e3:7.3f} ms")
    catalogue = statistics.median(steps["catalogue"])
    verdict = "met" if catalogue < 1e-3 else "NOT met"
    print(f"catalogue's share of the difference: {catalogue * 1e3:.3f} ms (median; "
          f"goal < 1 ms: {verdict})")


if __name__ == "__main__":
    main()
