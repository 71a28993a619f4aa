#!/usr/bin/env python3
"""The cost of one ixo-sim command on emulated hosts of growing size.

For hosts of 1, 8 and 32 two-port FC adapters it reports, for each command
(by default "port --list" and "port --query 1/0"):

- the wall time, as the median of several runs, and as a ratio to the
  smallest host and to a trivial process (/bin/true) timed in the same run;
- the driver requests per PCI function, from the emulated host's request
  log: on average, and the most times one function got the same request
  (a read-only command should send each request to a function once);
- the configuration lock cycles of one run: the exclusive locks taken on
  /etc/xel.conf, counted by strace (one per command, whatever the host);
- how many runs rewrote /etc/xel.conf: once the host is registered, a
  read-only command should rewrite it in none.

    bench/port_list_bench.py [--bin build/bin] [--runs 15] [-- COMMAND WORDS]
"""

import argparse
import collections
import json
import os
import shutil
import statistics
import subprocess
import tempfile
import time

DEFAULT_COMMANDS = [["port", "--list"], ["port", "--query", "1/0"]]


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


def run_quietly(argv, env):
    subprocess.run(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def median_seconds(argv, env, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        run_quietly(argv, env)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def file_identity(path):
    try:
        st = os.stat(path)
    except FileNotFoundError:
        return None
    return (st.st_ino, st.st_mtime_ns, st.st_size)


def request_counts(bindir, env, argv):
    """(requests per function, most sends of one request to one function)."""
    xelsim = os.path.join(bindir, "xelsim")
    subprocess.run([xelsim, "log", "--clear"], env=env, check=True)
    run_quietly(argv, env)
    log = subprocess.run([xelsim, "log"], env=env, check=True, capture_output=True, text=True).stdout
    sends = collections.Counter()
    functions = set()
    for line in log.splitlines():
        words = line.split()
        # driver, instance, code, "status" or "errno", outcome, PCI function
        if len(words) == 6:
            sends[(words[5], words[2])] += 1
            functions.add(words[5])
    if not functions:
        return 0.0, 0
    return sum(sends.values()) / len(functions), max(sends.values())


def lock_cycles(env, argv):
    """Exclusive locks taken on the configuration file in one run, or None
    without strace."""
    if shutil.which("strace") is None:
        return None
    trace = subprocess.run(["strace", "-f", "-y", "-e", "trace=flock"] + argv, env=env, check=False,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).stderr
    return sum(1 for line in trace.splitlines() if "xel.conf" in line and "LOCK_EX" in line)


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
        run_quietly(argv, env)  # registers the host
        conf = os.path.join(root, "etc", "xel.conf")
        rewrites = 0
        for _ in range(runs):
            before = file_identity(conf)
            run_quietly(argv, env)
            rewrites += file_identity(conf) != before
        per_function, most = request_counts(bindir, env, argv)
        return {
            "seconds": median_seconds(argv, env, runs),
            "rewrites": rewrites,
            "per_function": per_function,
            "most": most,
            "locks": lock_cycles(env, argv),
        }


def report(command, runs, trivial, results):
    smallest = results[0][1]["seconds"]
    print(f"command: ixo-sim {' '.join(command)}   runs: {runs}   /bin/true: {trivial * 1000:.2f} ms")
    print(f"{'adapters':>8} {'median ms':>10} {'x 1 adapter':>12} {'x /bin/true':>12} {'req/fn':>7} "
          f"{'same req':>9} {'conf locks':>11} {'conf rewrites':>14}")
    for adapters, r in results:
        locks = "-" if r["locks"] is None else str(r["locks"])
        print(f"{adapters:>8} {r['seconds'] * 1000:>10.2f} {r['seconds'] / smallest:>12.2f} "
              f"{r['seconds'] / trivial:>12.1f} {r['per_function']:>7.1f} {r['most']:>9} {locks:>11} "
              f"{r['rewrites']:>10}/{runs}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default="build/bin")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("command", nargs="*")
    args = parser.parse_args()
    commands = [args.command] if args.command else DEFAULT_COMMANDS
    trivial = median_seconds(["/bin/true"], dict(os.environ), args.runs)
    for i, command in enumerate(commands):
        if i:
            print()
        results = [(n, measure(args.bin, n, command, args.runs)) for n in (1, 8, 32)]
        report(command, args.runs, trivial, results)


if __name__ == "__main__":
    main()
