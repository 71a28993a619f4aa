# Events the drivers queue, counted by category for the front end: each
# is read once, from the adapter's first IOC.
$ ixo-sim port --events 1
| Category		Count
| --------		-----
| Adapter			 0
| Port			 0
| Lport			 0
| Rport			 0
| Itnim			 0
| Itntm			 0
| Ipfc			 0
| Audit			 0
| Ioc			 0
$ xelsim event add --fn 0000:05:00.0 --cat 2 --type 1 && xelsim event add --fn 0000:05:00.0 --cat 8 --type 4 && xelsim event add --fn 0000:05:00.1 --cat 2 --type 2 && xelsim event add --fn 0000:05:00.0 --cat 10 --type 1
| Event queued: 0000:05:00.0 category 2 type 1
| Event queued: 0000:05:00.0 category 8 type 4
| Event queued: 0000:05:00.1 category 2 type 2
| Event queued: 0000:05:00.0 category 10 type 1
$ ixo-sim port --events 1
| Category		Count
| --------		-----
| Adapter			 0
| Port			 1
| Lport			 0
| Rport			 0
| Itnim			 0
| Itntm			 0
| Ipfc			 0
| Audit			 1
| Ioc			 0
$ ixo-sim port --events 1 | grep -v '	 0$'
| Category		Count
| --------		-----
$ xelsim log | tail -n 1
| xel 0   0xC058432F status 0     0000:05:00.0
$ xelsim event add --fn 0000:05:00.0 --cat 13 --type 1
! xelsim: event add wants --fn, --cat from 1 to 12 and --type
! (see 'xelsim help')
[2]
$ xelsim event add --fn 0000:05:00.0 --type 1
! xelsim: event add wants --fn, --cat from 1 to 12 and --type
! (see 'xelsim help')
[2]
# A request the transport fails is reported and counts nothing.
$ xelsim event add --fn 0000:06:00.0 --cat 9 --type 3 > /dev/null && xelsim fault add --fn 0000:06:00.0 --cmd 0xC058432F --errno EIO --once > /dev/null && ixo-sim port --events 2 | grep Ioc
| Ioc			 0
! xell_aen_get_events:356 ioctl error: Input/output error, fd: -1, app: 0 inst: 2
$ ixo-sim port --events 2 | grep Ioc
| Ioc			 1
$ ixo-sim port --events 9
! ERROR: adapter id "9" in command is incorrect
[172]
# What a listener on the SCSI transport's netlink group receives, decoded
# by a script written from the kernel's netlink and FC transport headers:
# a vendor unique FC event of the function's SCSI host, the family's PCI
# vendor id, the 64-byte event entry behind it.
$ python3 $TESTDIR/../tools/netlink_event_check.py $IXO_SIM_ROOT xelsim event add --fn 0000:05:00.1 --cat 2 --type 2
| vendor id type 0x01 pci vendor 0x7a3c
| host 3, event 2, 64 bytes of vendor data
| category 2 type 2
