#!/usr/bin/env python3
"""Checks a PCI VPD image and its display, decoding the bytes by the PCI
VPD layout (PCI Local Bus 3.0, section 6.4 and appendix I).

    vpd_check.py DUMP [DISPLAY]

DUMP is `xelsim vpd PCI` output: a header line, then the 512 bytes as
lines "016: 32 20 ...". The image is walked as resource items: large items
(bit 7 set; name in bits 0-6, a two-byte little-endian length) and small
items (name in bits 3-6, length in bits 0-2) up to the end tag. The
identifier string (large item 0x02) comes first; the VPD-R item (0x10)
holds keywords (two characters, a length byte, the data) filling it
exactly, with "RV" last, whose first data byte makes every byte from the
start of the image up to it sum to 0. Prints what it decodes; given the
text `ixo-sim adapter --query` printed, checks that the display shows the
identifier string and every keyword it names (EC as "EDC" for the vendor
bytes 0x10 and 0x20). Exits 1 on the first fault.
"""

import sys

SHOWN = {"PN": "Part Number", "EC": "EC Level", "SN": "Serial Number", "MN": "Manufacture ID",
         "FG": "Fabric Geography", "LC": "Location", "PG": "PCI Geography", "CP": "Ext Capability"}


def fail(text):
    print("FAIL:", text)
    sys.exit(1)


def read_dump(path):
    data = bytearray()
    with open(path) as f:
        header = next(f).split()
        vendor = int(header[header.index("vendor") + 1])
        for line in f:
            data += bytes(int(b, 16) for b in line.split(":", 1)[1].split())
    if len(data) != 512:
        fail(f"{path}: expected 512 bytes, got {len(data)}")
    return vendor, bytes(data)


def items(v):
    at = 0
    while at < len(v):
        tag = v[at]
        if tag & 0x80:
            if at + 3 > len(v):
                fail(f"large item header past the end at {at}")
            n = v[at + 1] | v[at + 2] << 8
            start = at + 3
            name = tag & 0x7F
        else:
            n = tag & 0x07
            start = at + 1
            name = (tag >> 3) & 0x0F
        if start + n > len(v):
            fail(f"item 0x{tag:02x} at {at} runs past the image")
        yield tag & 0x80 != 0, name, at, v[start:start + n]
        if not tag & 0x80 and name == 0x0F:
            return
        at = start + n
    fail("no end tag")


def keywords(body, base):
    at, out = 0, []
    while at < len(body):
        if at + 3 > len(body):
            fail("a keyword header runs past the VPD-R item")
        n = body[at + 2]
        if at + 3 + n > len(body):
            fail(f"keyword {body[at:at + 2]!r} runs past the VPD-R item")
        out.append((body[at:at + 2].decode("latin-1"), base + at + 3, body[at + 3:at + 3 + n]))
        at += 3 + n
    return out


def main():
    vendor, v = read_dump(sys.argv[1])
    names = dict(SHOWN, EC="EDC") if vendor in (0x10, 0x20) else SHOWN
    found = list(items(v))
    large, name, _, ident = found[0]
    if not (large and name == 0x02):
        fail("the image does not start with the identifier string")
    ident = ident.rstrip(b"\0").decode("latin-1")
    print(f"identifier '{ident}'")
    vpdr = [(at, body) for is_large, nm, at, body in found if is_large and nm == 0x10]
    if len(vpdr) != 1:
        fail("expected one VPD-R item")
    at, body = vpdr[0]
    kws = keywords(body, at + 3)
    if not kws or kws[-1][0] != "RV" or len(kws[-1][2]) < 1:
        fail("RV is not the last keyword of VPD-R")
    rv_at = kws[-1][1]
    total = sum(v[:rv_at + 1]) % 256
    print("checksum", "ok" if total == 0 else f"bad ({total})")
    for kw, _, data in kws[:-1]:
        print(f"{kw} '{data.rstrip(bytes([0])).decode('latin-1')}'")
    if total != 0:
        sys.exit(1)
    if len(sys.argv) > 2:
        shown = open(sys.argv[2]).read().splitlines()
        want = [ident] + [f"{names[kw]}:".ljust(19) + data.decode("latin-1") for kw, _, data in kws if kw in names]
        for line in want:
            if not any(s.startswith("\t") and s[1:] .endswith(line) for s in shown):
                fail(f"the display lacks '{line}'")
        print("the display agrees")


main()
