#!/usr/bin/python3
"""Throughput of `chemeng-cli batch` and the cold start of one command.

Usage: bench/cli_batch_bench.py [path/to/chemeng-cli]   (run from the repository root)

Writes 100 000 steam saturation lines and 50 000 compound lines (vapour
pressure, heat capacity, liquid density of a few compounds of data/), runs
each through one `chemeng-cli batch` pinned to one core, and reports lines
per second of CPU time (user + system of the child) and of wall time. Then
runs a single command 30 times and reports the median wall time of a cold
start. Nothing here is a test: it prints figures for docs/performance.md.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

CLI = sys.argv[1] if len(sys.argv) > 1 else "build/release/cli/chemeng-cli"
PIN = ["taskset", "-c", "0"] if subprocess.call(["which", "taskset"], stdout=subprocess.DEVNULL) == 0 else []


def steam_lines(n):
    for i in range(n):
        yield {"id": i, "command": "steam saturation", "temperature": 20 + (i % 3000) * 0.1}


def compound_lines(n):
    requests = [
        {"command": "vapor-pressure", "compound": "WATER"},
        {"command": "vapor-pressure", "compound": "BENZENE"},
        {"command": "heat-capacity", "compound": "METHANE", "phase": "gas", "unit": "K"},
        {"command": "density", "compound": "BENZENE"},
    ]
    temperatures = {"vapor-pressure": (10, 60), "heat-capacity": (300, 900), "density": (10, 60)}
    for i in range(n):
        r = dict(requests[i % len(requests)])
        low, high = temperatures[r["command"]]
        r["id"] = i
        r["temperature"] = low + (i * 7 % 1000) * (high - low) / 1000
        yield r


def run_batch(name, lines):
    with tempfile.NamedTemporaryFile("w", suffix=".jsonl", delete=False) as f:
        for line in lines:
            f.write(json.dumps(line) + "\n")
        path = f.name
    count = sum(1 for _ in open(path))
    start = time.perf_counter()
    with open(os.devnull, "w") as devnull:
        child = subprocess.Popen(PIN + [CLI, "batch", path], stdout=devnull)
        _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    os.unlink(path)
    if status != 0:
        sys.exit(f"{name}: chemeng-cli batch failed ({status})")
    cpu = usage.ru_utime + usage.ru_stime
    print(f"{name}: {count} lines, CPU {cpu:.3f} s -> {count / cpu:,.0f} lines/s; "
          f"wall {wall:.3f} s -> {count / wall:,.0f} lines/s")


def cold_start(arguments, runs=30):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run([CLI] + arguments, stdout=subprocess.DEVNULL, check=True)
        times.append(time.perf_counter() - start)
    print(f"cold start `chemeng-cli {' '.join(arguments)}`: median {statistics.median(times) * 1000:.1f} ms, "
          f"min {min(times) * 1000:.1f} ms over {runs} runs")


if __name__ == "__main__":
    run_batch("steam saturation", steam_lines(100_000))
    run_batch("compound pages", compound_lines(50_000))
    cold_start(["vapor-pressure", "WATER", "--temperature", "100"])
    cold_start(["steam", "saturation", "--temperature", "100"])
