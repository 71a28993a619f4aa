#!/usr/bin/env python3
"""Decodes what the emulated targets answered with the SCSI tools of
sg3-utils, independently of the code under test.

Reads the emulated host's frame log (xelsim frames) on standard input and,
for each LUN once: standard INQUIRY data through `sg_inq --inhex`, fixed
format sense through `sg_decode_sense`, the LUNs of a REPORT LUNS answer
and the Linux LUN number of the device through `sg_luns --test`. Prints
the lines of the tools' output that matter, so that a transcript holds
them; exits 1 when a tool fails.
"""

import os
import subprocess
import sys
import tempfile

WANTED_INQ = ("Peripheral device type", "Vendor identification", "Product identification",
              "Product revision level", "version=")


def tool(*args):
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{args[0]} failed ({done.returncode}): {done.stderr.strip()}")
    return [line.rstrip() for line in done.stdout.splitlines() if line.strip()]


def fields(line):
    parts = line.split()
    return parts[1], dict(p.split("=", 1) for p in parts[3:] if "=" in p)


def inquiry(device, data):
    with tempfile.NamedTemporaryFile("w", suffix=".hex", delete=False) as f:
        f.write(" ".join(data[i:i + 2] for i in range(0, len(data), 2)) + "\n")
    try:
        for line in tool("sg_inq", f"--inhex={f.name}"):
            if any(w in line for w in WANTED_INQ):
                print(f"{device} inquiry: {line.strip()}")
    finally:
        os.unlink(f.name)


def sense(device, data):
    hexbytes = [data[i:i + 2] for i in range(0, len(data), 2)]
    for line in tool("sg_decode_sense", *hexbytes):
        print(f"{device} sense: {line.strip()}")


def report_luns(device, data):
    entries = [data[i:i + 16] for i in range(16, len(data), 16)]
    for entry in entries[:2] + entries[-1:]:
        for line in tool("sg_luns", f"--test={entry}"):
            if "addressing" in line:
                print(f"{device} lun {entry}: {line.strip()}")


def linux_number(device):
    number = device.rsplit(":", 1)[1]
    for line in tool("sg_luns", f"--test=L{number}"):
        if "T10 preferred" in line:
            print(f"{device} linux lun {number}: {line.split(':', 1)[1].strip()}")


def main():
    devices, decoded, luns = [], set(), {}
    for line in sys.stdin:
        if not line.startswith("scsi "):
            continue
        device, f = fields(line)
        if device not in devices:
            devices.append(device)
            linux_number(device)
        opcode = f["cdb"][:2]
        if f["sense"]:
            if (device, "sense") not in decoded:
                decoded.add((device, "sense"))
                sense(device, f["sense"])
        elif opcode == "12" and f["status"] == "0x00" and (device, "inquiry") not in decoded:
            decoded.add((device, "inquiry"))
            inquiry(device, f["data"])
        elif opcode == "a0" and f["status"] == "0x00" and len(f["data"]) > len(luns.get(device, "")):
            # The longest answer: the second try of a long list.
            luns[device] = f["data"]
    for device, data in luns.items():
        report_luns(device, data)


if __name__ == "__main__":
    main()
