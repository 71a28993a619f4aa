#!/usr/bin/env python3
"""The generated manual pages against their sources, read independently:
every command row of the command table (cli/src/ixotable.cpp) under its
class in ixo(8), and every preset and topology key of a freshly created
emulated host in ixo-sim(1)."""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile


def table_rows(source):
    """(class, command) for every row, classes mapped from their arrays."""
    text = open(source).read()
    arrays = {}
    for name, body in re.findall(r"const ixo_cmd_desc_t (\w+)\[\] = \{(.*?)\n\};", text, re.S):
        arrays[name] = re.findall(r'\{"(--[^"]+)",', body)
    rows = []
    for cls, array in re.findall(r'\{"(\w+)", count\((\w+)\)', text):
        rows += [(cls, cmd) for cmd in arrays[array]]
    return rows


def page_commands(page):
    """(class, command) for every command tag of ixo(8)."""
    found, cls, tag = set(), None, False
    for line in open(page):
        line = line.rstrip("\n")
        if line.startswith(".SS "):
            cls = line[4:]
        elif line in (".TP", ".TQ"):
            tag = True
            continue
        elif tag and cls:
            m = re.match(r"\\fB((?:\\-)+[^\\ ]*(?:\\-[^\\ ]*)*)\\fR", line)
            if m:
                found.add((cls, m.group(1).replace("\\-", "-")))
        tag = False
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--man", required=True)
    parser.add_argument("--bin", required=True)
    args = parser.parse_args()
    failures = []

    rows = table_rows(os.path.join(args.source, "cli/src/ixotable.cpp"))
    if len(rows) < 150:
        failures.append(f"only {len(rows)} command rows read from the table")
    documented = page_commands(os.path.join(args.man, "ixo.8"))
    failures += [f"ixo.8 lacks {cls} {cmd}" for cls, cmd in rows if (cls, cmd) not in documented]

    sim_page = open(os.path.join(args.man, "ixo-sim.1")).read().replace("\\-", "-")
    tags = set(re.findall(r"^\.TP\n(.*)$", sim_page, re.M))
    with tempfile.TemporaryDirectory() as root:
        env = dict(os.environ, IXO_SIM_ROOT=root)
        xelsim = os.path.join(args.bin, "xelsim")
        presets = subprocess.run([xelsim, "presets"], env=env, check=True, capture_output=True, text=True)
        for line in presets.stdout.splitlines():
            if f"\\fB{line.split()[0]}\\fR" not in tags:
                failures.append(f"ixo-sim.1 lacks the preset {line.split()[0]}")
        subprocess.run([xelsim, "create", "default"], env=env, check=True, capture_output=True)
        topology = json.load(open(os.path.join(root, ".xelsim/host.json")))["topology"]
        keys = set(topology) | set(topology["adapters"][0]) | set(topology["adapters"][0]["functions"][0])
        for key in sorted(keys - {"adapters", "functions"}):
            if not any(re.search(rf"\\fB{re.escape(key)}\\fR", tag) for tag in tags):
                failures.append(f"ixo-sim.1 lacks the topology key {key}")

    for failure in failures:
        print("FAIL: " + failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
