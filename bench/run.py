#!/usr/bin/env python3
"""Starts the utility's window and its two yardsticks (the bare window and the
plain window) in turn, many times, on one Qt platform, and prints the
medians of the wall time until each window is first shown and idle, of the
CPU time spent until then (less swayed by other work on the machine) and of
the process's peak memory, and the utility's ratios to each yardstick."""

import argparse
import os
import statistics
import subprocess
import sys
import time


def start_once(program, env):
    """Runs one program to its idle report: (wall ms, CPU ms, peak RSS KiB,
    widgets)."""
    started = time.monotonic_ns()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             env=env)
    try:
        line = child.stdout.readline().decode().split()
    finally:
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
        child.stdout.close()
    if len(line) != 4 or line[0] != "idle":
        sys.exit(f"{os.path.basename(program)} did not report its window (exit {child.returncode})")
    cpu_ms = (usage.ru_utime + usage.ru_stime) * 1e3
    return (int(line[1]) - started) / 1e6, cpu_ms, usage.ru_maxrss, int(line[3])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bin", required=True, help="folder holding the benchmark programs")
    parser.add_argument("--platform", required=True, help="QT_QPA_PLATFORM, e.g. offscreen or xcb")
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--languages", default="en",
                        help="the utility's languages, comma-separated (LANGUAGE); the first is the one "
                             "set against the yardsticks, the others against the first")
    args = parser.parse_args()
    languages = args.languages.split(",")

    env = dict(os.environ, QT_QPA_PLATFORM=args.platform)
    programs = {name: (os.path.join(args.bin, f"ostraval-bench-{name}"), env)
                for name in ("bare", "plain")}
    # The utility in each language, the first under the name "utility".
    for number, language in enumerate(languages):
        name = "utility" if number == 0 else f"utility-{language}"
        programs[name] = (os.path.join(args.bin, "ostraval-bench-utility"), dict(env, LANGUAGE=language))
    results = {name: {"ms": [], "cpu": [], "kib": []} for name in programs}
    widgets = {}
    for name, (program, program_env) in programs.items():  # warm the file cache
        start_once(program, program_env)
    for _ in range(args.runs):
        for name, (program, program_env) in programs.items():
            ms, cpu, kib, count = start_once(program, program_env)
            results[name]["ms"].append(ms)
            results[name]["cpu"].append(cpu)
            results[name]["kib"].append(kib)
            widgets[name] = count

    median = {name: {k: statistics.median(v) for k, v in r.items()} for name, r in results.items()}
    print(f"platform {args.platform}, {args.runs} runs each, named widgets: "
          + ", ".join(f"{name} {count}" for name, count in widgets.items()))
    for name in programs:
        print(f"  {name:11} start-up {median[name]['ms']:7.1f} ms   CPU {median[name]['cpu']:6.1f} ms"
              f"   peak memory {median[name]['kib'] / 1024:6.1f} MiB")
    for yardstick in ("bare", "plain"):
        ratio = {k: median["utility"][k] / median[yardstick][k] for k in ("ms", "cpu", "kib")}
        print(f"  utility / {yardstick:5} start-up {ratio['ms']:5.2f}      CPU {ratio['cpu']:6.2f}"
              f"      peak memory {ratio['kib']:6.3f}")
    for language in languages[1:]:
        name = f"utility-{language}"
        ratio = {k: median[name][k] / median["utility"][k] for k in ("ms", "cpu", "kib")}
        print(f"  {language} / {languages[0]:9} start-up {ratio['ms']:5.2f}      CPU {ratio['cpu']:6.2f}"
              f"      peak memory {ratio['kib']:6.3f}")

if __name__ == "__main__":
    main()
