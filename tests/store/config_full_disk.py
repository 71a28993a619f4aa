#!/usr/bin/env python3
"""A change on a full file system: the command fails saying that the
setting is active but not saved, and the file keeps its old bytes and its
inode, with nothing left beside it. The emulated host's /etc becomes a
small tmpfs in a mount namespace of the test's own; where no namespace can
be made the test is skipped (status 77).

    config_full_disk.py --bin DIR
"""

import argparse
import os
import subprocess
import sys
import tempfile

SKIP = 77
MARK = "IXO_FULL_DISK_NAMESPACE"


def run(ixo, env, *words):
    return subprocess.run([ixo, *words], env=env, capture_output=True, text=True)


def fill(directory):
    """Fills the file system; returns the filler's path."""
    filler = os.path.join(directory, "filler")
    with open(filler, "wb", buffering=0) as f:
        try:
            while True:
                f.write(b"\0" * 512)
        except OSError:
            pass
    return filler


def check(errors, what, r, expected, conf, before, inode):
    if r.returncode != 188 or r.stderr != expected:
        errors.append(f"{what}: status {r.returncode}, stderr {r.stderr!r}")
    with open(conf, "rb") as f:
        if f.read() != before:
            errors.append(f"{what}: the file changed")
    if os.stat(conf).st_ino != inode:
        errors.append(f"{what}: the file was replaced")
    etc = os.path.dirname(conf)
    if sorted(os.listdir(etc)) != ["filler", "xel.conf"]:
        errors.append(f"{what}: left beside the file: {sorted(os.listdir(etc))}")


def test(ixo):
    errors = []
    with tempfile.TemporaryDirectory() as tmp:
        root = os.path.join(tmp, "root")
        env = dict(os.environ, IXO_SIM_ROOT=root)
        run(ixo, env, "port", "--list")
        etc = os.path.join(root, "etc")
        conf = os.path.join(etc, "xel.conf")
        with open(conf, "rb") as f:
            before = f.read()
        subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", etc], check=True)
        try:
            with open(conf, "wb") as f:
                f.write(before)
            inode = os.stat(conf).st_ino
            filler = fill(etc)
            expected = "ERROR: Setting is active but not saved in /etc/xel.conf: No space left on device\n"
            check(errors, "full", run(ixo, env, "port", "--name", "1/0", "x" * 15), expected, conf, before, inode)

            # Room for the journal (two pages) but none to grow the file past
            # its first page: the growth fails before the text changes.
            os.unlink(filler)
            pad = "num-rports = 1"
            before = before + (pad + "1" * (4090 - len(before) - len(pad) - 1) + "\n").encode()
            with open(conf, "wb") as f:
                f.write(before)
            filler = fill(etc)
            os.truncate(filler, os.stat(filler).st_size - 8192)
            check(errors, "no room to grow", run(ixo, env, "port", "--name", "1/0", "w" * 15), expected, conf, before,
                  inode)

            os.unlink(filler)
            r = run(ixo, env, "port", "--name", "1/0", "y" * 15)
            with open(conf) as f:
                saved = 'xel0-port-name = "' + "y" * 15 + '";' in f.read()
            if r.returncode != 0 or not saved or os.stat(conf).st_ino != inode:
                errors.append(f"with room: status {r.returncode}, saved {saved}")
        finally:
            subprocess.run(["umount", etc], check=False)
    for e in errors:
        print(e, file=sys.stderr)
    return 1 if errors else 0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", required=True)
    args = ap.parse_args()
    ixo = os.path.abspath(os.path.join(args.bin, "ixo-sim"))
    if os.environ.get(MARK):
        return test(ixo)
    env = dict(os.environ, **{MARK: "1"})
    # A mount namespace of our own: as root directly, else inside a user namespace.
    unshare = ["unshare", "--mount", "--propagation", "private"]
    if os.geteuid() != 0:
        unshare.insert(1, "--map-root-user")
    probe = subprocess.run(unshare + ["true"], capture_output=True)
    if probe.returncode != 0:
        print("no mount namespace here: skipped")
        return SKIP
    return subprocess.run(unshare + [sys.executable, os.path.abspath(__file__), "--bin", args.bin], env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
