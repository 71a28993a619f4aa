#!/usr/bin/env python3
"""Listens on the emulated host's SCSI transport netlink group, runs the
command given (one that raises an event), and decodes the datagram it
gets as the kernel's published headers lay it out: struct nlmsghdr
(linux/netlink.h), struct scsi_nl_hdr (scsi/scsi_netlink.h) and struct
fc_nl_event (scsi/scsi_netlink_fc.h). Prints the fields, one per line;
exits 1 when a field is not what the headers require.

usage: netlink_event_check.py ROOT COMMAND..."""
import os
import socket
import struct
import subprocess
import sys

NLMSG_HDRLEN = 16
SCSI_TRANSPORT_MSG = 0x10 + 1      # NLMSG_MIN_TYPE + 1
SCSI_NL_VERSION = 1
SCSI_NL_TRANSPORT_FC = 1
SCSI_NL_MAGIC = 0xA1B2
FC_NL_ASYNC_EVENT = 0x0100
FCH_EVT_VENDOR_UNIQUE = 0xFFFF
FC_NL_EVENT_DATA = 36              # offsetof(struct fc_nl_event, event_data) after the SCSI header's start
GROUP_FC_EVENTS = 0x04


def fail(what):
    print("netlink_event_check: " + what, file=sys.stderr)
    sys.exit(1)


def main():
    root, command = sys.argv[1], sys.argv[2:]
    directory = os.path.join(root, "run", "netlink-scsitransport")
    os.makedirs(directory, exist_ok=True)
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
    name = "%d.%x" % (os.getpid(), GROUP_FC_EVENTS)
    here = os.getcwd()
    os.chdir(directory)            # a relative name fits any root
    listener.bind(name)
    os.chdir(here)
    try:
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        listener.settimeout(5)
        msg = listener.recv(65536)
    finally:
        os.unlink(os.path.join(directory, name))

    nlmsg_len, nlmsg_type, _flags, _seq, nlmsg_pid = struct.unpack_from("=IHHII", msg, 0)
    version, transport, magic, msgtype, msglen = struct.unpack_from("=BBHHH", msg, NLMSG_HDRLEN)
    seconds, vendor_id, host_no, datalen, event_num, event_code = struct.unpack_from("=QQHHII", msg, NLMSG_HDRLEN + 8)
    checks = [
        (nlmsg_len == len(msg), "nlmsg_len %d for a datagram of %d bytes" % (nlmsg_len, len(msg))),
        (nlmsg_type == SCSI_TRANSPORT_MSG, "nlmsg_type %#x" % nlmsg_type),
        (nlmsg_pid == 0, "a message not from the kernel (pid %d)" % nlmsg_pid),
        ((version, transport, magic) == (SCSI_NL_VERSION, SCSI_NL_TRANSPORT_FC, SCSI_NL_MAGIC),
         "SCSI netlink header %d/%d/%#x" % (version, transport, magic)),
        (msgtype == FC_NL_ASYNC_EVENT, "msgtype %#x" % msgtype),
        (msglen == len(msg) - NLMSG_HDRLEN and msglen % 8 == 0, "msglen %d" % msglen),
        (event_code == FCH_EVT_VENDOR_UNIQUE, "event_code %#x" % event_code),
        (FC_NL_EVENT_DATA + datalen <= msglen, "event data past the message"),
        (seconds > 0, "no time stamp"),
    ]
    for ok, what in checks:
        if not ok:
            fail(what)
    data = msg[NLMSG_HDRLEN + FC_NL_EVENT_DATA:NLMSG_HDRLEN + FC_NL_EVENT_DATA + datalen]
    print("vendor id type %#04x pci vendor %#06x" % (vendor_id >> 56, vendor_id & 0xFFFF))
    print("host %d, event %d, %d bytes of vendor data" % (host_no, event_num, datalen))
    if datalen >= 8:
        category, kind = struct.unpack_from("=Ii", data, 0)
        print("category %d type %d" % (category, kind))


if __name__ == "__main__":
    main()
