#!/usr/bin/env python3
"""Checks an SFP EEPROM image and its display, decoding the bytes by SFF-8472.

    sfp_check.py DUMP [DISPLAY]

DUMP is `xelsim sfp PCI` output: page A0h (96 bytes), then A2h (152 bytes),
as lines "A0h 016: 0a 03 ...". The script checks the three checksums,
prints the fields it decodes and, given the text `ixo-sim diag --sfpshow`
printed for the same module, checks that the display shows the same
values. Exits 1 on the first disagreement.

Written from SFF-8472 alone: serial ID fields at their A0h addresses,
diagnostics at their A2h addresses, internal calibration in 1/256 degree,
100 uV, 2 uA and 0.1 uW units, external calibration as slope * reading +
offset and the Rx power polynomial.
"""

import re
import struct
import sys


def read_dump(path):
    pages = {"A0h": bytearray(), "A2h": bytearray()}
    with open(path) as f:
        for line in f:
            page, rest = line.split(" ", 1)
            pages[page] += bytes(int(b, 16) for b in rest.split(":", 1)[1].split())
    if len(pages["A0h"]) != 96 or len(pages["A2h"]) != 152:
        sys.exit(f"{path}: expected 96 bytes of A0h and 152 of A2h")
    return pages["A0h"], pages["A2h"]


def fail(what):
    print(f"MISMATCH: {what}")
    sys.exit(1)


def u16(data, at):
    return struct.unpack(">H", data[at:at + 2])[0]


def s16(data, at):
    return struct.unpack(">h", data[at:at + 2])[0]


def text(data, start, end):
    return data[start:end].decode("ascii").rstrip(" ")


def check_checksums(a0, a2):
    for name, page, first, last in (("CC_BASE", a0, 0, 63), ("CC_EXT", a0, 64, 95), ("CC_DMI", a2, 0, 95)):
        if sum(page[first:last]) & 0xFF != page[last]:
            fail(f"{name} is {page[last]:#04x}, the bytes sum to {sum(page[first:last]) & 0xFF:#04x}")
    print("checksums: CC_BASE ok, CC_EXT ok, CC_DMI ok")


# Fibre Channel speed, A0h byte 10: bit -> MB/s.
FC_SPEEDS = {0: 100, 2: 200, 4: 400, 5: 1600, 6: 800, 7: 1200}


def serial_id(a0):
    return {
        "identifier": a0[0],
        "connector": a0[2],
        "transceiver": a0[3:11],
        "encoding": a0[11],
        "br_nominal": a0[12],
        "length_km": a0[14],
        "length_100m": a0[15],
        "length_om2": a0[16],
        "length_om1": a0[17],
        "length_cu": a0[18],
        "vendor": text(a0, 20, 36),
        "oui": a0[37:40],
        "pn": text(a0, 40, 56),
        "rev": text(a0, 56, 60),
        "wavelength": u16(a0, 60),
        "options": a0[64:66],
        "br_max": a0[66],
        "br_min": a0[67],
        "sn": text(a0, 68, 84),
        "date": text(a0, 84, 92),
        "ddm_type": a0[92],
    }


def measurements(a0, a2):
    """Temperature (C), Vcc (V), Tx bias (mA), Tx and Rx power (mW)."""
    ddm = a0[92]
    if not ddm & 0x40:
        return None
    t, v, i, tx, rx = s16(a2, 96), u16(a2, 98), u16(a2, 100), u16(a2, 102), u16(a2, 104)
    if ddm & 0x20:
        return "internal", t / 256, v * 100e-6, i * 2e-3, tx * 1e-4, rx * 1e-4
    rx_cal = [struct.unpack(">f", a2[56 + 4 * k:60 + 4 * k])[0] for k in range(5)]  # Rx_PWR(4) first
    rx_power = sum(c * rx ** (4 - k) for k, c in enumerate(rx_cal))

    def cal(at, reading):
        return u16(a2, at) / 256 * reading + s16(a2, at + 2)

    return ("external", cal(84, t) / 256, cal(88, v) * 100e-6, cal(76, i) * 2e-3, cal(80, tx) * 1e-4,
            rx_power * 1e-4)


def field(display, label):
    found = re.search(r"^" + re.escape(label) + r"\s*(.*?)\s*$", display, re.M)
    if not found:
        fail(f"no {label!r} line")
    return found.group(1)


def number(display, label):
    return float(field(display, label).split()[0])


def check_display(display, f, meas):
    exact = [("Identifier:", str(f["identifier"])), ("Connector:", str(f["connector"])),
             ("Encoding:", str(f["encoding"])), ("Baud Rate:", str(f["br_nominal"])),
             ("Length 50u:", str(f["length_om2"])), ("Length 62.5u:", str(f["length_om1"])),
             ("Length Cu:", str(f["length_cu"])), ("Vendor Name:", f["vendor"]),
             ("Vendor OUI:", ":".join(f"{b:02x}" for b in f["oui"])), ("Vendor PN:", f["pn"]),
             ("Vendor Rev:", f["rev"]), ("Wavelength:", str(f["wavelength"])),
             ("BR Max:", str(f["br_max"])), ("BR Min:", str(f["br_min"])), ("Serial No:", f["sn"]),
             ("Date Code:", f["date"])]
    for label, want in exact:
        got = field(display, label)
        if got.split(" (units")[0].split("\t")[0].strip() != want:
            fail(f"{label} shows {got!r}, the EEPROM holds {want!r}")
    xcvr = field(display, "Transceiver:").split("\t")
    if xcvr[0] != f["transceiver"][::-1].hex():
        fail(f"transceiver codes {xcvr[0]} for {f['transceiver'].hex()}")
    speeds = sorted(s for bit, s in FC_SPEEDS.items() if f["transceiver"][7] & (1 << bit))
    if f["transceiver"][0] >> 4 == 0 and not xcvr[1].startswith(",".join(map(str, speeds)) + "_MB/s"):
        fail(f"FC speeds {xcvr[1]!r}, the EEPROM gives {speeds}")
    if meas is None:
        return
    kind, *values = meas
    labels = (["Temperature:", "Voltage:", "Current:", "Tx Power:", "RX Power:"] if kind == "internal" else
              ["temperature:", "voltage:", "curr:", "tx_power:", "rx_power:"])
    # The display keeps whole microwatts of power, 1/256 degree, 100 uV, 2 uA.
    for label, want, within in zip(labels, values, [1 / 256, 1e-4, 2e-3, 1e-3, 1e-3]):
        got = number(display, label)
        if abs(got - want) > within:
            fail(f"{label} shows {got}, the EEPROM gives {want:.6f}")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    a0, a2 = read_dump(sys.argv[1])
    check_checksums(a0, a2)
    f = serial_id(a0)
    print(f"identifier {f['identifier']}, connector {f['connector']}, encoding {f['encoding']}, "
          f"{f['br_nominal'] * 100} MBd, {f['wavelength']} nm")
    print(f"vendor {f['vendor']!r} OUI {f['oui'].hex(':')} PN {f['pn']!r} rev {f['rev']!r} "
          f"SN {f['sn']!r} date {f['date']!r}")
    meas = measurements(a0, a2)
    if meas:
        kind, t, v, i, tx, rx = meas
        print(f"{kind}ly calibrated: {t:.3f} C, {v:.4f} V, {i:.3f} mA, Tx {tx:.4f} mW, Rx {rx:.4f} mW")
    if len(sys.argv) == 3:
        with open(sys.argv[2]) as d:
            check_display(d.read(), f, meas)
        print("the display agrees")


if __name__ == "__main__":
    main()
