#!/usr/bin/env python3
"""Wall time of one ixo-sim command on emulated hosts of growing size.

For hosts of 1, 8 and 32 two-port FC adapters it times the command (by
default "port --list") as the median of several runs, and reports it as a
ratio to the smallest host and to a trivial process (/bin/true) timed in
the same run. It also counts how many runs rewrote /etc/xel.conf: once the
host is registered, a read-only command should rewrite it in none.

    bench/port_list_bench.py [--bin build/bin] [--runs 15] [-- COMMAND WORDS]
"""

import argparse
import json
import os
import statistics
import subprocess
import tempfile
import time


def topology(adapters):
    """adapters two-port FC HBAs, one PCI bus each."""
    return {
        "adapters": [
            {
                "serial": f"TSB{n:08d}",
                "functions": [
                    {"pci": f"0000:{n + 0x10:02x}:00.{fn}", "type": "fc", "port": fn}
                    for fn in (0, 1)
                ],
            }
            for n in range(adapters)
        ]
    }


def median_seconds(argv, env, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def file_identity(path):
    try:
        st = os.stat(path)
    except FileNotFoundError:
        return None
    return (st.st_ino, st.st_mtime_ns, st.st_size)


def measure(bindir, adapters, command, runs):
    with tempfile.TemporaryDirectory(prefix="ixo-bench-") as tmp:
        root = os.path.join(tmp, "root")
        env = dict(os.environ, IXO_SIM_ROOT=root)
        host_file = os.path.join(tmp, "host.json")
        with open(host_file, "w", encoding="utf-8") as f:
            json.dump(topology(adapters), f)
        subprocess.run([os.path.join(bindir, "xelsim"), "create", host_file], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        argv = [os.path.join(bindir, "ixo-sim")] + command
        subprocess.run(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        conf = os.path.join(root, "etc", "xel.conf")
        rewrites = 0
        for _ in range(runs):
            before = file_identity(conf)
            subprocess.run(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
            rewrites += file_identity(conf) != before
        return median_seconds(argv, env, runs), rewrites


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default="build/bin")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("command", nargs="*", default=["port", "--list"])
    args = parser.parse_args()
    trivial = median_seconds(["/bin/true"], dict(os.environ), args.runs)
    results = [(n, *measure(args.bin, n, args.command, args.runs)) for n in (1, 8, 32)]
    smallest = results[0][1]
    print(f"command: ixo-sim {' '.join(args.command)}   runs: {args.runs}   /bin/true: {trivial * 1000:.2f} ms")
    print(f"{'adapters':>8} {'median ms':>10} {'x 1 adapter':>12} {'x /bin/true':>12} {'conf rewrites':>14}")
    for adapters, seconds, rewrites in results:
        print(f"{adapters:>8} {seconds * 1000:>10.2f} {seconds / smallest:>12.2f} {seconds / trivial:>12.1f} "
              f"{rewrites:>10}/{args.runs}")


if __name__ == "__main__":
    main()
