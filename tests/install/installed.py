#!/usr/bin/env python3
"""Installs the build into a temporary DESTDIR and runs what was installed:
the programs where GNUInstallDirs puts them and nothing else there, the
installed ixo-sim on a fresh emulated root, and the manual pages through
groff (and mandoc where it is installed) without a warning."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

PORT_LIST = """\
---------------------------------------------------------------------------
Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
                                          Eth dev
---------------------------------------------------------------------------
 1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
       0   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
 1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
       1   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
 2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
       0   fcoe  10:00:00:7a:3c:06:20:00  0b1000           Linkup      
       2   eth   00:7a:3c:06:22:00        eth2             Linkup      
 2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
       1   fcoe  10:00:00:7a:3c:06:20:01  0b1100           Linkup      
       3   eth   00:7a:3c:06:22:01        eth3             Linkup      
---------------------------------------------------------------------------
"""

EXPECTED = {
    "usr/local/sbin": ["ixo"],
    "usr/local/bin": ["ixo-sim", "xelsim"],
    "usr/local/share/man/man8": ["ixo.8"],
    "usr/local/share/man/man1": ["ixo-sim.1", "xelsim.1"],
    "usr/local/share/bash-completion/completions": ["ixo", "ixo-sim"],
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as dest:
        env = dict(os.environ, DESTDIR=dest)
        subprocess.run([args.cmake, "--install", args.build, "--prefix", "/usr/local"],
                       env=env, check=True, stdout=subprocess.DEVNULL)
        for directory, names in EXPECTED.items():
            found = sorted(os.listdir(os.path.join(dest, directory)))
            if found != sorted(names):
                fail(f"{directory} holds {found}, not {sorted(names)}")
        docs = os.path.join(dest, "usr/local/share/doc/ixo")
        for name in ["README.md", "architecture.md", "emulated-host.md"]:
            if not os.path.isfile(os.path.join(docs, name)):
                fail(f"no {name} in {docs}")

        root = os.path.join(dest, "emulated-root")
        run = subprocess.run([os.path.join(dest, "usr/local/bin/ixo-sim"), "port", "--list"],
                             env=dict(os.environ, IXO_SIM_ROOT=root), capture_output=True, text=True)
        if (run.returncode, run.stdout, run.stderr) != (0, PORT_LIST, ""):
            fail(f"installed ixo-sim port --list: status {run.returncode}\n{run.stdout}{run.stderr}")

        for section, page in [("man8", "ixo.8"), ("man1", "ixo-sim.1"), ("man1", "xelsim.1")]:
            path = os.path.join(dest, "usr/local/share/man", section, page)
            checks = [["groff", "-ww", "-z", "-man", path]]
            if shutil.which("mandoc"):
                checks.append(["mandoc", "-T", "lint", "-W", "warning", path])
            for check in checks:
                out = subprocess.run(check, capture_output=True, text=True)
                if out.returncode != 0 or out.stdout or out.stderr:
                    fail(f"{' '.join(check)}:\n{out.stdout}{out.stderr}")


if __name__ == "__main__":
    main()
