#!/usr/bin/env python3
"""Checks an option ROM as read back from flash, where it lies byte-swapped
per 32-bit word: prints per image its PCI device id, its code type, the
PnP device id, and whether the image and the PnP header sum to 0.

    check_optrom.py FILE
"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
rom = b"".join(data[i:i + 4][::-1] for i in range(0, len(data) - len(data) % 4, 4))
off = 0
while off + 0x1c <= len(rom) and rom[off:off + 2] == b"\x55\xaa":
    pcir = off + struct.unpack_from("<H", rom, off + 0x18)[0]
    pnp = off + struct.unpack_from("<H", rom, off + 0x1a)[0]
    length = struct.unpack_from("<H", rom, pcir + 0x10)[0] * 512
    image = rom[off:off + length]
    pnp_len = rom[pnp + 5] * 16
    print("image at %#x: devid %#06x code type %d pnp devid %#06x sum %s pnp sum %s" % (
        off, struct.unpack_from("<H", rom, pcir + 6)[0], rom[pcir + 0x14],
        struct.unpack_from("<H", rom, pnp + 0x0c)[0], "ok" if sum(image) % 256 == 0 else "bad",
        "ok" if sum(rom[pnp:pnp + pnp_len]) % 256 == 0 else "bad"))
    if rom[pcir + 0x15] & 0x80:
        break
    off += length
