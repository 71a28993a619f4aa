#!/usr/bin/env python3
"""Races ixo-sim commands against another program that keeps the
configuration file's locking protocol: open read-write, take an exclusive
flock, read, truncate, rewrite in place, unlock. Neither side may lose an
update of the other.

The other program counts its rounds in a driver tunable line
("num-ios = N"), which ixo carries over; every round it also checks that
the port names the ixo-sim writers set never go back to an older one. A
third ixo-sim writer creates and deletes virtual ports on the first port
meanwhile: at the end the file's virtual port lines and the kernel's
fc_vports entries must name the same ports.

    config_race.py --bin DIR [--rounds N]
"""

import argparse
import fcntl
import os
import random
import re
import subprocess
import sys
import tempfile
import threading

CONF = "etc/xel.conf"
NAME = re.compile(r'^xel(\d)-port-name = "p\d-(\d+)";$', re.M)
COUNT = re.compile(r"^num-ios = (\d+)$", re.M)
VPORT = re.compile(r'^xel0-vport-\d+ = "([0-9a-f:]+),', re.M)


def other_program(path, rounds, seen, errors):
    rng = random.Random(7)
    for _ in range(rounds):
        fd = os.open(path, os.O_RDWR)
        try:
            fcntl.flock(fd, fcntl.LOCK_EX)
            text = b""
            while chunk := os.read(fd, 65536):
                text += chunk
            text = text.decode()
            for record, k in NAME.findall(text):
                if int(k) < seen.get(record, 0):
                    errors.append(f"record {record}'s name went back from {seen[record]} to {k}")
                seen[record] = max(seen.get(record, 0), int(k))
            m = COUNT.search(text)
            count = int(m.group(1)) + 1 if m else 1
            line = f"num-ios = {count}"
            text = COUNT.sub(line, text) if m else text + line + "\n"
            if rng.random() < 0.5:
                threading.Event().wait(rng.random() * 0.01)
            os.ftruncate(fd, 0)
            os.lseek(fd, 0, os.SEEK_SET)
            os.write(fd, text.encode())
            os.fsync(fd)
        finally:
            os.close(fd)  # releases the lock
        threading.Event().wait(rng.random() * 0.005)


def ixo_writer(ixo, env, port, rounds, errors):
    for k in range(1, rounds + 1):
        # Names are unique across the host's ports.
        name = f"p{port[-1]}-{k}"
        r = subprocess.run([ixo, "port", "--name", port, name], env=env, capture_output=True, text=True)
        if r.returncode != 0:
            errors.append(f"port --name {port} {name}: {r.returncode} {r.stderr.strip()}")


def vport_wwn(k):
    return f"21:00:00:7a:3c:05:10:{k:02x}"


def vport_writer(ixo, env, rounds, errors, kept):
    for k in range(1, rounds + 1):
        r = subprocess.run([ixo, "vport", "--create", "1/0", vport_wwn(k)], env=env, capture_output=True, text=True)
        if r.returncode != 0:
            errors.append(f"vport --create {vport_wwn(k)}: {r.returncode} {r.stderr.strip()}")
            continue
        kept.add(vport_wwn(k))
        if k % 3 == 0:
            r = subprocess.run([ixo, "vport", "--delete", "1/0", vport_wwn(k - 1)], env=env, capture_output=True,
                               text=True)
            if r.returncode != 0:
                errors.append(f"vport --delete {vport_wwn(k - 1)}: {r.returncode} {r.stderr.strip()}")
            else:
                kept.discard(vport_wwn(k - 1))


def kernel_vports(root):
    wwns = set()
    top = os.path.join(root, "sys/class/fc_vports")
    for entry in os.listdir(top) if os.path.isdir(top) else []:
        with open(os.path.join(top, entry, "port_name")) as f:
            number = int(f.read(), 16)
        wwns.add(":".join(f"{b:02x}" for b in number.to_bytes(8, "big")))
    return wwns


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", required=True)
    ap.add_argument("--rounds", type=int, default=25)
    args = ap.parse_args()
    ixo = os.path.join(args.bin, "ixo-sim")
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, IXO_SIM_ROOT=os.path.join(tmp, "root"))
        subprocess.run([ixo, "port", "--list"], env=env, check=True, capture_output=True)
        path = os.path.join(env["IXO_SIM_ROOT"], CONF)
        errors, seen = [], {}
        other_rounds = args.rounds * 4
        threads = [threading.Thread(target=other_program, args=(path, other_rounds, seen, errors))]
        # The two FC ports of the HBA: records 0 and 1.
        for port in ("1/0", "1/1"):
            threads.append(threading.Thread(target=ixo_writer, args=(ixo, env, port, args.rounds, errors)))
        kept = set()
        threads.append(threading.Thread(target=vport_writer, args=(ixo, env, args.rounds, errors, kept)))
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        with open(path) as f:
            text = f.read()
        m = COUNT.search(text)
        count = int(m.group(1)) if m else 0
        if count != other_rounds:
            errors.append(f"the other program's updates: {count} of {other_rounds} survived")
        names = dict(NAME.findall(text))
        for record in ("0", "1"):
            if names.get(record) != str(args.rounds):
                errors.append(f"record {record}: last name {names.get(record)}, not {args.rounds}")
        in_file = set(VPORT.findall(text))
        in_kernel = kernel_vports(env["IXO_SIM_ROOT"])
        if in_file != kept or in_kernel != kept:
            errors.append(f"virtual ports: kept {sorted(kept)}, file {sorted(in_file)}, kernel {sorted(in_kernel)}")
        leftovers = sorted(set(os.listdir(os.path.dirname(path))) - {"xel.conf"})
        if leftovers:
            errors.append(f"left beside the file: {leftovers}")
    for e in errors:
        print(e, file=sys.stderr)
    print(f"{other_rounds} rounds of the other program, {2 * args.rounds} port names and "
          f"{args.rounds + args.rounds // 3} virtual port changes from ixo-sim: "
          f"{len(errors)} lost or wrong", file=sys.stderr if errors else sys.stdout)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
