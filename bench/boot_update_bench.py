#!/usr/bin/env python3
"""The boot code update of all adapters on hosts of 1 and 16 FC HBAs, each
flash write taking time (the topology's flash_latency_ms per 64 KiB), as
the ratio of the 16-adapter run to the 1-adapter run measured side by
side (goal: within 2x, as the adapters are written in parallel).

    bench/boot_update_bench.py [--bin build/bin] [--latency 50] [--runs 3]
"""

import argparse
import json
import os
import statistics
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PACKAGES = os.path.join(HERE, "..", "tests", "packages")


def topology(adapters, latency):
    return {
        "flash_latency_ms": latency,
        "adapters": [
            {"functions": [{"pci": f"0000:{n + 0x10:02x}:00.0", "type": "fc", "port": 0}]}
            for n in range(adapters)
        ],
    }


def make_package(work):
    with open(os.path.join(work, "fw.bin"), "wb") as f:
        f.write(os.urandom(512 * 1024))
    with open(os.path.join(work, "boot.txt"), "w") as f:
        f.write("Version=3.0.0.0\nCARDTYPE=1602\nFIRMWARE=fw.bin\nOPTROM=rom.bin\n")
    subprocess.run([os.path.join(PACKAGES, "make_optrom.py"), "rom.bin"], cwd=work, check=True)
    subprocess.run(["sh", os.path.join(PACKAGES, "make_package.sh"), "pkg.tar", "boot.txt", "fw.bin", "rom.bin"],
                   cwd=work, check=True)
    return os.path.join(work, "pkg.tar")


def update_time(bindir, work, adapters, latency, package):
    root = os.path.join(work, f"root{adapters}")
    env = dict(os.environ, IXO_SIM_ROOT=root)
    topo = os.path.join(work, f"topo{adapters}.json")
    with open(topo, "w") as f:
        json.dump(topology(adapters, latency), f)
    subprocess.run([os.path.join(bindir, "xelsim"), "create", topo], env=env, check=True, stdout=subprocess.DEVNULL)
    start = time.monotonic()
    run = subprocess.run([os.path.join(bindir, "ixo-sim"), "boot", "--update", package, "-a"], env=env,
                         capture_output=True, text=True)
    elapsed = time.monotonic() - start
    if run.returncode != 0 or f"updated for {adapters} adapters" not in run.stdout:
        raise SystemExit(f"update of {adapters} adapters failed:\n{run.stdout}{run.stderr}")
    return elapsed


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--bin", default="build/bin")
    p.add_argument("--latency", type=int, default=50)
    p.add_argument("--runs", type=int, default=3)
    a = p.parse_args()
    bindir = os.path.abspath(a.bin)
    with tempfile.TemporaryDirectory() as work:
        package = make_package(work)
        one, many = [], []
        for _ in range(a.runs):
            one.append(update_time(bindir, work, 1, a.latency, package))
            many.append(update_time(bindir, work, 16, a.latency, package))
    t1, t16 = statistics.median(one), statistics.median(many)
    print(f"boot --update -a, flash latency {a.latency} ms per 64 KiB: 1 adapter {t1:.3f} s, "
          f"16 adapters {t16:.3f} s: ratio {t16 / t1:.2f} (goal: at most 2)")


if __name__ == "__main__":
    main()
