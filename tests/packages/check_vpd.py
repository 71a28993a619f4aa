#!/usr/bin/env python3
"""Reads a PCI VPD image (PCI Local Bus 3.0, section 6.4 and appendix I):
the identifier string tag 0x82, the VPD-R tag 0x90 at 131 with its length,
the keywords after it. Prints the serial number, the vendor keywords V2
and V7 and whether the bytes up to the "RV" checksum byte sum to 0.

    check_vpd.py FILE
"""
import sys

v = open(sys.argv[1], "rb").read()
assert v[0] == 0x82 and v[131] == 0x90, "not a VPD image"
end = 134 + v[132] + 256 * v[133]
at, kw = 134, {}
while at + 3 <= min(end, len(v)):
    n = v[at + 2]
    kw.setdefault(v[at:at + 2].decode(), (at + 3, v[at + 3:at + 3 + n]))
    at += 3 + n
print("SN", kw["SN"][1].decode().strip())
print("V2", kw["V2"][1].decode())
print("V7", kw["V7"][1].decode())
print("checksum", "ok" if sum(v[:kw["RV"][0] + 1]) % 256 == 0 else "bad")
