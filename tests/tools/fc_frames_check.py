#!/usr/bin/env python3
"""Decodes the emulated fabric's frame log with tshark.

Reads the output of `xelsim frames` (a file, or standard input), writes
each ELS and CT request with its frame header, and each answer behind the
header a responder sends back (the log keeps only the answer's payload),
as text2pcap input for the Fibre Channel FC-2 link type (224: a frame
begins with its 24-byte header; no delimiters, no CRC), and prints one line
per frame with the fields tshark decoded:

    req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0401 "0x401"
    rsp ct=0x8001 reason=0x09 expl=0xf5 "MSG_RJT (0x401)"
    req d_id=0a.20.00 r_ctl=0x22 type=0x01 "ECHO"
    rsp els=0x01 reason=0x03 expl=0x1f "LS_RJT (ECHO)"
    req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Inquiry LUN: 0x06"
    rsp status=0x02 asc=0x44 ascq=0x00

The SCSI commands of the log (sent through the SCSI generic node) are
written as the FCP command and response frames that carry them, between
the log's initiator and target port ids.

The quoted text is tshark's summary of the frame: the command by its name
(or number, when tshark has none for it) and, for an answer, the command
it answers, which tshark finds from the exchange.
"""

import os
import subprocess
import sys
import tempfile

FIELDS = ["fc.d_id", "fc.r_ctl", "fc.type", "fcs.opcode", "fcs.reason", "fcs.reasondet",
          "fcels.opcode", "fcels.rjt.reason", "fcels.rjt.detail", "fcp.lun", "fcp.status",
          "scsi.sns.asc", "scsi.sns.ascq", "_ws.col.Info"]


def words(line):
    return dict(w.split("=", 1) for w in line.split() if "=" in w)


def reply_header(request):
    """The header of the answer to a request: ids swapped, solicited
    control of the same routing, from the exchange's responder."""
    r_ctl = (request[0] & 0xF0) | 0x03
    return (bytes([r_ctl]) + request[5:8] + bytes([0]) + request[1:4] + request[8:9] +
            bytes([0x98, 0x00, 0x00, 0, 0, 0, 0]) + request[16:18] + bytes([0x00, 0x01]) + bytes(4))


def fc_header(r_ctl, d_id, s_id, f_ctl, ox_id, rx_id, fc_type=0x08):
    return (bytes([r_ctl]) + d_id + bytes([0]) + s_id + bytes([fc_type]) + f_ctl.to_bytes(3, "big") +
            bytes(4) + ox_id.to_bytes(2, "big") + rx_id.to_bytes(2, "big") + bytes(4))


def fcp_exchange(line, ox_id):
    """A SCSI command of the log as the FCP command and response frames
    that carry it: the LUN (peripheral addressing below 256, flat above),
    the CDB and the data length; the status and sense."""
    device, _sg, *rest = line.split()[1:]
    w = words(" ".join(rest))
    lun = int(device.split(":")[3])
    lun_bytes = bytes([(lun >> 8) | (0x40 if lun > 255 else 0), lun & 0xFF]) + bytes(6)
    cdb = bytes.fromhex(w["cdb"]).ljust(16, b"\0")
    data = bytes.fromhex(w["data"])
    sense = bytes.fromhex(w["sense"])
    initiator, target = bytes([0x0a, 0x10, 0x00]), bytes([0x0a, 0x20, 0x00])
    cmnd = (fc_header(0x06, target, initiator, 0x290000, ox_id, 0xFFFF) + lun_bytes + bytes([0, 0, 0, 0x02]) + cdb +
            len(data).to_bytes(4, "big"))
    rsp = (fc_header(0x07, initiator, target, 0x990000, ox_id, 0xFFFF) + bytes(10) +
           bytes([0x02 if sense else 0, int(w["status"], 16)]) + bytes(4) + len(sense).to_bytes(4, "big") + bytes(4) +
           sense)
    return [cmnd, rsp]


def frames(log):
    out, pending = [], None
    for line in log.splitlines():
        kind = line.split(" ", 1)[0]
        if kind == "scsi":
            out += fcp_exchange(line, len(out) + 1)
        elif kind in ("els", "ct"):
            w = words(line)
            pending = bytes.fromhex(w["fchs"])
            out.append(pending + bytes.fromhex(w["payload"]))
        elif kind == "rsp" and pending is not None:
            payload = bytes.fromhex(words(line).get("payload", ""))
            if payload:
                out.append(reply_header(pending) + payload)
            pending = None
    return out


def hexdump(frame):
    return "".join("%06x %s\n" % (i, " ".join("%02x" % b for b in frame[i:i + 16]))
                   for i in range(0, len(frame), 16))


def decode(frame_list):
    with tempfile.TemporaryDirectory() as tmp:
        text = os.path.join(tmp, "frames.txt")
        pcap = os.path.join(tmp, "frames.pcap")
        with open(text, "w") as f:
            f.write("".join(hexdump(fr) for fr in frame_list))
        subprocess.run(["text2pcap", "-q", "-l", "224", text, pcap], check=True, capture_output=True)
        cmd = ["tshark", "-r", pcap, "-T", "fields", "-E", "separator=|", "-E", "occurrence=f"]
        for field in FIELDS:
            cmd += ["-e", field]
        result = subprocess.run(cmd, check=True, capture_output=True, text=True)
    return [dict(zip(FIELDS, row.split("|"))) for row in result.stdout.splitlines()]


def byte(text):
    return "0x%02x" % int(text, 16)


def describe(f):
    solicited = int(f["fc.r_ctl"], 16) & 0x0F in (0x03, 0x07)  # solicited control, command status
    parts = ["rsp" if solicited else "req"]
    if not solicited:
        parts += ["d_id=" + f["fc.d_id"], "r_ctl=" + f["fc.r_ctl"], "type=" + f["fc.type"]]
    if f["fcs.opcode"]:
        parts.append("ct=" + f["fcs.opcode"])
        if f["fcs.opcode"] == "0x8001":
            parts += ["reason=" + byte(f["fcs.reason"]), "expl=" + byte(f["fcs.reasondet"])]
    elif f["fc.type"] == "0x08":
        if f["fcp.status"]:
            parts.append("status=" + byte(f["fcp.status"]))
        if f["scsi.sns.asc"]:
            parts += ["asc=" + byte(f["scsi.sns.asc"]), "ascq=" + byte(f["scsi.sns.ascq"])]
    elif f["fcels.opcode"]:
        parts.append("els=" + f["fcels.opcode"])
        if f["fcels.opcode"] == "0x01":
            parts += ["reason=" + f["fcels.rjt.reason"], "expl=" + f["fcels.rjt.detail"]]
    if not (solicited and f["fc.type"] == "0x08"):  # a response's summary repeats its status
        parts.append('"%s"' % f["_ws.col.Info"].strip())
    return " ".join(parts)


def main():
    log = open(sys.argv[1]).read() if len(sys.argv) > 1 else sys.stdin.read()
    for f in decode(frames(log)):
        print(describe(f))


if __name__ == "__main__":
    main()
