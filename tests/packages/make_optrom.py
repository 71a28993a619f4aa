#!/usr/bin/env python3
"""Writes an option ROM as the public PCI firmware standard (3.0, section
5.1) and the Plug and Play BIOS standard (1.0A, the expansion header)
lay it out: a chain of images, each starting 55 AA, pointing at its PCI
data structure ("PCIR") at 0x18 and its PnP header ("$PnP") at 0x1A, with
a last byte that makes the image sum to 0. Byte 0x16 points at the
version text the boot code carries.

    make_optrom.py OUT [--version 3.0.0.0] [--devid 0x0] [--images N]
                       [--no-last] [--zero-length] [--efi-first]
"""
import argparse
import struct

p = argparse.ArgumentParser()
p.add_argument("out")
p.add_argument("--version", default="3.0.0.0")
p.add_argument("--devid", type=lambda s: int(s, 0), default=0)
p.add_argument("--images", type=int, default=2)
p.add_argument("--no-last", action="store_true")
p.add_argument("--zero-length", action="store_true")
a = p.parse_args()

rom = b""
for n in range(a.images):
    img = bytearray(1024 if n == 0 else 512)
    blocks = len(img) // 512
    img[0:2] = b"\x55\xaa"
    img[2] = blocks
    struct.pack_into("<HHH", img, 0x16, 0x40, 0x60, 0x80)
    img[0x40:0x40 + len(a.version)] = a.version.encode()
    last = n == a.images - 1 and not a.no_last
    code_type = 0 if n == 0 else 3  # 0 PC-compatible, 3 EFI
    # signature, vendor, device, device list, length, revision, class code,
    # image length, code revision, code type, indicator, reserved
    struct.pack_into("<4sHHHHB3sHHBBH", img, 0x60, b"PCIR", 0x7a3c, a.devid, 0, 0x18, 0,
                     b"\x00\x04\x0c", 0 if a.zero_length else blocks, 1, code_type, 0x80 if last else 0, 0)
    # signature, revision, length (16-byte units), next header, reserved,
    # checksum, device identifier (its upper half at 0x0C)
    struct.pack_into("<4sBBHBBI", img, 0x80, b"$PnP", 1, 2, 0, 0, 0, a.devid << 16)
    img[0x80 + 9] = (-sum(img[0x80:0x80 + 32])) & 0xff
    img[-1] = (-sum(img[:-1])) & 0xff
    rom += bytes(img)
open(a.out, "wb").write(rom)
